#pragma once
// Finding and attaching a tester the way the desktop program's "Connect device" does, for the
// subcommands that talk to one (download, watch).

#include <cstdint>
#include <functional>

class CMeasurementStore;
class CDeviceLink;

namespace TesterTiming {
// Intervals of the polling timer: after attaching, after a good tick, after a failed one. Two
// failed ticks in a row end the connection.
constexpr int kFirstTickMs = 200;
constexpr int kGoodTickMs = 100;
constexpr int kFailedTickMs = 1000;
constexpr int kFailedTicksToGiveUp = 2;
} // namespace TesterTiming

// Waits `ms` milliseconds; false when the wait was cut short because the command is to end.
using TickWait = std::function<bool(int ms)>;

// Searches COM1..COM30 (port 0) or probes COM `port`, leaving the port of the tester to attach open
// and the tester listed first in the store's search lists. 0 on success, else exit code 3 (told
// on standard error).
int FindTester(CMeasurementStore& store, CDeviceLink& link, int port);

// Attaches the tester the search listed first, on its open port: the application check, then the
// connect jobs run to their end. 0, or exit code 4 (boot loader, or the connection lost; told on
// standard error).
int AttachFoundTester(CMeasurementStore& store, CDeviceLink& link, const TickWait& wait);

// Assigns `jobs` to the link and runs them tick by tick as the window's timer does, opening the
// port again after a failed tick. True once none is pending; false when two ticks in a row failed
// or the wait was cut short.
bool RunJobsToEnd(CMeasurementStore& store, CDeviceLink& link, std::uint32_t jobs, const TickWait& wait);
