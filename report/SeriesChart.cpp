#include "report/SeriesChart.h"

#include "conversion/SeriesStatistics.h"
#include "conversion/ConversionTypes.h"
#include "quality/ToleranceLimits.h"
#include "quality/VerdictColours.h"
#include "report/ReportStrings.h"
#include "resources/StringTable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor kAxis(90, 90, 90);
const QColor kGridLine(225, 225, 225);
const QColor kPoint(30, 80, 160);
const QColor kHidden(170, 170, 170);
const QColor kMean(20, 20, 20);
const QColor kBand(30, 80, 160, 40);
const QColor kLimit(200, 30, 30);
const QColor kBar(30, 80, 160, 150);

// The value range the axis shows: every point, the limits and the band, with some room.
struct ValueRange {
    double low = 0;
    double high = 1;
    double Span() const { return high - low; }
};

ValueRange RangeOf(const SeriesChartData& data)
{
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    const auto take = [&](double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    };
    for (const ChartPoint& p : data.points)
        take(p.value);
    if (data.count > 0) {
        take(double(data.mean) - data.deviation);
        take(double(data.mean) + data.deviation);
    }
    if (data.limits.lower)
        take(*data.limits.lower);
    if (data.limits.upper)
        take(*data.limits.upper);
    if (low > high)
        return {0, 1};
    // A single value (or equal ones) sits in the middle of a span of about a tenth of its size.
    const double pad = high > low ? (high - low) * 0.08 : std::max(0.5, std::abs(high) * 0.05);
    return {low - pad, high + pad};
}

// A round step for about `wanted` ticks over span: 1, 2 or 5 times a power of ten.
double TickStep(double span, int wanted)
{
    const double raw = span / std::max(1, wanted);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * power)
            return factor * power;
    return 10 * power;
}

QString TickText(double value, double step)
{
    const int decimals = step >= 1 ? 0 : std::min(6, int(std::ceil(-std::log10(step))));
    return QString::number(value, 'f', decimals);
}

// Maps values and positions into the plot area.
struct Frame {
    QRectF plot;
    ValueRange range;
    int positions = 1;
    double Y(double value) const { return plot.bottom() - (value - range.low) / range.Span() * plot.height(); }
    double X(int position) const
    {
        return plot.left() + (position - 0.5) / double(std::max(1, positions)) * plot.width();
    }
};

// The value axis' ticks: whole multiples of the step (no sum of steps, which would drift).
std::vector<double> TicksOf(const ValueRange& range, double step)
{
    std::vector<double> ticks;
    for (double i = std::ceil(range.low / step); i * step <= range.high + step * 1e-9; i += 1)
        ticks.push_back(i * step);
    return ticks;
}

void DrawValueAxis(QPainter& painter, const Frame& frame, const QRectF& labels, qreal unit, ChartDrawCounts& counts)
{
    const double step = TickStep(frame.range.Span(), 5);
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const double v : TicksOf(frame.range, step)) {
        const double y = frame.Y(v);
        painter.setPen(QPen(kGridLine, unit * 0.5));
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        painter.setPen(kAxis);
        const QString text = TickText(v, step);
        const QRectF box(labels.left(), y - metrics.height() / 2, labels.width() - unit * 3, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
        counts.valueLabels << text;
    }
}

// Room for the widest label of the value axis.
qreal LabelWidth(const QFontMetricsF& metrics, const ValueRange& range, qreal unit)
{
    const double step = TickStep(range.Span(), 5);
    qreal widest = metrics.horizontalAdvance(QStringLiteral("0000"));
    for (const double v : TicksOf(range, step))
        widest = std::max(widest, metrics.horizontalAdvance(TickText(v, step)));
    return widest + unit * 4;
}

void DrawPositionAxis(QPainter& painter, const Frame& frame, qreal unit)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const int every = std::max(1, int(std::ceil(frame.positions / 10.0)));
    painter.setPen(kAxis);
    for (int position = 1; position <= frame.positions; position += every) {
        const QRectF box(frame.X(position) - 30 * unit, frame.plot.bottom() + unit * 2, 60 * unit, metrics.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::number(position));
    }
}

