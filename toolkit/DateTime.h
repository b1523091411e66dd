#pragma once
// The current local date and time, and their texts in the user's formats.
// The clock can be replaced, so that a tick can be tried at any moment.
#include <functional>
#include <string>

struct TDateTime {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// The current local date and time.
TDateTime Now();
// Today, at midnight.
TDateTime Date();
// The current time of day, without a date.
TDateTime Time();

// The date in the user's short date format ("2000/01/21" on a Japanese system).
std::string DateToStr(const TDateTime& date);
// The time in the user's long time format ("9:05:03" on a Japanese system).
std::string TimeToStr(const TDateTime& time);

// Replaces the computer's clock; an empty function gives it back.
void SetClock(std::function<TDateTime()> clock);
