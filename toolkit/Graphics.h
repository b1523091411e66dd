#pragma once
// Colours and fonts as form descriptions declare them.
#include <cstdint>
#include <optional>
#include <string>

// An RGB colour as 0x00BBGGRR, or a system colour as 0xFF000000 plus the
// system colour's index.
using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;

// The colour named clLime, clBtnFace, ..., or nothing for an unknown name.
std::optional<TColor> ColorFromName(const std::string& name);

constexpr int DEFAULT_CHARSET_CODE = 1;
constexpr int SHIFTJIS_CHARSET_CODE = 128;

// The character set named DEFAULT_CHARSET, SHIFTJIS_CHARSET, ..., or nothing.
std::optional<int> CharsetFromName(const std::string& name);

struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11; // negative: the character height in pixels
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clWindowText;
    int Charset = DEFAULT_CHARSET_CODE;

    bool operator==(const TFont&) const = default;
};
