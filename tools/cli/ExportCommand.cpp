// scleron-cli export FILE.hkp [--format text|hkp] [-o OUT]: opens a measurement file the way the
// program's Open does, builds the table the way the window's refresh does (expanded states from
// the file), and writes the table's text export (text, the default) or the store as a version 3
// measurement file (hkp), to OUT or to standard output (no -o, or "-o -").
//
// Exit codes: 0 written; 1 the file could not be read, has an unknown version, is too large, or
// the output could not be written (a directory, no permission, a full disk); 2 wrong arguments.
#include "tools/cli/OutputTarget.h"
#include "tools/cli/Subcommands.h"

#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "table/TableExport.h"
#include "table/TablePopulation.h"
#include "table/TableSheet.h"

#include <QBuffer>

#include <cstdio>

namespace {

struct ExportArgs {
    QString input;
    QString output = QString::fromLatin1(OutputTarget::kStandardOutput);
    bool hkp = false;
};

bool ParseArgs(const QStringList& args, ExportArgs& parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--format") || a == QLatin1String("-o")) {
            if (i + 1 >= args.size())
                return false;
            const QString& value = args[++i];
            if (a == QLatin1String("-o")) {
                if (value.isEmpty())
                    return false;
                parsed.output = value;
            } else if (value == QLatin1String("hkp")) {
                parsed.hkp = true;
            } else if (value == QLatin1String("text")) {
                parsed.hkp = false;
            } else {
                return false;
            }
        } else if (a.startsWith(QLatin1Char('-')) || !parsed.input.isEmpty()) {
            return false;
        } else {
            parsed.input = a;
        }
    }
    return !parsed.input.isEmpty();
}

int Fail(const QString& text)
{
    std::fprintf(stderr, "scleron-cli export: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int RunExportCommand(const QStringList& args)
{
    ExportArgs parsed;
    if (!ParseArgs(args, parsed)) {
        std::fprintf(stderr, "Usage: scleron-cli export FILE.hkp [--format text|hkp] [-o OUT]\n");
        return 2;
    }

    KeepLocalTimeZoneLoaded();

    CMeasurementStore store;
    switch (MeasurementFile::Load(store, parsed.input)) {
    case MeasurementFile::ReadResult::Read:
        break;
    case MeasurementFile::ReadResult::Unreadable:
        return Fail(QStringLiteral("cannot read %1").arg(parsed.input));
    case MeasurementFile::ReadResult::UnknownVersion:
        return Fail(QStringLiteral("%1 is not a measurement file of version 1, 2 or 3").arg(parsed.input));
    case MeasurementFile::ReadResult::TooLarge:
        return Fail(QStringLiteral("%1 is too large to be a measurement file").arg(parsed.input));
    }

    CTableSheet sheet;
    RefreshTable(store, sheet);

    QByteArray bytes;
    if (parsed.hkp) {
        bytes = MeasurementFile::Serialize(store);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteTableExport(store, sheet, buffer);
    }
    QString reason;
    if (!OutputTarget::Write(parsed.output, bytes, &reason)) {
        if (OutputTarget::IsStandardOutput(parsed.output))
            return Fail(QStringLiteral("cannot write to standard output: %1").arg(reason));
        return Fail(QStringLiteral("cannot write %1: %2").arg(parsed.output, reason));
    }
    return 0;
}
