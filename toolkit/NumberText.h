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

// The user's decimal separator: a full stop until the application reads the
// locale's at start-up.
extern char DecimalSeparator;

// Blanks around, an optional sign, digits with an optional separator and
// fraction, an optional exponent ("E" or "e", optional sign, digits); nothing
// else. Gives the extended value nearest to the decimal text, or nothing for
// any other text and for a value beyond the extended range.
std::optional<long double> TryStrToFloat(const std::string& text, char separator = DecimalSeparator);

// As TryStrToFloat; a text that does not convert raises EConvertError
// "'text' は浮動小数点数ではありません".
long double StrToFloat(const std::string& text, char separator = DecimalSeparator);

// The general number format: rounded to 15 significant digits, without
// trailing zeros; fixed notation from 0.0001 up to below 1E15, scientific
// ("1.5E-5", "1E15") outside. An infinity raises EOverflow and a NaN
// EInvalidOp, so neither ever reaches a control as text.
std::string FloatToStr(long double value, char separator = DecimalSeparator);
