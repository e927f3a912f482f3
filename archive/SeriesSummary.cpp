#include "archive/SeriesSummary.h"

#include "archive/StoreSeries.h"
#include "conversion/ConversionTables.h"
#include "conversion/SeriesStatistics.h"
#include "quality/Verdicts.h"

#include <algorithm>

CSeriesSummarizer::CSeriesSummarizer()
{
    BuildConversionTables(scratch);
}

SeriesSummary CSeriesSummarizer::Summarize(const ArchivedSeries& series)
{
    scratch.DeleteMeasurements(-1, -1);
    AppendToStore(scratch, series, true);
    SeriesSummary summary;
    summary.measurements = static_cast<int>(series.measurements.size());
    const SeriesStatistics stats = ComputeSeriesStatistics(scratch, 0);
    summary.count = static_cast<int>(stats.count);
    summary.mean = stats.mean;
    summary.deviation = stats.deviation;
    summary.minimum = stats.minimum;
    summary.maximum = stats.maximum;
    summary.unit = stats.unit;
    const MSERIE& serie = *scratch.series[0];
    for (int m = 0; m < serie.Count(); ++m) {
        if (serie.measurements[m]->hidden)
            continue;
        const double shown = ShownValue(scratch, 0, m);
        if (shown <= 0)
            continue;
        summary.shownMin = summary.judged == 0 ? shown : std::min(summary.shownMin, shown);
        summary.shownMax = summary.judged == 0 ? shown : std::max(summary.shownMax, shown);
        ++summary.judged;
    }
    scratch.DeleteMeasurements(-1, -1);
    return summary;
}

std::optional<bool> SummaryVerdict(const FoundSeries& series, const CToleranceTable& limits)
{
    const ToleranceLimits l = limits.Find(series.scale, series.material);
    if (!l.IsSet() || series.summary.judged == 0)
        return std::nullopt;
    const bool below = l.lower && series.summary.shownMin < static_cast<double>(*l.lower);
    const bool above = l.upper && series.summary.shownMax > static_cast<double>(*l.upper);
    return !below && !above;
}
