// The job scheduler and the status events against a scripted tester.
#include "LinkFixture.h"
#include "TestRecords.h"

#include "common/ScriptedPrompts.h"

#include <cstring>

namespace {

// Answers every request of a connect for a first-generation tester.
void AnswerConnect(CScriptedTester& tester)
{
    tester.AnswerPrefix({0xC5, 0xD0, 0x04}, {0x00});
    tester.AnswerText("@ID@", "KESTREL;A;0001;S;2.1.0;1.0.0\r");
    tester.Answer({0xC1, 0xD0, 0x00}, {0x02, 0x41, 0x00});
    tester.Answer({0xC1, 0xD0, 0x36}, {0x04, 0x10, 0x00, 0x00, 0x00});
    tester.AnswerPrefix({0xC2, 0xD0, 0x02}, {0x00}); // wrong count: replaced below per register
    for (int slot = 0; slot < 3; ++slot) {
        tester.Answer({0xC2, 0xD0, 0x02, std::uint8_t(slot * 16 + 1)}, {0x05, 0x00, 0x00, 0x00, 0x20, 0x41});
        tester.Answer({0xC2, 0xD0, 0x02, std::uint8_t(slot * 16 + 6)}, {0x03, 0x00, 0x20, 0x00});
    }
    tester.Answer({0xC1, 0xD0, 0x10}, BulkReply({MarkedRecord(401, 0)}));
    tester.Answer({0xC1, 0xD0, 0x21}, {0x05, 'H', 'L', 'D', ' ', 0x00});
    tester.Answer({0xC1, 0xD0, 0x24}, {0x01});
}

// The function of each request: the first data byte of a frame, 'T' for a text exchange byte.
std::vector<int> Functions(const std::vector<Bytes>& requests)
{
    std::vector<int> functions;
    for (const Bytes& r : requests) {
        if (r.size() >= 3 && r[0] >= 0xC0)
            functions.push_back(r[2]);
        else if (r == Bytes{0x10})
            functions.push_back('T');
    }
    return functions;
}

TEST_F(LinkTest, MaskedBitAloneRunsNothing)
{
    link.jobs = 0x0080;
    EXPECT_EQ(link.RunJobs(), -1);
    EXPECT_EQ(link.jobs, 0u);
    link.jobs = 0xE080; // bits outside the mask go as well
    EXPECT_EQ(link.RunJobs(), -1);
    EXPECT_TRUE(tester.Requests().empty());
}

TEST_F(LinkTest, ConnectRunsSevenJobsInOrderAndKeepsTheOneThatFailed)
{
    AnswerConnect(tester);
    tester.Answer({0xC1, 0xD0, 0x10}, {0xF2}); // the transfer is refused
    link.jobs = CDeviceLink::jobsConnect;
    EXPECT_EQ(link.RunJobs(), 6);
    EXPECT_EQ(link.jobs, 0x0010u);
    const std::vector<int> want = {0x04, 'T', 0x00, 0x36, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x10, 0x21, 0x24};
    EXPECT_EQ(Functions(tester.Requests()), want);
    EXPECT_EQ(store.device.name, "Kestrel 1");
    EXPECT_EQ(store.impactCounter, 16u);
    EXPECT_EQ(store.customD[15], (CPARA{0, 1, 0, 10.0f}));
    EXPECT_EQ(std::memcmp(store.displayCodes, "HLD ", 4), 0);
    EXPECT_EQ(store.device.keysLocked, 1u);
    EXPECT_EQ(followUps.tableRefreshes, 1); // after the custom curves

    tester.Answer({0xC1, 0xD0, 0x10}, BulkReply({MarkedRecord(401, 0)}));
    tester.ClearRequests();
    EXPECT_EQ(link.RunJobs(), 1);
    EXPECT_EQ(link.jobs, 0u);
    EXPECT_EQ(Functions(tester.Requests()), std::vector<int>{0x10});
    EXPECT_EQ(store.CountMeasurements(), 1);
    EXPECT_EQ(followUps.tableRefreshes, 2);
}

TEST_F(LinkTest, SettingsDialogJobsWithoutKeyLockAnswer)
{
    AnswerConnect(tester);
    tester.Answer({0xC1, 0xD0, 0x24}, {});
    SetDevice("Kestrel 1", 2, 1);
    store.device.keysLocked = 1;
    link.jobs = CDeviceLink::jobsSettingsDialog;
    EXPECT_EQ(link.RunJobs(), 2);
    EXPECT_EQ(link.jobs, 0x0040u);
    EXPECT_EQ(followUps.dialogRefreshes, 2);
    EXPECT_EQ(store.device.keysLocked, 1u);

    followUps.dialogVisible = false;
    link.jobs = 0x0300;
    EXPECT_EQ(link.RunJobs(), 2);
    EXPECT_EQ(followUps.dialogRefreshes, 2);
}

TEST_F(LinkTest, RefusedSettingsReplyStillReadsTheCounterOnlyForTheDialog)
{
    tester.Answer({0xC1, 0xD0, 0x00}, {0xF0});
    tester.Answer({0xC1, 0xD0, 0x36}, {0x04, 0x10, 0x00, 0x00, 0x00});
    struct Case {
        std::uint32_t job;
        std::vector<int> functions;
        std::uint32_t counter;
    } cases[] = {
        {CDeviceLink::jobReadSettings, {0x00}, 7},
        {CDeviceLink::jobDialogSettings, {0x00, 0x36}, 16},
    };
    for (const Case& c : cases) {
        store.impactCounter = 7;
        tester.ClearRequests();
        link.jobs = c.job;
        EXPECT_EQ(link.RunJobs(), 0) << c.job;
        EXPECT_EQ(link.jobs, c.job);
        EXPECT_EQ(Functions(tester.Requests()), c.functions) << c.job;
        EXPECT_EQ(store.impactCounter, c.counter) << c.job;
    }
    EXPECT_EQ(followUps.dialogRefreshes, 0);
}

TEST_F(LinkTest, KeyLockJobThatLostTheLineStaysPending)
{
    store.device.keysLocked = 1;
    tester.Hangup();
    link.jobs = CDeviceLink::jobReadKeyLock;
    EXPECT_EQ(link.RunJobs(), 0);
    EXPECT_EQ(link.jobs, CDeviceLink::jobReadKeyLock);
    EXPECT_EQ(store.device.keysLocked, 1u);
}

TEST_F(LinkTest, ClearMemoryIsRetriedUntilAcknowledged)
{
    ScriptedPrompts prompts;
    SetDevice("Kestrel 1", 2, 1);
    tester.Answer({0xC1, 0xD0, 0x10}, BulkReply({MarkedRecord(401, 0)}));
    ASSERT_EQ(link.ReadMeasurements(), kOk);
    tester.AnswerInTurn({0xC1, 0xD0, 0x12}, {{0x01}, {0x00}});
    tester.ClearRequests();

    link.jobs = CDeviceLink::jobClearMemory;
    EXPECT_EQ(link.RunJobs(), 0);
    EXPECT_EQ(link.jobs, CDeviceLink::jobClearMemory);
    EXPECT_EQ(store.CountMeasurements(), 1);
    EXPECT_TRUE(prompts.messages.isEmpty());

    EXPECT_EQ(link.RunJobs(), 1);
    EXPECT_EQ(link.jobs, 0u);
    EXPECT_TRUE(store.series.IsEmpty());
    EXPECT_EQ(prompts.messages, QStringList{"Memory deleted!"});
    EXPECT_EQ(prompts.icons, QList<PromptIcon>{PromptIcon::Information});
    EXPECT_EQ(followUps.tableRefreshes, 1);
    EXPECT_EQ(tester.Requests(), (std::vector<Bytes>{{0xC1, 0xD0, 0x12}, {0xC1, 0xD0, 0x12}}));
}

TEST_F(LinkTest, ASendThatIsNotAcknowledgedIsToldNotRepeatedAndReadBack)
{
    SetDevice("Kestrel 1", 2, 1);
    const QString settingsText =
        "The tester did not acknowledge the settings: they were not sent. Shown is what the tester holds.";
    struct Case {
        const char* name;
        Bytes settingsAck, curveAck; // to the settings frame, to the first register of HC2
        int succeeded;
        QStringList told;
    } cases[] = {
        {"all acknowledged", {0x00}, {0x00}, 3, {}},
        {"settings refused", {0x01}, {0x00}, 2, {settingsText}},
        {"settings unanswered", {}, {0x00}, 2, {settingsText}},
        {"a register refused", {0x00}, {0xFD}, 2,
         {"The tester did not acknowledge custom curve HC2 (impact body D, register 0): the curves were not all "
          "sent. Shown is what the tester holds."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tester.AnswerPrefix({0xC5, 0xD0, 0x04}, {0x00});
        tester.AnswerPrefix({0xC7, 0xD0, 0x01}, c.settingsAck);
        tester.AnswerPrefix({0xC6, 0xD0, 0x03}, {0x00});
        tester.AnswerPrefix({0xC4, 0xD0, 0x03}, {0x00});
        tester.AnswerPrefix({0xC6, 0xD0, 0x03, 0x10}, c.curveAck);
        tester.ClearRequests();
        followUps.sendsNotAcknowledged.clear();
        link.jobs = CDeviceLink::jobsSendSettings;
        EXPECT_EQ(link.RunJobs(), c.succeeded);
        EXPECT_EQ(followUps.sendsNotAcknowledged, c.told);
        // A failed send is not repeated behind the operator's back; the dialog's reads take its
        // place, so the store comes to hold what the tester holds.
        EXPECT_EQ(link.jobs, c.told.isEmpty() ? 0u : CDeviceLink::jobDialogSettings | CDeviceLink::jobDialogCustomCurves);
        // Nothing of a curve after the register that failed was sent.
        const std::size_t frames = tester.Requests().size();
        EXPECT_EQ(frames, c.curveAck == Bytes{0x00} ? 2u + 21u : 2u + 7u + 1u);
    }
}

TEST_F(LinkTest, EventsReadWhatChangedAndKeepWhatFailed)
{
    SetDevice("Kestrel 1", 2, 1);
    tester.Answer({0xC1, 0xD0, 0x21}, {});
    tester.Answer({0xC1, 0xD0, 0x11}, BulkReply({MarkedRecord(401, 0)}));
    tester.Answer({0xC1, 0xD0, 0x24}, {0x02});
    store.device.keysLocked = 1;
    link.events = CDeviceLink::eventDisplay | CDeviceLink::eventNewMeasurements | CDeviceLink::eventKeyLock;
    EXPECT_EQ(link.ProcessEvents(), 1);
    EXPECT_EQ(link.events, CDeviceLink::eventDisplay);
    EXPECT_EQ(store.CountMeasurements(), 1);
    EXPECT_EQ(store.series[0]->expanded, 1);
    EXPECT_EQ(followUps.tableRefreshes, 1);
    EXPECT_EQ(store.device.keysLocked, 0u); // 2 means unlocked

    tester.ClearRequests();
    link.events = 0;
    EXPECT_EQ(link.ProcessEvents(), 1);
    EXPECT_TRUE(tester.Requests().empty());
}

} // namespace
