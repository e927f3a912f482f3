// CRs232Stream on pseudo-terminals reached through the COM-number mapping.
#include "PtyPair.h"

#include "streams/Rs232Stream.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace StreamIO;

namespace {

constexpr std::uint32_t kReadWrite = modeRead | modeWrite;

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("SCLERON_SERIAL_PORTS"))
            saved = old;
        hadVariable = std::getenv("SCLERON_SERIAL_PORTS") != nullptr;
        MapPorts(pty.path);
    }
    void TearDown() override
    {
        if (hadVariable)
            ::setenv("SCLERON_SERIAL_PORTS", saved.c_str(), 1);
        else
            ::unsetenv("SCLERON_SERIAL_PORTS");
    }
    static void MapPorts(const std::string& value) { ::setenv("SCLERON_SERIAL_PORTS", value.c_str(), 1); }

    termios LineOf(const PtyPair& pair) const
    {
        termios line {};
        EXPECT_EQ(tcgetattr(pair.slave, &line), 0);
        return line;
    }

    PtyPair pty;
    std::string saved;
    bool hadVariable = false;
};

SSerialSettings Make(std::uint32_t baud, std::uint8_t bits, std::int32_t parity, std::int32_t stop, std::uint8_t flags)
{
    SSerialSettings settings;
    settings.baud = baud;
    settings.dataBits = bits;
    settings.parity = parity;
    settings.stopBits = stop;
    settings.flags = flags;
    return settings;
}

} // namespace

TEST_F(SerialPortTest, OpenComPortMakesTheLineRawWithTheGivenSettings)
{
    // A fresh pseudo-terminal echoes and works line by line: the stream must configure it.
    ASSERT_NE(LineOf(pty).c_lflag & ICANON, 0u);
    CRs232Stream port;
    const SSerialSettings settings = DeviceLinkSerialSettings();
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite | modeCreateAlways, &settings));
    EXPECT_EQ(port.GetError(), 0u);
    EXPECT_EQ(port.GetName(), pty.path);
    EXPECT_EQ(port.GetPortNumber(), 1u);
    EXPECT_EQ(port.GetMode(), kReadWrite); // the creation field is dropped for ports

    const termios line = LineOf(pty);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line.c_iflag & (ICRNL | IXON | IXOFF | INPCK | ISTRIP), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_NE(line.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(cfgetospeed(&line), speed_t(B38400));
    EXPECT_EQ(cfgetispeed(&line), speed_t(B38400));

    std::int32_t readTimeout = 0, writeTimeout = 0;
    ASSERT_TRUE(port.GetTimeouts(readTimeout, writeTimeout));
    EXPECT_EQ(readTimeout, 1000);
    EXPECT_EQ(writeTimeout, 100);
    EXPECT_EQ(port.GetByteRate(), 3840u);

    // Every byte passes untouched both ways.
    const std::string reply("\x0D\x0A\x03\x11\x13\x00\xFF", 7);
    pty.SendFromDevice(reply);
    char buffer[7] = {};
    EXPECT_EQ(port.Read(buffer, 7), 7u);
    EXPECT_EQ(std::string(buffer, 7), reply);
    EXPECT_EQ(port.Write(reply.data(), 7), 7u);
    EXPECT_EQ(pty.ReceiveOnDevice(7, 2000), reply);
}

TEST_F(SerialPortTest, LineSettingsReadBackAsApplied)
{
    CRs232Stream port;
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite));
    // A pseudo-terminal frames every byte as 8 bits without parity; rates, stop bits and flow
    // control it keeps (parity and data bits: see SerialLineTest).
    struct Case {
        SSerialSettings applied;
        std::uint8_t flagsBack;
    } cases[] = {
        {Make(9600, 8, parityNone, stopBitsOne, 0), 0},
        {Make(19200, 8, parityNone, stopBitsTwo, flowXonXoff), flowXonXoff},
        {Make(115200, 8, parityNone, stopBitsOne, flowRtsCts), flowRtsCts},
        {Make(1200, 8, parityNone, stopBitsTwo, flowXonXoff | flowRtsCts), flowXonXoff | flowRtsCts},
        // rtsDisable holds RTS off but is never reported; CTS flow control stays on.
        {Make(38400, 8, parityNone, stopBitsOne, flowRtsCts | rtsDisable), flowRtsCts},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.applied.baud << " stop " << c.applied.stopBits << " flags "
                                        << int(c.applied.flags));
        SSerialSettings applied = c.applied;
        applied.rxQueue = 4096;
        applied.txQueue = 512;
        applied.readTimeout = 700;
        applied.writeTimeout = 30;
        ASSERT_TRUE(port.ApplySettings(applied)) << "error " << port.GetError();
        EXPECT_EQ(port.Settings(), applied);

        SSerialSettings back {};
        ASSERT_TRUE(port.GetSettings(back));
        SSerialSettings expected = applied;
        expected.flags = c.flagsBack;
        EXPECT_EQ(back, expected);
    }
    const termios line = LineOf(pty);
    EXPECT_NE(line.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(cfgetospeed(&line), speed_t(B38400));
}

