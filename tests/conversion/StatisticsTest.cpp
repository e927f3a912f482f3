#include "ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ConversionTest;

namespace {

struct Built {
    CMeasurementStore store;
    Built() { BuildConversionTables(store); }
};

// A Leeb value whose Leeb D steel Vickers value is `hv`, found by bisection on the plain double
// polynomial of the curve table's text (the curve rises over its range).
float LeebForVickers(double hv)
{
    const Curve* steel = nullptr;
    static std::vector<Curve> curves;
    if (curves.empty())
        for (const CurveText& t : kCurveTexts)
            curves.push_back(ParseCurve(t));
    for (const Curve& c : curves)
        if (c.probe == 0 && c.scale == ScaleType::Vickers && c.material == 1)
            steel = &c;
    double lo = steel->low, hi = steel->high;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        double v = 0;
        for (int k = 4; k >= 0; --k)
            v = v * mid + steel->coef[k];
        (v < hv ? lo : hi) = mid;
    }
    return static_cast<float>(lo);
}

// The raw value that a horizontal impact on a first-generation tester corrects to `corrected`.
float LeebBeforeHorizontalCorrection(float corrected)
{
    float l = corrected;
    for (int i = 0; i < 8; ++i)
        l = corrected - Reference::Correction(l, 90, Reference::kD1);
    return l;
}

TEST(SeriesStatistics, TwoVickersValues)
{
    Built b;
    // 250 and 260 HV: mean 255, deviation sqrt(50) = 7.07, range 10; the hidden one is ignored.
    const int s = AddSeries(b.store, ScaleType::Vickers, 1, 0,
                            {{LeebForVickers(250.0), 0},
                             {LeebBeforeHorizontalCorrection(LeebForVickers(260.0)), 90},
                             {300.0f, 0, 1}});
    const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
    EXPECT_EQ(st.count, 2u);
    EXPECT_EQ(st.mean, 255.0f);
    EXPECT_EQ(st.minimum, 250.0f);
    EXPECT_EQ(st.maximum, 260.0f);
    EXPECT_EQ(st.range, 10.0f);
    EXPECT_FLOAT_EQ(st.deviation, std::sqrt(50.0f));
    EXPECT_EQ(st.meanAngle, 45);
    EXPECT_EQ(st.unit, "HV");
    EXPECT_EQ(StatisticsRowTexts(st),
              QStringList({"m: 255 HV", "s: 7.07 HV", "Min: 250 HV", "Max: 260 HV", "R: 10.0 HV", "N: 2"}));
    EXPECT_EQ(SeriesMeanText(st), "255 HV");
}

// Values are counted with 3 significant digits below 1000 and 4 from 1000 on.
TEST(SeriesStatistics, ValuesAreRoundedBeforeCounting)
{
    struct {
        float raw;
        float counted;
        const char* meanText;
        const char* seriesText;
    } cases[] = {
        {1234.56f, 1235.0f, "m: 1235 HLD", "1235 HLD"},
        {123.456f, 123.0f, "m: 123 HLD", "123 HLD"},
        {12.345f, 12.3f, "m: 12.3 HLD", "12.3 HLD"},
        {999.6f, 1000.0f, "m: 1000 HLD", "1000 HLD"},
    };
    for (const auto& c : cases) {
        Built b;
        const int s = AddSeries(b.store, ScaleType::RawLeeb, 0, 0, {{c.raw}});
        const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
        EXPECT_EQ(st.mean, c.counted) << c.raw;
        EXPECT_EQ(st.minimum, c.counted) << c.raw;
        const QStringList texts = StatisticsRowTexts(st);
        EXPECT_EQ(texts[0], c.meanText);
        // One value: no deviation, a zero range with the unit.
        EXPECT_EQ(texts[1], "s: -");
        EXPECT_EQ(texts[4], "R: 0.0 HLD");
        EXPECT_EQ(texts[5], "N: 1");
        EXPECT_EQ(SeriesMeanText(st), c.seriesText);
    }
}

