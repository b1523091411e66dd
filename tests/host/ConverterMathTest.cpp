#include "converters/ConverterMath.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The message a call raises as EConvertError, or "" when it raises nothing.
template <class Call>
std::string convertError(Call call)
{
    try {
        call();
    } catch (const EConvertError& error) {
        return error.Message;
    }
    return "";
}

TEST(CurrencyRate, IsCutTowardZeroToWholeThousandths)
{
    const std::pair<const char*, int> cases[] = {
        {"1", 1000},          {"110.5", 110500},    {"1.5", 1500},        {"163.2", 163200},
        {"150.25", 150250},   {"123.4567", 123456}, {"-1.2345", -1234},   {"16.3", 16299},
        {"0.001", 0},         {"0.0009", 0},        {"-0.0009", 0},       {" 3 ", 3000},
        // The last rates that fit, each a thousandth short after the binary product.
        {"2147483.648", 2147483647}, {"-2147483.6489", -2147483647 - 1},
    };
    for (auto [text, thousandths] : cases)
        EXPECT_EQ(RateThousandths(text), thousandths) << text;
}

TEST(CurrencyRate, ARateThatIsNotANumberOrTooLargeIsRefusedByName)
{
    EXPECT_EQ(convertError([] { RateThousandths("abc"); }), "'abc' は浮動小数点数ではありません");
    EXPECT_EQ(convertError([] { RateThousandths(""); }), "'' は浮動小数点数ではありません");
    for (const char* text : {"2147483.649", "-2147483.65", "3000000", "1e4932"})
        EXPECT_EQ(convertError([text] { RateThousandths(text); }),
                  FormatPattern("'%s' は扱える換算レートの範囲を超えています", text));
}

struct CurrencyCase {
    const char* rate;
    const char* amount;
    const char* result;
};

// The rate text goes through the same cut as in the window.
TEST(CurrencyConversion, OtherCurrencyToYen)
{
    const CurrencyCase cases[] = {
        {"1", "100", "100"},          {"110.5", "1", "110.5"},   {"1.5", "250", "375"},
        {"123.4567", "1", "123.456"}, {"-1.2345", "1", "-1.234"}, {"16.3", "1", "16.299"},
        {"0.001", "5", "0"},          {"0.001", "-5", "0"},       {"110.5", "-2", "-221"},
        {"1", "1e20", "1E20"},        {"1", "0.00001", "1E-5"},
    };
    for (const CurrencyCase& c : cases)
        EXPECT_EQ(YenText(c.amount, RateThousandths(c.rate)), c.result) << c.rate << " " << c.amount;
}

TEST(CurrencyConversion, YenToOtherCurrency)
{
    const CurrencyCase cases[] = {
        {"1", "100", "100"},
        {"110.5", "10000", "90.4977375565611"},
        {"3", "1", "0.333333333333333"},
        {"110.5", "110.5", "1"},
        {"-1.2345", "1234", "-1000"},
    };
    for (const CurrencyCase& c : cases)
        EXPECT_EQ(OtherCurrencyText(c.amount, RateThousandths(c.rate)), c.result) << c.rate << " " << c.amount;
}

TEST(CurrencyConversion, FailsWithTheLibrarysErrors)
{
    EXPECT_EQ(convertError([] { YenText("", 1000); }), "'' は浮動小数点数ではありません");
    EXPECT_EQ(convertError([] { OtherCurrencyText("1,5", 1000); }), "'1,5' は浮動小数点数ではありません");
    EXPECT_THROW(OtherCurrencyText("1", RateThousandths("0.001")), EZeroDivide);
    EXPECT_THROW(OtherCurrencyText("0", 0), EInvalidOp);
    // Beyond the extended range: an error, never an infinity as text.
    EXPECT_THROW(YenText("1e4930", RateThousandths("110.5")), EOverflow);
    EXPECT_THROW(OtherCurrencyText("1e4932", RateThousandths("0.002")), EOverflow);
    EXPECT_EQ(OtherCurrencyText("1e4932", RateThousandths("1")), "1E4932");
}

struct TemperatureCase {
    const char* degrees;
    const char* result;
};

TEST(TemperatureConversion, FahrenheitToCelsiusIsCutTowardZeroToTenths)
{
    const TemperatureCase cases[] = {
        {"32", "0"},        {"0", "-17.7"},  {"212", "100"},  {"98.6", "37"},    {"100", "37.7"},
        {"-459.67", "-273.1"}, {"-40", "-40"}, {"26.6", "-2.9"}, {"131.9", "55.4"}, {"33", "0.5"},
    };
    for (const TemperatureCase& c : cases)
        EXPECT_EQ(DegreesText(CelsiusTenths(c.degrees)), c.result) << c.degrees;
    EXPECT_EQ(CelsiusTenths("0"), -177);
}

TEST(TemperatureConversion, CelsiusToFahrenheitIsCutTowardZeroToTenths)
{
    const TemperatureCase cases[] = {
        {"0", "32"},     {"36.6", "97.8"}, {"37", "98.6"},    {"100", "212"},        {"-40", "-40"},
        {"-17", "1.3"},  {"-21", "-5.7"},  {"15.5", "59.9"}, {"-273.15", "-459.6"}, {"-17.7", "0.1"},
    };
    for (const TemperatureCase& c : cases)
        EXPECT_EQ(DegreesText(FahrenheitTenths(c.degrees)), c.result) << c.degrees;
    EXPECT_EQ(FahrenheitTenths("-17"), 13);
}

TEST(TemperatureConversion, TheResultPassesThroughSinglePrecision)
{
    // 2^24 + 1 tenths has no single-precision form and comes out one tenth less.
    EXPECT_EQ(DegreesText(16777217), "1677721.6");
    EXPECT_EQ(DegreesText(-2147483647), "-214748364.8");
}

TEST(TemperatureConversion, ATextThatIsNotANumberOrAResultBeyond32BitsIsRefusedByName)
{
    EXPECT_EQ(convertError([] { CelsiusTenths(""); }), "'' は浮動小数点数ではありません");
    EXPECT_EQ(convertError([] { FahrenheitTenths("37度"); }), "'37度' は浮動小数点数ではありません");
    for (const char* text : {"1e9", "-1e9", "1e4932"}) {
        std::string message = FormatPattern("'%s' の換算結果は扱える温度の範囲を超えています", text);
        EXPECT_EQ(convertError([text] { CelsiusTenths(text); }), message);
        EXPECT_EQ(convertError([text] { FahrenheitTenths(text); }), message);
    }
}

} // namespace
