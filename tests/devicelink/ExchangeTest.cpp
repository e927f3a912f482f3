// Each exchange of the link against a scripted tester on a pseudo-terminal: the request bytes it
// sends and which replies it accepts.
#include "LinkFixture.h"

#include "devicelink/DateTimeWords.h"

#include <QDateTime>

#include <cmath>
#include <cstring>
#include <ctime>

namespace {

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(LinkTest, SettingsRepliesAreAcceptedOnlyInTheirThreeForms)
{
    struct Case {
        Bytes reply;
        LinkResult result;
        int standard, fixedImpacts, counter;
    } cases[] = {
        {{0x02, 0x41, 0x04}, kOk, 0, 9, 77},
        {{0x03, 0x41, 0x04, 0x01}, kOk, 1, 9, 77},
        {{0x06, 0x41, 0x04, 0x01, 0x05, 0x10, 0x27}, kOk, 1, 5, 10000},
        {{0x07, 0x41, 0x04}, kBad, 3, 9, 77},            // 3 bytes not starting with 2
        {{0x02, 0x41, 0x04, 0x01}, kBad, 3, 9, 77},      // 4 bytes starting with 2
        {{0x04, 0x41, 0x04, 0x01, 0x05}, kBad, 3, 9, 77}, // 5 bytes, whatever the first
        {{0x02, 0x41, 0x04, 0x01, 0x05}, kBad, 3, 9, 77},
        {{0xF0}, kBad, 3, 9, 77},
        {{}, kNoReply, 3, 9, 77},
    };
    const Bytes request{0xC1, 0xD0, 0x00};
    for (const Case& c : cases) {
        store.deviceScale = store.deviceMaterial = store.deviceProbe = 0;
        store.conversionStandard = 3;
        store.fixedImpacts = 9;
        store.measurementCounter = 77;
        tester.Answer(request, c.reply);
        EXPECT_EQ(link.ReadSettings(), c.result) << c.reply.size();
        EXPECT_EQ(store.conversionStandard, c.standard) << c.reply.size();
        EXPECT_EQ(store.fixedImpacts, c.fixedImpacts) << c.reply.size();
        EXPECT_EQ(store.measurementCounter, std::uint32_t(c.counter)) << c.reply.size();
        if (c.result == kOk) {
            EXPECT_EQ(store.deviceProbe, 1);
            EXPECT_EQ(store.deviceScale, 2);
            EXPECT_EQ(store.deviceMaterial, 1);
        } else {
            EXPECT_EQ(store.deviceScale, 0);
        }
    }
    for (const Bytes& r : tester.Requests())
        EXPECT_EQ(r, request);
}

TEST_F(LinkTest, ShortReadsOfFixedLengthRepliesAreRejected)
{
    store.impactCounter = 5;
    struct CounterCase {
        Bytes reply;
        LinkResult result;
        std::uint32_t counter;
    } counterCases[] = {
        {{0x04, 0x01, 0x02, 0x03, 0x04}, kOk, 0x04030201},
        {{0x03, 0x01, 0x02, 0x03, 0x04}, kBad, 0x04030201},
        {{0x04, 0x09, 0x09}, kBad, 0x04030201},
        {{}, kNoReply, 0x04030201},
    };
    for (const CounterCase& c : counterCases) {
        tester.Answer({0xC1, 0xD0, 0x36}, c.reply);
        EXPECT_EQ(link.ReadImpactCounter(), c.result) << c.reply.size();
        EXPECT_EQ(store.impactCounter, c.counter) << c.reply.size();
    }

    struct DisplayCase {
        Bytes reply;
        LinkResult result;
    } displayCases[] = {
        {{0x05, '1', '2', '3', '4', 0x07}, kOk},
        {{0x04, 'a', 'b', 'c', 'd', 0x01}, kBad},
        {{0x05, 'a', 'b'}, kBad}, // cut short: the display keeps its codes
    };
    for (const DisplayCase& c : displayCases) {
        tester.Answer({0xC1, 0xD0, 0x21}, c.reply);
        EXPECT_EQ(link.ReadDisplay(), c.result);
        EXPECT_EQ(std::memcmp(store.displayCodes, "1234", 4), 0);
        EXPECT_EQ(store.displayMode, 7);
    }
}

TEST_F(LinkTest, StatusPollApplicationCheckAndKeyLock)
{
    struct Case {
        Bytes request;
        Bytes reply;
        LinkResult result;
        int value; // status or key-lock byte; -1 untouched
        CDeviceLink::ApplicationCheck check = CDeviceLink::ApplicationCheck::NoAnswer;
    } cases[] = {
        {{0xC1, 0xD0, 0x20}, {0x01, 0x0A}, kOk, 0x0A},
        {{0xC1, 0xD0, 0x20}, {0x7F, 0x02}, kOk, 0x02}, // the first byte is not checked
        {{0xC1, 0xD0, 0x20}, {0x01}, kBad, -1},
        {{0xC1, 0xD0, 0x20}, {}, kNoReply, -1},
        // Only 01 01 is the application; any other complete pair is the boot loader.
        {{0xC2, 0xF4, 0x01, 0x08}, {0x01, 0x01}, kOk, -1, CDeviceLink::ApplicationCheck::Application},
        {{0xC2, 0xF4, 0x01, 0x08}, {0x01, 0x02}, kOk, -1, CDeviceLink::ApplicationCheck::BootLoader},
        {{0xC2, 0xF4, 0x01, 0x08}, {0x01, 0x00}, kOk, -1, CDeviceLink::ApplicationCheck::BootLoader},
        {{0xC2, 0xF4, 0x01, 0x08}, {0x5A, 0xA5}, kOk, -1, CDeviceLink::ApplicationCheck::BootLoader},
        {{0xC2, 0xF4, 0x01, 0x08}, {0x01}, kBad, -1},
        {{0xC2, 0xF4, 0x01, 0x08}, {}, kNoReply, -1},
        {{0xC1, 0xD0, 0x24}, {0x01}, kOk, 1},
        {{0xC1, 0xD0, 0x24}, {0x02}, kOk, 2},
        {{0xC1, 0xD0, 0x24}, {}, kNoReply, -1},
    };
    for (const Case& c : cases) {
        tester.ClearRequests();
        tester.Answer(c.request, c.reply);
        std::uint8_t value = 0xEE;
        LinkResult result = kOk;
        if (c.request[2] == 0x20)
            result = link.PollStatus(value);
        else if (c.request[2] == 0x24)
            result = link.ReadKeyLock(value);
        else
            result = link.CheckApplication();
        EXPECT_EQ(result, c.result) << std::hex << int(c.request[2]) << " " << c.reply.size();
        EXPECT_EQ(value, c.value < 0 ? 0xEE : c.value) << std::hex << int(c.request[2]);
        if (c.request[1] == 0xF4) {
            EXPECT_EQ(link.LastApplicationCheck(), c.check) << c.reply.size();
        }
        EXPECT_EQ(tester.Requests(), std::vector<Bytes>{c.request});
    }
}

TEST_F(LinkTest, AcknowledgedCommandsNeedAZeroByte)
{
    struct Command {
        Bytes request;
        LinkResult (*run)(CDeviceLink&);
    } commands[] = {
        {{0xC2, 0xD0, 0x22, 0x03}, [](CDeviceLink& l) { return l.PressKey(CDeviceLink::keyDown); }},
        {{0xC2, 0xD0, 0x23, 0x01}, [](CDeviceLink& l) { return l.SetKeyLock(1); }},
        {{0xC2, 0xD0, 0x23, 0x00}, [](CDeviceLink& l) { return l.SetKeyLock(0); }},
        {{0xC1, 0xD0, 0x12}, [](CDeviceLink& l) { return l.ClearMemory(); }},
    };
    for (const Command& c : commands) {
        // Accepted, refused, and silent (a missing acknowledge is no acknowledge).
        for (auto [reply, want] : {std::pair{Bytes{0x00}, kOk}, {Bytes{0x01}, kBad}, {Bytes{}, kNoReply}}) {
            tester.ClearRequests();
            tester.Answer(c.request, reply);
            EXPECT_EQ(c.run(link), want) << std::hex << int(c.request[2]) << " " << reply.size();
            EXPECT_EQ(tester.Requests(), std::vector<Bytes>{c.request});
        }
    }
}

TEST_F(LinkTest, SettingsFrameFollowsTheFirmware)
{
    store.deviceScale = 2;
    store.deviceMaterial = 10;
    store.deviceProbe = 0;
    store.conversionStandard = 1;
    store.fixedImpacts = 5;
    store.measurementCounter = 10000;
    store.reservedSetting = 4;
    struct Case {
        std::uint8_t major, minor;
        Bytes frame;
    } cases[] = {
        {1, 9, {0xC3, 0xD0, 0x01, 0x47, 0x00}},
        {2, 0, {0xC4, 0xD0, 0x01, 0x47, 0x00, 0x01}},
        {2, 1, {0xC7, 0xD0, 0x01, 0x47, 0x00, 0x01, 0x05, 0x10, 0x27}},
        {3, 0, {0xC7, 0xD0, 0x01, 0x47, 0x00, 0x01, 0x05, 0x10, 0x27}},
    };
    for (const Case& c : cases) {
        SetDevice("Kestrel 2", c.major, c.minor);
        tester.ClearRequests();
        tester.Answer(c.frame, {0x00});
        EXPECT_EQ(link.WriteSettings(), kOk) << int(c.major) << "." << int(c.minor);
        EXPECT_EQ(tester.Requests(), std::vector<Bytes>{c.frame});
    }
    EXPECT_EQ(store.reservedSetting, 0);
}

TEST_F(LinkTest, ClockIsSentAsLocalTimeWords)
{
    for (std::uint8_t major : {1, 2}) {
        SetDevice("Kestrel 1", major, 0);
        tester.ClearRequests();
        const std::int64_t before = std::time(nullptr);
        link.SetClock();
        ASSERT_EQ(tester.Requests().size(), 1u);
        const Bytes r = tester.Requests()[0];
        ASSERT_EQ(r.size(), 7u);
        EXPECT_EQ((Bytes{r[0], r[1], r[2]}), (Bytes{0xC5, 0xD0, 0x04}));
        const std::uint16_t timeWord = r[3] | (r[4] << 8);
        const std::uint16_t dateWord = r[5] | (r[6] << 8);
        // Decoded independently: the words must name the local time of the moment sent.
        const int yearBits = major < 2 ? dateWord >> 11 : dateWord >> 9;
        const QDateTime sent(QDate(2000 + yearBits, (dateWord >> 5) & 15, dateWord & 31),
                             QTime(timeWord >> 11, (timeWord >> 5) & 63, 2 * (timeWord & 31)), Qt::LocalTime);
        EXPECT_LE(std::abs(sent.toSecsSinceEpoch() - before), 3) << int(major);
        EXPECT_LE(std::abs(store.clockTime - before), 2);
    }
}

TEST_F(LinkTest, IdentifyFillsTheCurrentDevice)
{
    struct Case {
        std::string reply;
        LinkResult result;
        const char *name, *hardware, *serial, *firmware, *bootloader;
        std::uint8_t fw[3], boot[3];
    } cases[] = {
        {"Kestr2 ;B;123;ABCD;2.1.0;1.0.3\r", kOk, "Kestrel 2", "B", "123", "2.1.0", "1.0.3", {2, 1, 0}, {1, 0, 3}},
        {"KESTREL;;77;S;1.4.2;0.9.1\r", kOk, "Kestrel 1", "-", "77", "1.4.2", "0.9.1", {1, 4, 2}, {0, 9, 1}},
        // Five fields: the carriage return stays on the firmware text, the boot loader is empty.
        {"TAMARIN;C;5;S;3.0.1\r", kOk, "Tamarin 1", "C", "5", "3.0.1\r", "", {3, 0, 1}, {9, 9, 9}},
        // Two numbers leave the firmware numbers of the previous tester.
        {"Kestr2 ;B;9;S;2.1;1.0.3\r", kOk, "Kestrel 2", "B", "9", "2.1", "1.0.3", {9, 9, 9}, {1, 0, 3}},
        // Cut after the serial number: the fields so far stay, the type code is not replaced.
        {"Kestr2 ;B;321\r", kBad, "Kestr2 ", "B", "321\r", "old", "old", {9, 9, 9}, {9, 9, 9}},
    };
    for (const Case& c : cases) {
        DEVICE& d = store.device;
        d.firmwareVersion = d.bootloaderVersion = "old";
        for (int i = 0; i < 3; ++i)
            d.firmwareNumbers[i] = d.bootloaderNumbers[i] = 9;
        tester.AnswerText("@ID@", c.reply);
        EXPECT_EQ(link.Identify(), c.result) << c.reply;
        EXPECT_EQ(d.name, c.name) << c.reply;
        EXPECT_EQ(d.hardwareRevision, c.hardware) << c.reply;
        EXPECT_EQ(d.serialNumber, c.serial) << c.reply;
        EXPECT_EQ(d.firmwareVersion, c.firmware) << c.reply;
        EXPECT_EQ(d.bootloaderVersion, c.bootloader) << c.reply;
        EXPECT_EQ(Bytes(d.firmwareNumbers, d.firmwareNumbers + 3), Bytes(c.fw, c.fw + 3)) << c.reply;
        EXPECT_EQ(Bytes(d.bootloaderNumbers, d.bootloaderNumbers + 3), Bytes(c.boot, c.boot + 3)) << c.reply;
    }
}

TEST_F(LinkTest, TextExchangeNeedsThePrompt)
{
    tester.Answer({0x10}, {'?'});
    EXPECT_EQ(link.Identify(), kBad);
    EXPECT_EQ(tester.Requests(), std::vector<Bytes>{{0x10}}); // the command is never sent
    EXPECT_EQ(link.ProbeDevice(1), kBad);
    EXPECT_TRUE(store.foundDevices.IsEmpty());
}

TEST_F(LinkTest, ProbeAddsOnlyKestrelTesters)
{
    struct Case {
        std::string reply;
        LinkResult result;
        const char *name, *firmware, *serial;
    } cases[] = {
        {"KESTREL;1.2;0001\r", kOk, "Kestrel 1", "1.2", "0001"},
        {"Kestr2 ;2.1.0;RM7311\r", kOk, "Kestrel 2", "2.1.0", "RM7311"},
        {"KESTREL;1.2\r", kOk, "Kestrel 1", "1.2\r", ""},
        {"TAMARIN;1.2;0001\r", kBad, nullptr, nullptr, nullptr},
        {"Tamar2 ;1.2;0001\r", kBad, nullptr, nullptr, nullptr},
        {"KESTREL\r", kBad, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        store.ClearFoundDevices();
        tester.AnswerText("ID", c.reply);
        EXPECT_EQ(link.ProbeDevice(4), c.result) << c.reply;
        const bool later = c.serial && QString(c.serial).startsWith("RM73");
        const CArray<DEVICE*>& list = later ? store.laterDevices : store.foundDevices;
        const CArray<int>& ports = later ? store.laterPorts : store.foundPorts;
        EXPECT_EQ(store.foundDevices.GetSize() + store.laterDevices.GetSize(), c.result == kOk ? 1 : 0) << c.reply;
        if (c.result != kOk)
            continue;
        ASSERT_EQ(list.GetSize(), 1);
        EXPECT_EQ(list[0]->name, c.name);
        EXPECT_EQ(list[0]->firmwareVersion, c.firmware);
        EXPECT_EQ(list[0]->serialNumber, c.serial);
        EXPECT_EQ(ports[0], 4);
    }
}

// A register frame: C6 D0 03 address + 4 bytes, or C4 D0 03 address + 2 bytes.
Bytes RegisterFrame(int address, const Bytes& payload)
{
    Bytes frame = {std::uint8_t(0xC2 + payload.size()), 0xD0, 0x03, std::uint8_t(address)};
    frame.insert(frame.end(), payload.begin(), payload.end());
    return frame;
}

Bytes FloatLe(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    return {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16), std::uint8_t(bits >> 24)};
}

TEST_F(LinkTest, CustomCurvesAreSentAsTheirBaseCurveShiftedByTheOffset)
{
    tester.AnswerPrefix({0xC6, 0xD0, 0x03}, {0x00});
    tester.AnswerPrefix({0xC4, 0xD0, 0x03}, {0x00});
    store.customD[14] = CPARA{0, 2, 1, 10.0f}; // HC1: Vickers, steel, +10
    store.customD[15] = CPARA{0, 9, 14, 2.5f}; // HC2 on a scale without a curve table
    const Bytes identityRange = {0x00, 0x00, 0xE8, 0x03};
    // The Leeb D Vickers curve of steel: 300..890, a0..a4 as tabulated.
    const std::vector<Bytes> slot0 = {
        RegisterFrame(0x00, {0x2C, 0x01, 0x7A, 0x03}), RegisterFrame(0x01, FloatLe(290.852f + 10.0f)),
        RegisterFrame(0x02, FloatLe(-2.41133f)),        RegisterFrame(0x03, FloatLe(0.00823997f)),
        RegisterFrame(0x04, FloatLe(-1.00563e-05f)),    RegisterFrame(0x05, FloatLe(5.37546e-09f)),
        RegisterFrame(0x06, {0x41, 0x00}),
    };
    const std::vector<Bytes> slot1 = {
        RegisterFrame(0x10, identityRange), RegisterFrame(0x11, FloatLe(2.5f)), RegisterFrame(0x12, FloatLe(1.0f)),
        RegisterFrame(0x13, FloatLe(0.0f)), RegisterFrame(0x14, FloatLe(0.0f)), RegisterFrame(0x15, FloatLe(0.0f)),
        RegisterFrame(0x16, {0x60, 0x01}),
    };
    // HC3 untouched: corrected Leeb with probe 1.
    const std::vector<Bytes> slot2 = {
        RegisterFrame(0x20, identityRange), RegisterFrame(0x21, FloatLe(0.0f)), RegisterFrame(0x22, FloatLe(1.0f)),
        RegisterFrame(0x23, FloatLe(0.0f)), RegisterFrame(0x24, FloatLe(0.0f)), RegisterFrame(0x25, FloatLe(0.0f)),
        RegisterFrame(0x26, {0x20, 0x04}),
    };
    std::vector<Bytes> want = slot0;
    want.insert(want.end(), slot1.begin(), slot1.end());
    want.insert(want.end(), slot2.begin(), slot2.end());

    SetDevice("Kestrel 1", 2, 1);
    EXPECT_EQ(link.WriteCustomCurves(), kOk);
    EXPECT_EQ(tester.Requests(), want);

    // A "Kestrel 2" also has the Leeb DL slots 3..5, from the Leeb DL table of its curves.
    store.customDL[14] = CPARA{1, 2, 1, 0.0f};
    SetDevice("Kestrel 2", 2, 1);
    tester.ClearRequests();
    EXPECT_EQ(link.WriteCustomCurves(), kOk);
    const std::vector<Bytes> requests = tester.Requests();
    ASSERT_EQ(requests.size(), 42u);
    EXPECT_EQ(std::vector<Bytes>(requests.begin(), requests.begin() + 21), want);
    EXPECT_EQ(requests[21], RegisterFrame(0x30, {0x30, 0x02, 0xB6, 0x03})); // Leeb DL Vickers: 560..950
    EXPECT_EQ(requests[22], RegisterFrame(0x31, FloatLe(7733.11f)));
    EXPECT_EQ(requests[27], RegisterFrame(0x36, {0x41, 0x04}));
}

TEST_F(LinkTest, ACurveSlotThatAnswersWronglyFallsBackAndEndsTheRead)
{
    SetDevice("Kestrel 1", 2, 1);
    tester.Answer({0xC2, 0xD0, 0x02, 0x01}, Bytes{0x05, 0x00} + FloatLe(290.852f + 10.0f));
    tester.Answer({0xC2, 0xD0, 0x02, 0x06}, {0x03, 0x00, 0x41, 0x00});
    tester.Answer({0xC2, 0xD0, 0x02, 0x11}, Bytes{0x05, 0x00} + FloatLe(1.0f));
    tester.Answer({0xC2, 0xD0, 0x02, 0x16}, {0x02, 0x00, 0x41}); // wrong count
    const CPARA before{0, 3, 1, 7.0f};
    store.customD[15] = before;
    store.customD[16] = before;
    EXPECT_EQ(link.ReadCustomCurves(), kBad);
    EXPECT_EQ(store.customD[14].scale, 2);
    EXPECT_EQ(store.customD[14].material, 1);
    EXPECT_NEAR(store.customD[14].offset, 10.0f, 1e-4);
    EXPECT_EQ(store.customD[15], (CPARA{1, 1, 0, 0.0f}));
    EXPECT_EQ(store.customD[16], before);
    EXPECT_EQ(tester.Requests().size(), 4u); // slot 2 is not asked
}

TEST_F(LinkTest, CurveRegistersWithoutANumberReadAsAnUnshiftedCurve)
{
    SetDevice("Kestrel 1", 2, 1);
    // Slot 0 never written (erased memory), slot 1 an infinite a0, slot 2 a plain curve.
    tester.Answer({0xC2, 0xD0, 0x02, 0x01}, {0x05, 0x01, 0xFF, 0xFF, 0xFF, 0xFF});
    tester.Answer({0xC2, 0xD0, 0x02, 0x06}, {0x03, 0x06, 0xFF, 0xFF});
    tester.Answer({0xC2, 0xD0, 0x02, 0x11}, Bytes{0x05, 0x11} + FloatLe(INFINITY));
    tester.Answer({0xC2, 0xD0, 0x02, 0x16}, {0x03, 0x16, 0x41, 0x00});
    tester.Answer({0xC2, 0xD0, 0x02, 0x21}, Bytes{0x05, 0x21} + FloatLe(4.0f));
    tester.Answer({0xC2, 0xD0, 0x02, 0x26}, {0x03, 0x26, 0x20, 0x00});
    EXPECT_EQ(link.ReadCustomCurves(), kOk);
    EXPECT_EQ(store.customD[14], (CPARA{0, 0, 0, 0.0f}));
    EXPECT_EQ(store.customD[15], (CPARA{0, 2, 1, 0.0f}));
    EXPECT_EQ(store.customD[16], (CPARA{0, 1, 0, 4.0f}));
}

TEST_F(LinkTest, ClosedPortSendsNothing)
{
    link.Close();
    std::uint8_t value = 0;
    EXPECT_EQ(link.ReadSettings(), kNotOpen);
    EXPECT_EQ(link.PollStatus(value), kNotOpen);
    EXPECT_EQ(link.ReadImpactCounter(), kNotOpen);
    EXPECT_EQ(link.ReadMeasurements(), kNotOpen);
    EXPECT_EQ(link.Identify(), kNotOpen);
    // Curves are neither reported as sent nor given up when nothing went over the line.
    EXPECT_EQ(link.WriteCustomCurves(), kNotOpen);
    store.customD[14] = CPARA{0, 2, 1, 3.0f};
    EXPECT_EQ(link.ReadCustomCurves(), kNotOpen);
    EXPECT_EQ(store.customD[14], (CPARA{0, 2, 1, 3.0f}));
    link.jobs = CDeviceLink::jobReadMeasurements | CDeviceLink::jobWriteCustomCurves;
    EXPECT_EQ(link.RunJobs(), 0);
    EXPECT_TRUE(tester.Requests().empty());
}

} // namespace