// Nothing counted, or one visible value that gives no number: every field stays zero, the unit
// empty, and the range shows zero with an empty unit.
TEST(SeriesStatistics, SuppressedStatistics)
{
    using namespace ScaleType;
    struct Case {
        const char* what;
        int scale, material;
        std::initializer_list<Sample> samples;
    } cases[] = {
        {"all hidden", Vickers, 1, {{600.0f, 0, 1}, {650.0f, 0, 1}}},
        {"no measurements", Vickers, 1, {}},
        {"one out of range among valid", Vickers, 1, {{600.0f}, {950.0f}, {650.0f}}},
        {"no curve", RockwellC, 12, {{600.0f}}},
        {"no material", Vickers, 0, {{600.0f}}},
        {"raw value 0", RawLeeb, 0, {{500.0f}, {0.0f}}},
    };
    const QStringList none = {"m: -", "s: -", "Min: -", "Max: -", "R: 0.0 ", "N: -"};
    for (const Case& c : cases) {
        Built b;
        const int s = AddSeries(b.store, c.scale, c.material, 0, c.samples);
        const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
        EXPECT_TRUE(st.count == 0 && st.mean == 0 && st.deviation == 0 && st.range == 0 && st.minimum == 0
                    && st.maximum == 0 && st.meanAngle == 0 && st.unit.isEmpty())
            << c.what;
        EXPECT_EQ(StatisticsRowTexts(st), none) << c.what;
        EXPECT_EQ(SeriesMeanText(st), "-") << c.what;
    }
}

TEST(SeriesStatistics, HiddenValuesNeverCountAndAnglesTruncate)
{
    Built b;
    // The hidden value is out of range: it neither counts nor suppresses.
    const int s = AddSeries(b.store, ScaleType::RawLeeb, 0, 0,
                            {{40.0f, 0}, {50.0f, 1}, {60.0f, 1}, {0.0f, 180, 1}});
    const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
    EXPECT_EQ(st.count, 3u);
    EXPECT_EQ(st.mean, 50.0f);
    EXPECT_EQ(st.meanAngle, 0); // 2 / 3 truncated
    EXPECT_NEAR(st.deviation, 10.0f, 1e-4f); // 60 counts as 60.000004 after single-precision rounding
    EXPECT_EQ(StatisticsRowTexts(st),
              QStringList({"m: 50.0 HLD", "s: 10.0 HLD", "Min: 40.0 HLD", "Max: 60.0 HLD", "R: 20.0 HLD", "N: 3"}));
}

// A file may hold angles outside 0..180 until the table normalises them: they count clamped, as
// the direction correction uses them, and never wrap the unsigned mean angle.
TEST(SeriesStatistics, MeanAngleOfAnglesOutsideTheRange)
{
    struct {
        int a, b;
        int wantMean;
        const char* wantGravity;
    } cases[] = {{-10, -30, 0, "1.00"}, {200, 250, 180, "-1.00"}, {-90, 180, 90, "0.00"}};
    for (const auto& c : cases) {
        Built b;
        const int s = AddSeries(b.store, ScaleType::RawLeeb, 0, 0, {{500.0f, c.a}, {510.0f, c.b}});
        const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
        EXPECT_EQ(st.meanAngle, c.wantMean) << c.a << ", " << c.b;
        EXPECT_EQ(GravityComponentText(st.meanAngle), c.wantGravity) << c.a << ", " << c.b;
    }
}

// A long series (as a file can hold): the count does not wrap at 16 bits and n * (n - 1) does not
// overflow, so the deviation of values alternating 400 and 500 stays near 50 (single-precision
// sums over 70000 values are coarse, hence the wide margin).
TEST(SeriesStatistics, LongSeries)
{
    Built b;
    const int s = AddSeries(b.store, ScaleType::RawLeeb, 0, 0, {});
    for (int i = 0; i < 70000; ++i) {
        auto* meas = new MEAS;
        meas->SetValue(i % 2 ? 500.0f : 400.0f);
        b.store.series[s]->AddMeasurement(meas);
    }
    const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
    EXPECT_EQ(st.count, 70000u);
    EXPECT_EQ(StatisticsRowTexts(st)[5], "N: 70000");
    EXPECT_NEAR(st.deviation, 50.0f, 20.0f);
    EXPECT_NEAR(st.mean, 450.0f, 5.0f);
}

