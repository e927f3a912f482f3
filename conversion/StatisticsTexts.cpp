// The texts the table shows for the statistics of a series.
#include "conversion/SeriesStatistics.h"

#include "conversion/ConversionTypes.h"
#include "conversion/NumberText.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cmath>

namespace {

// A quantity shown as "-" at or below zero, with one decimal below 100 and none from 100 on.
QString HundredText(float value, int noneId, int smallId, int largeId, const QString& unit)
{
    if (value <= 0)
        return ResString(noneId);
    return FormatPattern(ResString(value < 100 ? smallId : largeId), value, unit);
}

QString DeviationText(const SeriesStatistics& stats)
{
    using namespace ConversionIds;
    if (stats.deviation <= 0)
        return ResString(DeviationNone);
    return FormatPattern(ResString(stats.deviation < 10 ? DeviationSmall : DeviationLarge), stats.deviation,
                         stats.unit);
}

// The range is "-" only when negative: suppressed statistics show a zero range.
QString RangeText(const SeriesStatistics& stats)
{
    using namespace ConversionIds;
    if (stats.range < 0)
        return ResString(RangeNone);
    return FormatPattern(ResString(stats.range < 100 ? RangeSmall : RangeLarge), stats.range, stats.unit);
}

QString CountText(const SeriesStatistics& stats)
{
    using namespace ConversionIds;
    if (stats.count == 0)
        return ResString(CountNone);
    return FormatPattern(ResString(CountSome), stats.count, stats.unit);
}

} // namespace

QStringList StatisticsRowTexts(const SeriesStatistics& stats)
{
    using namespace ConversionIds;
    return {
        HundredText(stats.mean, MeanNone, MeanSmall, MeanLarge, stats.unit),
        DeviationText(stats),
        HundredText(stats.minimum, MinimumNone, MinimumSmall, MinimumLarge, stats.unit),
        HundredText(stats.maximum, MaximumNone, MaximumSmall, MaximumLarge, stats.unit),
        RangeText(stats),
        CountText(stats),
    };
}

StatisticsNumbers StatisticsRowNumbers(const SeriesStatistics& stats)
{
    StatisticsNumbers numbers;
    if (stats.count == 0)
        return numbers;
    const auto hundred = [](float value) { return FixedText(value, value < 100 ? 1 : 0); };
    numbers.mean = hundred(stats.mean);
    numbers.minimum = hundred(stats.minimum);
    numbers.maximum = hundred(stats.maximum);
    numbers.range = hundred(stats.range);
    if (stats.count > 1)
        numbers.deviation = FixedText(stats.deviation, stats.deviation < 10 ? 2 : 1);
    return numbers;
}

QString SeriesMeanText(const SeriesStatistics& stats)
{
    if (stats.mean <= 0)
        return QStringLiteral("-");
    return FixedText(stats.mean, stats.mean < 100 ? 1 : 0) + QLatin1Char(' ') + stats.unit;
}

QString GravityComponentText(int angle)
{
    constexpr double kPi = 3.14159265358979323846;
    const int clamped = std::clamp(angle, 0, 180);
    const double cosine = std::cos(clamped * kPi / 180.0);
    // Nearest multiple of 0.05, halves away from zero; a cosine that rounds to zero prints "0.00".
    const double twentieths = std::round(cosine * 20.0);
    return FixedText(twentieths == 0 ? 0.0 : twentieths / 20.0, 2);
}

QString SeriesGravityText(const MSERIE& serie)
{
    const std::optional<int> angle = VisibleMeanAngle(serie);
    return angle ? GravityComponentText(*angle) : QStringLiteral("-");
}
