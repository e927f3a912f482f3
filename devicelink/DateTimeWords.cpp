#include "devicelink/DateTimeWords.h"

#include <ctime>

std::uint16_t PackTimeWord(const SCalendarTime& t)
{
    return static_cast<std::uint16_t>(t.hour * 2048 + t.minute * 32 + t.second / 2);
}

std::uint16_t PackDateWord(const SCalendarTime& t, int firmwareMajor)
{
    const int yearShift = firmwareMajor < 2 ? 2048 : 512;
    return static_cast<std::uint16_t>((t.year - 2000) * yearShift + t.month * 32 + t.day);
}

SCalendarTime UnpackDateTimeWords(std::uint16_t timeWord, std::uint16_t dateWord, int firmwareMajor)
{
    if (firmwareMajor < 2)
        dateWord = static_cast<std::uint16_t>((dateWord & 0x01FF) | ((dateWord >> 11) << 9));

    SCalendarTime t;
    t.year = 2000 + (dateWord >> 9);
    t.month = (dateWord >> 5) & 0xF;
    t.day = dateWord & 0x1F;
    t.hour = timeWord >> 11;
    t.minute = (timeWord >> 5) & 0x3F;
    const int secondsField = timeWord & 0x1F;
    t.second = 2 * secondsField;

    const bool valid = t.day >= 1 && t.day <= 31 && t.month >= 1 && t.month <= 12 && t.hour <= 23
        && t.minute <= 59 && secondsField <= 29;
    if (!valid)
        return SCalendarTime{2006, 1, 1, 10, 0, 0};
    return t;
}

std::int64_t LocalCalendarToTime(const SCalendarTime& t)
{
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

SCalendarTime TimeToLocalCalendar(std::int64_t time)
{
    const std::time_t value = static_cast<std::time_t>(time);
    std::tm tm{};
    localtime_r(&value, &tm);
    return SCalendarTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}
