// scleron-cli download [--port N] -o FILE.hkp: the connect flow of the main window without
// windows. Finds a tester (or probes COM N, N = 1..30), attaches it, runs the connect jobs the way
// the window's timer repeats them, and saves a version 3 measurement file ("-o -": to standard
// output, the summary lines then going to standard error).
//
// Exit codes: 0 saved; 2 wrong arguments; 3 no tester found or its port not opened; 4 the tester
// is in its boot loader or the connection was lost (a tester that falls silent is given up within
// seconds, and nothing of a partial transfer is written); 5 the file could not be written.
#include "tools/cli/OutputTarget.h"
#include "tools/cli/PortArgument.h"
#include "tools/cli/Subcommands.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"
#include "streams/IoStream.h"
#include "tools/cli/TesterConnection.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

struct DownloadArgs {
    int port = 0; // 0: search
    QString output;
};

bool ParseArgs(const QStringList& args, DownloadArgs& parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == "--port" || a == "-o") && i + 1 >= args.size())
            return false;
        if (a == "--port") {
            parsed.port = PortArgument(args[++i]);
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

// The summary lines go to standard output, or to standard error when the file itself goes to
// standard output ("-o -").
void Print(std::FILE* to, int id, const QString& argument)
{
    std::fprintf(to, "%s\n", qPrintable(ResString(id).arg(argument)));
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
        if (exitCode == 0)
            exitCode = AttachFoundTester(store, link, [](int ms) {
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                return true;
            });
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
