#include "streams/Rs232Stream.h"

#include "streams/SerialLine.h"
#include "streams/SerialPorts.h"

#include <algorithm>
#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace StreamIO {
namespace {

// The record GetSettings leaves after a failure.
constexpr SSerialSettings kZeroSettings {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::string ComName(unsigned port)
{
    return "COM" + std::to_string(port);
}

// Sets or clears a modem line. A port without modem lines (a pseudo-terminal, some USB devices)
// answers ENOTTY or EINVAL: that is no failure, there is simply no line to set.
int SetModemLine(int fd, int line, bool on)
{
    if (::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line) == 0)
        return 0;
    return (errno == ENOTTY || errno == EINVAL) ? 0 : errno;
}

} // namespace

CRs232Stream::CRs232Stream() = default;

bool CRs232Stream::Open(const std::string& name, std::uint32_t mode)
{
    if (IsOpen()) {
        error_ = kErrorNotSupported;
        return false;
    }
    portNumber_ = 0;
    lowLatency_ = LowLatency::NotAsked;
    if (!CFileStream::Open(name, mode))
        return false;
    ResetQueues();
    return true;
}

bool CRs232Stream::OpenComPort(unsigned port, std::uint32_t mode, const SSerialSettings* settings)
{
    if (settings != nullptr && settings->magic != kSerialSettingsMagic) {
        error_ = kErrorInvalidParameter;
        return false;
    }
    if (IsOpen()) {
        error_ = kErrorNotSupported;
        return false;
    }
    const std::string path = SerialPortPath(port);
    if (path.empty()) {
        error_ = ENOENT;
        throw CFileException(ENOENT, ComName(port),
                             ComName(port) + " is not assigned to a serial device (see SCLERON_SERIAL_PORTS).");
    }
    if (!CFileStream::Open(path, mode & ~modeCreationMask))
        return false;
    portNumber_ = port;
    ResetQueues();
    EnableLowLatency();
    if (settings != nullptr) {
        settings_ = *settings;
        ApplySettings(settings_);
    } else {
        GetSettings(settings_);
    }
    return error_ == 0;
}

bool CRs232Stream::Reopen()
{
    if (name_.empty())
        return false;
    std::string path = name_;
    if (portNumber_ != 0) {
        // Look the number up again: a tester that re-enumerated after a reset may be on a new node.
        path = SerialPortPath(portNumber_);
        if (path.empty()) {
            error_ = ENOENT;
            throw CFileException(ENOENT, ComName(portNumber_),
                                 ComName(portNumber_) + " is not assigned to a serial device any more.");
        }
    }
    if (!CFileStream::Open(path, mode_))
        return false;
    ResetQueues();
    EnableLowLatency();
    const SSerialSettings settings = settings_;
    ApplySettings(settings);
    return error_ == 0;
}

void CRs232Stream::ResetQueues()
{
    currentRxQueue_ = kTtyBufferSize;
    currentTxQueue_ = kTtyBufferSize;
}

void CRs232Stream::EnableLowLatency()
{
    // USB serial adapters hold received bytes back for their latency timer (16 ms by default)
    // unless the port is in low-latency mode; short replies then arrive at once. The mode is read
    // back, because some drivers accept the request and keep nothing. Drivers without the
    // setting refuse it, which is no failure: the line works, only slower on an adapter.
    lowLatency_ = LowLatency::Refused;
    serial_struct info {};
    if (::ioctl(fd_, TIOCGSERIAL, &info) != 0)
        return;
    if (!(info.flags & ASYNC_LOW_LATENCY)) {
        info.flags |= ASYNC_LOW_LATENCY;
        if (::ioctl(fd_, TIOCSSERIAL, &info) != 0 || ::ioctl(fd_, TIOCGSERIAL, &info) != 0)
            return;
    }
    if (info.flags & ASYNC_LOW_LATENCY)
        lowLatency_ = LowLatency::On;
}

