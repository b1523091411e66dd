#pragma once
// Win32 helpers shared inside the toolkit; never included by the windows' units.
#include "Graphics.h"

#include <windows.h>

#include <string>

COLORREF ColorRef(TColor color);
HFONT CreateFontHandle(const TFont& font);
HINSTANCE ModuleInstance();

// Registers a window class of the toolkit's own once, with the toolkit's
// window procedure and the application icon.
void RegisterOwnClass(const std::wstring& className);
LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
