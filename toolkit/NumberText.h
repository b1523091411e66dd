#pragma once
// Conversions between texts and numbers, with the component library's syntax
// and messages.
#include <optional>
#include <string>

// Optional leading blanks, an optional sign, then decimal digits, or hexadecimal
// digits after "$", "x" or "0x"; nothing after the digits; within the signed
// 32-bit range. Anything else gives nothing.
std::optional<int> TryStrToInt(const std::string& text);

// As TryStrToInt; a text that does not convert raises EConvertError
// "'text' は数値ではありません".
int StrToInt(const std::string& text);

// Decimal digits, "-" for negatives, no leading zeros or plus sign.
std::string IntToStr(int value);
