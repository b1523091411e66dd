#include "toolkit/Exceptions.h"
#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct IntegerCase {
    const char* text;
    std::optional<int> value;
};

class IntegerText : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerText, ConvertsOnlyTheLibrarySyntax)
{
    EXPECT_EQ(TryStrToInt(GetParam().text), GetParam().value) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Table, IntegerText,
                         testing::Values(IntegerCase{"7", 7}, IntegerCase{"  7", 7}, IntegerCase{"+7", 7},
                                         IntegerCase{" -3", -3}, IntegerCase{"-14", -14}, IntegerCase{"007", 7},
                                         IntegerCase{"$1F", 31}, IntegerCase{"x1f", 31}, IntegerCase{"X10", 16},
                                         IntegerCase{"0x10", 16}, IntegerCase{"0X10", 16}, IntegerCase{"-$10", -16},
                                         IntegerCase{"2147483647", 2147483647},
                                         IntegerCase{"-2147483648", -2147483647 - 1},
                                         IntegerCase{"2147483648", std::nullopt},
                                         IntegerCase{"99999999999", std::nullopt}, IntegerCase{"", std::nullopt},
                                         IntegerCase{" ", std::nullopt}, IntegerCase{"-", std::nullopt},
                                         IntegerCase{"$", std::nullopt}, IntegerCase{"0x", std::nullopt},
                                         IntegerCase{"7 ", std::nullopt}, IntegerCase{"7.5", std::nullopt},
                                         IntegerCase{"abc", std::nullopt}, IntegerCase{"+-7", std::nullopt},
                                         IntegerCase{"- 7", std::nullopt}, IntegerCase{"\t7", std::nullopt},
                                         IntegerCase{"$G", std::nullopt}, IntegerCase{"１", std::nullopt}));

TEST(IntegerText, FailureNamesTheTextInTheLibraryMessage)
{
    try {
        StrToInt("7.5");
        FAIL() << "7.5 converted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message, "'7.5' は数値ではありません");
    }
    EXPECT_THROW(StrToInt(""), EConvertError);
    EXPECT_EQ(StrToInt(" +100"), 100);
}

TEST(IntegerText, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(390), "390");
    EXPECT_EQ(IntToStr(-14), "-14");
    EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
}

} // namespace
