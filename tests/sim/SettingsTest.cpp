// Settings, custom-curve registers and the impact counter.
#include "sim/SimOnLine.h"

namespace {

// The settings answer and the frames a tester takes grow with its firmware.
TEST(SimSettings, ReplyAndAcceptedFramesFollowTheFirmware)
{
    struct Case {
        const char* firmware;
        const char* reply;      // before any write
        const char* longest;    // the longest frame this firmware accepts
        const char* afterWrite; // the reply after that frame
    };
    const Case cases[] = {
        {"1.4.2", "024100", "C3D0014704", "024704"},
        {"2.0.0", "03410000", "C4D001470401", "03470401"},
        {"2.1.0", "06410000050000", "C7D001410401051027", "06410401051027"},
        {"3.0.0", "06410000050000", "C7D001410401051027", "06410401051027"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firmware);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty", "--firmware", c.firmware, "--mode-word", "0x0041"}));
        const QByteArray before = QByteArray::fromHex(c.reply);
        EXPECT_EQ(t.Hex("C1D000", 7, 500).toHex(), before.toHex());
        EXPECT_EQ(t.Hex(c.longest, 1), Bytes({0x00}));
        EXPECT_EQ(t.Hex("C1D000", 7, 500).toHex(), QByteArray::fromHex(c.afterWrite).toHex());
        // A frame longer than the firmware knows is refused.
        if (QByteArray::fromHex(c.longest).size() < 9) {
            EXPECT_EQ(t.Hex("C7D001410401051027", 1), Bytes({0xFD}));
        }
    }
}

TEST(SimSettings, WritesWithValuesOutOfRangeChangeNothing)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty", "--mode-word", "0x0041"}));
    const char* refused[] = {
        "C7D001410401001027", // fixed number of impacts 0
        "C7D001410401641027", // 100
        "C7D001410402051027",  // conversion standard 2
        "C3D0014F00",          // material code 15
        "C3D001C001",          // scale code 14
        "C3D0014108",          // probe 2
        "C1D001",              // no mode word
    };
    for (const char* frame : refused)
        EXPECT_EQ(t.Hex(frame, 1), Bytes({0xFD})) << frame;
    EXPECT_EQ(t.Hex("C1D000", 7).toHex(), QByteArray("06410000050000"));
}

TEST(SimSettings, CustomCurveRegistersReadBackWhatWasWritten)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty"}));
    // Untouched slot 0: the identity curve on the corrected Leeb scale for Leeb D.
    EXPECT_EQ(t.Hex("C2D00200", 6), Bytes({0x05, 0x00, 0x00, 0x00, 0xE8, 0x03}));
    EXPECT_EQ(t.Hex("C2D00201", 6), Bytes({0x05, 0x01}) + FloatBytes(0.0f));
    EXPECT_EQ(t.Hex("C2D00206", 4), Bytes({0x03, 0x06, 0x20, 0x00}));
    EXPECT_EQ(t.Hex("C2D00236", 4), Bytes({0x03, 0x36, 0x20, 0x04})); // slot 3: Leeb DL

    // HC1 for Leeb D on Vickers, material 1, offset 10: range 300..890, a0 290.852 + 10.
    EXPECT_EQ(t.line->Exchange(QByteArray::fromHex("C6D00300") + Le16(300) + Le16(890), 1), Bytes({0x00}));
    EXPECT_EQ(t.line->Exchange(QByteArray::fromHex("C6D00301") + FloatBytes(300.852f), 1), Bytes({0x00}));
    EXPECT_EQ(t.Hex("C4D003064100", 1), Bytes({0x00}));
    EXPECT_EQ(t.Hex("C2D00200", 6), Bytes({0x05, 0x00}) + Le16(300) + Le16(890));
    EXPECT_EQ(t.Hex("C2D00201", 6), Bytes({0x05, 0x01}) + FloatBytes(300.852f));
    EXPECT_EQ(t.Hex("C2D00206", 4), Bytes({0x03, 0x06, 0x41, 0x00}));
    EXPECT_EQ(t.sim.Command("show reg 0x01").text.toStdString(), FloatBytes(300.852f).toHex(' ').toUpper().toStdString());

    // Register 7, a short register frame and a mode word no tester knows are refused.
    EXPECT_EQ(t.Hex("C2D00207", 6, 300), Bytes({0xFD}));
    EXPECT_EQ(t.Hex("C4D003010000", 1), Bytes({0xFD}));
    EXPECT_EQ(t.Hex("C4D003061F00", 1), Bytes({0xFD}));
}

TEST(SimSettings, FirstGenerationTestersHaveOnlyTheLeebDSlots)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel1", "--empty"}));
    EXPECT_EQ(t.Hex("C2D00226", 4), Bytes({0x03, 0x26, 0x20, 0x00})); // slot 2
    EXPECT_EQ(t.Hex("C2D00231", 6, 300), Bytes({0xFD}));            // slot 3
    EXPECT_EQ(t.line->Exchange(QByteArray::fromHex("C6D00331") + FloatBytes(1.0f), 1), Bytes({0xFD}));
}

TEST(SimSettings, ImpactCounterCountsEveryImpact)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--empty", "--impact-counter", "123456"}));
    EXPECT_EQ(t.Hex("C1D036", 5), Bytes({0x04, 0x40, 0xE2, 0x01, 0x00}));
    t.Do("impact 500");
    EXPECT_EQ(t.Hex("C1D036", 5), Bytes({0x04, 0x41, 0xE2, 0x01, 0x00}));
}

// The operator's own changes on the tester: what the console sets is what the wire answers;
// values the tester cannot hold are refused and change nothing.
TEST(SimSettings, ConsoleSetChangesSettingsAndCurveRegisters)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--empty", "--mode-word", "0x0041"}));
    t.Do("set mode 0x00A1");
    t.Do("set standard 1");
    t.Do("set fixed 12");
    t.Do("set counter 0x1234");
    t.Do("set impacts 70000");
    EXPECT_EQ(t.Hex("C1D000", 7).toHex(), QByteArray("06a100010c3412"));
    EXPECT_EQ(t.Hex("C1D036", 5), Bytes({0x04, 0x70, 0x11, 0x01, 0x00}));
    t.Do("set reg 0x31 00 00 20 41");
    t.Do("set reg 0x36 64 04");
    EXPECT_EQ(t.Hex("C2D00231", 6), Bytes({0x05, 0x31}) + FloatBytes(10.0f));
    EXPECT_EQ(t.Hex("C2D00236", 4), Bytes({0x03, 0x36, 0x64, 0x04}));

    for (const char* refused : {"set fixed 0", "set fixed 100", "set standard 2", "set counter 65536", "set mode 0x1F",
                                "set probe 1", "set reg 0x07 00 00", "set reg 0x06 00 00 00 00", "set reg 0x66 00 00 00 00",
                                "set reg 0x06 1F 00", "set mode"}) {
        EXPECT_FALSE(t.sim.Command(refused).ok) << refused;
    }
    EXPECT_EQ(t.Hex("C1D000", 7).toHex(), QByteArray("06a100010c3412"));
}

} // namespace