TEST_F(SerialPortTest, FramingTheDriverDoesNotTakeIsReportedNotPretended)
{
    CRs232Stream port;
    const SSerialSettings good = DeviceLinkSerialSettings();
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite, &good));
    for (const SSerialSettings& asked :
         {Make(38400, 8, parityEven, stopBitsOne, 0), Make(38400, 7, parityNone, stopBitsOne, 0),
          Make(38400, 8, paritySpace, stopBitsOne, 0)}) {
        SCOPED_TRACE(testing::Message() << "bits " << int(asked.dataBits) << " parity " << asked.parity);
        EXPECT_FALSE(port.ApplySettings(asked));
        EXPECT_EQ(port.GetError(), kErrorNotSupported);
        EXPECT_TRUE(port.IsOpen());
        EXPECT_EQ(port.Settings(), good);
        SSerialSettings back {};
        ASSERT_TRUE(port.GetSettings(back));
        EXPECT_EQ(back.dataBits, 8);
        EXPECT_EQ(back.parity, parityNone);
    }
}

TEST_F(SerialPortTest, RejectedSettingsLeaveTheLineAsItWas)
{
    CRs232Stream port;
    const SSerialSettings good = DeviceLinkSerialSettings();
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite, &good));
    const termios before = LineOf(pty);

    SSerialSettings badBaud = good, badBits = good, badParity = good, badStop = good, longStop = good,
                    dtrDsr = good;
    badBaud.baud = 12345;
    badBits.dataBits = 9;
    badParity.parity = 5;
    badStop.stopBits = 3;
    longStop.stopBits = stopBitsOneAndHalf; // only with 5 data bits
    dtrDsr.flags = flowDtrDsr;
    struct Case {
        const char* what;
        SSerialSettings settings;
        std::uint32_t error;
    } cases[] = {
        {"baud", badBaud, kErrorInvalidParameter},
        {"data bits", badBits, kErrorInvalidParameter},
        {"parity", badParity, kErrorInvalidParameter},
        {"stop bits", badStop, kErrorInvalidParameter},
        {"1.5 stop bits with 8 data bits", longStop, kErrorInvalidParameter},
        {"DTR/DSR flow control", dtrDsr, kErrorNotSupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(port.ApplySettings(c.settings));
        EXPECT_EQ(port.GetError(), c.error);
        EXPECT_TRUE(port.IsOpen());
        const termios after = LineOf(pty);
        EXPECT_EQ(after.c_cflag, before.c_cflag);
        EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
        EXPECT_EQ(port.Settings(), good);
    }
}

TEST_F(SerialPortTest, OpenComPortRefusalsAndFailures)
{
    CRs232Stream port;
    SSerialSettings wrongMagic = DeviceLinkSerialSettings();
    wrongMagic.magic = 0;
    EXPECT_FALSE(port.OpenComPort(1, kReadWrite, &wrongMagic));
    EXPECT_EQ(port.GetError(), kErrorInvalidParameter);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.GetName(), "");

    for (unsigned unmapped : {0u, 2u, 300u}) {
        SCOPED_TRACE(unmapped);
        try {
            port.OpenComPort(unmapped, kReadWrite);
            ADD_FAILURE() << "opened an unmapped port";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.GetCode(), std::uint32_t(ENOENT));
            EXPECT_EQ(e.GetName(), "COM" + std::to_string(unmapped));
        }
        EXPECT_FALSE(port.IsOpen());
    }

    // A mapped device that is missing: the system's code, the stream stays closed.
    MapPorts(pty.path + ":/dev/scleron-no-such-port");
    try {
        port.OpenComPort(2, kReadWrite);
        ADD_FAILURE() << "opened a missing device";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCode(), std::uint32_t(ENOENT));
        EXPECT_EQ(e.GetName(), "/dev/scleron-no-such-port");
    }
    EXPECT_FALSE(port.IsOpen());

    ASSERT_TRUE(port.OpenComPort(1, kReadWrite));
    EXPECT_FALSE(port.OpenComPort(1, kReadWrite));
    EXPECT_EQ(port.GetError(), kErrorNotSupported);
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(SerialPortTest, LowLatencyIsAskedForOnEveryOpenOfAComPortAndAPseudoTerminalRefusesIt)
{
    CRs232Stream port;
    EXPECT_EQ(port.GetLowLatency(), LowLatency::NotAsked);
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite));
    EXPECT_EQ(port.GetLowLatency(), LowLatency::Refused);
    port.Close();
    ASSERT_TRUE(port.Open(pty.path, kReadWrite)); // opened by path: nothing asked
    EXPECT_EQ(port.GetLowLatency(), LowLatency::NotAsked);
}

