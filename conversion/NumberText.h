#pragma once
// Number formatting of the conversion texts. Independent of the C library's locale: the decimal
// separator is always a full stop.

#include <QString>

// value with `decimals` decimals (0..12), like "%.*f", except that exact halves round away from
// zero (2.5 -> "3", 254.5 -> "255", 0.125 -> "0.13" at 2 decimals), as every rounding of this
// program does. Exact for every value that is a float; a negative value that rounds to zero keeps
// its sign ("-0.0").
QString FixedText(double value, int decimals);

// Fills a text pattern: "%<width>.<precision>f" takes number (FixedText, width ignored), "%d" the
// number as a whole count, "%s" the unit, "%%" a percent sign; anything else is copied as it
// stands, so a pattern of the string table can never read beyond its two arguments.
QString FormatPattern(const QString& pattern, double number, const QString& unit);
