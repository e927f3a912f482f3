#include "devicelink/DeviceLink.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/DateTimeWords.h"
#include "devicelink/LinkFollowUps.h"
#include "devicelink/LinkLog.h"

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace {
constexpr std::uint8_t kMeasuring = 0xD0;
constexpr std::uint8_t kSystem = 0xF4;

std::uint8_t Lo(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t Hi(int value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }
} // namespace

CDeviceLink::CDeviceLink(CMeasurementStore& store) : store(store) {}

CDeviceLink::~CDeviceLink()
{
    stream.CloseSafe();
}

LinkResult CDeviceLink::OpenPort(int port)
{
    // Another port may well have a tester that talks: its line is not known to be dead.
    if (port != store.portNumber)
        lineSilent = false;
    store.portNumber = port;
    lastOpenProblem.clear();
    lastOpenRefused = false;
    const StreamIO::SSerialSettings settings = StreamIO::DeviceLinkSerialSettings();
    try {
        if (stream.OpenComPort(static_cast<unsigned>(port), StreamIO::modeRead | StreamIO::modeWrite, &settings)) {
            LogOpenedPort(port, stream);
            return LinkResult::Ok;
        }
        stream.CloseSafe();
        return LinkResult::NotOpen;
    } catch (const StreamIO::CFileException& e) {
        lastOpenProblem = QString::fromStdString(e.what());
        lastOpenRefused = e.IsAccessDenied() || e.GetCode() == EBUSY;
        stream.CloseSafe();
        return LinkResult::StreamFailed;
    }
}

void CDeviceLink::PrepareRequest()
{
    replyStarted = false;
    stream.AbortIo();
    // The link only ever talks in request and reply, so whatever waits in the receive buffer now
    // is a leftover (a late reply, the unread tail of a bulk transfer) that would be taken for the
    // start of the coming reply.
    stream.PurgeInput();
}

void CDeviceLink::WriteAll(const std::uint8_t* bytes, int length)
{
    stream.Write(bytes, static_cast<std::uint32_t>(length));
}

namespace {
// Tells the layer above, once the read is over, that a wait it was told of has ended (also when a
// stream exception leaves the read).
class CWaitOverNotice {
public:
    CWaitOverNotice(bool& told, ILinkFollowUps* followUps) : m_told(told), m_followUps(followUps) {}
    ~CWaitOverNotice() { Notify(); }
    CWaitOverNotice(const CWaitOverNotice&) = delete;
    CWaitOverNotice& operator=(const CWaitOverNotice&) = delete;
    void Notify()
    {
        if (!m_told)
            return;
        m_told = false;
        if (m_followUps)
            m_followUps->TesterWaitOver();
    }

private:
    bool& m_told;
    ILinkFollowUps* m_followUps;
};

// An attempt's time-out ends on the millisecond clock; the silence limit allows for that.
constexpr int kSilenceSlackMs = 50;
} // namespace

int CDeviceLink::ReadBytes(std::uint8_t* buffer, int expected, int attempts)
{
    CWaitOverNotice waitOver(waitTold, followUps);
    int received = 0;
    std::int64_t waitStartMs = StreamIO::MonotonicMs();
    // Until the reply begins, its silence is counted from the request.
    if (!replyStarted)
        lastByteMs = waitStartMs;
    for (int attempt = 0; attempt < attempts && received < expected; ++attempt) {
        std::uint8_t byte = 0;
        if (ReadOneByte(byte, waitStartMs)) {
            buffer[received++] = byte;
            replyStarted = true;
            lineSilent = false;
            lastByteMs = waitStartMs = StreamIO::MonotonicMs();
            waitOver.Notify();
            continue;
        }
        if (SilenceEndsReply()) {
            lineSilent = true;
            cutBySilence = true;
            break;
        }
    }
    return received;
}

bool CDeviceLink::ReadOneByte(std::uint8_t& byte, std::int64_t waitStartMs)
{
    std::int32_t readTimeout = 0;
    std::int32_t writeTimeout = 0;
    if (followUps && stream.GetTimeouts(readTimeout, writeTimeout) && readTimeout > 0) {
        // The same attempt, waited out in slices so that the layer above can keep its window
        // painted and say what the program is waiting for.
        const std::int64_t deadline = StreamIO::MonotonicMs() + readTimeout;
        for (;;) {
            const std::int64_t left = deadline - StreamIO::MonotonicMs();
            if (left <= 0)
                return false;
            if (stream.WaitForInput(static_cast<int>(std::min<std::int64_t>(left, kWaitSliceMs))))
                break;
            waitTold = true;
            followUps->WaitingForTester(static_cast<int>(StreamIO::MonotonicMs() - waitStartMs));
        }
    }
    return stream.Read(&byte, 1) == 1;
}

bool CDeviceLink::SilenceEndsReply() const
{
    if (lineSilent)
        return true;
    if (!replyStarted && patientReply)
        return false;
    return StreamIO::MonotonicMs() - lastByteMs >= kReplySilenceMs - kSilenceSlackMs;
}

LinkResult CDeviceLink::Exchange(const std::uint8_t* request, int length, int expected, int attempts, Reply& reply)
{
    reply = Reply{};
    if (!stream.IsOpen())
        return LinkResult::NotOpen;
    try {
        PrepareRequest();
        WriteAll(request, length);
        reply.count = ReadBytes(reply.bytes, expected, attempts);
        return reply.count > 0 ? LinkResult::Ok : LinkResult::NoReply;
    } catch (const StreamIO::CFileException&) {
        return LinkResult::StreamFailed;
    }
}

LinkResult CDeviceLink::SimpleAcknowledged(const std::uint8_t* request, int length, int attempts)
{
    Reply reply;
    return ExchangeChecked(request, length, 1, attempts, reply, [](const Reply& r) { return r.bytes[0] == 0; });
}

int CDeviceLink::FirmwareMajor() const
{
    return store.device.firmwareNumbers[0];
}

void CDeviceLink::EnsureConversionTables()
{
    // Mode words and custom curves are read against the scale catalogues and curve tables; a
    // caller without a table (the command-line tool) may not have built them yet.
    if (store.scalesD.IsEmpty() || store.scalesDL.IsEmpty())
        BuildConversionTables(store);
}

void CDeviceLink::RefreshTable()
{
    if (followUps)
        followUps->RefreshTable();
}

LinkResult CDeviceLink::CheckApplication()
{
    const std::uint8_t request[] = {0xC2, kSystem, 0x01, 0x08};
    lastApplicationCheck = ApplicationCheck::NoAnswer;
    Reply reply;
    // Only the application answers 01 01; any other complete two-byte answer comes from the boot
    // loader, whatever its bytes. Fewer bytes mean that no tester answered.
    const LinkResult result = ExchangeChecked(request, sizeof request, 2, 5, reply, [](const Reply&) { return true; });
    if (result == LinkResult::Ok)
        lastApplicationCheck = reply.bytes[0] == 0x01 && reply.bytes[1] == 0x01 ? ApplicationCheck::Application
                                                                                : ApplicationCheck::BootLoader;
    return result;
}

LinkResult CDeviceLink::PollStatus(std::uint8_t& status)
{
    const std::uint8_t request[] = {0xC1, kMeasuring, 0x20};
    Reply reply;
    // The first byte is not looked at; only the status in the second counts.
    const LinkResult result = ExchangeChecked(request, sizeof request, 2, 5, reply, [](const Reply&) { return true; });
    if (result == LinkResult::Ok)
        status = reply.bytes[1];
    return result;
}

LinkResult CDeviceLink::ReadDisplay()
{
    const std::uint8_t request[] = {0xC1, kMeasuring, 0x21};
    Reply reply;
    // A reply cut short would leave zeros in the display; it counts as malformed.
    const LinkResult result =
        ExchangeChecked(request, sizeof request, 6, 9, reply, [](const Reply& r) { return r.bytes[0] == 5; });
    if (result != LinkResult::Ok)
        return result;
    for (int i = 0; i < 4; ++i)
        store.displayCodes[i] = reply.bytes[1 + i];
    store.displayMode = reply.bytes[5];
    return result;
}

LinkResult CDeviceLink::ReadKeyLock(std::uint8_t& value)
{
    const std::uint8_t request[] = {0xC1, kMeasuring, 0x24};
    Reply reply;
    const LinkResult result = ExchangeChecked(request, sizeof request, 1, 4, reply, [](const Reply&) { return true; });
    if (result == LinkResult::Ok)
        value = reply.bytes[0];
    return result;
}

LinkResult CDeviceLink::PressKey(int key)
{
    const std::uint8_t request[] = {0xC2, kMeasuring, 0x22, Lo(key)};
    return SimpleAcknowledged(request, sizeof request);
}

LinkResult CDeviceLink::SetKeyLock(int state)
{
    const std::uint8_t request[] = {0xC2, kMeasuring, 0x23, Lo(state)};
    return SimpleAcknowledged(request, sizeof request);
}

LinkResult CDeviceLink::ChangeKeyLock(int state)
{
    const LinkResult result = SetKeyLock(state);
    if (result == LinkResult::Ok)
        store.device.keysLocked = state == 1 ? 1 : 0;
    else
        jobs |= jobReadKeyLock;
    return result;
}

LinkResult CDeviceLink::ClearMemory()
{
    const std::uint8_t request[] = {0xC1, kMeasuring, 0x12};
    // Erasing takes the tester a while: this one reply is waited for over all its attempts.
    patientReply = true;
    const LinkResult result = SimpleAcknowledged(request, sizeof request);
    patientReply = false;
    return result;
}

LinkResult CDeviceLink::SetClock()
{
    store.clockTime = static_cast<std::int64_t>(std::time(nullptr));
    const SCalendarTime now = TimeToLocalCalendar(store.clockTime);
    store.timeWord = PackTimeWord(now);
    store.dateWord = PackDateWord(now, FirmwareMajor());
    const std::uint8_t request[] = {0xC5, kMeasuring, 0x04, Lo(store.timeWord), Hi(store.timeWord),
                                    Lo(store.dateWord), Hi(store.dateWord)};
    return SimpleAcknowledged(request, sizeof request);
}
