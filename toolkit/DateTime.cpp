#include "DateTime.h"

#include "Codepage.h"

#include <windows.h>

namespace {

std::function<TDateTime()>& replacedClock()
{
    static std::function<TDateTime()> clock;
    return clock;
}

SYSTEMTIME systemTime(const TDateTime& moment)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(moment.Year);
    time.wMonth = static_cast<WORD>(moment.Month);
    time.wDay = static_cast<WORD>(moment.Day);
    time.wHour = static_cast<WORD>(moment.Hour);
    time.wMinute = static_cast<WORD>(moment.Minute);
    time.wSecond = static_cast<WORD>(moment.Second);
    time.wMilliseconds = static_cast<WORD>(moment.Millisecond);
    return time;
}

} // namespace

TDateTime Now()
{
    if (replacedClock())
        return replacedClock()();
    SYSTEMTIME local;
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, local.wMilliseconds};
}

TDateTime Date()
{
    TDateTime today = Now();
    today.Hour = today.Minute = today.Second = today.Millisecond = 0;
    return today;
}

TDateTime Time()
{
    TDateTime now = Now();
    TDateTime time;
    time.Hour = now.Hour;
    time.Minute = now.Minute;
    time.Second = now.Second;
    time.Millisecond = now.Millisecond;
    return time;
}

std::string DateToStr(const TDateTime& date)
{
    SYSTEMTIME time = systemTime(date);
    wchar_t text[128];
    int length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128);
    return length > 0 ? AnsiFromWide(std::wstring(text, static_cast<std::size_t>(length - 1))) : std::string();
}

std::string TimeToStr(const TDateTime& time)
{
    SYSTEMTIME moment = systemTime(time);
    wchar_t text[128];
    int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &moment, nullptr, text, 128);
    return length > 0 ? AnsiFromWide(std::wstring(text, static_cast<std::size_t>(length - 1))) : std::string();
}

void SetClock(std::function<TDateTime()> clock)
{
    replacedClock() = std::move(clock);
}
