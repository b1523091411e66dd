#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Copy, CountsBytesFromOneAndStopsAtTheEnd)
{
    EXPECT_EQ(Copy("21:05:03", 1, 5), "21:05");
    EXPECT_EQ(Copy("21:05", 3, 3), ":05");
    EXPECT_EQ(Copy("9:05", 3, 3), "05");
    EXPECT_EQ(Copy("abc", 4, 2), "");
    EXPECT_EQ(Copy("abc", 2, 100), "bc");
    EXPECT_EQ(Copy("", 1, 2), "");
    // Shift-JIS: one full-width character is two bytes.
    EXPECT_EQ(Copy("東京", 1, 2), "東");
}

TEST(ErrorDisplayText, EndsEverySentenceWithOneFullStop)
{
    EXPECT_EQ(ErrorDisplayText("'abc' は数値ではありません"), "'abc' は数値ではありません.");
    EXPECT_EQ(ErrorDisplayText("Done."), "Done.");
    EXPECT_EQ(ErrorDisplayText("error 7"), "error 7.");
    EXPECT_EQ(ErrorDisplayText("What?"), "What?.");
    // Characters that sort below "." are left alone.
    EXPECT_EQ(ErrorDisplayText("(see above)"), "(see above)");
    EXPECT_EQ(ErrorDisplayText("wait -"), "wait -");
    EXPECT_EQ(ErrorDisplayText(""), "");
}

} // namespace
