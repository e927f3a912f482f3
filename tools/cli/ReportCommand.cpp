// scleron-cli report FILE.hkp -o REPORT.pdf: opens a measurement file the way the program's Open
// does, builds the table the way the window's refresh does, and writes the inspection report with
// the tolerance limits kept in the user's settings, the same report the desktop program's
// "Report…" writes ("-o -": standard output).
//
// Exit codes: 0 written; 1 the file could not be read, has an unknown version, or the report could
// not be written; 2 wrong arguments.
#include "tools/cli/Subcommands.h"

#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "quality/LimitsSettings.h"
#include "report/InspectionReport.h"
#include "table/TablePopulation.h"
#include "table/TableSheet.h"
#include "tools/cli/OutputTarget.h"

#include <QDateTime>

#include <cstdio>

namespace {

bool ParseArgs(const QStringList& args, QString& input, QString& output)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty() || !output.isEmpty())
                return false;
            output = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) || !input.isEmpty()) {
            return false;
        } else {
            input = a;
        }
    }
    return !input.isEmpty() && !output.isEmpty();
}

int Fail(const QString& text)
{
    std::fprintf(stderr, "scleron-cli report: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int RunReportCommand(const QStringList& args)
{
    QString input;
    QString output;
    if (!ParseArgs(args, input, output)) {
        std::fprintf(stderr, "Usage: scleron-cli report FILE.hkp -o REPORT.pdf\n");
        return 2;
    }
    KeepLocalTimeZoneLoaded();

    CMeasurementStore store;
    switch (MeasurementFile::Load(store, input)) {
    case MeasurementFile::ReadResult::Read:
        break;
    case MeasurementFile::ReadResult::Unreadable:
        return Fail(QStringLiteral("cannot read %1").arg(input));
    case MeasurementFile::ReadResult::UnknownVersion:
        return Fail(QStringLiteral("%1 is not a measurement file of version 1, 2 or 3").arg(input));
    case MeasurementFile::ReadResult::TooLarge:
        return Fail(QStringLiteral("%1 is too large to be a measurement file").arg(input));
    }
    // The table's fill normalises the series as the window shows them.
    CTableSheet sheet;
    RefreshTable(store, sheet);

    QString reason;
    const QByteArray pdf =
        RenderInspectionReport(store, LimitsSettings::Load(), QDateTime::currentDateTime(), nullptr, &reason);
    if (pdf.isEmpty())
        return Fail(reason);
    if (!OutputTarget::Write(output, pdf, &reason))
        return Fail(QStringLiteral("cannot write %1: %2").arg(output, reason));
    return 0;
}
