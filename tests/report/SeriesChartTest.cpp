// The chart is checked by what it drew (points, bars, lines), not by its pixels.
#include "common/SeriesFixture.h"
#include "conversion/Conversion.h"
#include "quality/VerdictColours.h"
#include "report/SeriesChart.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

namespace {

using Value = TestValue;

class SeriesChartTest : public ::testing::Test {
protected:
    void SetUp() override { BuildConversionTables(store); }

    int AddSeries(int scale, int material, std::initializer_list<Value> values)
    {
        return AddTestSeries(store, scale, material, values);
    }

    ChartDrawCounts Paint(int series)
    {
        image.fill(Qt::white);
        QPainter painter(&image);
        return PaintSeriesChart(painter, QRectF(0, 0, 600, 300), SeriesChartDataOf(store, series, limits));
    }

    QImage image{600, 300, QImage::Format_ARGB32};

    CMeasurementStore store;
    CToleranceTable limits;
};

TEST_F(SeriesChartTest, DrawsEveryValueWithANumberAndKeepsHiddenOnesApart)
{
    // HV of steel: 200 is out of the curve's range and has no point; 650 is hidden.
    const int k = AddSeries(2, 1, {{600.0f}, {650.0f, 1}, {200.0f}, {620.0f}, {700.0f}});
    const SeriesChartData data = SeriesChartDataOf(store, k, limits);
    ASSERT_EQ(data.points.size(), 4u);
    EXPECT_EQ(data.points[1].position, 2);
    EXPECT_TRUE(data.points[1].hidden);
    EXPECT_EQ(data.points[2].position, 4); // the position stays the measurement's own

    // One visible value out of range suppresses the statistics: no mean line, no band.
    ChartDrawCounts counts = Paint(k);
    EXPECT_EQ(counts.visiblePoints, 3);
    EXPECT_EQ(counts.hiddenPoints, 1);
    EXPECT_FALSE(counts.meanLine);
    EXPECT_FALSE(counts.deviationBand);
    EXPECT_EQ(counts.limitLines, 0);

    // Hidden, it no longer counts: mean, band and histogram appear.
    store.series[k]->measurements[2]->SetHidden(1);
    counts = Paint(k);
    EXPECT_EQ(counts.visiblePoints, 3);
    EXPECT_EQ(counts.hiddenPoints, 1);
    EXPECT_TRUE(counts.meanLine);
    EXPECT_TRUE(counts.deviationBand);
    const HistogramBins bins = HistogramOf(SeriesChartDataOf(store, k, limits));
    EXPECT_EQ(std::accumulate(bins.counts.begin(), bins.counts.end(), 0), 3);
    EXPECT_EQ(counts.histogramBars, int(std::count_if(bins.counts.begin(), bins.counts.end(), [](int n) { return n > 0; })));
    EXPECT_GE(counts.histogramBars, 2);
}

TEST_F(SeriesChartTest, LimitsAndVerdictsFollowTheScale)
{
    const int k = AddSeries(0, 0, {{500.0f}, {510.0f}, {520.0f}});
    limits.Set({0, 0}, {505.0f, std::nullopt});
    limits.Set({1, 0}, {400.0f, 600.0f});
    SeriesChartData data = SeriesChartDataOf(store, k, limits);
    EXPECT_EQ(data.points[0].verdict, Verdict::Below);
    EXPECT_EQ(data.points[1].verdict, Verdict::Inside);
    EXPECT_EQ(Paint(k).limitLines, 1);

    store.series[k]->SetScale(1); // corrected Leeb: the other limits
    EXPECT_EQ(Paint(k).limitLines, 2);
    store.series[k]->SetScale(2); // Vickers without a material: nothing to draw
    const ChartDrawCounts none = Paint(k);
    EXPECT_EQ(none.visiblePoints + none.hiddenPoints + none.histogramBars + none.limitLines, 0);
}

TEST_F(SeriesChartTest, EqualValuesMakeOneBar)
{
    const int k = AddSeries(0, 0, {{500.0f}, {500.0f}, {500.0f}});
    const HistogramBins bins = HistogramOf(SeriesChartDataOf(store, k, limits));
    EXPECT_EQ(bins.counts, std::vector<int>{3});
    const ChartDrawCounts counts = Paint(k);
    EXPECT_EQ(counts.histogramBars, 1);
    EXPECT_TRUE(counts.meanLine);
    EXPECT_FALSE(counts.deviationBand); // s = 0
}

TEST_F(SeriesChartTest, OneValueSitsOnItsMeanInsideTheFrame)
{
    // Values of all sizes: a Leeb value, a small and a large converted one.
    for (const auto& [scale, material, raw] : {std::tuple{0, 0, 512.0f}, {4, 1, 560.0f}, {8, 11, 560.0f}}) {
        SCOPED_TRACE(scale);
        const int k = AddSeries(scale, material, {{raw}});
        const ChartDrawCounts counts = Paint(k);
        ASSERT_EQ(counts.centres.size(), 1u);
        ASSERT_TRUE(counts.meanLine);
        EXPECT_NEAR(counts.meanY, counts.centres[0].y(), 0.5);
        EXPECT_TRUE(counts.plot.contains(counts.centres[0]));
        // The bar of the value lies on the value's height, inside the frame.
        ASSERT_EQ(counts.histogramBars, 1);
        EXPECT_GE(counts.bars.top(), counts.plot.top());
        EXPECT_LE(counts.bars.bottom(), counts.plot.bottom());
        EXPECT_TRUE(counts.bars.top() <= counts.centres[0].y() && counts.centres[0].y() <= counts.bars.bottom());
        // Short round labels: at most two decimals.
        ASSERT_GE(counts.valueLabels.size(), 2);
        for (const QString& label : counts.valueLabels) {
            bool number = false;
            label.toDouble(&number);
            EXPECT_TRUE(number) << label.toStdString();
            const qsizetype point = label.indexOf(QLatin1Char('.'));
            EXPECT_LE(point < 0 ? 0 : label.size() - point - 1, 2) << label.toStdString();
        }
    }
}

TEST_F(SeriesChartTest, WithoutANumberTheChartSaysWhy)
{
    struct Case {
        int scale, material;
        std::initializer_list<Value> values;
        const char* want;
    } cases[] = {
        {2, 0, {{600.0f}}, "No material chosen: choose one in the Material column to convert the values."},
        {4, 1, {{200.0f}, {210.0f}}, "No value converts to HRC."},       // below the curve's range
        {8, 11, {{200.0f}}, "No value converts to N/mm\u00b2."},
    };
    for (const Case& c : cases) {
        const int k = AddSeries(c.scale, c.material, c.values);
        const ChartDrawCounts counts = Paint(k);
        EXPECT_EQ(counts.message, QString::fromUtf8(c.want)) << c.scale;
        EXPECT_EQ(counts.visiblePoints + counts.histogramBars, 0);
        EXPECT_TRUE(counts.valueLabels.isEmpty()); // no empty 0..1 axis
    }
    // The unit is known without statistics too.
    EXPECT_EQ(SeriesChartDataOf(store, 2, limits).unit, QStringLiteral("N/mm\u00b2"));
}

TEST_F(SeriesChartTest, PointsOutsideTheLimitsHaveTheTablesColours)
{
    const int k = AddSeries(0, 0, {{500.0f}, {550.0f}, {600.0f}});
    limits.Set({0, 0}, {520.0f, 580.0f});
    const ChartDrawCounts counts = Paint(k);
    ASSERT_EQ(counts.centres.size(), 3u);
    const auto colourAt = [&](QPointF at) { return image.pixelColor(at.toPoint()); };
    const auto rgb = [](VerdictColours::Rgb c) { return QColor(c.red, c.green, c.blue); };
    EXPECT_EQ(colourAt(counts.centres[0]), rgb(VerdictColours::kBelowMark));
    EXPECT_EQ(colourAt(counts.centres[2]), rgb(VerdictColours::kAboveMark));
    EXPECT_NE(colourAt(counts.centres[1]), colourAt(counts.centres[0]));
}

} // namespace
