#pragma once
// Win32 helpers shared inside the toolkit; never included by the windows' units.
#include "Graphics.h"

#include <windows.h>

#include <string>

COLORREF ColorRef(TColor color);
// The font for a TFont, made once and shared by every control that uses it
// for the rest of the run; never to be deleted by a caller.
HFONT SharedFont(const TFont& font);
HINSTANCE ModuleInstance();

// Draws a bevel of width rings just inside rect: lowered has its top and left
// edges in the shadow colour and its bottom and right edges in the highlight
// colour, raised the other way round. Leaves rect as the inside of the bevel.
void DrawBevel(HDC dc, RECT& rect, bool raised, int width);

// Registers a window class of the toolkit's own once, with the toolkit's
// window procedure and the application icon.
void RegisterOwnClass(const std::wstring& className);
LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
