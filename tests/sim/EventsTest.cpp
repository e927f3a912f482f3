// Live events: new impacts, series, discards, key lock, keys and display, reported through the
// status poll and read with the matching functions.
#include "sim/SimOnLine.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

constexpr std::uint8_t kDisplay = 0x01, kNew = 0x02, kDiscarded = 0x04, kKeyLock = 0x08;

int Status(SimOnLine& t)
{
    const QByteArray reply = t.Hex("C1D020", 2);
    if (reply.size() != 2 || reply[0] != 1) {
        ADD_FAILURE() << "status reply " << reply.toHex().toStdString();
        return -1;
    }
    return static_cast<std::uint8_t>(reply[1]);
}

std::vector<WireRecord> ReadNew(SimOnLine& t)
{
    const QByteArray header = t.Hex("C1D011", 5);
    if (header.size() != 5)
        return {};
    const int length = Word(header, 2);
    return SplitRecords(header + t.line->Receive(length), 13);
}

TEST(SimEvents, ANewImpactIsReportedUntilItWasDownloaded)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty"}));
    EXPECT_EQ(Status(t), 0);
    t.Do("impact 512 90");
    EXPECT_EQ(Status(t), kNew | kDisplay);
    EXPECT_EQ(Status(t), kNew | kDisplay); // polling alone clears neither

    const std::vector<WireRecord> fresh = ReadNew(t);
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh[0].value, 512.0f);
    EXPECT_EQ(fresh[0].angle, 90);
    EXPECT_EQ(fresh[0].mode, 0x0041);
    EXPECT_EQ(fresh[0].seriesNo, 1);
    EXPECT_EQ(Status(t), kDisplay);
    EXPECT_EQ(t.Hex("C1D021", 6), QByteArray("\x05 512\x00", 6));
    EXPECT_EQ(Status(t), 0);
    EXPECT_TRUE(ReadNew(t).empty());
}

TEST(SimEvents, SeriesFollowTheFixedNumberOfImpactsAndTheDownKey)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty", "--fixed-impacts", "2"}));
    for (const char* command : {"impact 500", "impact 501", "impact 502", "key 3", "impact 503", "series", "impact 504"})
        t.Do(command);
    const std::vector<WireRecord> records = ReadNew(t);
    ASSERT_EQ(records.size(), 5u);
    const int numbers[] = {1, 1, 2, 3, 4};
    const bool markers[] = {false, false, true, false, true};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records[i].seriesNo, numbers[i]) << i;
        EXPECT_EQ((records[i].mode & 0x8000) != 0, markers[i]) << i;
    }
}

TEST(SimEvents, ADiscardIsReportedOnlyForAnImpactThePcHas)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty"}));
    t.Do("impact 600");
    ASSERT_EQ(ReadNew(t).size(), 1u);
    t.Do("discard");
    EXPECT_EQ(Status(t) & (kDiscarded | kNew), kDiscarded);
    EXPECT_EQ(Status(t) & kDiscarded, 0); // reported once
    EXPECT_FALSE(t.sim.Send("discard"));  // the last impact is gone already
    const std::vector<WireRecord> all = SplitRecords(t.Hex("C1D010", 5 + 13), 13);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].mode & 0x4000, 0x4000);

    // An impact the PC has not had arrives hidden instead.
    t.Do("impact 610");
    t.Do("discard");
    EXPECT_EQ(Status(t) & (kDiscarded | kNew), kNew);
    const std::vector<WireRecord> fresh = ReadNew(t);
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh[0].value, 610.0f);
    EXPECT_EQ(fresh[0].mode & 0x4000, 0x4000);
}

TEST(SimEvents, KeyLockChangesOnTheTesterAreReportedThoseFromThePcAreNot)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--empty"}));
    t.Do("lock 1");
    EXPECT_EQ(Status(t), kKeyLock);
    EXPECT_EQ(t.Hex("C1D024", 1), Bytes({0x01}));
    EXPECT_EQ(Status(t), 0);
    EXPECT_FALSE(t.sim.Send("key 2")); // the tester's own keys are locked

    EXPECT_EQ(t.Hex("C2D02300", 1), Bytes({0x00}));
    EXPECT_EQ(Status(t), 0);
    EXPECT_EQ(t.Hex("C1D024", 1), Bytes({0x00}));
    EXPECT_EQ(t.Hex("C2D02302", 1), Bytes({0xFD}));

    t.Do("lock 2"); // another way of saying "unlocked"
    EXPECT_EQ(Status(t), kKeyLock);
    EXPECT_EQ(t.Hex("C1D024", 1), Bytes({0x02}));
}

TEST(SimEvents, KeysAndDisplayCommandsChangeTheDisplay)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--empty"}));
    EXPECT_EQ(t.Hex("C1D021", 6), QByteArray("\x05----\x00", 6));
    t.Do("lock 1");
    // Keys pressed from the PC act even while the tester's keys are locked.
    EXPECT_EQ(t.Hex("C2D02202", 1), Bytes({0x00}));
    EXPECT_EQ(Status(t), kDisplay | kKeyLock);
    EXPECT_EQ(t.Hex("C1D021", 6), QByteArray("\x05n  0\x00", 6));
    EXPECT_EQ(t.Hex("C2D02203", 1), Bytes({0x00}));
    EXPECT_EQ(t.Hex("C1D021", 6), QByteArray("\x05S  1\x00", 6));
    EXPECT_EQ(t.Hex("C2D02204", 1), Bytes({0xFD}));

    t.Do("display \"\\x05AB\" 1");
    EXPECT_EQ(Status(t) & kDisplay, kDisplay);
    EXPECT_EQ(t.Hex("C1D021", 6), QByteArray("\x05\x05" "AB \x01", 6));
}

// A reply that never reached the PC whole does not use up what it reported.
TEST(SimEvents, LostRepliesDoNotConsumeTesterState)
{
    for (const char* fault : {"drop new", "truncate 7 new", "corrupt new 0"}) {
        SCOPED_TRACE(fault);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty"}));
        t.Do("impact 700");
        t.Do(fault);
        t.Hex("C1D011", 5 + 13, 300);
        EXPECT_EQ(Status(t) & kNew, kNew);
        const std::vector<WireRecord> retried = ReadNew(t);
        ASSERT_EQ(retried.size(), 1u);
        EXPECT_EQ(retried[0].value, 700.0f);
    }
}

TEST(SimEvents, TheImpactTimerStoresImpacts)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty", "--impact-every", "30"}));
    QElapsedTimer clock;
    clock.start();
    while (Status(t) != (kNew | kDisplay) && clock.elapsed() < 5000)
        QThread::msleep(20);
    EXPECT_FALSE(ReadNew(t).empty());
}

} // namespace
