#include "ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ConversionTest;

namespace {

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Result kinds of a conversion.
enum Kind { Converts, OutOfRange, NoCurve };

Kind KindOf(float v)
{
    return v > 0 ? Converts : v == 0 ? OutOfRange : v == -1.0f ? NoCurve : Kind(-1);
}

TEST(ConvertHardness, LimitsMaterialsAndScales)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    using namespace ScaleType;
    struct Case {
        float corrected;
        int scale, material, probe;
        Kind want;
    } cases[] = {
        // Leeb D steel in HV: both limits (300, 890) are inclusive.
        {300.0f, Vickers, 1, 0, Converts}, {890.0f, Vickers, 1, 0, Converts},
        {299.9f, Vickers, 1, 0, OutOfRange}, {890.1f, Vickers, 1, 0, OutOfRange},
        // Brass has an all-zero HV entry; material 11 is beyond the 11-entry HV table.
        {500.0f, Vickers, 7, 0, OutOfRange}, {500.0f, Vickers, 11, 0, NoCurve},
        {600.0f, RockwellC, 12, 0, NoCurve},
        // Leeb DL HRC has no curve for stainless steel, although Leeb D has.
        {800.0f, RockwellC, 3, 1, OutOfRange}, {600.0f, RockwellC, 3, 0, Converts},
        // Rockwell A never converts, for either probe.
        {500.0f, RockwellA, 1, 0, NoCurve}, {500.0f, RockwellA, 0, 1, NoCurve},
        // Tensile strength for material 13 converts within 404..532 although it is not marked
        // as defined; materials 1..10 have empty entries in the 14-entry table.
        {404.0f, TensileStrength, 13, 0, Converts}, {532.0f, TensileStrength, 13, 0, Converts},
        {403.9f, TensileStrength, 13, 0, OutOfRange}, {500.0f, TensileStrength, 1, 0, OutOfRange},
        {500.0f, TensileStrength, 14, 0, NoCurve},
        // Probes other than 1 use the Leeb D tables.
        {600.0f, RockwellC, 3, 5, Converts},
        // Scales without curve tables give 0.
        {500.0f, RawLeeb, 1, 0, OutOfRange}, {500.0f, CorrectedLeeb, 1, 0, OutOfRange},
        {500.0f, Custom, 14, 0, OutOfRange}, {500.0f, 12, 1, 0, OutOfRange}, {500.0f, -1, 1, 0, OutOfRange},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindOf(ConvertHardness(store, c.corrected, c.scale, c.material, c.probe)), c.want)
            << c.corrected << " scale " << c.scale << " material " << c.material << " probe " << c.probe;
    EXPECT_THROW(ConvertHardness(store, 500.0f, Vickers, -1, 0), std::invalid_argument);
}

// Every listed curve across its whole range, bit for bit against the plainly written evaluation
// with coefficients read from the table's text; and each within a hair of the plain double
// polynomial, which catches a coefficient in the wrong place.
TEST(ConvertHardness, EveryCurveMatchesThePlainEvaluation)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    for (const CurveText& text : kCurveTexts) {
        const Curve c = ParseCurve(text);
        int steps = 0;
        for (float l = static_cast<float>(c.low); l <= static_cast<float>(c.high); l += 0.37f, ++steps) {
            const float got = ConvertHardness(store, l, c.scale, c.material, c.probe);
            const float want = Reference::Curve(l, c.coef);
            ASSERT_TRUE(SameBits(got, want)) << text.field[0] << " " << text.field[1] << " material " << c.material
                                             << " at " << l << ": " << got << " instead of " << want;
            double plain = 0;
            for (int i = 4; i >= 0; --i)
                plain = plain * l + c.coef[i];
            ASSERT_NEAR(got, plain, 1e-3 * std::max(1.0, std::fabs(plain))) << text.field[1] << " " << c.material;
        }
        EXPECT_GT(steps, 100);
        // Both limits themselves.
        for (int limit : {c.low, c.high})
            EXPECT_TRUE(SameBits(ConvertHardness(store, static_cast<float>(limit), c.scale, c.material, c.probe),
                                 Reference::Curve(static_cast<float>(limit), c.coef)));
    }
}

} // namespace
