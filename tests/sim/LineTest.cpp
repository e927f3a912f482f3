// The line itself: boot-loader mode, unplugging, hanging up, faults aimed at replies and requests
// the tester does not understand.
#include "sim/SimOnLine.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <poll.h>
#include <unistd.h>

namespace {

TEST(SimLine, TheBootLoaderAnswersOnlySystemAndTextRequests)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--bootloader-mode"}));
    EXPECT_EQ(t.Hex("C2F40108", 2), QByteArray::fromHex("0102"));
    EXPECT_TRUE(t.Hex("C1D020", 2, 500).isEmpty());
    EXPECT_TRUE(t.Hex("C1D010", 5, 300).isEmpty());
    EXPECT_TRUE(t.line->Text("ID").startsWith("Kestr2 ;"));
    EXPECT_EQ(t.Hex("C0F1", 5).size(), 5);
    EXPECT_FALSE(t.sim.Send("impact 500"));

    t.Do("bootloader 0");
    EXPECT_EQ(t.Hex("C2F40108", 2), QByteArray::fromHex("0101"));
    EXPECT_EQ(t.Hex("C1D020", 2), QByteArray::fromHex("0100"));
}

TEST(SimLine, AnUnpluggedTesterIsSilentUntilReplugged)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({}));
    t.Do("unplug");
    EXPECT_TRUE(t.Hex("C1D020", 2, 500).isEmpty());
    EXPECT_TRUE(t.Hex("10", 1, 300).isEmpty());
    t.Do("replug");
    EXPECT_EQ(t.Hex("C1D020", 2), QByteArray::fromHex("0100"));
}

TEST(SimLine, ALatencyTimerHoldsShortRepliesAndLetsFullPacketsGo)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--series", "3", "--impacts", "5", "--latency", "400"}));
    EXPECT_TRUE(t.sim.Command("show").text.contains(" latency=400 "));
    // A two-byte status reply waits in the adapter for its timer.
    t.line->Send(QByteArray::fromHex("C1D020"));
    EXPECT_TRUE(t.line->Receive(2, 150).isEmpty());
    EXPECT_EQ(t.line->Receive(2, 3000), QByteArray::fromHex("0100"));
    // A download of 5 + 15 * 13 bytes: three full packets, then the tail after the timer; all of it
    // arrives, in order.
    const QByteArray bulk = t.Hex("C1D010", 200, 5000);
    ASSERT_EQ(bulk.size(), 200);
    EXPECT_EQ(SplitRecords(bulk, 13).size(), 15u);
    EXPECT_TRUE(t.line->Receive(1, 600).isEmpty());
}

TEST(SimLine, UnpluggingDuringAPacedDownloadCutsItAndLosesNothing)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel1", "--full", "--paced"}));
    const int whole = 5 + 2900 * 11;
    t.line->Send(QByteArray::fromHex("C1D010"));
    const QByteArray first = t.line->Receive(800, 5000);
    ASSERT_EQ(first.size(), 800);
    t.Do("unplug");
    const QByteArray rest = t.line->Drain(400);
    EXPECT_LT(first.size() + rest.size(), whole / 2); // a paced line had no time for more

    t.Do("replug");
    t.Do("paced 0");
    EXPECT_EQ(t.Hex("C1D020", 2), QByteArray::fromHex("0100"));
    const QByteArray again = t.Hex("C1D010", whole, 10000);
    EXPECT_EQ(again.size(), whole);
    EXPECT_EQ(again.left(800), first);
}

TEST(SimLine, AHangupClosesThePortAndReplugOpensANewOne)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyKestrel");
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--link", link}));
    t.Do("hangup");
    pollfd pfd{t.line->Descriptor(), POLLIN, 0};
    ASSERT_EQ(poll(&pfd, 1, 2000), 1);
    EXPECT_NE(pfd.revents & (POLLHUP | POLLERR), 0);
    EXPECT_EQ(t.sim.Command("show path").text, QStringLiteral("none"));

    t.line.reset(); // the PC closes its end, as after any failed exchange
    t.Do("replug");
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), t.sim.SlavePath());
    t.Reopen();
    EXPECT_EQ(t.Hex("C1D020", 2), QByteArray::fromHex("0100"));
}

TEST(SimLine, FaultsHitTheNextMatchingReplyOnly)
{
    struct Case {
        const char* fault;
        const char* request;
        QByteArray expected;
        int read;
    };
    const Case cases[] = {
        {"corrupt settings", "C1D000", Bytes({0x02 ^ 0xFF, 0x41, 0x00}), 7},
        {"corrupt status 1", "C1D020", Bytes({0x01, 0xFF}), 2},
        {"truncate 2 all", "C1D010", Bytes({0xEF, 0x00}), 100},
        {"drop 0x20", "C1D020", QByteArray(), 2},
        {"inject counter 05 03 00 00 00 00", "C1D036", Bytes({0x05, 0x03, 0x00, 0x00, 0x00, 0x00}), 6},
        {"inject id \"TAMARIN;1.2;0001\\r\"", nullptr, QByteArray("TAMARIN;1.2;0001\r"), 0},
        {"truncate 0 @id@", nullptr, QByteArray(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", "kestrel1", "--mode-word", "0x0041", "--empty"}));
        t.Do(c.fault);
        // A reply of another kind goes out untouched and leaves the fault armed.
        if (c.request && std::string(c.request) != "C1D036") {
            EXPECT_EQ(t.Hex("C1D036", 5).size(), 5);
        } else if (c.request) {
            EXPECT_EQ(t.Hex("C1D000", 3), QByteArray::fromHex("024100"));
        }
        if (c.request) {
            EXPECT_EQ(t.Hex(c.request, c.read, 400).toHex(), c.expected.toHex());
        } else {
            const bool identity = std::string(c.fault).find("@id@") != std::string::npos;
            EXPECT_EQ(t.line->Text(identity ? "@ID@" : "ID", 400), c.expected);
        }
        EXPECT_EQ(t.sim.Command("faults").text, QStringLiteral("none"));
        EXPECT_EQ(t.Hex("C1D020", 2), QByteArray::fromHex("0100"));
    }
}

TEST(SimLine, RequestsTheTesterDoesNotUnderstand)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--empty"}));
    EXPECT_EQ(t.Hex("C1D055", 1), Bytes({0xFE}));   // unknown function
    EXPECT_EQ(t.Hex("C1A000", 1), Bytes({0xFE}));   // unknown command
    EXPECT_EQ(t.Hex("C2D02000", 1), Bytes({0xFD})); // status with an argument
    EXPECT_EQ(t.Hex("C2F40109", 1), Bytes({0xFD})); // system function 1 with another argument
    EXPECT_EQ(t.Hex("55C1D020", 2), QByteArray::fromHex("0100")); // a stray byte is skipped

    // A frame that stops part-way is abandoned after a pause, so the next one is read cleanly.
    t.line->Send(QByteArray::fromHex("C1D0"));
    QThread::msleep(400);
    EXPECT_EQ(t.Hex("C1D020", 2), QByteArray::fromHex("0100"));
    EXPECT_EQ(t.sim.Command("show log").text,
              QStringLiteral("C1 D0 55 | C1 A0 00 | C2 D0 20 00 | C2 F4 01 09 | noise 55 | C1 D0 20 | C1 D0 20"));
}

} // namespace
