#include "common/SeriesFixture.h"
#include "conversion/Conversion.h"
#include "quality/Verdicts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

namespace {

using Value = TestValue;

class VerdictsTest : public ::testing::Test {
protected:
    void SetUp() override { BuildConversionTables(store); }

    int AddSeries(int scale, int material, std::initializer_list<Value> values)
    {
        return AddTestSeries(store, scale, material, values);
    }

    CMeasurementStore store;
    CToleranceTable table;
};

std::optional<float> None() { return std::nullopt; }

TEST(JudgeValueTest, BoundariesAndOneSidedLimits)
{
    struct Case {
        std::optional<float> lower, upper;
        float value;
        Verdict expected;
    };
    const Case cases[] = {
        {280.0f, 320.0f, 280.0f, Verdict::Inside},   // equal to the lower limit is inside
        {280.0f, 320.0f, 320.0f, Verdict::Inside},   // equal to the upper limit is inside
        {280.0f, 320.0f, 279.9f, Verdict::Below},
        {280.0f, 320.0f, 320.1f, Verdict::Above},
        {280.0f, None(), 5000.0f, Verdict::Inside},  // only a lower limit: nothing is too high
        {280.0f, None(), 279.0f, Verdict::Below},
        {None(), 45.5f, 45.5f, Verdict::Inside},     // only an upper limit: nothing is too low
        {None(), 45.5f, 1.0f, Verdict::Inside},
        {None(), 45.5f, 45.6f, Verdict::Above},
        {300.0f, 300.0f, 300.0f, Verdict::Inside},   // a single allowed value
        {None(), None(), 300.0f, Verdict::NotJudged},
        {280.0f, 320.0f, 0.0f, Verdict::NotJudged},  // out of range: no number
        {280.0f, 320.0f, -1.0f, Verdict::NotJudged}, // no curve
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        EXPECT_EQ(JudgeValue(c.value, ToleranceLimits{c.lower, c.upper}), c.expected);
    }
}

TEST_F(VerdictsTest, ValueIsJudgedAsItsCellShowsIt)
{
    // Raw Leeb values show without decimals: 500.4 reads "500 HLD" and is inside 450..500.
    const int k = AddSeries(0, 0, {{500.4f}, {500.6f}, {449.5f}, {449.4f}});
    ASSERT_EQ(FormatMeasurementValue(store, k, 0), QStringLiteral("500 HLD"));
    ASSERT_TRUE(table.Set({0, 0}, {450.0f, 500.0f}));
    const SeriesVerdict verdict = JudgeSeries(store, k, table);
    const std::vector<Verdict> expected = {Verdict::Inside, Verdict::Above, Verdict::Inside, Verdict::Below};
    EXPECT_EQ(verdict.measurements, expected);
    EXPECT_EQ(verdict.inside, 2);
    EXPECT_EQ(verdict.above, 1);
    EXPECT_EQ(verdict.below, 1);
    EXPECT_FALSE(verdict.IsOk());
    EXPECT_EQ(SeriesVerdictText(verdict), QStringLiteral("NOT OK"));
    for (int m = 0; m < 4; ++m)
        EXPECT_EQ(JudgeMeasurement(store, k, m, table), expected[std::size_t(m)]);
}

TEST_F(VerdictsTest, HiddenAndValuesWithoutNumberAreNotJudged)
{
    // HV of steel: 200 is below the curve's range, 900 above it ("Out of range").
    const int k = AddSeries(2, 1, {{600.0f}, {650.0f, 1}, {200.0f}, {900.0f}});
    const float shown = ShownValue(store, k, 0);
    ASSERT_GT(shown, 0.0f);
    ASSERT_EQ(ShownValue(store, k, 2), 0.0f);
    ASSERT_TRUE(table.Set({2, 1}, {shown, shown}));
    const SeriesVerdict verdict = JudgeSeries(store, k, table);
    const std::vector<Verdict> expected = {Verdict::Inside, Verdict::NotJudged, Verdict::NotJudged,
                                           Verdict::NotJudged};
    EXPECT_EQ(verdict.measurements, expected);
    EXPECT_EQ(verdict.notJudged, 2); // the hidden one is not counted as "not judged"
    EXPECT_TRUE(verdict.IsOk());
    EXPECT_EQ(SeriesVerdictText(verdict), QStringLiteral("OK"));

    // Hiding the only judged value leaves nothing judged: no mark at all.
    store.series[k]->measurements[0]->SetHidden(1);
    EXPECT_FALSE(JudgeSeries(store, k, table).IsJudged());
    EXPECT_EQ(SeriesVerdictText(JudgeSeries(store, k, table)), QString());

    // Rockwell C of material 12 has no curve: nothing judged even with limits for it.
    const int noCurve = AddSeries(4, 12, {{600.0f}});
    ASSERT_TRUE(table.Set({4, 12}, {20.0f, 60.0f}));
    ASSERT_LT(FormatMeasurementValue(store, noCurve, 0, nullptr).size(), 20);
    EXPECT_EQ(JudgeMeasurement(store, noCurve, 0, table), Verdict::NotJudged);
    EXPECT_FALSE(JudgeSeries(store, noCurve, table).IsJudged());
}

TEST_F(VerdictsTest, ConvertedSeriesIsJudgedByTheLimitsOfItsNewScale)
{
    const int k = AddSeries(2, 1, {{600.0f}, {620.0f}});
    const float hv = ShownValue(store, k, 1);
    ASSERT_TRUE(table.Set({2, 1}, {None(), hv}));      // HV: both inside
    ASSERT_TRUE(table.Set({3, 1}, {None(), 1.0f}));    // HB: everything above
    EXPECT_TRUE(JudgeSeries(store, k, table).IsOk());

    store.series[k]->SetScale(3); // converted to Brinell
    const SeriesVerdict brinell = JudgeSeries(store, k, table);
    EXPECT_EQ(brinell.limits, (ToleranceLimits{None(), 1.0f}));
    EXPECT_EQ(brinell.above, 2);
    EXPECT_EQ(SeriesVerdictText(brinell), QStringLiteral("NOT OK"));

    store.series[k]->SetScale(4); // Rockwell C: no limits set, nothing judged
    const SeriesVerdict rockwell = JudgeSeries(store, k, table);
    EXPECT_FALSE(rockwell.limits.IsSet());
    EXPECT_FALSE(rockwell.IsJudged());
    EXPECT_EQ(rockwell.notJudged, 0);
}

TEST_F(VerdictsTest, BadIndicesThrow)
{
    AddSeries(0, 0, {{500.0f}});
    EXPECT_THROW(JudgeSeries(store, 1, table), std::invalid_argument);
    EXPECT_THROW(JudgeMeasurement(store, 0, 1, table), std::invalid_argument);
}

TEST(LimitsTextTest, Forms)
{
    EXPECT_EQ(LimitsText({280.0f, 320.0f}, QStringLiteral("HB")), QStringLiteral("280 .. 320 HB"));
    EXPECT_EQ(LimitsText({45.5f, None()}, QStringLiteral("HRC")), QStringLiteral(">= 45.5 HRC"));
    EXPECT_EQ(LimitsText({None(), 700.0f}, QString()), QStringLiteral("<= 700"));
    EXPECT_EQ(LimitsText({}, QStringLiteral("HB")), QString());
}

} // namespace
