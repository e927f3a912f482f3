#include "data/MeasurementStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct SanitizeCase {
    float value;
    int angle;
    int hidden;
    float wantValue;
    int wantAngle;
    int wantHidden;
    bool wantChanged;
};

TEST(Records, SanitizerForcesRangesAndFlagsOnlyRealCorrections)
{
    const SanitizeCase cases[] = {
        {1000.0f, 90, 1, 1000.0f, 90, 1, false},
        {1000.5f, 90, 0, 0.0f, 90, 0, true},
        {-3.0f, 90, 0, 0.0f, 90, 0, true},
        {0.0f, 0, 0, 0.0f, 0, 0, false},
        {500.0f, -10, 0, 500.0f, 0, 0, true},
        {500.0f, 200, 0, 500.0f, 180, 0, true},
        {500.0f, 180, 0, 500.0f, 180, 0, false},
        {500.0f, 45, 2, 500.0f, 45, 0, true},
        {500.0f, 45, -1, 500.0f, 45, 0, true},
        {std::nanf(""), 90, 0, 0.0f, 90, 0, true},
        {std::numeric_limits<float>::infinity(), 90, 0, 0.0f, 90, 0, true},
    };
    CMeasurementStore store;
    for (const auto& c : cases) {
        MEAS m;
        m.value = c.value;
        m.angle = c.angle;
        m.hidden = c.hidden;
        store.SanitizeMeasurement(m);
        EXPECT_EQ(m.value, c.wantValue) << c.value;
        EXPECT_EQ(m.angle, c.wantAngle) << c.angle;
        EXPECT_EQ(m.hidden, c.wantHidden) << c.hidden;
        EXPECT_EQ(m.changed != 0, c.wantChanged) << c.value << " " << c.angle << " " << c.hidden;
    }
}

TEST(Records, SettersChangeFlagOnlyWhenValueDiffers)
{
    MSERIE s;
    s.SetScale(0);
    s.SetMaterial(0);
    s.SetExpanded(0);
    EXPECT_EQ(s.changed, 0);
    s.SetScale(2);
    EXPECT_EQ(s.changed, 1);
    s.changed = 0;
    s.SetScale(2);
    EXPECT_EQ(s.changed, 0);

    MEAS m;
    EXPECT_EQ(m.time, 0);
    EXPECT_EQ(m.changed, 0);
    m.SetHidden(0);
    m.SetTime(0);
    EXPECT_EQ(m.changed, 0);
    m.SetHidden(1);
    EXPECT_EQ(m.changed, 1);
}

TEST(Records, RemovingLastMeasurementLeavesEmptyChangedSeries)
{
    MSERIE s;
    s.AddMeasurement(new MEAS);
    s.changed = 0;
    delete s.RemoveMeasurement(0);
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.changed, 1);
    EXPECT_THROW(s.RemoveMeasurement(0), std::invalid_argument);
}

TEST(Records, VersionNumbersNeedAllThreeParts)
{
    struct Case {
        const char* text;
        bool parsed;
        std::uint8_t want[3];
    } cases[] = {
        {"1.2", false, {7, 8, 9}},
        {"1.2.3", true, {1, 2, 3}},
        {"", false, {7, 8, 9}},
        {"10.0.255", true, {10, 0, 255}},
    };
    for (const auto& c : cases) {
        std::uint8_t numbers[3] = {7, 8, 9};
        EXPECT_EQ(DEVICE::ParseVersionNumbers(QString::fromLatin1(c.text), numbers), c.parsed) << c.text;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(numbers[i], c.want[i]) << c.text;
    }
}

TEST(Records, ClearingDeviceKeepsSignature)
{
    DEVICE d;
    d.name = "Kestrel 2";
    d.serialNumber = "SN";
    d.signature = "SIG";
    d.hardwareRevision = "B";
    d.firmwareVersion = "1.2.3";
    d.bootloaderVersion = "1.0.0";
    d.keysLocked = 1;
    d.firmwareNumbers[0] = 1;
    d.bootloaderNumbers[2] = 4;
    d.Clear();
    EXPECT_TRUE(d.name.isEmpty() && d.serialNumber.isEmpty() && d.hardwareRevision.isEmpty()
                && d.firmwareVersion.isEmpty() && d.bootloaderVersion.isEmpty());
    EXPECT_EQ(d.signature, "SIG");
    EXPECT_EQ(d.keysLocked, 0u);
    EXPECT_EQ(d.firmwareNumbers[0], 0);
    EXPECT_EQ(d.bootloaderNumbers[2], 0);
}

} // namespace