TEST_F(SerialPortTest, SettingsOnSomethingThatIsNoTerminalFailWithoutRaising)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("not-a-port").toStdString();
    std::ofstream(file) << "x";
    MapPorts(file);
    CRs232Stream port;
    const SSerialSettings settings = DeviceLinkSerialSettings();
    EXPECT_FALSE(port.OpenComPort(1, kReadWrite, &settings));
    EXPECT_EQ(port.GetError(), std::uint32_t(ENOTTY));
    EXPECT_TRUE(port.IsOpen()); // left for the caller to close

    SSerialSettings back = settings;
    EXPECT_FALSE(port.GetSettings(back));
    EXPECT_EQ(port.GetError(), std::uint32_t(ENOTTY));
    EXPECT_EQ(back, (SSerialSettings {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    port.CloseSafe();
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SerialPortTest, OpeningWithoutSettingsReadsTheLineBackAndZeroTimeoutsKeepTheOldOnes)
{
    {
        termios line = LineOf(pty);
        cfmakeraw(&line);
        line.c_cflag |= CSTOPB;
        line.c_iflag |= IXON;
        cfsetospeed(&line, B2400);
        cfsetispeed(&line, B2400);
        ASSERT_EQ(tcsetattr(pty.slave, TCSANOW, &line), 0);
    }
    CRs232Stream port;
    ASSERT_TRUE(port.SetTimeouts(800, 40));
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite));
    SSerialSettings expected = Make(2400, 8, parityNone, stopBitsTwo, flowXonXoff);
    expected.rxQueue = 4096;
    expected.txQueue = 4096;
    expected.readTimeout = 800;
    expected.writeTimeout = 40;
    EXPECT_EQ(port.Settings(), expected);
    EXPECT_EQ(port.GetByteRate(), 2400u / 11 * 8 / 8);

    ASSERT_TRUE(port.SetTimeouts(1234, 56));
    SSerialSettings keep = DeviceLinkSerialSettings();
    keep.readTimeout = 0;
    keep.writeTimeout = 0;
    ASSERT_TRUE(port.ApplySettings(keep));
    std::int32_t readTimeout = 0, writeTimeout = 0;
    port.GetTimeouts(readTimeout, writeTimeout);
    EXPECT_EQ(readTimeout, 1234);
    EXPECT_EQ(writeTimeout, 56);
}

TEST_F(SerialPortTest, ByteRateFollowsTheFrameOfTheStreamsRecord)
{
    CRs232Stream port;
    EXPECT_EQ(port.GetByteRate(), 960u); // the constructor's 9600 8N1
    struct Case {
        SSerialSettings settings;
        std::uint32_t rate;
    } cases[] = {
        {Make(38400, 8, parityNone, stopBitsOne, 0), 3840},
        {Make(9600, 8, parityEven, stopBitsOne, 0), 9600 / 11 * 8 / 8},
        {Make(9600, 8, parityNone, stopBitsTwo, 0), 9600 / 11 * 8 / 8},
        {Make(9600, 7, parityOdd, stopBitsTwo, 0), 9600 / 12 * 7 / 8},
        {Make(115200, 8, parityNone, stopBitsOne, 0), 11520},
    };
    for (const Case& c : cases) {
        // The record is the stream's own once OpenComPort was given it, whether or not the
        // pseudo-terminal can frame it.
        port.OpenComPort(1, kReadWrite, &c.settings);
        EXPECT_EQ(port.GetByteRate(), c.rate) << c.settings.baud;
        port.Close();
    }
}

