#pragma once
// Judging measurements against tolerance limits. A value is judged as the table shows it (the
// number of its value cell, rounded as shown), so a value that reads "320 HB" is inside limits of
// 280..320 HB whatever digits lie behind it. Equal to a limit is inside.
//
// Not judged: hidden measurements, values without a number (no curve, out of the curve's range, no
// material), and every value of a series whose scale and material have no limits.

#include "data/MeasurementStore.h"
#include "quality/ToleranceLimits.h"

#include <QString>

#include <vector>

enum class Verdict { NotJudged, Inside, Below, Above };

// The verdict of a shown value > 0 against limits (NotJudged for a value <= 0 or unset limits).
Verdict JudgeValue(float shownValue, const ToleranceLimits& limits);

struct SeriesVerdict {
    ToleranceLimits limits;            // the limits that applied (unset: nothing was judged)
    std::vector<Verdict> measurements; // one per measurement, in stored order
    int inside = 0;
    int below = 0;
    int above = 0;
    int notJudged = 0;                 // visible values without a number, while limits are set

    // Whether the series gets a mark at all: limits are set and at least one value was judged.
    bool IsJudged() const { return inside + below + above > 0; }
    // Every judged value inside.
    bool IsOk() const { return IsJudged() && below == 0 && above == 0; }
};

// The number a measurement's value cell shows, or 0 when it shows none (out of range, no curve,
// empty). Throws std::invalid_argument for indices outside the store, as the conversion does.
float ShownValue(const CMeasurementStore& store, int series, int measurement);

// The verdict of one measurement of a series with the limits of the series' scale and material.
Verdict JudgeMeasurement(const CMeasurementStore& store, int series, int measurement,
                         const CToleranceTable& table);

// Every measurement of a series judged with the limits of its scale and material.
SeriesVerdict JudgeSeries(const CMeasurementStore& store, int series, const CToleranceTable& table);

// "OK" or "NOT OK" for a judged series, empty otherwise.
QString SeriesVerdictText(const SeriesVerdict& verdict);
// "inside", "below" or "above"; empty for a value not judged.
QString VerdictText(Verdict verdict);
// The limits as a text with the unit: "280 .. 320 HB", ">= 280 HB", "<= 320 HB"; empty when unset.
QString LimitsText(const ToleranceLimits& limits, const QString& unit);
