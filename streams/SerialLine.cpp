#include "streams/SerialLine.h"

#include <iterator>

namespace StreamIO::Detail {
namespace {

struct SpeedEntry {
    std::uint32_t baud;
    speed_t speed;
};

constexpr SpeedEntry kSpeeds[] = {
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600},
    {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000},
    {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

constexpr tcflag_t kDataBits[] = {CS5, CS6, CS7, CS8};

// The control-mode bits that carry framing and flow control.
constexpr tcflag_t kFramingBits = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;

} // namespace

bool BaudToSpeed(std::uint32_t baud, speed_t& speed)
{
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.baud == baud) {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

std::uint32_t SpeedToBaud(speed_t speed)
{
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.speed == speed)
            return entry.baud;
    }
    return 0;
}

bool IsRepresentable(const SSerialSettings& settings)
{
    speed_t speed {};
    return BaudToSpeed(settings.baud, speed) && settings.dataBits >= 5 && settings.dataBits <= 8
        && settings.parity >= parityNone && settings.parity <= paritySpace
        && settings.stopBits >= stopBitsOne && settings.stopBits <= stopBitsTwo
        // A UART sends one and a half stop bits for "two" with 5 data bits, and only then.
        && (settings.stopBits == stopBitsOneAndHalf) == (settings.stopBits != stopBitsOne && settings.dataBits == 5);
}

void BuildLineState(termios& line, const SSerialSettings& settings)
{
    // Raw bytes both ways: no line editing, no echo, no translation, no end-of-file character,
    // no signal characters, no stripping or replacing of bytes.
    cfmakeraw(&line);
    line.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNPAR | PARMRK);
    line.c_cflag &= ~kFramingBits;
    line.c_cflag |= CREAD | CLOCAL | kDataBits[settings.dataBits - 5];

    switch (settings.parity) {
    case parityEven: line.c_cflag |= PARENB; break;
    case parityOdd: line.c_cflag |= PARENB | PARODD; break;
    case parityMark: line.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case paritySpace: line.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (settings.parity != parityNone)
        line.c_iflag |= INPCK;
    // A UART sends one and a half stop bits when asked for two with 5 data bits; Linux has no
    // other way to ask for them.
    if (settings.stopBits != stopBitsOne)
        line.c_cflag |= CSTOPB;
    if (settings.flags & flowRtsCts)
        line.c_cflag |= CRTSCTS;

    for (cc_t& character : line.c_cc)
        character = 0;
    if (settings.flags & flowXonXoff) {
        line.c_iflag |= IXON | IXOFF;
        line.c_cc[VSTART] = 0x11;
        line.c_cc[VSTOP] = 0x13;
    }
    // Reads return as soon as one byte is there; the stream bounds the wait itself.
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;

    speed_t speed {};
    BaudToSpeed(settings.baud, speed);
    cfsetispeed(&line, speed);
    cfsetospeed(&line, speed);
}

void ReadLineState(const termios& line, SSerialSettings& settings)
{
    settings.baud = SpeedToBaud(cfgetospeed(&line));
    switch (line.c_cflag & CSIZE) {
    case CS5: settings.dataBits = 5; break;
    case CS6: settings.dataBits = 6; break;
    case CS7: settings.dataBits = 7; break;
    default: settings.dataBits = 8; break;
    }
    settings.parity = parityNone;
    if (line.c_cflag & PARENB) {
        const bool odd = (line.c_cflag & PARODD) != 0;
        if (line.c_cflag & CMSPAR)
            settings.parity = odd ? parityMark : paritySpace;
        else
            settings.parity = odd ? parityOdd : parityEven;
    }
    settings.stopBits = stopBitsOne;
    if (line.c_cflag & CSTOPB)
        settings.stopBits = settings.dataBits == 5 ? stopBitsOneAndHalf : stopBitsTwo;
    settings.flags = 0;
    if (line.c_iflag & (IXON | IXOFF))
        settings.flags |= flowXonXoff;
    if (line.c_cflag & CRTSCTS)
        settings.flags |= flowRtsCts;
}

bool FramingMatches(const termios& wanted, const termios& actual)
{
    // Mark/space matters only with parity on.
    const auto framing = [](const termios& line) {
        tcflag_t bits = line.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
        if (!(bits & PARENB))
            bits &= ~(PARODD | CMSPAR);
        return bits;
    };
    return framing(wanted) == framing(actual) && cfgetospeed(&wanted) == cfgetospeed(&actual)
        && cfgetispeed(&wanted) == cfgetispeed(&actual);
}

} // namespace StreamIO::Detail
