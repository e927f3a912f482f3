// scleron-cli archive import FILE.hkp...
// scleron-cli archive find [filters] [--format text|csv|json] [--csv-dialect c|locale] [-o OUT]
// scleron-cli archive export [filters] -o FILE.hkp
// Filters: --serial S, --tester TEXT, --from DATE, --to DATE, --scale NAME, --material N,
// --verdict ok|not-ok, --text TEXT (origins). DATE is local time, "yyyy-MM-dd" or
// "yyyy-MM-ddTHH:mm[:ss]"; a --to of a whole day takes the day in. The archive is the one in effect
// for the desktop program (SCLERON_ARCHIVE_URL, else the user's setting, else the default file).
//
// Exit codes: 0 done; 1 a file not imported (unreadable, unknown version, too large, damaged: each
// file is imported whole or not at all, the others still are); 2 wrong arguments; 5 the output
// could not be written; 6 the archive is switched off, cannot be opened or refused the data.
#include "tools/cli/ArchiveListing.h"
#include "tools/cli/OutputTarget.h"
#include "tools/cli/Subcommands.h"

#include "archive/Archive.h"
#include "archive/ArchiveImport.h"
#include "archive/ArchiveStrings.h"
#include "archive/StoreSeries.h"
#include "conversion/ConversionTables.h"
#include "data/MeasurementFile.h"
#include "data/MeasurementStore.h"
#include "quality/LimitsSettings.h"
#include "resources/StringTable.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstdio>
#include <map>

namespace {

constexpr int kDone = 0;
constexpr int kFileNotImported = 1;
constexpr int kWrongArguments = 2;
constexpr int kNotWritten = 5;
constexpr int kArchiveFailed = 6;

void Tell(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Scale types by the name a user types: the unit of the scale or its number 0..9. The Leeb units
// stand for both the raw and the direction-corrected value.
std::vector<int> ScalesNamed(const QString& name)
{
    static const std::map<QString, std::vector<int>> kNames = {
        {"hl", {0, 1}},  {"hld", {0, 1}}, {"hldl", {0, 1}}, {"hv", {2}},     {"hb", {3}},
        {"hrc", {4}},    {"hrb", {5}},    {"hra", {6}},     {"hs", {7}},     {"n/mm2", {8}},
        {"n/mm\u00b2", {8}}, {"mpa", {8}}, {"rm", {8}},     {"custom", {9}}, {"hc", {9}},
    };
    bool number = false;
    const int scale = name.toInt(&number);
    if (number)
        return scale >= 0 && scale <= 9 ? std::vector<int>{scale} : std::vector<int>{};
    const auto found = kNames.find(name.trimmed().toLower());
    return found == kNames.end() ? std::vector<int>{} : found->second;
}

// A local date or date and time; a date alone is the start of the day, or its last second when
// endOfDay.
std::optional<std::int64_t> ParseDate(const QString& text, bool endOfDay)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10) {
        const QDateTime at = endOfDay ? date.addDays(1).startOfDay().addSecs(-1) : date.startOfDay();
        return at.toSecsSinceEpoch();
    }
    for (const char* format : {"yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm"}) {
        const QDateTime at = QDateTime::fromString(text, QLatin1String(format));
        if (at.isValid())
            return at.toSecsSinceEpoch();
    }
    return std::nullopt;
}

struct Options {
    ArchiveFilter filter;
    ArchiveListing::Format format = ArchiveListing::Format::Text;
    CsvDialect dialect = CsvDialect::Locale();
    QString output;
    QStringList files;
};

// Reads the options a subcommand takes (`allowed`); false on anything else or a missing value.
bool ParseOptions(const QStringList& args, const QStringList& allowed, Options& o)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            if (!allowed.contains(QStringLiteral("FILE")))
                return false;
            o.files << a;
            continue;
        }
        if (!allowed.contains(a) || i + 1 >= args.size() || args[i + 1].isEmpty())
            return false;
        const QString& v = args[++i];
        if (a == "--serial") {
            o.filter.serial = v;
        } else if (a == "--tester") {
            o.filter.tester = v;
        } else if (a == "--text") {
            o.filter.text = v;
        } else if (a == "--from" || a == "--to") {
            const std::optional<std::int64_t> at = ParseDate(v, a == "--to");
            if (!at)
                return false;
            (a == "--from" ? o.filter.from : o.filter.to) = at;
        } else if (a == "--scale") {
            o.filter.scales = ScalesNamed(v);
            if (o.filter.scales.empty())
                return false;
        } else if (a == "--material") {
            bool ok = false;
            o.filter.material = v.toInt(&ok);
            if (!ok || *o.filter.material < 0 || *o.filter.material > 16)
                return false;
        } else if (a == "--verdict") {
            if (v != "ok" && v != "not-ok")
                return false;
            o.filter.verdict = v == "ok" ? ArchiveFilter::Verdict::Ok : ArchiveFilter::Verdict::NotOk;
        } else if (a == "--format") {
            if (v != "text" && v != "csv" && v != "json")
                return false;
            o.format = v == "csv" ? ArchiveListing::Format::Csv
                : v == "json"     ? ArchiveListing::Format::Json
                                  : ArchiveListing::Format::Text;
        } else if (a == "--csv-dialect") {
            if (!ParseCsvDialect(v, &o.dialect))
                return false;
        } else if (a == "-o") {
            o.output = v;
        }
    }
    return true;
}

const QStringList kFilterOptions = {"--serial", "--tester", "--text", "--from", "--to", "--scale", "--material", "--verdict"};

