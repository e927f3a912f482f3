#pragma once
// A link opened on a scripted tester, with short read time-outs so missing replies cost little.

#include "ScriptedTester.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkFollowUps.h"

#include <gtest/gtest.h>

// Short names for the expected results in the tables of cases.
constexpr LinkResult kOk = LinkResult::Ok;
constexpr LinkResult kNoReply = LinkResult::NoReply;
constexpr LinkResult kBad = LinkResult::BadReply;
constexpr LinkResult kNotOpen = LinkResult::NotOpen;

inline void PrintTo(LinkResult result, std::ostream* os)
{
    *os << LinkResultName(result);
}

// Counts what the link asked of the layers above.
struct RecordingFollowUps : ILinkFollowUps {
    void RefreshTable() override { ++tableRefreshes; }
    bool IsSettingsDialogVisible() override { return dialogVisible; }
    void RefreshSettingsDialog() override { ++dialogRefreshes; }
    void SendNotAcknowledged(const QString& text) override { sendsNotAcknowledged << text; }
    int tableRefreshes = 0;
    QStringList sendsNotAcknowledged;
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
        ASSERT_EQ(link.OpenPort(1), kOk);
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
