#include "export/ExportColumns.h"

#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "conversion/NumberText.h"
#include "data/MeasurementStore.h"
#include "quality/Verdicts.h"

#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace {

using Cell = ExportCell;

// ---- series ----------------------------------------------------------------------------------

Cell SeriesNumber(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfInteger(s.serie.seriesNo);
}

Cell ScaleName(const SeriesFacts& s, const MeasurementFacts*)
{
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(s.store, s.serie.probe);
    if (s.serie.scale < 0 || s.serie.scale >= catalogue.GetSize())
        return Cell();
    return Cell::Of(catalogue[s.serie.scale]->name.simplified());
}

Cell Unit(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::Of(SeriesUnit(s.store, s.index));
}

// The material's name; empty for no material (the table's "select" is no material either).
Cell MaterialName(const SeriesFacts& s, const MeasurementFacts*)
{
    const int material = s.serie.material;
    if (material <= MaterialIndex::None || material >= s.store.materialNames.size())
        return Cell();
    return Cell::Of(s.store.materialNames[material].simplified());
}

Cell ImpactBody(const SeriesFacts& s, const MeasurementFacts*)
{
    if (s.serie.probe == ProbeType::LeebD)
        return Cell::Of(QStringLiteral("D"));
    if (s.serie.probe == ProbeType::LeebDL)
        return Cell::Of(QStringLiteral("DL"));
    return Cell();
}

Cell FirstTime(const SeriesFacts& s, const MeasurementFacts*)
{
    if (s.serie.Count() == 0)
        return Cell();
    return Cell::Of(ExportTimeText(s.serie.measurements[0]->time));
}

// ---- measurement -----------------------------------------------------------------------------

Cell MeasurementNo(const SeriesFacts&, const MeasurementFacts* m)
{
    return Cell::OfInteger(m->index + 1);
}

Cell Time(const SeriesFacts&, const MeasurementFacts* m)
{
    return Cell::Of(ExportTimeText(m->meas.time));
}

Cell Value(const SeriesFacts&, const MeasurementFacts* m)
{
    if (m->discarded)
        return Cell();
    return Cell::OfNumber(m->number.number);
}

// The impact direction in degrees, as the table and the correction use it (0..180).
Cell Angle(const SeriesFacts&, const MeasurementFacts* m)
{
    return Cell::OfInteger(std::clamp(m->meas.angle, 0, 180));
}

// The stored Leeb value, with the fewest digits that read back as the same single-precision
// number (745 for 745.0, 745.3 for 745.3f).
Cell RawLeeb(const SeriesFacts&, const MeasurementFacts* m)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, m->meas.value);
    return Cell::OfNumber(QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer)));
}

Cell Hidden(const SeriesFacts&, const MeasurementFacts* m)
{
    return Cell::OfFlag(m->meas.hidden != 0 || m->discarded);
}

Cell MeasurementStatus(const SeriesFacts& s, const MeasurementFacts* m)
{
    if (m->discarded)
        return Cell::Of(QLatin1String(ExportStatus::Discarded));
    switch (m->number.status) {
    case MeasurementNumber::Shown:
        return Cell();
    case MeasurementNumber::OutOfRange:
        return Cell::Of(QLatin1String(ExportStatus::OutOfRange));
    case MeasurementNumber::NoCurve:
        return Cell::Of(QLatin1String(ExportStatus::NoCurve));
    case MeasurementNumber::Nothing:
        break;
    }
    // An empty cell: Rockwell A has no curves at all; a converting scale without a material shows
    // nothing until one is chosen; anything else (an unmapped custom curve) has no value.
    if (s.serie.scale == ScaleType::RockwellA)
        return Cell::Of(QLatin1String(ExportStatus::NoCurve));
    const bool converting = s.serie.scale >= ScaleType::FirstCurve && s.serie.scale <= ScaleType::Custom;
    return Cell::Of(QLatin1String(converting && s.serie.material == MaterialIndex::None ? ExportStatus::NoMaterial
                                                                                         : ExportStatus::NoValue));
}

// ---- statistics ------------------------------------------------------------------------------

Cell Count(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfInteger(s.stats.count);
}

Cell Mean(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfNumber(StatisticsRowNumbers(s.stats).mean);
}

Cell Deviation(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfNumber(StatisticsRowNumbers(s.stats).deviation);
}

Cell Minimum(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfNumber(StatisticsRowNumbers(s.stats).minimum);
}

Cell Maximum(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfNumber(StatisticsRowNumbers(s.stats).maximum);
}

