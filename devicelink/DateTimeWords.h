#pragma once
// Packed date and time words of the tester link.
//   time word: hour in bits 11-15, minute in bits 5-10, seconds / 2 in bits 0-4
//   date word: day in bits 0-4, month in bits 5-8, year - 2000 in bits 9-15; testers with firmware
//              major number below 2 keep the year in bits 11-15 and leave bits 9-10 unused.
// Dates and times on the tester are local time.

#include <cstdint>

struct SCalendarTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

std::uint16_t PackTimeWord(const SCalendarTime& t);
std::uint16_t PackDateWord(const SCalendarTime& t, int firmwareMajor);

// The calendar fields of a record's two words. A field out of range (day 1..31, month 1..12,
// hour 0..23, minute 0..59, seconds field 0..29) makes the whole stamp 1 January 2006 10:00:00.
SCalendarTime UnpackDateTimeWords(std::uint16_t timeWord, std::uint16_t dateWord, int firmwareMajor);

// Seconds since 1970 UTC of a local calendar time; daylight saving is decided by the C library.
std::int64_t LocalCalendarToTime(const SCalendarTime& t);
// The local calendar time of a time value.
SCalendarTime TimeToLocalCalendar(std::int64_t time);
