// scleron-cli: the measurement core without windows, for scripts and for checking from outside.
#include "tools/cli/Subcommands.h"

#include "ScleronVersion.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int RunPortsCommand(const QStringList& args);
int RunScanCommand(const QStringList& args);
int RunDownloadCommand(const QStringList& args);
int RunExportCommand(const QStringList& args);
int RunWatchCommand(const QStringList& args);
int RunVersionCommand(const QStringList& args);
int RunReportCommand(const QStringList& args);
int RunArchiveCommand(const QStringList& args);

namespace {

// Subcommands, in the order --help lists them.
const Subcommand kSubcommands[] = {
    {"ports", "ports                   list the COM numbers and the serial devices they stand for", RunPortsCommand},
    {"scan", "scan                    list the testers found on COM1..COM30", RunScanCommand},
    {"download", "download [--port N] -o FILE.hkp   download a tester's measurements into a file (N 1..30, \"-o -\": standard output)", RunDownloadCommand},
    {"export", "export FILE.hkp [--format text|hkp|csv|json] [--csv-dialect c|locale] [--statistics] [-o OUT]\n"
               "                          write a measurement file's table as text, CSV or JSON, or the file again (\"-o -\" or none: standard output)", RunExportCommand},
    {"watch", "watch [--port N] [-o FILE.csv] [--csv-dialect c|locale] [--hkp FILE.hkp] [--archive]\n"
              "                          print a tester's new impacts as they arrive; log them as CSV, keep a file and the archive current", RunWatchCommand},
    {"version", "version [FILE]          print the version block of this program or of another of its executables", RunVersionCommand},
    {"report", "report FILE.hkp -o REPORT.pdf   write a measurement file's inspection report as a PDF", RunReportCommand},
    {"archive", "archive import FILE.hkp...   keep measurement files' series in the archive (each file whole or not at all)\n"
                "  archive find [--serial S] [--tester TEXT] [--from DATE] [--to DATE] [--scale NAME] [--material N]\n"
                "               [--verdict ok|not-ok] [--text TEXT] [--format text|csv|json] [--csv-dialect c|locale] [-o OUT]\n"
                "                          list the archived series that match (DATE: yyyy-MM-dd[THH:mm[:ss]], local time)\n"
                "  archive export [the filters of find] -o FILE.hkp   write the matching series into a measurement file", RunArchiveCommand},
    {nullptr, nullptr, nullptr}, // keeps the array non-empty while no subcommand is built in
};

void PrintHelp()
{
    std::printf("Usage: scleron-cli [--version | --help | SUBCOMMAND ...]\n\n");
    std::printf("  --version    print the program name and version\n");
    std::printf("  --help       print this help\n");
    bool any = false;
    for (const Subcommand& s : kSubcommands) {
        if (!s.name)
            continue;
        if (!any)
            std::printf("\nSubcommands:\n");
        any = true;
        std::printf("  %s\n", s.usage);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The report lays out text: it needs fonts, so a GUI application, but never a display.
    const bool needsFonts = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (needsFonts && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = needsFonts ? std::make_unique<QGuiApplication>(argc, argv)
                                                       : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        PrintHelp();
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::printf("%s %s\n", SCLERON_PRODUCT_NAME, SCLERON_VERSION_TEXT);
        return 0;
    }
    const QString name = args.takeFirst();
    for (const Subcommand& s : kSubcommands)
        if (s.name && name == QLatin1String(s.name))
            return s.run(args);
    std::fprintf(stderr, "scleron-cli: unknown subcommand '%s' (see --help)\n", qPrintable(name));
    return 2;
}
