#pragma once
// SSerialSettings: the line settings record of a serial port.

#include <cstdint>

namespace StreamIO {

constexpr std::uint32_t kSerialSettingsMagic = 0xA500;

// parity
constexpr std::int32_t parityNone = 0;
constexpr std::int32_t parityEven = 1;
constexpr std::int32_t parityOdd = 2;
constexpr std::int32_t parityMark = 3;
constexpr std::int32_t paritySpace = 4;

// stopBits
constexpr std::int32_t stopBitsOne = 0;
constexpr std::int32_t stopBitsOneAndHalf = 1;
constexpr std::int32_t stopBitsTwo = 2;

// flags
constexpr std::uint8_t flowXonXoff = 0x1; // software flow control both ways, XON 0x11 / XOFF 0x13
constexpr std::uint8_t flowDtrDsr = 0x2;  // DTR handshake + DSR output flow control (not on Linux)
constexpr std::uint8_t flowRtsCts = 0x4;  // RTS handshake + CTS output flow control
constexpr std::uint8_t rtsDisable = 0x8;  // RTS held off; overrides the RTS part of flowRtsCts

struct SSerialSettings {
    std::uint32_t magic = kSerialSettingsMagic;
    std::uint32_t baud = 9600;
    std::uint8_t dataBits = 8;
    std::int32_t parity = parityNone;
    std::int32_t stopBits = stopBitsOne;
    std::uint8_t flags = 0;
    std::uint16_t rxQueue = 1024;     // requested receive queue, bytes
    std::uint16_t txQueue = 256;      // requested transmit queue, bytes
    std::int32_t readTimeout = 500;   // ms, -1 none (CIoStream::SetTimeouts)
    std::int32_t writeTimeout = 10;   // ms, -1 none

    bool operator==(const SSerialSettings&) const = default;
};

// The settings the device link opens a tester's port with: 38400 baud 8N1, RTS/CTS, queues
// 4096/256, read time-out 1000 ms, write time-out 100 ms.
SSerialSettings DeviceLinkSerialSettings();

} // namespace StreamIO
