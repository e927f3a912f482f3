#pragma once
// The value of one measurement as its series shows it: raw, direction-corrected, converted or
// through a custom curve, as a number and as the text of its table cell.

#include "data/MeasurementStore.h"

#include <QString>

// The cell text of measurement `measurement` of series `series` in the series' current scale
// (measurement -1: the series' first measurement). Optionally yields the numeric value (> 0 valid;
// 0 when nothing was converted or the value is out of range; -1 for "no curve") and the unit of the
// scale the value is shown in.
//   scale 0 / 1: "%0.0f " + unit of the raw / corrected value (plus a custom offset)
//   scales 2..5, 7, 8: empty for material 0; "%0.1f " below 100, "%0.0f " from 100, then the unit;
//     "Out of range" or "no curve" (no unit) when the curve gives nothing
//   scale 9 with material 14..16 (HC1..HC3): evaluated as the base scale and material of the
//     probe's custom-curve entry, its offset added
//   scale 6, unmapped 9, and a scale outside the catalogue: empty text, value 0, empty unit
// Exact halves round away from zero. Throws std::invalid_argument for a series or measurement index
// outside the store, or when the tables were not built.
QString FormatMeasurementValue(const CMeasurementStore& store, int series, int measurement,
                               float* value = nullptr, QString* unit = nullptr);

// The text of a converted value > 0: "%0.1f " below 100, "%0.0f " from 100 on, then the unit.
QString ConvertedValueText(float value, const QString& unit);

// The value of one measurement as a number rather than a cell text, for the exports: the same
// evaluation and the same decimals as the cell, without the unit inside.
struct MeasurementNumber {
    enum Status {
        Shown,      // the cell shows a value: `number` holds it
        Nothing,    // the cell is empty: no material chosen, Rockwell A, an unmapped custom curve
        OutOfRange, // the cell reads "Out of range"
        NoCurve,    // the cell reads "no curve"
    };
    Status status = Nothing;
    float value = 0.0f; // as FormatMeasurementValue yields it
    QString number;     // Shown: the cell's number with "." as the decimal separator; else empty
    QString unit;       // the unit of the scale the value is shown in (also for Out of range)
};
// Throws std::invalid_argument as FormatMeasurementValue does.
MeasurementNumber MeasurementValueNumber(const CMeasurementStore& store, int series, int measurement);

// The unit of the scale series `series` shows its values in (a custom curve's base scale), without
// looking at a measurement; empty for a scale outside the catalogue. Throws std::invalid_argument
// for a series outside the store or when the tables were not built.
QString SeriesUnit(const CMeasurementStore& store, int series);
