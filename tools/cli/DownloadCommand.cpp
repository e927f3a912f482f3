// scleron-cli download [--port N] -o FILE.hkp: the connect flow of the main window without
// windows. Finds a tester (or probes COM N, N = 1..30), attaches it, runs the connect jobs the way
// the window's timer repeats them, and saves a version 3 measurement file ("-o -": to standard
// output, the summary lines then going to standard error).
//
// Exit codes: 0 saved; 2 wrong arguments; 3 no tester found or its port not opened; 4 the tester
// is in its boot loader or the connection was lost (a tester that falls silent is given up within
// seconds, and nothing of a partial transfer is written); 5 the file could not be written.
#include "tools/cli/OutputTarget.h"
#include "tools/cli/Subcommands.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"
#include "streams/IoStream.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// Intervals of the polling timer: after attaching, after a good tick, after a failed one. Two
// failed ticks in a row end the connection.
constexpr int kFirstTickMs = 200;
constexpr int kGoodTickMs = 100;
constexpr int kFailedTickMs = 1000;
constexpr int kFailedTicksToGiveUp = 2;

struct DownloadArgs {
    int port = 0; // 0: search
    QString output;
};

// COM1..COM30, written as plain decimal digits ("7", "07"); 0 for anything else.
int PortNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 2)
        return 0;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    const int port = text.toInt();
    return port >= CDeviceLink::kFirstPort && port <= CDeviceLink::kLastPort ? port : 0;
}

bool ParseArgs(const QStringList& args, DownloadArgs& parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == "--port" || a == "-o") && i + 1 >= args.size())
            return false;
        if (a == "--port") {
            parsed.port = PortNumber(args[++i]);
            if (parsed.port == 0)
                return false;
        } else if (a == "-o") {
            parsed.output = args[++i];
        } else {
            return false;
        }
    }
    return !parsed.output.isEmpty();
}

void Tell(int id, const QString& argument = {})
{
    const QString text = argument.isNull() ? ResString(id) : ResString(id).arg(argument);
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// The summary lines go to standard output, or to standard error when the file itself goes to
// standard output ("-o -").
void Print(std::FILE* to, int id, const QString& argument)
{
    std::fprintf(to, "%s\n", qPrintable(ResString(id).arg(argument)));
}

// Leaves the port of the tester to attach open; 0 on success, else the exit code.
int FindTester(CMeasurementStore& store, CDeviceLink& link, int port)
{
    if (port == 0) {
        link.ScanPorts();
        for (const QString& problem : link.PortProblems())
            std::fprintf(stderr, "%s\n", qPrintable(problem));
        if (store.foundDevices.IsEmpty()) {
            Tell(LinkStrings::NoTesterFound);
            return 3;
        }
        port = store.foundPorts[0];
        if (link.OpenPort(port) == 1)
            return 0;
    } else {
        // The same text exchange the search uses, so the tester is known exactly as after a search.
        store.ClearFoundDevices();
        if (link.OpenPort(port) == 1) {
            link.ProbeDevice(port);
            AppendLaterDevices(store);
            if (!store.foundDevices.IsEmpty())
                return 0;
            link.Close();
            Tell(LinkStrings::NoTesterOnPort, QString::number(port));
            return 3;
        }
    }
    Tell(LinkStrings::PortNotOpened, QString::number(port));
    if (!link.LastOpenProblem().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(link.LastOpenProblem()));
    return 3;
}

// Runs the connect jobs until none is pending; false when two ticks in a row failed.
bool RunConnectJobs(CMeasurementStore& store, CDeviceLink& link)
{
    link.jobs = CDeviceLink::jobsConnect;
    link.RunJobs();
    int failedTicks = 0;
    int intervalMs = kFirstTickMs;
    while (link.jobs != 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        if (link.RunJobs() > 0) {
            failedTicks = 0;
            intervalMs = kGoodTickMs;
            continue;
        }
        intervalMs = kFailedTickMs;
        link.Close();
        if (++failedTicks >= kFailedTicksToGiveUp)
            return false;
        link.OpenPort(store.portNumber);
    }
    return true;
}

} // namespace

int RunDownloadCommand(const QStringList& args)
{
    DownloadArgs parsed;
    if (!ParseArgs(args, parsed)) {
        std::fprintf(stderr, "Usage: scleron-cli download [--port N] -o FILE.hkp\n");
        return 2;
    }
    StreamIO::StartupStreamLayer();
    int exitCode = 0;
    {
        CMeasurementStore store;
        BuildConversionTables(store);
        store.link = MakeLayerPtr(new CDeviceLink(store));
        CDeviceLink& link = *store.link;

        exitCode = FindTester(store, link, parsed.port);
        if (exitCode == 0) {
            AdoptFoundDevice(store, 0);
            link.events = 0;
            // Only the boot loader's own answer means the boot loader; a check that went
            // unanswered or garbled is left to the connect jobs, which tell a dead line as a lost
            // connection.
            link.CheckApplication();
            if (link.LastApplicationCheck() == CDeviceLink::ApplicationCheck::BootLoader) {
                store.bootloaderMode = 1;
                Tell(LinkStrings::Bootloader);
                exitCode = 4;
            } else if (!RunConnectJobs(store, link)) {
                Tell(LinkStrings::ConnectionLost);
                exitCode = 4;
            }
        }
        if (exitCode == 0) {
            link.Close();
            const bool toStandardOutput = OutputTarget::IsStandardOutput(parsed.output);
            std::FILE* summary = toStandardOutput ? stderr : stdout;
            Print(summary, LinkStrings::TesterLine, store.device.name);
            Print(summary, LinkStrings::SerialLine, store.device.serialNumber);
            Print(summary, LinkStrings::FirmwareLine, store.device.firmwareVersion);
            Print(summary, LinkStrings::SeriesLine, QString::number(store.series.GetSize()));
            Print(summary, LinkStrings::MeasurementsLine, QString::number(store.CountMeasurements()));
            QString reason;
            if (OutputTarget::Write(parsed.output, MeasurementFile::Serialize(store), &reason)) {
                if (!toStandardOutput)
                    Print(summary, LinkStrings::SavedTo, parsed.output);
            } else {
                std::fprintf(stderr, "%s\n", qPrintable(ResString(Ids::SaveFailed).arg(parsed.output, reason)));
                exitCode = 5;
            }
        }
    }
    StreamIO::ShutdownStreamLayer();
    return exitCode;
}
