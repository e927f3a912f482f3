#include "ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace ConversionTest;

namespace {

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Worked by hand. 1.005f is 1.00499999523...: times 1000 it is 1004.99999523, which single
// precision stores as 1005, so the float rounding gives 1.01 where a double rounding gives 1.00.
// Likewise 99.95f (99.9499969...) times 100 is stored as 9995 and rounds to 100.0.
TEST(Rounding, RoundDecimalsCases)
{
    struct Case {
        float x;
        int n;
        float want;
    } cases[] = {
        {2.5f, 0, 3.0f},   {-2.5f, 0, -3.0f},  {2.4f, 0, 2.0f},   {-2.4f, 0, -2.0f},
        {0.125f, 2, 0.13f}, {1.005f, 2, 1.01f}, {12.345f, 1, 12.3f}, {0.0f, 3, 0.0f},
        {99.95f, 1, 100.0f}, {1234.5f, -1, 1230.0f}, {7.0710678f, 2, 7.07f},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SameBits(RoundDecimals(c.x, c.n), c.want))
            << c.x << " at " << c.n << " decimals gave " << RoundDecimals(c.x, c.n);
}

TEST(Rounding, RoundSignificantCases)
{
    struct Case {
        float x;
        int n;
        float want;
    } cases[] = {
        {1234.56f, 4, 1235.0f}, {123.456f, 3, 123.0f}, {12.345f, 3, 12.3f}, {-1234.56f, 4, -1235.0f},
        {999.6f, 3, 1000.0f}, {0.0f, 3, 0.0f}, {-0.0f, 3, -0.0f},
        {5.55f, 0, 5.55f}, {5.55f, -2, 5.55f}, {250.0f, 3, 250.0f},
        // 0.12f * 0.01f lands one step below 0.0012f.
        {0.0012345f, 2, std::nextafter(0.0012f, 0.0f)},
        // 0.1f * 10^9 is stored as 100000000, plus 5 as 100000008: the result is one step above 1.
        {1.0f, 8, std::nextafter(1.0f, 2.0f)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SameBits(RoundSignificant(c.x, c.n), c.want))
            << c.x << " to " << c.n << " digits gave " << RoundSignificant(c.x, c.n);
}

// Eight significant digits sit below the resolution of a float, so the exact single-precision
// steps matter; compared bit for bit with the plainly written steps over a wide spread of values.
TEST(Rounding, MatchesThePlainStepsBitForBit)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> mantissa(1.0f, 10.0f);
    std::uniform_int_distribution<int> exponent(-12, 12);
    int mismatches = 0;
    for (int i = 0; i < 200000; ++i) {
        const float x = mantissa(random) * std::pow(10.0f, static_cast<float>(exponent(random))) * (i % 2 ? -1 : 1);
        for (int n : {1, 3, 4, 8})
            if (!SameBits(RoundSignificant(x, n), Reference::RoundSignificant(x, n)) && ++mismatches < 5)
                ADD_FAILURE() << x << " to " << n << " digits";
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
