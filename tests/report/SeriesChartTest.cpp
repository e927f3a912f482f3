// The chart is checked by what it drew (points, bars, lines), not by its pixels.
#include "common/SeriesFixture.h"
#include "conversion/Conversion.h"
#include "report/SeriesChart.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <numeric>

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
        QImage image(600, 300, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        return PaintSeriesChart(painter, QRectF(0, 0, 600, 300), SeriesChartDataOf(store, series, limits));
    }

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

} // namespace
