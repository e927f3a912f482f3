#pragma once
// Statistics of one series on the values its scale shows (raw, corrected or converted), and the
// texts the table shows for them.

#include "data/MeasurementStore.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct SeriesStatistics {
    float mean = 0.0f;
    float deviation = 0.0f;   // sample standard deviation; 0 for fewer than 2 values
    float range = 0.0f;       // maximum - minimum
    float minimum = 0.0f;
    float maximum = 0.0f;
    std::uint16_t meanAngle = 0; // mean impact angle (each clamped to 0..180) of the counted values
    std::uint32_t count = 0;     // number of counted values (32 bits: a long series never wraps)
    QString unit;                // unit of the series' scale; empty when nothing was counted
};

// Statistics of series `series`. Hidden measurements are skipped; every other value (from
// FormatMeasurementValue) is rounded to 3 significant digits below 1000 and to 4 from 1000 on.
// A single visible value that is not > 0 (out of range, no curve, no material) leaves every field
// zero and the unit empty. Throws std::invalid_argument for a series index outside the store.
SeriesStatistics ComputeSeriesStatistics(const CMeasurementStore& store, int series);

// The six texts of a statistics row, for the table's columns 2..7 in this order: mean
// ("m: ..."), deviation ("s: ..."), minimum ("Min: ..."), maximum ("Max: ..."), range ("R: ...")
// and count ("N: ...").
QStringList StatisticsRowTexts(const SeriesStatistics& stats);

// The statistics as numbers for the exports, with the decimals the statistics row shows and "."
// as the decimal separator: mean, minimum and maximum with one decimal below 100 and none from 100
// on, the deviation with two below 10 and one from 10 on, the range with one below 100 and none
// from 100 on. All are empty when nothing was counted; the deviation is empty for a single value
// (it is undefined there), and "0.00" for equal values.
struct StatisticsNumbers {
    QString mean;
    QString deviation;
    QString minimum;
    QString maximum;
    QString range;
};
StatisticsNumbers StatisticsRowNumbers(const SeriesStatistics& stats);

// The mean in a series row's Value column: "-" for a mean <= 0, "%0.1f %s" below 100,
// "%0.0f %s" from 100 on.
QString SeriesMeanText(const SeriesStatistics& stats);

// The Gravity component of an impact angle: cos(angle) with the angle clamped to 0..180 degrees,
// rounded half away from zero to a multiple of 0.05, formatted "%0.2f" (never "-0.00").
QString GravityComponentText(int angle);

// The mean impact angle of the series' visible measurements (each clamped to 0..180, the sum
// divided by their number and truncated, as the statistics do). It does not depend on the scale:
// a series whose values give no statistics still has one. None when nothing is visible.
std::optional<int> VisibleMeanAngle(const MSERIE& serie);

// The Gravity component a series row shows: that of the visible mean angle, "-" when nothing is
// visible.
QString SeriesGravityText(const MSERIE& serie);
