#include "toolkit/Exceptions.h"
#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

struct FloatCase {
    const char* text;
    std::optional<long double> value;
};

// Expected values are long double literals: the compiler rounds each to the
// nearest extended value, as the conversion must.
TEST(FloatText, ConvertsTheLibrarySyntaxToTheNearestExtendedValue)
{
    const FloatCase cases[] = {
        {"0", 0.0L},
        {"1", 1.0L},
        {"  1.5  ", 1.5L},
        {"+2", 2.0L},
        {"-2.25", -2.25L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"007.50", 7.5L},
        {"1e3", 1000.0L},
        {"1E+3", 1000.0L},
        {"2.5e-3", 2.5e-3L},
        {" -0.001 ", -0.001L},
        {"16.3", 16.3L},
        {"110.5", 110.5L},
        {"123456789012345678", 123456789012345678.0L},
        {"0.123456789012345678", 0.123456789012345678L},
        // Eighteen digits that double precision cannot tell from 1.
        {"1.00000000000000001", 1.00000000000000001L},
        {"9.99999999999999999", 9.99999999999999999L},
        {"-999999999999999999", -999999999999999999.0L},
        {"1e4932", 1e4932L},
        {"1e-5000", 0.0L},
        {"0.000000000000000000000000000001", 1e-30L},
        {"1e99999999999999999999", std::nullopt}, // beyond the extended range
        {"1.2e4932", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {".", std::nullopt},
        {"-.", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"e5", std::nullopt},
        {"1e5.5", std::nullopt},
        {"1,5", std::nullopt}, // a comma is no separator where the separator is a full stop
        {"1,000", std::nullopt},
        {"1 5", std::nullopt},
        {"- 1", std::nullopt},
        {"++1", std::nullopt},
        {"1.5.2", std::nullopt},
        {"\t1", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1.5f", std::nullopt},
        {"１", std::nullopt}, // a full-width digit
    };
    for (const FloatCase& c : cases) {
        std::optional<long double> value = TryStrToFloat(c.text, '.');
        EXPECT_EQ(value.has_value(), c.value.has_value()) << "'" << c.text << "'";
        if (value && c.value) {
            EXPECT_EQ(*value, *c.value) << "'" << c.text << "'";
        }
    }
}

TEST(FloatText, UsesTheSeparatorItIsGiven)
{
    EXPECT_EQ(TryStrToFloat("1,5", ','), 1.5L);
    EXPECT_EQ(TryStrToFloat("-0,25e1", ','), -2.5L);
    EXPECT_EQ(TryStrToFloat("1.5", ','), std::nullopt);
    EXPECT_EQ(DecimalSeparator, '.');
    EXPECT_EQ(TryStrToFloat("1.5"), 1.5L);
}

TEST(FloatText, FailureNamesTheWholeTextInTheLibraryMessage)
{
    for (const char* text : {"abc", "", " 1,5 "}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "'" << text << "' converted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message, "'" + std::string(text) + "' は浮動小数点数ではありません");
        }
    }
}

struct FormatCase {
    long double value;
    const char* text;
};

TEST(GeneralFormat, WritesFifteenDigitsInTheShortestForm)
{
    const FormatCase cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {1.0L, "1"},
        {-1.0L, "-1"},
        {100.0L, "100"},
        {110.5L, "110.5"},
        {1.10L, "1.1"},
        {0.1L, "0.1"},
        {16.299L, "16.299"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {-2.0L / 3, "-0.666666666666667"},
        {10000.0L / 110.5L, "90.4977375565611"},
        // Fixed notation up to below 1E15, judged after rounding.
        {123456789012345.0L, "123456789012345"},
        {999999999999999.0L, "999999999999999"},
        {999999999999999.9L, "1E15"},
        {1e15L, "1E15"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {-2.5e20L, "-2.5E20"},
        {1e100L, "1E100"},
        // Fixed notation from 0.0001.
        {0.0001L, "0.0001"},
        {0.00012345L, "0.00012345"},
        {-0.0001L, "-0.0001"},
        {0.0000999999999999999999L, "0.0001"},
        {0.0000999L, "9.99E-5"},
        {1.5e-5L, "1.5E-5"},
        {-1.25e-300L, "-1.25E-300"},
        {LDBL_MAX, "1.18973149535723E4932"},
        {std::numeric_limits<long double>::denorm_min(), "3.64519953188247E-4951"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FloatToStr(c.value, '.'), c.text) << static_cast<double>(c.value);
}

TEST(GeneralFormat, UsesTheSeparatorItIsGiven)
{
    EXPECT_EQ(FloatToStr(1.5L, ','), "1,5");
    EXPECT_EQ(FloatToStr(-1.5e-5L, ','), "-1,5E-5");
    EXPECT_EQ(FloatToStr(2.0L, ','), "2");
}

TEST(GeneralFormat, RefusesInfinityAndNaNInsteadOfWritingThem)
{
    EXPECT_THROW(FloatToStr(std::numeric_limits<long double>::infinity()), EOverflow);
    EXPECT_THROW(FloatToStr(-std::numeric_limits<long double>::infinity()), EOverflow);
    EXPECT_THROW(FloatToStr(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
}

} // namespace
