#pragma once
// CHxCommands: the command channel of second-generation testers over a borrowed stream.
//
// Two kinds of exchange:
// - text commands: 0x10 asks for the command prompt, the tester answers one prompt byte (its value
//   does not matter), then the command text and a CR go out and the tester answers one text line.
//   In echo mode the line repeats the command, a space and the answer, and ends in LF; otherwise it
//   is the answer alone, ending in CR (or CR LF). An answer containing '?' is the tester's error.
// - short binary commands: 0xC0 + n, the command code, n data bytes (n 0..30). The tester answers a
//   count byte c: 0..239 data bytes follow, 240..255 is an error answer with nothing behind it.
//
// The channel never owns or closes its stream, and no stream exception leaves it: every exchange
// answers with a LinkResult (NotOpen without a stream, NoReply when the tester stayed silent,
// BadReply for an answer cut short, refused or not the one asked for, StreamFailed when the port
// itself failed). It is used from one thread at a time, and nothing else may
// use the stream while an exchange runs.

#include "streams/LinkResult.h"

#include <cstdint>
#include <string>

namespace StreamIO {
class CIoStream;
}

namespace Device {

class CHxCommands {
public:
    // Size of the reply kept from the last text command, terminator included.
    static constexpr int kReplySize = 1024;
    // The line buffer of a text exchange: at most kLineBufferSize - 1 = 1022 bytes of a reply line
    // are read, the rest is cut off.
    static constexpr int kLineBufferSize = 1023;
    static constexpr std::uint8_t kPromptRequest = 0x10;
    static constexpr std::uint8_t kEndOfCommand = 0x0D;
    static constexpr std::uint8_t kShortFrameBase = 0xC0;
    static constexpr int kMaxDataBytes = 30;
    static constexpr int kMaxReplyBytes = 239;
    // Count bytes from here up are error answers.
    static constexpr int kFirstErrorCount = 240;
    // Once the first data byte of a binary reply arrived, each further byte may take this long.
    static constexpr std::int32_t kByteTimeoutMs = 50;
    static constexpr std::int32_t kIdentityTimeoutMs = 2000;
    static constexpr std::int32_t kDeviceIdTimeoutMs = 2000;
    static constexpr std::uint8_t kDeviceIdCommand = 0xF1;
    static constexpr std::uint32_t kNoDeviceId = 0xFFFFFFFF;

    // Binds the stream (not owned); reply lines end at LF only until SetLineMode says otherwise.
    // No I/O.
    explicit CHxCommands(StreamIO::CIoStream* stream);
    virtual ~CHxCommands();

    CHxCommands(const CHxCommands&) = delete;
    CHxCommands& operator=(const CHxCommands&) = delete;

    // crlf 1: reply lines end only at LF; 0: at CR or LF. Without probe only the mode is set
    // (true). Asking the tester which mode it uses is not offered: probe true returns false and
    // changes nothing.
    bool SetLineMode(std::uint8_t crlf, bool probe);
    std::uint8_t LineMode() const { return crlfMode; }

    // One text exchange; on Ok the answer is in Reply(). No prompt byte: NoReply, and the command
    // is not sent; no complete line, no answer in it, or an answer holding '?' (the tester's error):
    // BadReply. The time-outs it sets (timeoutMs, timeoutMs) stay in force afterwards.
    LinkResult SendText(const std::string& command, std::int32_t timeoutMs);
    // Reads one reply line into buffer (NUL-terminated): it ends after an LF, in CR-or-LF mode also
    // after a CR, or when only the terminator's place is left. A line whose last byte is a CR is
    // complete when the tester falls silent. Returns the bytes stored (line ends included); 0 for
    // no buffer, size < 2, silence before a complete line, or a stream failure.
    int ReadLine(char* buffer, int size);
    // "@ID@" with 2000 ms; the answer as wide text (each byte one character, codes 0..255).
    LinkResult QueryIdentity(std::wstring& text);

    // One binary exchange. Ok when all expected data bytes were read into reply (at once, without
    // reading, when expected is 0). BadRequest, with nothing sent: n above 30, expected above 239
    // (both taken as unsigned, so negative values count as too big), timeoutMs below 0. NoReply: no
    // count byte. BadReply: an error count (240..255), a count other than expected, or a tester that
    // fell silent in the middle of the data. StreamFailed: a short write or a failing port.
    // received (when given) is the number of data bytes read, also when the reply stopped short.
    // The count byte and the first data byte may each take timeoutMs; later data bytes 50 ms each
    // (when timeoutMs is above 50), after which the time-outs are (timeoutMs, timeoutMs) again.
    LinkResult SendCommand(std::uint8_t code, const std::uint8_t* data, int n, std::uint8_t* reply, int expected,
                           std::int32_t timeoutMs, int* received = nullptr);
    // Command 0xF1: the tester's 32-bit id (4 bytes, little-endian); 0xFFFFFFFF for any other
    // answer.
    std::uint32_t GetDeviceId();

    // The answer of the last text command (empty after a failure before the answer).
    const char* Reply() const { return reply; }

private:
    LinkResult Exchange(const std::string& command, std::int32_t timeoutMs);
    LinkResult ExchangeCommand(std::uint8_t code, const std::uint8_t* data, int n, std::uint8_t* replyBytes,
                               int expected, std::int32_t timeoutMs, bool& lowered, int& received);
    int GatherLine(char* buffer, int size);
    bool ReadOneByte(std::uint8_t& byte);

    StreamIO::CIoStream* stream;
    char reply[kReplySize];
    std::uint8_t crlfMode;
};

// The answer part of a text reply line: after the first space when the line holds an LF (echo
// mode; no space or nothing after it: no answer), else the whole line; cut at the first CR or LF.
// False when the line has no answer.
bool ExtractTextAnswer(const std::string& line, std::string& answer);

} // namespace Device
