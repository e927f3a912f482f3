#pragma once
// A link opened on a scripted tester, with short read time-outs so missing replies cost little.

#include "ScriptedTester.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkFollowUps.h"

#include <gtest/gtest.h>

// Counts what the link asked of the layers above.
struct RecordingFollowUps : ILinkFollowUps {
    void RefreshTable() override { ++tableRefreshes; }
    bool IsSettingsDialogVisible() override { return dialogVisible; }
    void RefreshSettingsDialog() override { ++dialogRefreshes; }
    int tableRefreshes = 0;
    int dialogRefreshes = 0;
    bool dialogVisible = true;
};

class LinkTest : public ::testing::Test {
protected:
    static constexpr int kReadTimeoutMs = 60;

    void SetUp() override
    {
        BuildConversionTables(store);
        link.SetFollowUps(&followUps);
        ASSERT_EQ(link.OpenPort(1), 1);
        // One read attempt then waits kReadTimeoutMs instead of a second.
        ASSERT_TRUE(link.Stream().SetTimeouts(kReadTimeoutMs, 100));
    }

    void SetDevice(const char* name, std::uint8_t major, std::uint8_t minor)
    {
        store.device.name = name;
        store.device.firmwareNumbers[0] = major;
        store.device.firmwareNumbers[1] = minor;
    }

    CScriptedTester tester;
    CMeasurementStore store;
    RecordingFollowUps followUps;
    CDeviceLink link{store};
};
