#pragma once
// Translation between SSerialSettings and the terminal line state (internal to the stream layer).

#include "streams/SerialSettings.h"

#include <termios.h>

namespace StreamIO::Detail {

// The termios speed code of a bit rate; false when the system has none for it.
bool BaudToSpeed(std::uint32_t baud, speed_t& speed);
// The bit rate of a termios speed code; 0 when unknown.
std::uint32_t SpeedToBaud(speed_t speed);
// True when every field the line state carries is one this system can set (rate, 5..8 data bits,
// parity 0..4, stop bits 0..2, one and a half stop bits exactly with 5 data bits and two stop
// bits only with 6..8, as a UART frames them).
bool IsRepresentable(const SSerialSettings& settings);
// Turns line into a raw line with the record's rate, framing and flow control. The record must be
// representable.
void BuildLineState(termios& line, const SSerialSettings& settings);
// Rate, data bits, parity, stop bits and flow flags of a line state (other fields untouched).
void ReadLineState(const termios& line, SSerialSettings& settings);
// True when the driver kept the rate and framing (data bits, parity, stop bits) BuildLineState
// asked for. Flow control is not compared: a driver without it still carries the bytes.
bool FramingMatches(const termios& wanted, const termios& actual);

} // namespace StreamIO::Detail
