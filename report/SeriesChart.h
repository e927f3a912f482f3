#pragma once
// The chart of one series, drawn with QPainter on any paint device (the chart panel beside the
// table, a page of the report): every value with a number in stored order (hidden ones as hollow
// grey rings, apart from the values that count), the mean line, the band mean ± s, the tolerance
// limits when set, and at the right a histogram of the counted values on the same value axis.

#include "data/MeasurementStore.h"
#include "quality/Verdicts.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

struct ChartPoint {
    int position = 0;       // 1-based position of the measurement in its series
    float value = 0.0f;     // the number its value cell shows (> 0)
    bool hidden = false;
    Verdict verdict = Verdict::NotJudged;
};

struct SeriesChartData {
    std::vector<ChartPoint> points; // measurements with a number, in stored order
    int measurementCount = 0;       // every measurement of the series, with or without a number
    float mean = 0.0f;              // the series' statistics (0: suppressed, nothing is drawn)
    float deviation = 0.0f;
    std::uint32_t count = 0;
    QString unit;
    ToleranceLimits limits;         // the limits of the series' scale and material
    QString emptyReason;            // without any number: why ("No material chosen.", ...)
};

// What one call of PaintSeriesChart drew.
struct ChartDrawCounts {
    int visiblePoints = 0;
    int hiddenPoints = 0;
    int histogramBars = 0; // bins holding at least one value
    int limitLines = 0;
    bool meanLine = false;
    bool deviationBand = false;
    QString message;               // drawn instead of the plot when no value has a number
    QStringList valueLabels;       // the value axis' labels, bottom up
    QRectF plot;                   // the frame of the values
    QRectF bars;                   // what the histogram's bars cover (empty: none)
    qreal meanY = 0;               // where the mean line lies (when drawn)
    std::vector<QPointF> centres;  // the points' centres, in the order of the data's points
};

// The chart's data of series `series` (its statistics as the table computes them, its values as
// their cells show them, its verdicts, and when no value has a number the reason). Throws
// std::invalid_argument for a series outside the store.
SeriesChartData SeriesChartDataOf(const CMeasurementStore& store, int series, const CToleranceTable& limits);

// The histogram's bins over the counted (visible) values: Sturges' number of bins (at most 20)
// of equal width from the smallest to the largest value; one bin centred on the value when all are
// equal or there is one.
struct HistogramBins {
    float low = 0.0f;
    float width = 0.0f;
    std::vector<int> counts;
};
HistogramBins HistogramOf(const SeriesChartData& data);

// Draws the chart into rect with the painter's font for its labels. Lengths of lines and marks
// follow the rect's size, so the chart looks alike on a screen and on a 300 dpi page.
ChartDrawCounts PaintSeriesChart(QPainter& painter, const QRectF& rect, const SeriesChartData& data);
