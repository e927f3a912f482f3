#pragma once
// The packed time and date words a tester stores with every measurement and takes for its clock.
//
// time word: hour in bits 11-15, minute in bits 5-10, seconds / 2 in bits 0-4.
// date word: day in bits 0-4, month in bits 5-8, year - 2000 in bits 9-15. Firmware before major
// version 2 keeps the year in bits 11-15 and leaves bits 9-10 zero ("old layout").

#include <cstdint>
#include <ctime>

namespace Sim {

struct DateWords {
    std::uint16_t time = 0;
    std::uint16_t date = 0;
};

// Packs a local calendar time. Years the layout cannot hold are clamped to its first or last
// year; *clamped (when given) tells whether that happened.
DateWords PackDateWords(const std::tm& local, bool oldLayout, bool* clamped = nullptr);
// Packs a time value as local time.
DateWords PackLocalTime(std::time_t value, bool oldLayout, bool* clamped = nullptr);
// Unpacks the words into a local calendar time; false when a field is out of its range (day 1..31,
// month 1..12, hour 0..23, minute 0..59, seconds field 0..29).
bool UnpackDateWords(DateWords words, bool oldLayout, std::tm* local);

} // namespace Sim
