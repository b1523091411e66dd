#include "notes/NotesLayout.h"
#include "toolkit/Lines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, CutsAtEveryKindOfLineEndAndStopsAtNul)
{
    struct Case {
        std::string data;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"abc", {"abc"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR: a line end, then an empty line
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n\r\n\r\n", {"", "", ""}},
        {std::string("ab\0cd\r\nef", 9), {"ab"}},
        {std::string("\0abc", 4), {}},
        {"東京\r\nソ表", {"東京", "ソ表"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitLines(c.data), c.lines) << testing::PrintToString(c.data);
}

TEST(MemoLayout, ReadsEveryLineWithCrLfAndWritesItBackUnchanged)
{
    struct Case {
        std::string file;
        std::string memo;
        std::string written; // the memo written back without edits
    } cases[] = {
        {"\r\n", "\r\n", "\r\n"},         // the default file stays two bytes run after run
        {"", "", "\r\n"},
        {"abc", "abc\r\n", "abc\r\n"},
        {"a\nb", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\r\n\r\n", "a\r\n\r\n", "a\r\n\r\n"},
        {std::string("ab\0cd", 5), "ab\r\n", "ab\r\n"},
    };
    for (const Case& c : cases) {
        std::string memo = MemoFromFile(c.file);
        EXPECT_EQ(memo, c.memo) << testing::PrintToString(c.file);
        EXPECT_EQ(MemoFile(memo), c.written) << testing::PrintToString(c.file);
        // A file the program wrote keeps its bytes from run to run.
        EXPECT_EQ(MemoFile(MemoFromFile(c.written)), c.written) << testing::PrintToString(c.file);
    }
    EXPECT_EQ(MemoFile("typed"), "typed\r\n");
    EXPECT_EQ(DefaultMemoFile(), "\r\n");
}

TEST(TravelLayout, AlwaysTwentyOneLines)
{
    EXPECT_EQ(DefaultTravelFile().size(), 42u);
    EXPECT_EQ(TravelFromFile(DefaultTravelFile()), TravelFields{});

    TravelFields fields;
    fields[19] = "保険 123";
    fields[20] = "IDP-9";
    std::string expected;
    for (int line = 1; line <= 19; ++line)
        expected += "\r\n";
    expected += "保険 123\r\nIDP-9\r\n";
    std::string file = TravelFile(fields);
    EXPECT_EQ(file, expected);
    EXPECT_EQ(TravelFromFile(file), fields);
}

TEST(TravelLayout, MissingLinesAreEmptyFieldsAndExtraLinesAreDropped)
{
    TravelFields five = TravelFromFile("1\r\n2\r\n3\r\n4\r\n5\r\n");
    EXPECT_EQ(five[0], "1");
    EXPECT_EQ(five[4], "5");
    EXPECT_EQ(five[5], "");
    EXPECT_EQ(five[20], "");
    EXPECT_EQ(TravelFromFile(""), TravelFields{});

    std::string long_file;
    for (int line = 1; line <= 25; ++line)
        long_file += std::to_string(line) + "\r\n";
    TravelFields fields = TravelFromFile(long_file);
    EXPECT_EQ(fields[20], "21");
    EXPECT_EQ(SplitLines(TravelFile(fields)).size(), 21u);
}

} // namespace
