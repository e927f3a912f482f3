#include "tools/kestrel-sim/DateWords.h"

#include <algorithm>

namespace Sim {

DateWords PackDateWords(const std::tm& local, bool oldLayout, bool* clamped)
{
    const int lastYear = oldLayout ? 31 : 127;
    const int rawYear = local.tm_year + 1900 - 2000;
    const int year = std::clamp(rawYear, 0, lastYear);
    if (clamped)
        *clamped = year != rawYear;
    DateWords words;
    words.time = static_cast<std::uint16_t>(local.tm_hour * 2048 + local.tm_min * 32 + local.tm_sec / 2);
    const int month = local.tm_mon + 1;
    words.date = static_cast<std::uint16_t>(year * (oldLayout ? 2048 : 512) + month * 32 + local.tm_mday);
    return words;
}

DateWords PackLocalTime(std::time_t value, bool oldLayout, bool* clamped)
{
    std::tm local{};
    localtime_r(&value, &local);
    return PackDateWords(local, oldLayout, clamped);
}

bool UnpackDateWords(DateWords words, bool oldLayout, std::tm* local)
{
    const int day = words.date & 0x1F;
    const int month = (words.date >> 5) & 0x0F;
    const int year = oldLayout ? (words.date >> 11) & 0x1F : (words.date >> 9) & 0x7F;
    const int hour = (words.time >> 11) & 0x1F;
    const int minute = (words.time >> 5) & 0x3F;
    const int halfSeconds = words.time & 0x1F;
    if (day < 1 || day > 31 || month < 1 || month > 12 || hour > 23 || minute > 59 || halfSeconds > 29)
        return false;
    *local = std::tm{};
    local->tm_year = 2000 + year - 1900;
    local->tm_mon = month - 1;
    local->tm_mday = day;
    local->tm_hour = hour;
    local->tm_min = minute;
    local->tm_sec = halfSeconds * 2;
    local->tm_isdst = -1;
    return true;
}

} // namespace Sim
