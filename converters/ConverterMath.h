#pragma once
// The arithmetic of the currency and temperature converters: every step on
// extended values, in the order the windows take them, from the texts of the
// edits to the text of the result.
#include <string>

// A rate text in whole thousandths of a yen, cut toward zero: "123.4567" gives
// 123456, "16.3" gives 16299 (16.3 has no exact binary form). A text that is
// not a number, or a rate whose thousandths do not fit 32 bits, raises
// EConvertError.
int RateThousandths(const std::string& rateText);

// (amount × irate) × 0.001, in the general number format.
std::string YenText(const std::string& amountText, int irate);
// (yen ÷ irate) × 1000, in the general number format; an irate of 0 raises
// EZeroDivide, or EInvalidOp for a yen amount of 0.
std::string OtherCurrencyText(const std::string& yenText, int irate);

// A temperature text converted and cut toward zero to tenths of a degree:
// ((F - 32) × 5 × 10) × 1/9 and (C × 9 × 1/5 + 32) × 10. A text that is not a
// number, or a result that does not fit 32 bits, raises EConvertError.
int CelsiusTenths(const std::string& fahrenheitText);
int FahrenheitTenths(const std::string& celsiusText);

// One tenth of the single-precision result, in the general number format.
std::string DegreesText(float fondo);
