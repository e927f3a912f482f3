// Full-memory transfers from the tester simulator over a pseudo-terminal.
//
// Paced: the simulator sends at most 3840 bytes/s, as a 38400 baud 8N1 line does; the figure is
// the transfer time divided by the time the line itself needs for the bytes (1.00 = line speed).
// Unpaced: how many records per second the link reads and places when the line is not the limit.
#include "bench/devicelink/BenchSimulator.h"
#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/TesterModels.h"
#include "streams/IoStream.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr double kLineBytesPerSecond = 3840.0;
constexpr int kHeaderBytes = 5;
constexpr int kUnpacedRounds = 5;

struct Model {
    const char* key;
    const char* productName;
};
const Model kModels[] = {{"kestrel1", "Kestrel 1"}, {"kestrel2", "Kestrel 2"}};

// Seconds one full transfer took, or a negative value when it failed.
double TimedTransfer(CDeviceLink& link, CMeasurementStore& store)
{
    store.DeleteMeasurements(-1, -1);
    QElapsedTimer clock;
    clock.start();
    const LinkResult result = link.ReadMeasurements();
    const double seconds = clock.nsecsElapsed() / 1e9;
    return result == LinkResult::Ok ? seconds : -1.0;
}

void Run(const Model& model, bool paced)
{
    // A full memory; the simulator's pseudo-terminal is COM1.
    QStringList arguments = {"--model", model.key, "--full"};
    if (paced)
        arguments << "--paced";
    CBenchSimulator sim;
    if (!sim.Start(arguments)) {
        std::printf("%-10s %s: the simulator did not start\n", model.productName, paced ? "paced" : "unpaced");
        return;
    }
    CMeasurementStore store;
    BuildConversionTables(store);
    CDeviceLink link(store);
    if (link.OpenPort(1) != LinkResult::Ok) {
        std::printf("%-10s: cannot open the simulator's port\n", model.productName);
        return;
    }
    store.device.name = model.productName;
    store.device.firmwareNumbers[0] = 2;

    const int recordBytes = TesterModels::RecordSize(store.device.name);
    if (paced) {
        const double seconds = TimedTransfer(link, store);
        const int records = store.CountMeasurements();
        const double lineSeconds = (kHeaderBytes + records * recordBytes) / kLineBytesPerSecond;
        if (seconds < 0) {
            std::printf("%-10s paced: transfer failed\n", model.productName);
            return;
        }
        std::printf("%-10s paced at 38400 baud: %d records, %.2f s, line limit %.2f s, ratio %.3f\n",
                    model.productName, records, seconds, lineSeconds, seconds / lineSeconds);
        return;
    }
    double total = 0.0;
    int records = 0;
    for (int round = 0; round < kUnpacedRounds; ++round) {
        const double seconds = TimedTransfer(link, store);
        if (seconds < 0) {
            std::printf("%-10s unpaced: transfer failed\n", model.productName);
            return;
        }
        total += seconds;
        records += store.CountMeasurements();
    }
    std::printf("%-10s unpaced: %d records in %.3f s, %.0f records/s\n", model.productName, records, total,
                records / total);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StreamIO::StartupStreamLayer();
    for (const Model& model : kModels)
        Run(model, true);
    for (const Model& model : kModels)
        Run(model, false);
    StreamIO::ShutdownStreamLayer();
    return 0;
}