// Opens the archive in effect; 0, or exit code 6 (told).
int OpenArchive(std::unique_ptr<CArchive>& archive)
{
    QString error;
    const std::optional<ArchiveLocation> location = ArchiveSettings::Current(&error);
    if (!location) {
        Tell(ResString(ArchiveStrings::BadSetting).arg(error));
        return kArchiveFailed;
    }
    if (location->kind == ArchiveLocation::Kind::Off) {
        Tell(ResString(ArchiveStrings::SwitchedOff));
        return kArchiveFailed;
    }
    archive = std::make_unique<CArchive>(*location);
    if (!archive->Open(&error)) {
        Tell(ResString(ArchiveStrings::CannotOpen).arg(location->Describe(), error));
        return kArchiveFailed;
    }
    return kDone;
}

int Import(const QStringList& args)
{
    Options o;
    if (!ParseOptions(args, {"FILE"}, o) || o.files.isEmpty()) {
        Tell(QStringLiteral("Usage: scleron-cli archive import FILE.hkp..."));
        return kWrongArguments;
    }
    std::unique_ptr<CArchive> archive;
    if (const int opened = OpenArchive(archive); opened != kDone)
        return opened;
    int exitCode = kDone;
    for (const QString& path : o.files) {
        const FileImport result = ImportFile(*archive, path);
        switch (result.status) {
        case FileImport::Status::Imported:
            std::printf("%s\n", qPrintable(ResString(ArchiveStrings::Imported)
                                               .arg(path)
                                               .arg(result.counts.newSeries)
                                               .arg(result.counts.newMeasurements)));
            continue;
        case FileImport::Status::Unreadable:
            Tell(ResString(ArchiveStrings::Unreadable).arg(path));
            break;
        case FileImport::Status::UnknownVersion:
            Tell(ResString(ArchiveStrings::UnknownVersion).arg(path));
            break;
        case FileImport::Status::TooLarge:
            Tell(ResString(ArchiveStrings::TooLarge).arg(path));
            break;
        case FileImport::Status::Malformed:
            Tell(ResString(ArchiveStrings::Malformed).arg(path));
            break;
        case FileImport::Status::NotRecorded:
            Tell(ResString(ArchiveStrings::NotRecorded).arg(path, result.error));
            exitCode = kArchiveFailed;
            continue;
        }
        if (exitCode == kDone)
            exitCode = kFileNotImported;
    }
    return exitCode;
}

int Find(const QStringList& args)
{
    Options o;
    if (!ParseOptions(args, kFilterOptions + QStringList{"--format", "--csv-dialect", "-o"}, o)) {
        Tell(QStringLiteral("Usage: scleron-cli archive find [--serial S] [--tester TEXT] [--from DATE] [--to DATE] "
                            "[--scale NAME] [--material N] [--verdict ok|not-ok] [--text TEXT] "
                            "[--format text|csv|json] [--csv-dialect c|locale] [-o OUT]"));
        return kWrongArguments;
    }
    std::unique_ptr<CArchive> archive;
    if (const int opened = OpenArchive(archive); opened != kDone)
        return opened;
    const CToleranceTable limits = LimitsSettings::Load();
    o.filter.limits = limits;
    std::vector<FoundSeries> found;
    QString error;
    if (!archive->Find(o.filter, &found, &error)) {
        Tell(ResString(ArchiveStrings::CannotOpen).arg(archive->Location().Describe(), error));
        return kArchiveFailed;
    }
    CMeasurementStore names;
    BuildConversionTables(names);
    const QByteArray listing = ArchiveListing::Write(found, o.format, o.dialect, limits, names);
    const QString target = o.output.isEmpty() ? QString::fromLatin1(OutputTarget::kStandardOutput) : o.output;
    if (!OutputTarget::Write(target, listing, &error)) {
        Tell(ResString(Ids::SaveFailed).arg(target, error));
        return kNotWritten;
    }
    return kDone;
}

int Export(const QStringList& args)
{
    Options o;
    if (!ParseOptions(args, kFilterOptions + QStringList{"-o"}, o) || o.output.isEmpty()) {
        Tell(QStringLiteral("Usage: scleron-cli archive export [--serial S] [--tester TEXT] [--from DATE] [--to DATE] "
                            "[--scale NAME] [--material N] [--verdict ok|not-ok] [--text TEXT] -o FILE.hkp"));
        return kWrongArguments;
    }
    std::unique_ptr<CArchive> archive;
    if (const int opened = OpenArchive(archive); opened != kDone)
        return opened;
    o.filter.limits = LimitsSettings::Load();
    std::vector<FoundSeries> found;
    QString error;
    CMeasurementStore store;
    bool ok = archive->Find(o.filter, &found, &error);
    for (std::size_t i = 0; ok && i < found.size(); ++i) {
        ArchivedSeries series;
        ok = archive->Load(found[i].id, &series, &error);
        if (ok)
            AppendToStore(store, series, i == 0);
    }
    if (!ok) {
        Tell(ResString(ArchiveStrings::CannotOpen).arg(archive->Location().Describe(), error));
        return kArchiveFailed;
    }
    if (!OutputTarget::Write(o.output, MeasurementFile::Serialize(store), &error)) {
        Tell(ResString(Ids::SaveFailed).arg(o.output, error));
        return kNotWritten;
    }
    if (!OutputTarget::IsStandardOutput(o.output))
        std::printf("%s\n", qPrintable(ResString(ArchiveStrings::Exported).arg(found.size()).arg(o.output)));
    return kDone;
}

} // namespace

int RunArchiveCommand(const QStringList& args)
{
    const QString action = args.value(0);
    const QStringList rest = args.mid(1);
    if (action == QLatin1String("import"))
        return Import(rest);
    if (action == QLatin1String("find"))
        return Find(rest);
    if (action == QLatin1String("export"))
        return Export(rest);
    Tell(QStringLiteral("Usage: scleron-cli archive import|find|export ... (see --help)"));
    return kWrongArguments;
}
