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
// parity 0..4, stop bits 0..2).
bool IsRepresentable(const SSerialSettings& settings);
// Turns line into a raw line with the record's rate, framing and flow control. The record must be
// representable.
void BuildLineState(termios& line, const SSerialSettings& settings);
// Rate, data bits, parity, stop bits and flow flags of a line state (other fields untouched).
void ReadLineState(const termios& line, SSerialSettings& settings);
// True when the driver kept what BuildLineState asked for (rate, framing, flow control).
bool LineStateMatches(const termios& wanted, const termios& actual);

} // namespace StreamIO::Detail
