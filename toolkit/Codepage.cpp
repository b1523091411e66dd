#include "Codepage.h"

#include <windows.h>

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring WideFromAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(kShiftJis, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string AnsiFromWide(const std::wstring& text)
{
    if (text.empty())
        return {};
    int length = WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), ansi.data(), length, nullptr, nullptr);
    return ansi;
}
