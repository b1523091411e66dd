#include "Native.h"

#include "Codepage.h"

#include <set>
#include <vector>

COLORREF ColorRef(TColor color)
{
    if ((color & 0xFF000000) == clSystemColor)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0x00FFFFFF);
}

namespace {

HFONT createFont(const TFont& font)
{
    LOGFONTW description{};
    description.lfHeight = font.Height;
    description.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.Italic;
    description.lfUnderline = font.Underline;
    description.lfStrikeOut = font.StrikeOut;
    description.lfCharSet = static_cast<BYTE>(font.Charset);
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    std::wstring face = WideFromAnsi(font.Name);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

} // namespace

HFONT SharedFont(const TFont& font)
{
    // A program uses a handful of distinct fonts, each by many controls.
    static std::vector<std::pair<TFont, HFONT>> fonts;
    for (const auto& [known, handle] : fonts)
        if (known == font)
            return handle;
    fonts.emplace_back(font, createFont(font));
    return fonts.back().second;
}

void DrawBevel(HDC dc, RECT& rect, bool raised, int width)
{
    HPEN light = CreatePen(PS_SOLID, 1, ColorRef(clBtnHighlight));
    HPEN dark = CreatePen(PS_SOLID, 1, ColorRef(clBtnShadow));
    HPEN topLeft = raised ? light : dark;
    HPEN bottomRight = raised ? dark : light;
    HGDIOBJ previous = SelectObject(dc, topLeft);
    for (int ring = 0; ring < width; ++ring) {
        SelectObject(dc, topLeft);
        MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
        LineTo(dc, rect.left, rect.top);
        LineTo(dc, rect.right - 1, rect.top);
        SelectObject(dc, bottomRight);
        LineTo(dc, rect.right - 1, rect.bottom - 1);
        LineTo(dc, rect.left - 1, rect.bottom - 1);
        InflateRect(&rect, -1, -1);
    }
    SelectObject(dc, previous);
    DeleteObject(light);
    DeleteObject(dark);
}

HINSTANCE ModuleInstance()
{
    return GetModuleHandleW(nullptr);
}

void RegisterOwnClass(const std::wstring& className)
{
    static std::set<std::wstring> registered;
    if (!registered.insert(className).second)
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ToolkitWindowProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = static_cast<HICON>(LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = className.c_str();
    RegisterClassExW(&windowClass);
}
