#include "app/ArchiveTrendChart.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

CArchiveTrendChart::CArchiveTrendChart(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(140);
}

void CArchiveTrendChart::SetTrend(const QString& newTitle, std::vector<Point> newPoints, const QString& newUnit,
                                  const ToleranceLimits& newLimits)
{
    title = newTitle;
    unit = newUnit;
    points = std::move(newPoints);
    std::sort(points.begin(), points.end(), [](const Point& a, const Point& b) { return a.time < b.time; });
    limits = newLimits;
    update();
}

void CArchiveTrendChart::Clear(const QString& hint)
{
    SetTrend(hint, {}, QString(), {});
}

void CArchiveTrendChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().text().color());
    const int line = fontMetrics().height();
    p.drawText(QRect(8, 4, width() - 16, line), Qt::AlignLeft | Qt::AlignVCenter, title);
    if (points.empty())
        return;

    // The value range covers the means and the limits, with a margin.
    double low = points.front().mean;
    double high = low;
    for (const Point& pt : points) {
        low = std::min(low, pt.mean);
        high = std::max(high, pt.mean);
    }
    for (const std::optional<float>& limit : {limits.lower, limits.upper})
        if (limit) {
            low = std::min(low, static_cast<double>(*limit));
            high = std::max(high, static_cast<double>(*limit));
        }
    const double margin = std::max((high - low) * 0.1, 1.0);
    low -= margin;
    high += margin;
    const std::int64_t first = points.front().time;
    const std::int64_t last = std::max(points.back().time, first + 1);

    const QString lowText = QLocale().toString(low, 'f', 0);
    const QString highText = QLocale().toString(high, 'f', 0) + QLatin1Char(' ') + unit;
    const int left = 12 + std::max(fontMetrics().horizontalAdvance(lowText), fontMetrics().horizontalAdvance(highText));
    const QRect plot(left, 8 + line, width() - left - 12, height() - 16 - 2 * line);
    if (plot.width() < 10 || plot.height() < 10)
        return;
    auto x = [&](std::int64_t t) { return plot.left() + (t - first) * double(plot.width()) / double(last - first); };
    auto y = [&](double v) { return plot.bottom() - (v - low) * plot.height() / (high - low); };

    p.drawRect(plot);
    p.drawText(QRect(0, plot.top() - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter, highText);
    p.drawText(QRect(0, plot.bottom() - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter, lowText);
    const QLocale locale;
    p.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignLeft | Qt::AlignTop,
               locale.toString(QDateTime::fromSecsSinceEpoch(first).date(), QLocale::ShortFormat));
    p.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignRight | Qt::AlignTop,
               locale.toString(QDateTime::fromSecsSinceEpoch(last).date(), QLocale::ShortFormat));

    p.setRenderHint(QPainter::Antialiasing);
    QPen limitPen(QColor(200, 40, 40), 1, Qt::DashLine);
    for (const std::optional<float>& limit : {limits.lower, limits.upper})
        if (limit) {
            p.setPen(limitPen);
            p.drawLine(QPointF(plot.left(), y(*limit)), QPointF(plot.right(), y(*limit)));
        }
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF at(x(points[i].time), y(points[i].mean));
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    p.setPen(QPen(palette().highlight().color(), 2));
    p.drawPath(path);
    p.setBrush(palette().highlight());
    for (const Point& pt : points)
        p.drawEllipse(QPointF(x(pt.time), y(pt.mean)), 3, 3);
}