TEST_F(SerialPortTest, InputCountAndPurge)
{
    {
        CRs232Stream port;
        const SSerialSettings settings = DeviceLinkSerialSettings();
        ASSERT_TRUE(port.OpenComPort(1, kReadWrite, &settings));
        pty.SendFromDevice("xyz");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::uint32_t waiting = 0;
        while ((waiting = port.GetInputCount()) < 3 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(waiting, 3u);
        port.PurgeInput();
        EXPECT_EQ(port.GetInputCount(), 0u);
        ASSERT_TRUE(port.SetTimeouts(100, 100));
        EXPECT_EQ(port.ReadByte(), 0);
        EXPECT_TRUE(port.IsTimeout());
    }
    // Without read access neither touches the port: what arrived stays for a reader.
    CRs232Stream writeOnly;
    ASSERT_TRUE(writeOnly.OpenComPort(1, modeWrite, nullptr));
    pty.SendFromDevice("abc");
    EXPECT_EQ(writeOnly.GetInputCount(), 0u);
    EXPECT_NO_THROW(writeOnly.PurgeInput());
    writeOnly.Close();
    CRs232Stream reader;
    ASSERT_TRUE(reader.OpenComPort(1, modeRead, nullptr));
    ASSERT_TRUE(reader.SetTimeouts(2000, kNoTimeout));
    char buffer[3] = {};
    EXPECT_EQ(reader.Read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
}

TEST_F(SerialPortTest, ReopenFindsTheTesterOnItsNewDeviceWithTheSameSettings)
{
    CRs232Stream port;
    EXPECT_FALSE(port.Reopen()); // never opened

    SSerialSettings settings = DeviceLinkSerialSettings();
    settings.stopBits = stopBitsTwo;
    ASSERT_TRUE(port.OpenComPort(1, kReadWrite, &settings));
    EXPECT_FALSE(port.Reopen());
    EXPECT_EQ(port.GetError(), kErrorNotSupported);
    port.Close();

    // The tester reset and came back on another device node, still COM1.
    PtyPair moved;
    MapPorts(moved.path);
    ASSERT_TRUE(port.Reopen()) << port.GetError();
    EXPECT_EQ(port.GetName(), moved.path);
    EXPECT_EQ(port.GetPortNumber(), 1u);
    const termios line = LineOf(moved);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_NE(line.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(cfgetospeed(&line), speed_t(B38400));
    std::int32_t readTimeout = 0, writeTimeout = 0;
    port.GetTimeouts(readTimeout, writeTimeout);
    EXPECT_EQ(readTimeout, 1000);

    // A port opened by path reopens that path.
    port.Close();
    ASSERT_TRUE(port.Open(pty.path, kReadWrite));
    EXPECT_EQ(port.GetPortNumber(), 0u);
    port.Close();
    ASSERT_TRUE(port.Reopen());
    EXPECT_EQ(port.GetName(), pty.path);
}

namespace {

// Runs body in a child process as an ordinary user (when the tests run as root, as user
// "nobody"); returns what the body wrote to its pipe.
template <typename Body>
std::string RunAsOrdinaryUser(Body body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        const std::string result = body();
        (void)!::write(channel[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string output;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return output;
}

std::string TryOpenComOne()
{
    try {
        CRs232Stream port;
        port.OpenComPort(1, kReadWrite);
        return "opened";
    } catch (const CFileException& e) {
        return std::to_string(e.GetCode()) + "|" + e.what();
    }
}

} // namespace

TEST_F(SerialPortTest, APortThisUserMayNotOpenSaysWhyAndHowToFixIt)
{
    ASSERT_EQ(::chmod(pty.path.c_str(), 0), 0);
    const std::string result = RunAsOrdinaryUser(TryOpenComOne);
    EXPECT_EQ(result.rfind(std::to_string(EACCES) + "|", 0), 0u) << result;
    EXPECT_NE(result.find(pty.path), std::string::npos) << result;
    EXPECT_NE(result.find("usermod -aG"), std::string::npos) << result;
    EXPECT_NE(result.find("log out"), std::string::npos) << result;
}

TEST_F(SerialPortTest, APortInUseIsRefusedUntilItIsClosed)
{
    ASSERT_EQ(::chmod(pty.path.c_str(), 0666), 0);
    CRs232Stream holder;
    ASSERT_TRUE(holder.OpenComPort(1, kReadWrite));
    const std::string refused = RunAsOrdinaryUser(TryOpenComOne);
    EXPECT_EQ(refused.rfind(std::to_string(EBUSY) + "|", 0), 0u) << refused;
    EXPECT_NE(refused.find("in use"), std::string::npos) << refused;
    holder.Close();
    EXPECT_EQ(RunAsOrdinaryUser(TryOpenComOne), "opened");
}
