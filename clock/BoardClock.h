#pragma once
// The text cutting and the hour arithmetic of the clock board's tick.
#include <string>

// The home date as the board shows it, cut from the short date text: an
// 8-character text from its 4th character, any other from its 6th, five
// characters long ("2000/01/21" and "00/01/21" both give "01/21").
std::string HomeDate(const std::string& shortDate);

// The home time as the board shows it, cut from the long time text: the first
// five characters of an 8-character text, else "0" and the first four
// ("21:05:03" gives "21:05", "9:05:03" gives "09:05").
std::string HomeTime(const std::string& longTime);

// A slot's hour moved into the day once: below 0 it is on the previous day
// ("前日"), at 24 or more on the next ("翌日"); mark is empty on the home day.
struct DayWrap {
    int hour;
    std::string mark;
};
DayWrap WrapDay(int hour);
