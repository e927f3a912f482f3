#pragma once
// The value of one measurement in its series' scale, without its text: what FormatMeasurementValue
// shows and what the statistics count. Internal to the conversion library.

#include "data/MeasurementStore.h"

#include <QString>

struct MeasurementResult {
    enum Kind {
        Nothing,    // no text: material 0, Rockwell A, unmapped custom scale, unknown scale
        LeebValue,  // raw or corrected Leeb value
        Converted,  // a curve's value
        OutOfRange, // outside the curve's limits, or the curve gives nothing usable there
        NoCurve,    // the material has no curve for the scale
    };
    Kind kind = Nothing;
    float value = 0.0f; // > 0 valid; 0 nothing converted or out of range; -1 no curve
    QString unit;
};

// Throws std::invalid_argument for indices outside the store or when the tables were not built.
MeasurementResult EvaluateMeasurement(const CMeasurementStore& store, int series, int measurement);
