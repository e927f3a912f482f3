#include "ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ConversionTest;

namespace {

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Built {
    CMeasurementStore store;
    explicit Built(const char* deviceName = "")
    {
        BuildConversionTables(store);
        store.device.name = QString::fromUtf8(deviceName);
    }
};

TEST(DirectionCorrection, EndpointsAndClamping)
{
    Built b;
    const float l = 600.0f;
    const float r90 = l * 0.0135604f + -16.847094f;   // first-generation Leeb D at 90 degrees
    const float r180 = l * 0.029247f + -38.36343f;    // ... at 180 degrees
    EXPECT_EQ(GetDirectionCorrection(b.store, l, 0, 0), 0.0f);
    EXPECT_EQ(GetDirectionCorrection(b.store, l, -10, 0), 0.0f);
    EXPECT_TRUE(SameBits(GetDirectionCorrection(b.store, l, 90, 0), r90));
    EXPECT_TRUE(SameBits(GetDirectionCorrection(b.store, l, 180, 0), r180));
    EXPECT_TRUE(SameBits(GetDirectionCorrection(b.store, l, 200, 0), r180));
    // One degree either side of horizontal lies within a fraction of a unit of R90.
    EXPECT_NEAR(GetDirectionCorrection(b.store, l, 89, 0), r90, 0.5f);
    EXPECT_NEAR(GetDirectionCorrection(b.store, l, 91, 0), r90, 0.5f);
    EXPECT_NEAR(GetDirectionCorrection(b.store, l, 179, 0), r180, 0.05f);
}

// The table follows the probe and, for Leeb D, the current device's exact name.
TEST(DirectionCorrection, TableChosenByProbeAndDeviceName)
{
    struct Case {
        const char* device;
        int probe;
        const Reference::Points* want;
    } cases[] = {
        {"Kestrel 2", 0, &Reference::kD2}, {"Tamarin 2", 0, &Reference::kD2},
        {"Kestrel 1", 0, &Reference::kD1}, {"Tamarin 1", 0, &Reference::kD1},
        {"", 0, &Reference::kD1},          {"kestrel 2", 0, &Reference::kD1},
        {"Kestrel 2 ", 0, &Reference::kD1}, {"Kestrel 2", 4, &Reference::kD2},
        {"Kestrel 2", 1, &Reference::kDL}, {"Kestrel 1", 1, &Reference::kDL}, {"", 1, &Reference::kDL},
    };
    for (const Case& c : cases) {
        Built b(c.device);
        for (int angle : {45, 90, 135, 180}) {
            const float want = Reference::Correction(700.0f, angle, *c.want);
            EXPECT_TRUE(SameBits(GetDirectionCorrection(b.store, 700.0f, angle, c.probe), want))
                << "'" << c.device << "' probe " << c.probe << " angle " << angle;
        }
    }
}

// Every angle of both branches, for each table, bit for bit against the plainly written steps.
TEST(DirectionCorrection, BothBranchesMatchThePlainStepsBitForBit)
{
    struct Case {
        const char* device;
        int probe;
        const Reference::Points* table;
    } cases[] = {{"Kestrel 1", 0, &Reference::kD1}, {"Kestrel 2", 0, &Reference::kD2}, {"", 1, &Reference::kDL}};
    for (const Case& c : cases) {
        Built b(c.device);
        for (float l = 150.0f; l <= 1000.0f; l += 3.7f)
            for (int angle = -5; angle <= 200; ++angle) {
                const float want = Reference::Correction(l, angle, *c.table);
                const float got = GetDirectionCorrection(b.store, l, angle, c.probe);
                ASSERT_TRUE(SameBits(got, want)) << c.device << " L " << l << " angle " << angle << ": " << got
                                                 << " instead of " << want;
            }
    }
}

TEST(DirectionCorrection, TablesNotBuiltIsAnArgumentError)
{
    CMeasurementStore store;
    EXPECT_THROW(GetDirectionCorrection(store, 500.0f, 45, 0), std::invalid_argument);
    EXPECT_EQ(GetDirectionCorrection(store, 500.0f, 0, 0), 0.0f); // no table needed at 0 degrees
}

} // namespace
