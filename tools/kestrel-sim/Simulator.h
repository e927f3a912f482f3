#pragma once
// The simulator's event loop: the pseudo-terminal, standard input, the event timers and the
// paced transmitter, all on one thread driven by poll().

#include "tools/kestrel-sim/Device.h"
#include "tools/kestrel-sim/Faults.h"
#include "tools/kestrel-sim/Framing.h"
#include "tools/kestrel-sim/Options.h"
#include "tools/kestrel-sim/Pty.h"
#include "tools/kestrel-sim/RequestLog.h"
#include "tools/kestrel-sim/Transmitter.h"

#include <deque>
#include <random>
#include <string>

namespace Sim {

class Simulator {
public:
    Simulator(const Options& options, Device device);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Opens the pseudo-terminal, prints its path and serves until "quit", SIGINT or SIGTERM.
    // Returns the process exit code.
    int Run();

    // ---- for the console commands -----------------------------------------------------------
    Device& GetDevice() { return device_; }
    FaultList& Faults() { return faults_; }
    Transmitter& Line() { return transmitter_; }
    RequestLog& Log() { return log_; }
    const std::string& SlavePath() const { return pty_.SlavePath(); }
    bool Unplugged() const { return unplugged_; }
    bool HungUp() const { return !pty_.IsOpen(); }
    // The line goes silent: queued output is lost, requests are ignored.
    void Unplug();
    // The port disappears as a USB tester's does: the pseudo-terminal is closed.
    void Hangup();
    // The cable is pulled once `frames` more binary requests matching `target` have been answered
    // (their replies go out whole first); 0 disarms.
    void UnplugAfter(int frames, int target);
    // Answers again; after a hang-up on a fresh pseudo-terminal whose path goes into *path.
    bool Replug(std::string* path, std::string* error);
    void Quit() { quit_ = true; }

private:
    bool OpenPty(std::string* error);
    void ReadLine(std::chrono::steady_clock::time_point now);
    void ServeRequests();
    void ReadStandardInput();
    void RunTimers(std::chrono::steady_clock::time_point now);
    void RandomEvent();
    int PollTimeout(std::chrono::steady_clock::time_point now) const;
    void Trace(const char* direction, const std::vector<std::uint8_t>& bytes, const char* note = "") const;

    Options options_;
    Device device_;
    FaultList faults_;
    Transmitter transmitter_;
    RequestLog log_;
    Pty pty_;
    RequestParser parser_;
    std::deque<Request> requests_;
    bool unplugged_ = false;
    int unplugAfterFrames_ = 0; // see UnplugAfter
    int unplugAfterTarget_ = -1;
    bool unplugDue_ = false;    // the last counted reply is going out; the line dies after it
    bool quit_ = false;
    bool warnedUnconfigured_ = false;
    bool stdinOpen_ = true;
    std::string stdinBuffer_;
    std::string linkTarget_;
    std::mt19937 eventDice_;
    std::chrono::steady_clock::time_point nextImpact_{};
    std::chrono::steady_clock::time_point nextEvent_{};
};

} // namespace Sim
