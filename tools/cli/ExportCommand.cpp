// scleron-cli export FILE.hkp [--format text|hkp|csv|json] [--csv-dialect c|locale] [--statistics]
// [-o OUT]: opens a measurement file the way the program's Open does, builds the table the way the
// window's refresh does (expanded states from the file), and writes the table's text export (text,
// the default), the store as a version 3 measurement file (hkp), the measurements as CSV (csv; the
// series statistics instead with --statistics; dialect of the user's locale unless
// --csv-dialect says otherwise) or the measurements with their statistics as JSON (json), to OUT
// or to standard output (no -o, or "-o -").
//
// Exit codes: 0 written; 1 the file could not be read, has an unknown version, is too large, or
// the output could not be written (a directory, no permission, a full disk); 2 wrong arguments.
#include "tools/cli/OutputTarget.h"
#include "tools/cli/Subcommands.h"

#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "export/CsvExport.h"
#include "export/JsonExport.h"
#include "quality/LimitsSettings.h"
#include "table/TableExport.h"
#include "table/TablePopulation.h"
#include "table/TableSheet.h"

#include <QBuffer>

#include <cstdio>

namespace {

enum class Format { Text, Hkp, Csv, Json };

struct ExportArgs {
    QString input;
    QString output = QString::fromLatin1(OutputTarget::kStandardOutput);
    Format format = Format::Text;
    CsvDialect dialect = CsvDialect::Locale();
    bool dialectGiven = false;
    bool statistics = false;
};

bool ParseFormat(const QString& value, Format* format)
{
    static const struct {
        const char* name;
        Format format;
    } kFormats[] = {{"text", Format::Text}, {"hkp", Format::Hkp}, {"csv", Format::Csv}, {"json", Format::Json}};
    for (const auto& known : kFormats)
        if (value == QLatin1String(known.name)) {
            *format = known.format;
            return true;
        }
    return false;
}

bool ParseArgs(const QStringList& args, ExportArgs& parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--statistics")) {
            parsed.statistics = true;
        } else if (a == QLatin1String("--format") || a == QLatin1String("-o") || a == QLatin1String("--csv-dialect")) {
            if (i + 1 >= args.size())
                return false;
            const QString& value = args[++i];
            if (a == QLatin1String("-o")) {
                if (value.isEmpty())
                    return false;
                parsed.output = value;
            } else if (a == QLatin1String("--csv-dialect")) {
                if (!ParseCsvDialect(value, &parsed.dialect))
                    return false;
                parsed.dialectGiven = true;
            } else if (!ParseFormat(value, &parsed.format)) {
                return false;
            }
        } else if (a.startsWith(QLatin1Char('-')) || !parsed.input.isEmpty()) {
            return false;
        } else {
            parsed.input = a;
        }
    }
    // The CSV options mean nothing to the other formats: taking them silently would hide a typo.
    if (parsed.format != Format::Csv && (parsed.statistics || parsed.dialectGiven))
        return false;
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
        std::fprintf(stderr, "Usage: scleron-cli export FILE.hkp [--format text|hkp|csv|json] [--csv-dialect c|locale]"
                             " [--statistics] [-o OUT]\n");
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

    // The statistics CSV and the JSON carry the tolerance limits of the user's settings.
    const CToleranceTable limits = LimitsSettings::Load();
    QByteArray bytes;
    switch (parsed.format) {
    case Format::Hkp:
        bytes = MeasurementFile::Serialize(store);
        break;
    case Format::Text: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteTableExport(store, sheet, buffer);
        break;
    }
    case Format::Csv:
        bytes = parsed.statistics ? StatisticsCsv(store, parsed.dialect, &limits) : MeasurementsCsv(store, parsed.dialect);
        break;
    case Format::Json:
        bytes = MeasurementsJson(store, &limits);
        break;
    }
    QString reason;
    if (!OutputTarget::Write(parsed.output, bytes, &reason)) {
        if (OutputTarget::IsStandardOutput(parsed.output))
            return Fail(QStringLiteral("cannot write to standard output: %1").arg(reason));
        return Fail(QStringLiteral("cannot write %1: %2").arg(parsed.output, reason));
    }
    return 0;
}
