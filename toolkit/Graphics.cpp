#include "Graphics.h"

#include <map>

std::optional<TColor> ColorFromName(const std::string& name)
{
    static const std::map<std::string, TColor> colors = {
        {"clBlack", clBlack},
        {"clMaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clWhite", clWhite},
        {"clWindow", clWindow},
        {"clWindowText", clWindowText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clBtnHighlight", clBtnHighlight},
        {"clBtnText", clSystemColor | 18},
        {"clHighlight", clSystemColor | 13},
        {"clHighlightText", clSystemColor | 14},
        {"clGrayText", clSystemColor | 17},
        {"clInfoBk", clSystemColor | 24},
        {"clInfoText", clSystemColor | 23},
    };
    auto found = colors.find(name);
    if (found == colors.end())
        return std::nullopt;
    return found->second;
}

std::optional<int> CharsetFromName(const std::string& name)
{
    static const std::map<std::string, int> charsets = {
        {"ANSI_CHARSET", 0},
        {"DEFAULT_CHARSET", DEFAULT_CHARSET_CODE},
        {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET_CODE},
    };
    auto found = charsets.find(name);
    if (found == charsets.end())
        return std::nullopt;
    return found->second;
}
