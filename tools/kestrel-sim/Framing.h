#pragma once
// Splits the bytes the PC sends into requests.
//
// Binary frame: 0xC0 + n, a command byte, n data bytes (n = 0..31). The byte 0x10 asks for the
// text prompt; after it the tester collects a text command of printable characters up to a
// carriage return. A byte that cannot start a frame is reported as noise and otherwise ignored. A
// frame that stops arriving part-way is abandoned after a pause, as a tester's receiver does, so
// the next request is read cleanly.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Sim {

using SteadyClock = std::chrono::steady_clock;

enum class RequestKind { Prompt, Text, Binary, Noise };

struct Request {
    RequestKind kind = RequestKind::Noise;
    std::uint8_t command = 0;       // binary: the command byte
    std::vector<std::uint8_t> data; // binary: the data bytes (the first selects the function)
    std::string text;               // text: the command without its carriage return
    std::vector<std::uint8_t> raw;  // every byte of the request as received
};

class RequestParser {
public:
    static constexpr auto kFramePause = std::chrono::milliseconds(250);
    static constexpr auto kTextPause = std::chrono::milliseconds(3000);
    static constexpr std::size_t kMaxText = 64;

    // Takes one received byte; completed requests are appended to out.
    void Feed(std::uint8_t byte, SteadyClock::time_point now, std::vector<Request>& out);
    // Abandons a frame or text command that has paused too long.
    void Expire(SteadyClock::time_point now);
    // When Expire next has something to do.
    std::optional<SteadyClock::time_point> Deadline() const;
    void Reset();

private:
    enum class State { Idle, Frame, Text };
    void StartFrame(std::uint8_t byte, std::vector<Request>& out);

    State state_ = State::Idle;
    Request pending_;
    std::size_t frameLength_ = 0; // bytes the current binary frame needs in all
    SteadyClock::time_point last_{};
};

} // namespace Sim
