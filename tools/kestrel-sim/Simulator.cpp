#include "tools/kestrel-sim/Simulator.h"

#include "tools/kestrel-sim/Console.h"
#include "tools/kestrel-sim/TextTools.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace Sim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kMaxCommandLine = 4096;
constexpr std::size_t kMaxPendingRequests = 256;

int g_signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_signalPipe[1], &byte, 1);
}

void InstallSignals()
{
    if (::pipe(g_signalPipe) == 0) {
        for (int fd : g_signalPipe) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void PrintLine(const std::string& line)
{
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

Simulator::Simulator(const Options& options, Device device)
    : options_(options),
      device_(std::move(device)),
      transmitter_(faults_),
      eventDice_(options.seed ^ 0x9E3779B9u)
{
    transmitter_.SetPaced(options.paced);
    transmitter_.SetLatency(options.latencyMs);
    device_.bootloaderMode = options.bootloaderMode;
    device_.echo = options.echo;
}

Simulator::~Simulator()
{
    if (!options_.linkPath.empty() && !linkTarget_.empty())
        RemoveLink(options_.linkPath, linkTarget_);
}

bool Simulator::OpenPty(std::string* error)
{
    if (!pty_.Open(error))
        return false;
    warnedUnconfigured_ = false;
    if (!options_.linkPath.empty()) {
        if (!linkTarget_.empty())
            RemoveLink(options_.linkPath, linkTarget_);
        if (!PointLink(options_.linkPath, pty_.SlavePath(), error)) {
            linkTarget_.clear();
            return false;
        }
        linkTarget_ = pty_.SlavePath();
    }
    return true;
}

void Simulator::Unplug()
{
    unplugged_ = true;
    unplugAfterFrames_ = 0;
    unplugDue_ = false;
    transmitter_.DropAll();
    parser_.Reset();
    requests_.clear();
}

void Simulator::UnplugAfter(int frames, int target)
{
    unplugAfterFrames_ = frames;
    unplugAfterTarget_ = target;
    unplugDue_ = false;
}

void Simulator::Hangup()
{
    Unplug();
    pty_.Close();
}

bool Simulator::Replug(std::string* path, std::string* error)
{
    if (!pty_.IsOpen()) {
        if (!OpenPty(error))
            return false;
    }
    unplugged_ = false;
    parser_.Reset();
    *path = pty_.SlavePath();
    return true;
}

void Simulator::Trace(const char* direction, const std::vector<std::uint8_t>& bytes, const char* note) const
{
    if (options_.trace)
        std::fprintf(stderr, "kestrel-sim: %s %s%s\n", direction, HexBytes(bytes).c_str(), note);
}

int Simulator::Run()
{
    InstallSignals();
    std::string error;
    if (!OpenPty(&error)) {
        std::fprintf(stderr, "kestrel-sim: %s\n", error.c_str());
        return 1;
    }
    PrintLine(pty_.SlavePath());
    const auto start = Clock::now();
    nextImpact_ = start + std::chrono::milliseconds(options_.impactEveryMs);
    nextEvent_ = start + std::chrono::milliseconds(options_.eventsEveryMs);
    ::fcntl(STDIN_FILENO, F_SETFL, ::fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);

    while (!quit_) {
        const auto now = Clock::now();
        pollfd fds[3] = {};
        fds[0] = {g_signalPipe[0], POLLIN, 0};
        fds[1] = {stdinOpen_ ? STDIN_FILENO : -1, POLLIN, 0};
        fds[2] = {pty_.IsOpen() ? pty_.Master() : -1,
                  static_cast<short>(POLLIN | (transmitter_.Due(now) ? POLLOUT : 0)), 0};
        if (::poll(fds, 3, PollTimeout(now)) < 0 && errno != EINTR) {
            std::perror("kestrel-sim: poll");
            return 1;
        }
        if (fds[0].revents & POLLIN)
            break;
        if (fds[1].revents & (POLLIN | POLLHUP | POLLERR))
            ReadStandardInput();
        const auto after = Clock::now();
        if (pty_.IsOpen() && (fds[2].revents & (POLLIN | POLLERR | POLLHUP)))
            ReadLine(after);
        parser_.Expire(after);
        ServeRequests();
        RunTimers(after);
    }
    return 0;
}

int Simulator::PollTimeout(Clock::time_point now) const
{
    std::optional<Clock::time_point> wake = parser_.Deadline();
    auto earliest = [&](std::optional<Clock::time_point> t) {
        if (t && (!wake || *t < *wake))
            wake = t;
    };
    earliest(transmitter_.NextDue(now));
    if (options_.impactEveryMs > 0)
        earliest(nextImpact_);
    if (options_.eventsEveryMs > 0)
        earliest(nextEvent_);
    if (!wake)
        return -1;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(*wake - now).count();
    return static_cast<int>(std::clamp<long long>(ms, 0, 60000));
}

void Simulator::ReadLine(Clock::time_point now)
{
    std::uint8_t buffer[4096];
    const ssize_t count = ::read(pty_.Master(), buffer, sizeof buffer);
    if (count <= 0)
        return;
    if (unplugged_)
        return; // nobody listens on a pulled cable
    if (!warnedUnconfigured_ && pty_.LineLooksUnconfigured()) {
        warnedUnconfigured_ = true;
        std::fprintf(stderr,
                     "kestrel-sim: warning: %s still has canonical input or echo on; the program on the "
                     "other side did not configure the line (raw 38400 8N1 expected)\n",
                     pty_.SlavePath().c_str());
    }
    std::vector<Request> completed;
    for (ssize_t i = 0; i < count; ++i)
        parser_.Feed(buffer[i], now, completed);
    for (Request& request : completed) {
        // Like a receiver whose buffer overflows, the tester loses requests that pile up while it
        // is still sending (a program that floods the line without reading the answers).
        if (requests_.size() >= kMaxPendingRequests) {
            Trace("<-", request.raw, " (lost: too many requests waiting)");
            continue;
        }
        requests_.push_back(std::move(request));
    }
}

// One request at a time, as a tester does: the next is taken once the previous answer is out.
void Simulator::ServeRequests()
{
    for (;;) {
        if (transmitter_.Busy() && pty_.IsOpen() && !transmitter_.Pump(pty_.Master(), Clock::now()))
            std::perror("kestrel-sim: write");
        if (unplugDue_ && !transmitter_.Busy())
            Unplug();
        if (transmitter_.Busy() || requests_.empty() || unplugged_)
            return;
        const Request request = std::move(requests_.front());
        requests_.pop_front();
        if (request.kind == RequestKind::Noise) {
            log_.Add("noise " + HexBytes(request.raw));
            Trace("<-", request.raw, " (ignored)");
            continue;
        }
        log_.Add(HexBytes(request.raw));
        Trace("<-", request.raw);
        std::optional<Reply> reply = device_.Handle(request);
        if (!reply) {
            Trace("->", {}, "(no answer)");
            continue;
        }
        const std::size_t planned = reply->bytes.size();
        if (unplugAfterFrames_ > 0 && IsBinaryTarget(reply->target) && TargetMatches(unplugAfterTarget_, reply->target)
            && --unplugAfterFrames_ == 0)
            unplugDue_ = true;
        const auto& sent = transmitter_.Send(std::move(*reply));
        Trace("->", sent, sent.size() == planned ? "" : " (fault)");
    }
}

void Simulator::ReadStandardInput()
{
    char buffer[1024];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count == 0) {
        stdinOpen_ = false; // no more commands; the tester keeps running until a signal
        return;
    }
    if (count < 0)
        return;
    stdinBuffer_.append(buffer, static_cast<std::size_t>(count));
    std::size_t end;
    while ((end = stdinBuffer_.find('\n')) != std::string::npos) {
        std::string line = stdinBuffer_.substr(0, end);
        stdinBuffer_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const CommandResult result = ExecuteCommand(*this, line);
        PrintLine(result.ok ? (result.text.empty() ? "ok" : "ok " + result.text) : "error: " + result.text);
        if (quit_)
            return;
    }
    if (stdinBuffer_.size() > kMaxCommandLine) {
        stdinBuffer_.clear();
        PrintLine("error: command line too long");
    }
}

void Simulator::RunTimers(Clock::time_point now)
{
    if (options_.impactEveryMs > 0 && now >= nextImpact_) {
        nextImpact_ = now + std::chrono::milliseconds(options_.impactEveryMs);
        const std::string why = device_.Impact(static_cast<float>(300 + eventDice_() % 550), static_cast<int>(eventDice_() % 181));
        if (!why.empty() && options_.trace)
            std::fprintf(stderr, "kestrel-sim: timed impact not stored: %s\n", why.c_str());
    }
    if (options_.eventsEveryMs > 0 && now >= nextEvent_) {
        nextEvent_ = now + std::chrono::milliseconds(options_.eventsEveryMs);
        RandomEvent();
    }
}

// Mostly impacts; now and then a discard, a key-lock change or a key press.
void Simulator::RandomEvent()
{
    const unsigned roll = eventDice_() % 10;
    std::string why;
    if (roll < 6)
        why = device_.Impact(static_cast<float>(300 + eventDice_() % 550), static_cast<int>(eventDice_() % 181));
    else if (roll == 6)
        why = device_.Discard();
    else if (roll == 7)
        why = device_.OperatorKeyLock(device_.KeyLock() == 1 ? 0 : 1);
    else
        why = device_.OperatorKey(roll == 8 ? 2 : 3);
    if (!why.empty() && options_.trace)
        std::fprintf(stderr, "kestrel-sim: timed event skipped: %s\n", why.c_str());
}

} // namespace Sim
