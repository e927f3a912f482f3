#include "report/SeriesChart.h"

#include "conversion/SeriesStatistics.h"
#include "quality/ToleranceLimits.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor kAxis(90, 90, 90);
const QColor kGridLine(225, 225, 225);
const QColor kPoint(30, 80, 160);
const QColor kOutside(200, 30, 30);
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
    const double pad = high > low ? (high - low) * 0.08 : std::max(1.0, std::abs(high) * 0.05);
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

void DrawValueAxis(QPainter& painter, const Frame& frame, const QRectF& labels, qreal unit)
{
    const double step = TickStep(frame.range.Span(), 5);
    painter.setPen(QPen(kGridLine, unit * 0.5));
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (double v = std::ceil(frame.range.low / step) * step; v <= frame.range.high; v += step) {
        const double y = frame.Y(v);
        painter.setPen(QPen(kGridLine, unit * 0.5));
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        painter.setPen(kAxis);
        const QRectF box(labels.left(), y - metrics.height() / 2, labels.width() - unit * 3, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TickText(v, step));
    }
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
    painter.drawPath(line);
    for (const ChartPoint& p : data.points) {
        const QPointF at(frame.X(p.position), frame.Y(p.value));
        if (p.hidden) {
            painter.setPen(QPen(kHidden, unit * 0.9));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, radius, radius);
            ++counts.hiddenPoints;
            continue;
        }
        const bool outside = p.verdict == Verdict::Below || p.verdict == Verdict::Above;
        painter.setPen(Qt::NoPen);
        painter.setBrush(outside ? kOutside : kPoint);
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
        const double length = area.width() * bins.counts[i] / most;
        painter.fillRect(QRectF(area.left(), top, length, bottom - top), kBar);
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
    bins.low = *low;
    const int sturges = int(std::ceil(std::log2(double(values.size())))) + 1;
    const int count = *high > *low ? std::clamp(sturges, 1, 20) : 1;
    bins.width = *high > *low ? (*high - *low) / float(count) : 1.0f;
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
    const qreal labelWidth = metrics.horizontalAdvance(QStringLiteral("00000.0")) + unit * 4;
    const qreal histogramWidth = rect.width() * 0.18;
    const qreal gap = unit * 6;
    // Room above the plot for the unit, below it for the positions.
    QRectF plot(rect.left() + labelWidth, rect.top() + metrics.height() * 1.3,
                rect.width() - labelWidth - histogramWidth - gap,
                rect.height() - metrics.height() * 2.6 - unit * 2);
    const Frame frame{plot, RangeOf(data), std::max(1, data.measurementCount)};

    DrawValueAxis(painter, frame, QRectF(rect.left(), plot.top(), labelWidth, plot.height()), unit);
    DrawBandAndMean(painter, frame, data, unit, counts);
    DrawLimits(painter, frame, data, unit, counts);
    DrawPoints(painter, frame, data, unit, counts);
    painter.setPen(QPen(kAxis, unit * 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    DrawPositionAxis(painter, frame, unit);
    DrawHistogram(painter, frame, QRectF(plot.right() + gap, plot.top(), histogramWidth, plot.height()), data, unit,
                  counts);
    if (!data.unit.isEmpty()) {
        painter.setPen(kAxis);
        painter.drawText(QRectF(rect.left(), rect.top(), labelWidth, metrics.height()), Qt::AlignLeft, data.unit);
    }
    painter.restore();
    return counts;
}