void CRs232Stream::PurgeInput()
{
    if (!(mode_ & modeRead))
        return;
    error_ = 0;
    if (::tcflush(fd_, TCIFLUSH) != 0)
        Fail(static_cast<std::uint32_t>(errno));
}

std::uint32_t CRs232Stream::GetInputCount()
{
    if (!(mode_ & modeRead))
        return 0;
    error_ = 0;
    int count = 0;
    if (::ioctl(fd_, TIOCINQ, &count) != 0)
        Fail(static_cast<std::uint32_t>(errno));
    return count < 0 ? 0 : static_cast<std::uint32_t>(count);
}

std::uint32_t CRs232Stream::GetByteRate()
{
    std::uint32_t frameBits = 10;
    if (settings_.parity != parityNone)
        ++frameBits;
    if (settings_.stopBits != stopBitsOne)
        ++frameBits;
    return (settings_.baud / frameBits) * settings_.dataBits / 8;
}

bool CRs232Stream::IsSeekable() const { return false; }
std::uint64_t CRs232Stream::GetLength() { return 0; }
std::uint64_t CRs232Stream::GetPosition() { return 0; }
std::uint64_t CRs232Stream::Seek(std::int64_t, int) { return 0; }
std::uint64_t CRs232Stream::SeekFromStart(std::uint64_t) { return 0; }
void CRs232Stream::Truncate() {}

bool CRs232Stream::GetSettings(SSerialSettings& record)
{
    error_ = 0;
    termios line {};
    if (fd_ < 0 || ::tcgetattr(fd_, &line) != 0) {
        record = kZeroSettings;
        error_ = fd_ < 0 ? EBADF : static_cast<std::uint32_t>(errno);
        return false;
    }
    std::int32_t readTimeout = 0;
    std::int32_t writeTimeout = 0;
    GetTimeouts(readTimeout, writeTimeout);
    record.magic = kSerialSettingsMagic;
    Detail::ReadLineState(line, record);
    record.rxQueue = currentRxQueue_;
    record.txQueue = currentTxQueue_;
    record.readTimeout = readTimeout;
    record.writeTimeout = writeTimeout;
    return true;
}

bool CRs232Stream::ApplySettings(const SSerialSettings& record)
{
    error_ = 0;
    if (!Detail::IsRepresentable(record)) {
        error_ = kErrorInvalidParameter;
        return false;
    }
    if (record.flags & flowDtrDsr) {
        // The kernel offers no DSR flow control; pretending it is on would lose data silently.
        error_ = kErrorNotSupported;
        return false;
    }
    termios line {};
    if (fd_ < 0 || ::tcgetattr(fd_, &line) != 0) {
        error_ = fd_ < 0 ? EBADF : static_cast<std::uint32_t>(errno);
        return false;
    }
    // The tty layer sizes its own buffers; the requested queues are what the port now reports.
    currentRxQueue_ = record.rxQueue;
    currentTxQueue_ = record.txQueue;

    Detail::BuildLineState(line, record);
    if (::tcsetattr(fd_, TCSANOW, &line) != 0) {
        error_ = static_cast<std::uint32_t>(errno);
        return false;
    }
    termios actual {};
    if (::tcgetattr(fd_, &actual) != 0) {
        error_ = static_cast<std::uint32_t>(errno);
        return false;
    }
    if (!Detail::FramingMatches(line, actual)) {
        // tcsetattr succeeds when any part was taken; a driver that dropped e.g. parity (a
        // pseudo-terminal has none) or mark/space must not look like a line framed as asked.
        error_ = kErrorNotSupported;
        return false;
    }
    int code = SetModemLine(fd_, TIOCM_DTR, true);
    if (code == 0)
        code = SetModemLine(fd_, TIOCM_RTS, !(record.flags & rtsDisable));
    if (code != 0) {
        error_ = static_cast<std::uint32_t>(code);
        return false;
    }
    settings_ = record;
    if (record.readTimeout != 0 || record.writeTimeout != 0) {
        if (!SetTimeouts(record.readTimeout, record.writeTimeout))
            return false;
    }
    return error_ == 0;
}

} // namespace StreamIO
