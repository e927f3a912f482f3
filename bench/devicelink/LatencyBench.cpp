// Connect and poll times behind a USB serial adapter's latency timer.
//
// The simulator holds each reply as an adapter does (--latency): 16 ms is the timer an adapter
// runs with when the request for low-latency mode is not honoured, 1 ms the timer it switches to
// when it is. The connect is the window's: the application check and the connect jobs (clock,
// identification, settings, custom curves, the stored measurements of three small series, display
// and key lock); a poll is one status request.
#include "bench/devicelink/BenchSimulator.h"
#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "streams/IoStream.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int kPolls = 50;
constexpr int kMaxJobRuns = 5;

struct Setting {
    int latencyMs;
    const char* label;
};
const Setting kSettings[] = {
    {16, "16 ms timer, low latency not honoured"},
    {1, "16 ms timer, low latency honoured (1 ms)"},
};

void Run(const Setting& setting)
{
    CBenchSimulator sim;
    if (!sim.Start({"--model", "kestrel2", "--series", "3", "--impacts", "5", "--paced", "--latency",
                    QString::number(setting.latencyMs)})) {
        std::printf("%-42s the simulator did not start\n", setting.label);
        return;
    }
    CMeasurementStore store;
    BuildConversionTables(store);
    CDeviceLink link(store);

    QElapsedTimer clock;
    clock.start();
    if (link.OpenPort(1) != LinkResult::Ok) {
        std::printf("%-42s cannot open the simulator's port\n", setting.label);
        return;
    }
    link.CheckApplication();
    link.jobs = CDeviceLink::jobsConnect;
    for (int run = 0; run < kMaxJobRuns && link.jobs != 0; ++run)
        link.RunJobs();
    const double connectMs = clock.nsecsElapsed() / 1e6;
    if (link.jobs != 0) {
        std::printf("%-42s the connect did not finish\n", setting.label);
        return;
    }

    clock.restart();
    for (int i = 0; i < kPolls; ++i) {
        std::uint8_t status = 0;
        if (link.PollStatus(status) != LinkResult::Ok) {
            std::printf("%-42s a poll failed\n", setting.label);
            return;
        }
    }
    const double pollMs = clock.nsecsElapsed() / 1e6 / kPolls;
    std::printf("%-42s connect %7.1f ms   poll %5.1f ms\n", setting.label, connectMs, pollMs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StreamIO::StartupStreamLayer();
    for (const Setting& setting : kSettings)
        Run(setting);
    StreamIO::ShutdownStreamLayer();
    return 0;
}