Cell Range(const SeriesFacts& s, const MeasurementFacts*)
{
    return Cell::OfNumber(StatisticsRowNumbers(s.stats).range);
}

// The mean angle of the visible measurements, also for a series without statistics.
Cell MeanAngle(const SeriesFacts& s, const MeasurementFacts*)
{
    const std::optional<int> angle = VisibleMeanAngle(s.serie);
    return angle ? Cell::OfInteger(*angle) : Cell();
}

// Why a series has no statistics: nothing visible, or a visible value without a number (the
// table then shows "-" for all of them).
Cell StatisticsStatus(const SeriesFacts& s, const MeasurementFacts*)
{
    if (s.stats.count > 0)
        return Cell();
    return Cell::Of(QLatin1String(s.visible == 0 ? ExportStatus::NoVisibleValues : ExportStatus::NotConvertible));
}

// ---- tolerance limits ------------------------------------------------------------------------

ToleranceLimits LimitsOf(const SeriesFacts& s)
{
    return s.limits ? s.limits->Find(s.serie.scale, s.serie.material) : ToleranceLimits{};
}

Cell LowerLimit(const SeriesFacts& s, const MeasurementFacts*)
{
    const ToleranceLimits limits = LimitsOf(s);
    return limits.lower ? Cell::OfNumber(LimitNumberText(*limits.lower)) : Cell();
}

Cell UpperLimit(const SeriesFacts& s, const MeasurementFacts*)
{
    const ToleranceLimits limits = LimitsOf(s);
    return limits.upper ? Cell::OfNumber(LimitNumberText(*limits.upper)) : Cell();
}

// "OK" or "NOT OK" as the table marks the series; empty when nothing was judged.
Cell SeriesVerdictCell(const SeriesFacts& s, const MeasurementFacts*)
{
    if (!s.limits || !LimitsOf(s).IsSet())
        return Cell();
    return Cell::Of(SeriesVerdictText(JudgeSeries(s.store, s.index, *s.limits)));
}

} // namespace

SeriesFacts::SeriesFacts(const CMeasurementStore& store, int series, const CToleranceTable* limits)
    : store(store), limits(limits), index(series), serie(*store.series[series]),
      stats(ComputeSeriesStatistics(store, series))
{
    for (const MEAS* meas : serie.measurements)
        if (!meas->hidden)
            ++visible;
}

MeasurementFacts::MeasurementFacts(const SeriesFacts& series, int measurement)
    : index(measurement), meas(*series.serie.measurements[measurement]),
      number(MeasurementValueNumber(series.store, series.index, measurement))
{
}

const std::vector<ExportColumn>& MeasurementColumns()
{
    using S = ColumnScope;
    static const std::vector<ExportColumn> columns = {
        {"series", S::Series, SeriesNumber},
        {"measurement", S::Measurement, MeasurementNo},
        {"time", S::Measurement, Time},
        {"value", S::Measurement, Value},
        {"unit", S::Series, Unit},
        {"scale", S::Series, ScaleName},
        {"material", S::Series, MaterialName},
        {"impact_body", S::Series, ImpactBody},
        {"angle", S::Measurement, Angle},
        {"raw_leeb", S::Measurement, RawLeeb},
        {"hidden", S::Measurement, Hidden},
        {"status", S::Measurement, MeasurementStatus},
    };
    return columns;
}

const std::vector<ExportColumn>& StatisticsColumns()
{
    using S = ColumnScope;
    static const std::vector<ExportColumn> columns = {
        {"series", S::Series, SeriesNumber},
        {"time", S::Series, FirstTime},
        {"scale", S::Series, ScaleName},
        {"unit", S::Series, Unit},
        {"material", S::Series, MaterialName},
        {"impact_body", S::Series, ImpactBody},
        {"count", S::Statistics, Count},
        {"mean", S::Statistics, Mean},
        {"deviation", S::Statistics, Deviation},
        {"minimum", S::Statistics, Minimum},
        {"maximum", S::Statistics, Maximum},
        {"range", S::Statistics, Range},
        {"mean_angle", S::Statistics, MeanAngle},
        {"status", S::Statistics, StatisticsStatus},
        {"lower_limit", S::Statistics, LowerLimit},
        {"upper_limit", S::Statistics, UpperLimit},
        {"verdict", S::Statistics, SeriesVerdictCell},
    };
    return columns;
}

QString ExportTimeText(qint64 secondsSinceEpoch)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + QLatin1Char(offset < 0 ? '-' : '+')
        + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
