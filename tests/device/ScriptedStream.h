#pragma once
// An in-memory stream that answers like a second-generation tester whose replies a test wrote
// down: the prompt request 0x10 is answered with '>', a text command (on its CR) with the scripted
// line, a binary frame with the scripted bytes. It records what the PC wrote, the read time-out in
// force at every read and every SetTimeouts call, and can fail a read with a CFileException.

#include "streams/IoStream.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

class CScriptedStream : public StreamIO::CIoStream {
public:
    // A reply piece: a byte value, or kSilence for a read that brings nothing.
    static constexpr int kSilence = -1;
    using Reply = std::vector<int>;

    CScriptedStream();

    // The reply to the next text command (sent when its CR arrives).
    void AnswerText(const std::string& line, bool withSilence = true);
    // The reply to the next binary frame.
    void AnswerFrame(Reply reply) { frameReply = std::move(reply); }
    // The read with this 1-based number raises CFileException (0: none).
    void FailRead(int readNumber) { failingRead = readNumber; }
    // Bytes that arrive now, unasked.
    void Deliver(const Reply& bytes) { incoming.insert(incoming.end(), bytes.begin(), bytes.end()); }
    // Bytes waiting in the "driver" right now, as text (silences left out).
    std::string Pending() const;

    std::string written;
    std::vector<std::int32_t> readTimeouts;              // read time-out at each Read call
    std::vector<std::pair<int, int>> timeoutCalls;       // every SetTimeouts
    int purges = 0;
    bool open = true;
    bool answerPrompt = true; // false: the prompt request goes unanswered

    bool Reopen() override { return false; }
    void Close() override { open = false; }
    void PurgeInput() override;
    bool GetTimeouts(std::int32_t& readTimeout, std::int32_t& writeTimeout) override;
    bool SetTimeouts(std::int32_t readTimeout, std::int32_t writeTimeout) override;
    bool IsOpen() const override { return open; }
    std::uint32_t Read(void* buffer, std::uint32_t count) override;
    std::uint32_t Write(const void* buffer, std::uint32_t count) override;

private:
    void Arrived(std::uint8_t byte);

    std::deque<int> incoming;
    Reply textReply;
    Reply frameReply;
    std::string command; // text command being received
    bool inText = false;
    int frameBytesLeft = 0;
    int reads = 0;
    int failingRead = 0;
    std::int32_t readTimeout = 500;
    std::int32_t writeTimeout = 10;
};
