#include "tools/kestrel-sim/Framing.h"

namespace Sim {
namespace {

constexpr std::uint8_t kPromptRequest = 0x10;
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kLineFeed = 0x0A;

bool IsFrameStart(std::uint8_t byte) { return byte >= 0xC0 && byte <= 0xDF; }
bool IsTextCharacter(std::uint8_t byte) { return byte >= 0x20 && byte <= 0x7E; }

} // namespace

void RequestParser::StartFrame(std::uint8_t byte, std::vector<Request>& out)
{
    if (byte == kPromptRequest) {
        Request prompt;
        prompt.kind = RequestKind::Prompt;
        prompt.raw = {byte};
        out.push_back(std::move(prompt));
        pending_ = Request{};
        pending_.kind = RequestKind::Text;
        state_ = State::Text;
        return;
    }
    if (IsFrameStart(byte)) {
        pending_ = Request{};
        pending_.kind = RequestKind::Binary;
        pending_.raw = {byte};
        frameLength_ = 2 + static_cast<std::size_t>(byte - 0xC0);
        state_ = State::Frame;
        return;
    }
    Request noise;
    noise.kind = RequestKind::Noise;
    noise.raw = {byte};
    out.push_back(std::move(noise));
}

void RequestParser::Feed(std::uint8_t byte, SteadyClock::time_point now, std::vector<Request>& out)
{
    Expire(now);
    last_ = now;
    switch (state_) {
    case State::Idle:
        StartFrame(byte, out);
        return;
    case State::Frame:
        pending_.raw.push_back(byte);
        if (pending_.raw.size() == 2)
            pending_.command = byte;
        else
            pending_.data.push_back(byte);
        if (pending_.raw.size() == frameLength_) {
            out.push_back(std::move(pending_));
            pending_ = Request{};
            state_ = State::Idle;
        }
        return;
    case State::Text:
        if (byte == kCarriageReturn) {
            pending_.raw.push_back(byte);
            out.push_back(std::move(pending_));
            pending_ = Request{};
            state_ = State::Idle;
        } else if (byte == kLineFeed && pending_.raw.empty()) {
            // a stray line feed before the command: ignored
        } else if (IsTextCharacter(byte)) {
            pending_.raw.push_back(byte);
            pending_.text.push_back(static_cast<char>(byte));
            if (pending_.text.size() > kMaxText)
                Reset();
        } else {
            // Not part of a text command: the PC has moved on to a new request.
            Reset();
            StartFrame(byte, out);
        }
        return;
    }
}

void RequestParser::Expire(SteadyClock::time_point now)
{
    const auto deadline = Deadline();
    if (deadline && now >= *deadline)
        Reset();
}

std::optional<SteadyClock::time_point> RequestParser::Deadline() const
{
    switch (state_) {
    case State::Idle:
        return std::nullopt;
    case State::Frame:
        return last_ + kFramePause;
    case State::Text:
        return last_ + kTextPause;
    }
    return std::nullopt;
}

void RequestParser::Reset()
{
    state_ = State::Idle;
    pending_ = Request{};
    frameLength_ = 0;
}

} // namespace Sim
