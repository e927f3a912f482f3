#include "quality/Verdicts.h"

#include "conversion/MeasurementValue.h"
#include "quality/QualityStrings.h"
#include "resources/StringTable.h"

#include <stdexcept>

Verdict JudgeValue(float shownValue, const ToleranceLimits& limits)
{
    if (!(shownValue > 0.0f) || !limits.IsSet())
        return Verdict::NotJudged;
    if (limits.lower && shownValue < *limits.lower)
        return Verdict::Below;
    if (limits.upper && shownValue > *limits.upper)
        return Verdict::Above;
    return Verdict::Inside;
}

float ShownValue(const CMeasurementStore& store, int series, int measurement)
{
    // The number as the cell prints it is what the user compares with the limits.
    const MeasurementNumber shown = MeasurementValueNumber(store, series, measurement);
    if (shown.status != MeasurementNumber::Shown || !(shown.value > 0.0f))
        return 0.0f;
    bool ok = false;
    const float number = shown.number.toFloat(&ok);
    return ok ? number : shown.value;
}

namespace {
const MSERIE& SeriesAt(const CMeasurementStore& store, int series)
{
    if (series < 0 || series >= store.series.GetSize())
        throw std::invalid_argument("series index outside the store");
    return *store.series[series];
}

Verdict JudgeVisible(const CMeasurementStore& store, int series, int measurement, const ToleranceLimits& limits)
{
    if (store.series[series]->measurements[measurement]->hidden)
        return Verdict::NotJudged;
    return JudgeValue(ShownValue(store, series, measurement), limits);
}
} // namespace

Verdict JudgeMeasurement(const CMeasurementStore& store, int series, int measurement, const CToleranceTable& table)
{
    const MSERIE& serie = SeriesAt(store, series);
    if (measurement < 0 || measurement >= serie.Count())
        throw std::invalid_argument("measurement index outside the series");
    const ToleranceLimits limits = table.Find(serie.scale, serie.material);
    if (!limits.IsSet())
        return Verdict::NotJudged;
    return JudgeVisible(store, series, measurement, limits);
}

SeriesVerdict JudgeSeries(const CMeasurementStore& store, int series, const CToleranceTable& table)
{
    const MSERIE& serie = SeriesAt(store, series);
    SeriesVerdict result;
    result.limits = table.Find(serie.scale, serie.material);
    result.measurements.assign(std::size_t(serie.Count()), Verdict::NotJudged);
    if (!result.limits.IsSet())
        return result;
    for (int m = 0; m < serie.Count(); ++m) {
        const Verdict verdict = JudgeVisible(store, series, m, result.limits);
        result.measurements[std::size_t(m)] = verdict;
        switch (verdict) {
        case Verdict::Inside: ++result.inside; break;
        case Verdict::Below: ++result.below; break;
        case Verdict::Above: ++result.above; break;
        case Verdict::NotJudged:
            if (!serie.measurements[m]->hidden)
                ++result.notJudged;
            break;
        }
    }
    return result;
}

QString SeriesVerdictText(const SeriesVerdict& verdict)
{
    if (!verdict.IsJudged())
        return {};
    return ResString(verdict.IsOk() ? QualityIds::Ok : QualityIds::NotOk);
}

QString VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Inside: return ResString(QualityIds::Inside);
    case Verdict::Below: return ResString(QualityIds::Below);
    case Verdict::Above: return ResString(QualityIds::Above);
    case Verdict::NotJudged: break;
    }
    return {};
}

QString LimitsText(const ToleranceLimits& limits, const QString& unit)
{
    const QString suffix = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    if (limits.lower && limits.upper)
        return LimitNumberText(*limits.lower) + QStringLiteral(" .. ") + LimitNumberText(*limits.upper) + suffix;
    if (limits.lower)
        return QStringLiteral(">= ") + LimitNumberText(*limits.lower) + suffix;
    if (limits.upper)
        return QStringLiteral("<= ") + LimitNumberText(*limits.upper) + suffix;
    return {};
}
