#include "BoardClock.h"

#include "toolkit/Text.h"

std::string HomeDate(const std::string& shortDate)
{
    return shortDate.size() == 8 ? Copy(shortDate, 4, 5) : Copy(shortDate, 6, 5);
}

std::string HomeTime(const std::string& longTime)
{
    if (longTime.size() == 8)
        return Copy(longTime, 1, 5);
    return std::string("0").append(Copy(longTime, 1, 4));
}

DayWrap WrapDay(int hour)
{
    if (hour < 0)
        return {hour + 24, "前日"};
    if (hour >= 24)
        return {hour - 24, "翌日"};
    return {hour, ""};
}
