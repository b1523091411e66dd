#pragma once
// Conversion between the system's Shift-JIS texts and the UTF-16 of the Win32
// "W" functions. Code page 932 is named explicitly, so Japanese shows right
// whatever the ANSI code page of the machine is.
#include <string>

std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const std::wstring& text);
