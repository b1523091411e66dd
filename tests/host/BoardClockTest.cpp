#include "clock/BoardClock.h"

#include <gtest/gtest.h>

namespace {

TEST(HomeDate, CutsMonthAndDayByTheTextsLength)
{
    struct Case {
        const char* shortDate;
        const char* shown;
    } cases[] = {
        {"2000/01/21", "01/21"}, // four-digit year
        {"00/01/21", "01/21"},   // two-digit year, 8 characters
        {"2000/1/5", "0/1/5"},   // 8 characters whatever the format
        {"2000/1/21", "1/21"},   // 9 characters
        {"21.01.2000", ".2000"}, // a day-first format is cut the same way
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HomeDate(c.shortDate), c.shown) << c.shortDate;
}

TEST(HomeTime, GivesTwoDigitHoursForOneAndTwoDigitFormats)
{
    struct Case {
        const char* longTime;
        const char* shown;
    } cases[] = {
        {"21:05:03", "21:05"},
        {"09:05:03", "09:05"},
        {"9:05:03", "09:05"},
        {"0:15:00", "00:15"},
        {"9:05:03 PM", "09:05"},  // day period at the end: longer than 8, no error
        {"AM 9:05:03", "0AM 9"},  // day period in front: the hour is not a number
        {"", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HomeTime(c.longTime), c.shown) << c.longTime;
}

TEST(WrapDay, MovesTheHourIntoTheDayOnceAndMarksTheDay)
{
    struct Case {
        int sum;
        int hour;
        const char* mark;
    } cases[] = {
        {10 - 9, 1, ""},      // London at 10:20
        {10 - 14, 20, "前日"}, // New York
        {10 - 17, 17, "前日"}, // San Francisco
        {23 + 2, 1, "翌日"},
        {23 + 1, 0, "翌日"},
        {0 - 9, 15, "前日"},
        {23, 23, ""},
        {0, 0, ""},
        {-24, 0, "前日"},
        {47, 23, "翌日"},
        {-26, -2, "前日"}, // more than a day apart: wrapped once only
        {50, 26, "翌日"},
    };
    for (const Case& c : cases) {
        DayWrap wrapped = WrapDay(c.sum);
        EXPECT_EQ(wrapped.hour, c.hour) << "sum " << c.sum;
        EXPECT_EQ(wrapped.mark, c.mark) << "sum " << c.sum;
    }
}

} // namespace
