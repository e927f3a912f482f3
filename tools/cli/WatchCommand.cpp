// scleron-cli watch [--port N] [-o FILE.csv] [--csv-dialect c|locale] [--hkp FILE.hkp] [--archive]: attaches a
// tester like "Connect device" (searching COM1..COM30, or COM N), then polls it and prints every
// new impact and every discard as it arrives. -o appends them to a CSV log (created with its
// header; an existing log is never truncated and keeps its dialect; "-o -" writes the rows on
// standard output and the impact lines on standard error); --hkp keeps a measurement file
// of everything the tester holds current, rewritten whole after each change; --archive keeps every
// series of the tester current in the archive (written on a thread of its own: a database that
// does not answer is told once, and what it missed is written when it answers again). A lost
// connection is
// told and tried again until Ctrl+C; Ctrl+C (SIGINT) or SIGTERM ends the watch with both files
// complete.
//
// Exit codes: 0 ended by Ctrl+C; 2 wrong arguments; 3 no tester found or its port not opened;
// 4 the tester is in its boot loader, the connection was lost while attaching, or another tester
// answered after a lost connection; 5 a file could not be written; 6 --archive with the archive
// switched off or its setting not valid, or series the archive had not taken when the watch ended.
#include "tools/cli/PortArgument.h"
#include "archive/ArchiveQueue.h"
#include "archive/ArchiveStrings.h"
#include "tools/cli/Subcommands.h"

#include "conversion/ConversionTables.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/LinkStrings.h"
#include "export/CsvLog.h"
#include "export/ExportStrings.h"
#include "resources/StringTable.h"
#include "streams/IoStream.h"
#include "table/TablePopulation.h"
#include "tools/cli/LiveLogger.h"
#include "tools/cli/TesterConnection.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int)
{
    stopRequested = 1;
}

void InstallStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Sleeps in short steps so that Ctrl+C is answered within a few milliseconds; false once the
// watch is to end.
bool WaitUnlessStopped(int ms)
{
    constexpr int kStepMs = 10;
    for (int waited = 0; waited < ms && !stopRequested; waited += kStepMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
    return !stopRequested;
}

struct WatchArgs {
    int port = 0; // 0: search
    QString log;
    QString hkp;
    CsvDialect dialect = CsvDialect::Locale();
    bool archive = false;
};

bool ParseArgs(const QStringList& args, WatchArgs& parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--archive") {
            parsed.archive = true;
            continue;
        }
        if (a != "--port" && a != "-o" && a != "--hkp" && a != "--csv-dialect")
            return false;
        if (i + 1 >= args.size() || args[i + 1].isEmpty())
            return false;
        const QString& value = args[++i];
        if (a == "--port") {
            parsed.port = PortArgument(value);
            if (parsed.port == 0)
                return false;
        } else if (a == "-o") {
            parsed.log = value;
        } else if (a == "--hkp") {
            parsed.hkp = value;
        } else if (!ParseCsvDialect(value, &parsed.dialect)) {
            return false;
        }
    }
    return true;
}

void Tell(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Attaches the tester found: application check and the connect jobs. 0, or the exit code.
int Attach(CMeasurementStore& store, CDeviceLink& link, int port)
{
    const int found = FindTester(store, link, port);
    if (found != 0)
        return found;
    return AttachFoundTester(store, link, WaitUnlessStopped);
}

// The archive's writer for --archive; nullptr (exit code 6 told) when there is no archive to write to.
std::unique_ptr<CArchiveQueue> OpenArchiveQueue()
{
    QString error;
    const std::optional<ArchiveLocation> location = ArchiveSettings::Current(&error);
    if (!location) {
        Tell(ResString(ArchiveStrings::BadSetting).arg(error));
        return nullptr;
    }
    if (location->kind == ArchiveLocation::Kind::Off) {
        Tell(ResString(ArchiveStrings::SwitchedOff));
        return nullptr;
    }
    return std::make_unique<CArchiveQueue>(*location, [](CArchiveQueue::Event event, const QString& detail) {
        switch (event) {
        case CArchiveQueue::Event::Unreachable:
            Tell(ResString(ArchiveStrings::Unreachable));
            break;
        case CArchiveQueue::Event::Reachable:
            Tell(ResString(ArchiveStrings::Reachable));
            break;
        case CArchiveQueue::Event::Refused:
            Tell(ResString(ArchiveStrings::NotRecorded).arg(QStringLiteral("watch"), detail));
            break;
        }
    });
}

int Watch(const WatchArgs& parsed)
{
    std::unique_ptr<CArchiveQueue> archive;
    if (parsed.archive && !(archive = OpenArchiveQueue()))
        return 6;
    CCsvLog log;
    const bool logToStandardOutput = parsed.log == QLatin1String("-");
    if (!parsed.log.isEmpty()) {
        QString reason;
        const bool opened = logToStandardOutput ? log.OpenStandardOutput(parsed.dialect, &reason)
                                                : log.Open(parsed.log, parsed.dialect, &reason);
        if (!opened) {
            Tell(ResString(ExportStrings::CannotWrite).arg(parsed.log, reason));
            return 5;
        }
    }
    CMeasurementStore store;
    BuildConversionTables(store);
    store.link = MakeLayerPtr(new CDeviceLink(store));
    CDeviceLink& link = *store.link;
    const int attached = Attach(store, link, parsed.port);
    if (attached != 0) {
        link.Close();
        return attached;
    }
    CLiveLogger::Files files;
    files.log = log.IsOpen() ? &log : nullptr;
    files.logPath = parsed.log;
    files.hkpPath = parsed.hkp;
    files.linesToStandardError = logToStandardOutput;
    files.archive = archive.get();
    // From here on Ctrl+C ends the watch cleanly; before, it simply stops the program (the log
    // holds at most its header, and no measurement file was written yet).
    InstallStopHandlers();
    CLiveLogger logger(store, link, files, WaitUnlessStopped);
    logger.Start();
    const int ended = logger.Run();
    link.Close();
    const int written = logger.Finish();
    log.Close();
    return ended != 0 ? ended : written;
}

} // namespace

int RunWatchCommand(const QStringList& args)
{
    WatchArgs parsed;
    if (!ParseArgs(args, parsed)) {
        std::fprintf(stderr, "Usage: scleron-cli watch [--port N] [-o FILE.csv] [--csv-dialect c|locale] [--hkp FILE.hkp] [--archive]\n");
        return 2;
    }
    KeepLocalTimeZoneLoaded();
    StreamIO::StartupStreamLayer();
    const int exitCode = Watch(parsed);
    StreamIO::ShutdownStreamLayer();
    return exitCode;
}
