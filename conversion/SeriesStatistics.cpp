#include "conversion/SeriesStatistics.h"

#include "conversion/ConversionEngine.h"
#include "conversion/MeasurementEvaluation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

SeriesStatistics ComputeSeriesStatistics(const CMeasurementStore& store, int series)
{
    const MSERIE& serie = *store.series[series];
    float sum = 0.0f;
    float sumOfSquares = 0.0f;
    float low = 10000.0f;
    float high = 0.0f;
    std::int64_t n = 0;
    std::int64_t angleSum = 0;
    int invalid = 0;
    QString unit;

    for (int m = 0; m < serie.Count(); ++m) {
        const MEAS& meas = *serie.measurements[m];
        if (meas.hidden)
            continue;
        // The number FormatMeasurementValue shows, without building its text.
        MeasurementResult result = EvaluateMeasurement(store, series, m);
        unit = std::move(result.unit);
        const float v = RoundSignificant(result.value, result.value < 1000 ? 3 : 4);
        if (v > 0) {
            sum += v;
            sumOfSquares += v * v;
            if (v < low)
                low = v;
            if (v > high)
                high = v;
            ++n;
            // Angles count as the correction used them: a stored angle outside 0..180 (possible
            // in a file until the table normalises it) must not wrap the unsigned mean.
            angleSum += std::clamp(meas.angle, 0, 180);
        } else {
            ++invalid;
        }
    }

    SeriesStatistics stats;
    if (n == 0 || invalid != 0)
        return stats;
    const float count = static_cast<float>(n);
    stats.mean = sum / count;
    stats.meanAngle = static_cast<std::uint16_t>(angleSum / n);
    stats.count = static_cast<std::uint32_t>(n);
    stats.range = high - low;
    stats.minimum = low;
    stats.maximum = high;
    if (n > 1) {
        // n * (n - 1) is a whole product (64-bit, so a long series cannot overflow it) made a
        // float before the division. Equal values can leave a variance just below zero after
        // rounding: that is a deviation of 0, not the root of a negative number.
        const float pairs = static_cast<float>(n * (n - 1));
        const float variance = (count * sumOfSquares - sum * sum) / pairs;
        stats.deviation = variance > 0 ? static_cast<float>(std::sqrt(variance)) : 0.0f;
    }
    stats.unit = unit;
    return stats;
}

std::optional<int> VisibleMeanAngle(const MSERIE& serie)
{
    std::int64_t sum = 0;
    std::int64_t visible = 0;
    for (const MEAS* meas : serie.measurements) {
        if (meas->hidden)
            continue;
        sum += std::clamp(meas->angle, 0, 180);
        ++visible;
    }
    if (visible == 0)
        return std::nullopt;
    return static_cast<int>(sum / visible);
}