bool DrawBandAndMean(QPainter& painter, const Frame& frame, const SeriesChartData& data, qreal unit,
                     ChartDrawCounts& counts)
{
    if (data.count == 0 || !(data.mean > 0))
        return false;
    if (data.deviation > 0) {
        const double top = frame.Y(double(data.mean) + data.deviation);
        const double bottom = frame.Y(double(data.mean) - data.deviation);
        painter.fillRect(QRectF(frame.plot.left(), top, frame.plot.width(), bottom - top), kBand);
        counts.deviationBand = true;
    }
    painter.setPen(QPen(kMean, unit * 1.2));
    const double y = frame.Y(data.mean);
    painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
    counts.meanLine = true;
    counts.meanY = y;
    return true;
}

void DrawLimits(QPainter& painter, const Frame& frame, const SeriesChartData& data, qreal unit, ChartDrawCounts& counts)
{
    QPen pen(kLimit, unit * 1.2, Qt::DashLine);
    painter.setPen(pen);
    for (const auto& limit : {data.limits.lower, data.limits.upper}) {
        if (!limit)
            continue;
        const double y = frame.Y(*limit);
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        ++counts.limitLines;
    }
}

void DrawPoints(QPainter& painter, const Frame& frame, const SeriesChartData& data, qreal unit, ChartDrawCounts& counts)
{
    const qreal radius = std::clamp(frame.plot.width() / std::max(1, frame.positions) * 0.3, unit * 1.2, unit * 3.5);
    // Connect the counted values in order, so a drift shows; hidden values stay apart.
    QPainterPath line;
    bool started = false;
    for (const ChartPoint& p : data.points) {
        if (p.hidden)
            continue;
        const QPointF at(frame.X(p.position), frame.Y(p.value));
        started ? line.lineTo(at) : line.moveTo(at);
        started = true;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 80, 160, 110), unit * 0.8));
    // A path of one point is a bare move, which PDF readers reject: a line needs two.
    if (line.elementCount() > 1)
        painter.drawPath(line);
    for (const ChartPoint& p : data.points) {
        const QPointF at(frame.X(p.position), frame.Y(p.value));
        counts.centres.push_back(at);
        if (p.hidden) {
            painter.setPen(QPen(kHidden, unit * 0.9));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, radius, radius);
            ++counts.hiddenPoints;
            continue;
        }
        const VerdictColours::Rgb colour = VerdictColours::MarkOf(p.verdict, {kPoint.red(), kPoint.green(), kPoint.blue()});
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(colour.red, colour.green, colour.blue));
        painter.drawEllipse(at, radius, radius);
        ++counts.visiblePoints;
    }
    painter.setBrush(Qt::NoBrush);
}

void DrawHistogram(QPainter& painter, const Frame& frame, const QRectF& area, const SeriesChartData& data,
                   qreal unit, ChartDrawCounts& counts)
{
    const HistogramBins bins = HistogramOf(data);
    const int most = bins.counts.empty() ? 0 : *std::max_element(bins.counts.begin(), bins.counts.end());
    painter.setPen(QPen(kAxis, unit * 0.6));
    painter.drawLine(area.topLeft(), area.bottomLeft());
    if (most == 0)
        return;
    const double minHeight = unit * 1.5; // a bin of equal values still shows as a bar
    for (std::size_t i = 0; i < bins.counts.size(); ++i) {
        if (bins.counts[i] == 0)
            continue;
        const double from = bins.low + bins.width * double(i);
        double top = frame.Y(from + bins.width);
        double bottom = frame.Y(from);
        if (bottom - top < minHeight) {
            const double middle = (top + bottom) / 2;
            top = middle - minHeight / 2;
            bottom = middle + minHeight / 2;
        } else {
            // A thin gap keeps neighbouring bins of the same count apart.
            const double gap = std::min((bottom - top) * 0.08, unit * 2.0);
            top += gap / 2;
            bottom -= gap / 2;
        }
        // A bar never leaves the frame of the values.
        top = std::max(top, frame.plot.top());
        bottom = std::min(bottom, frame.plot.bottom());
        const double length = area.width() * bins.counts[i] / most;
        const QRectF bar(area.left(), top, length, bottom - top);
        painter.fillRect(bar, kBar);
        counts.bars = counts.bars.isEmpty() ? bar : counts.bars.united(bar);
        ++counts.histogramBars;
    }
}

} // namespace