// Five equal values leave n*sum(v^2) - sum(v)^2 slightly below zero in single precision: the
// deviation is 0, not the root of a negative number.
TEST(SeriesStatistics, EqualValuesGiveNoDeviation)
{
    Built b;
    const int s = AddSeries(b.store, ScaleType::RawLeeb, 0, 0, {{33.3f}, {33.3f}, {33.3f}, {33.3f}, {33.3f}});
    const SeriesStatistics st = ComputeSeriesStatistics(b.store, s);
    float sum = 0, squares = 0;
    for (int i = 0; i < 5; ++i) {
        sum += 33.3f;
        squares += 33.3f * 33.3f;
    }
    ASSERT_LT(5 * squares - sum * sum, 0.0f); // the case this test is about
    EXPECT_EQ(st.count, 5u);
    EXPECT_EQ(st.deviation, 0.0f);
    EXPECT_EQ(StatisticsRowTexts(st)[1], "s: -");
    EXPECT_EQ(StatisticsRowTexts(st)[4], "R: 0.0 HLD");
}

TEST(SeriesStatistics, TextThresholds)
{
    SeriesStatistics st;
    st.unit = "HB";
    st.count = 4;
    struct {
        float mean, deviation, minimum, maximum, range;
        QStringList want;
    } cases[] = {
        {99.9f, 9.99f, 0.5f, 100.0f, 99.5f, {"m: 99.9 HB", "s: 9.99 HB", "Min: 0.5 HB", "Max: 100 HB", "R: 99.5 HB", "N: 4"}},
        {100.0f, 10.0f, 99.0f, 250.4f, 100.0f, {"m: 100 HB", "s: 10.0 HB", "Min: 99.0 HB", "Max: 250 HB", "R: 100 HB", "N: 4"}},
        {-1.0f, -1.0f, -1.0f, 0.0f, -0.5f, {"m: -", "s: -", "Min: -", "Max: -", "R: -", "N: 4"}},
    };
    for (const auto& c : cases) {
        st.mean = c.mean;
        st.deviation = c.deviation;
        st.minimum = c.minimum;
        st.maximum = c.maximum;
        st.range = c.range;
        EXPECT_EQ(StatisticsRowTexts(st), c.want);
    }
}

// The numbers of the exports: the decimals of the row's texts, nothing where nothing was counted,
// no deviation for a single value and 0 for equal values.
TEST(SeriesStatistics, NumbersForTheExports)
{
    struct {
        std::uint32_t count;
        float mean, deviation, minimum, maximum, range;
        QStringList want; // mean, deviation, minimum, maximum, range
    } cases[] = {
        {4, 99.9f, 9.99f, 0.5f, 100.0f, 99.5f, {"99.9", "9.99", "0.5", "100", "99.5"}},
        {4, 100.0f, 10.0f, 99.0f, 250.4f, 100.0f, {"100", "10.0", "99.0", "250", "100"}},
        {5, 560.0f, 0.0f, 560.0f, 560.0f, 0.0f, {"560", "0.00", "560", "560", "0.0"}},
        {1, 97.25f, 0.0f, 97.25f, 97.25f, 0.0f, {"97.3", "", "97.3", "97.3", "0.0"}},
        {0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, {"", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        SeriesStatistics st;
        st.count = c.count;
        st.mean = c.mean;
        st.deviation = c.deviation;
        st.minimum = c.minimum;
        st.maximum = c.maximum;
        st.range = c.range;
        const StatisticsNumbers n = StatisticsRowNumbers(st);
        EXPECT_EQ((QStringList{n.mean, n.deviation, n.minimum, n.maximum, n.range}), c.want) << c.count << " " << c.mean;
    }
}

TEST(SeriesStatistics, GravityComponent)
{
    struct {
        int angle;
        const char* want;
    } cases[] = {
        {0, "1.00"},  {60, "0.50"},  {90, "0.00"},  {180, "-1.00"}, {91, "0.00"},  {89, "0.00"},
        {45, "0.70"}, {135, "-0.70"}, {30, "0.85"}, {120, "-0.50"}, {200, "-1.00"}, {-10, "1.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GravityComponentText(c.angle), c.want) << c.angle;
}

TEST(SeriesStatistics, SeriesIndexOutsideTheStore)
{
    Built b;
    EXPECT_THROW(ComputeSeriesStatistics(b.store, 0), std::invalid_argument);
}

} // namespace
