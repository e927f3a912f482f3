// The dialog's value rules: list positions, the offset's rounding and limits, typed numbers.
#include "settings/SettingsValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(SettingsValues, ListPositionsLeaveOutRockwellAAndForCurvesTheCustomScale)
{
    struct Case {
        int scale, mode, curve;
    } cases[] = {
        {0, 0, 0}, {5, 5, 5}, {6, -1, -1}, {7, 6, 6}, {8, 7, 7}, {9, 8, -1}, {-1, -1, -1}, {10, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        EXPECT_EQ(ModeListPosition(c.scale), c.mode);
        EXPECT_EQ(CurveListPosition(c.scale), c.curve);
        if (c.mode >= 0) {
            EXPECT_EQ(ScaleAtListPosition(c.mode), c.scale);
        }
    }
}

TEST(SettingsValues, OffsetsRoundAndStayWithinTheirBaseScalesLimits)
{
    struct Case {
        int scale;
        float offset;
        float stored;
        const char* shown;
    } cases[] = {
        {2, 12.34f, 12.0f, "+12.0"},  // Vickers: whole numbers
        {4, 12.34f, 10.0f, "+10.0"},  // Rockwell C: one decimal, at most 10
        {7, -7.25f, -7.3f, "-7.3"},   // Shore: halves away from zero
        {5, 7.45f, 7.5f, "+7.5"},
        {6, -10.04f, -10.0f, "-10.0"},
        {3, 2.5f, 3.0f, "+3.0"},
        {8, -80.0f, -50.0f, "-50.0"},
        {9, 50.4f, 50.0f, "+50.0"},
        {2, -0.2f, 0.0f, "+0.0"},     // no "-0.0"
        {4, -0.04f, 0.0f, "+0.0"},
        {2, 1e30f, 50.0f, "+50.0"},
        {2, std::numeric_limits<float>::quiet_NaN(), 0.0f, "+0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.scale) + " " + std::to_string(c.offset));
        const float stored = RoundCurveOffset(c.offset, c.scale);
        EXPECT_FLOAT_EQ(stored, c.stored);
        EXPECT_FALSE(std::signbit(stored) && stored == 0.0f);
        EXPECT_EQ(OffsetText(stored), QString::fromLatin1(c.shown));
    }
}

TEST(SettingsValues, TypedNumbersReadAsFarAsTheyGo)
{
    struct Case {
        const char* text;
        float offset;
        long long whole;
    } cases[] = {
        {"12.34", 12.34f, 12},
        {"  -7.25 HS", -7.25f, -7},
        {"+3", 3.0f, 3},
        {".5", 0.5f, 0},
        {"12,5", 12.5f, 12},  // a decimal comma
        {"12,", 12.0f, 12},
        {"1e1", 10.0f, 1},
        {"2e", 2.0f, 2},
        {"abc", 0.0f, 0},
        {"", 0.0f, 0},
        {"-", 0.0f, 0},
        {"99999999999999999999", 1e20f, 1000000000000LL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_FLOAT_EQ(ReadOffsetText(QString::fromLatin1(c.text)), c.offset);
        EXPECT_EQ(ReadWholeNumber(QString::fromLatin1(c.text)), c.whole);
    }
    EXPECT_EQ(RoundCurveOffset(ReadOffsetText(QStringLiteral("1e99")), 2), 50.0f);
}

} // namespace