SeriesChartData SeriesChartDataOf(const CMeasurementStore& store, int series, const CToleranceTable& limits)
{
    const SeriesVerdict verdict = JudgeSeries(store, series, limits); // checks the index
    const SeriesStatistics stats = ComputeSeriesStatistics(store, series);
    const MSERIE& serie = *store.series[series];
    SeriesChartData data;
    data.measurementCount = serie.Count();
    data.mean = stats.mean;
    data.deviation = stats.deviation;
    data.count = stats.count;
    data.unit = stats.unit;
    data.limits = verdict.limits;
    for (int m = 0; m < serie.Count(); ++m) {
        const float value = ShownValue(store, series, m);
        if (value > 0)
            data.points.push_back({m + 1, value, serie.measurements[m]->hidden != 0, verdict.measurements[std::size_t(m)]});
    }
    // The unit of the scale even when nothing was counted; the catalogue of the series' probe.
    const CArray<CONVERSION*>& scales = serie.probe == 1 ? store.scalesDL : store.scalesD;
    const bool knownScale = serie.scale >= 0 && serie.scale < scales.GetSize();
    if (data.unit.isEmpty() && knownScale)
        data.unit = scales[serie.scale]->unit;
    if (data.points.empty()) {
        const bool needsMaterial = serie.scale >= ScaleType::Vickers && serie.scale <= ScaleType::Custom;
        if (serie.Count() == 0)
            data.emptyReason = ResString(ReportIds::NoMeasurements);
        else if (needsMaterial && serie.material == 0)
            data.emptyReason = ResString(ReportIds::NoMaterialChosen);
        else if (knownScale)
            data.emptyReason = ResString(ReportIds::NoValueConverts)
                                   .arg(data.unit.isEmpty() ? scales[serie.scale]->name.simplified() : data.unit);
    }
    return data;
}

HistogramBins HistogramOf(const SeriesChartData& data)
{
    std::vector<float> values;
    for (const ChartPoint& p : data.points)
        if (!p.hidden)
            values.push_back(p.value);
    HistogramBins bins;
    if (values.empty())
        return bins;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const int sturges = int(std::ceil(std::log2(double(values.size())))) + 1;
    const int count = *high > *low ? std::clamp(sturges, 1, 20) : 1;
    // Equal values: one narrow bin centred on them (a hundredth of the value, at least 0.02).
    bins.width = *high > *low ? (*high - *low) / float(count) : std::max(0.02f, std::abs(*low) * 0.01f);
    bins.low = *high > *low ? *low : *low - bins.width / 2;
    bins.counts.assign(std::size_t(count), 0);
    for (const float v : values) {
        const int index = std::clamp(int((v - bins.low) / bins.width), 0, count - 1);
        ++bins.counts[std::size_t(index)];
    }
    return bins;
}

ChartDrawCounts PaintSeriesChart(QPainter& painter, const QRectF& rect, const SeriesChartData& data)
{
    ChartDrawCounts counts;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(rect);
    const qreal unit = std::max<qreal>(0.5, rect.height() / 220.0);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const ValueRange range = RangeOf(data);
    const qreal labelWidth = LabelWidth(metrics, range, unit);
    const qreal histogramWidth = rect.width() * 0.18;
    const qreal gap = unit * 6;
    // Room above the plot for the unit, below it for the positions.
    QRectF plot(rect.left() + labelWidth, rect.top() + metrics.height() * 1.3,
                rect.width() - labelWidth - histogramWidth - gap,
                rect.height() - metrics.height() * 2.6 - unit * 2);
    counts.plot = plot;
    if (!data.unit.isEmpty()) {
        painter.setPen(kAxis);
        painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), metrics.height()), Qt::AlignLeft, data.unit);
    }
    if (data.points.empty() && !data.emptyReason.isEmpty()) {
        // Nothing to plot: the frame says why instead of showing an empty axis.
        painter.setPen(QPen(kAxis, unit * 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plot);
        painter.drawText(plot.adjusted(unit * 4, 0, -unit * 4, 0), Qt::AlignCenter | Qt::TextWordWrap, data.emptyReason);
        counts.message = data.emptyReason;
        painter.restore();
        return counts;
    }
    const Frame frame{plot, range, std::max(1, data.measurementCount)};

    DrawValueAxis(painter, frame, QRectF(rect.left(), plot.top(), labelWidth, plot.height()), unit, counts);
    DrawBandAndMean(painter, frame, data, unit, counts);
    DrawLimits(painter, frame, data, unit, counts);
    DrawPoints(painter, frame, data, unit, counts);
    painter.setPen(QPen(kAxis, unit * 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    DrawPositionAxis(painter, frame, unit);
    DrawHistogram(painter, frame, QRectF(plot.right() + gap, plot.top(), histogramWidth, plot.height()), data, unit,
                  counts);
    painter.restore();
    return counts;
}
