#include "tools/cli/ArchiveListing.h"

#include "archive/SeriesSummary.h"
#include "conversion/ConversionTables.h"
#include "conversion/SeriesStatistics.h"
#include "data/MeasurementStore.h"
#include "export/ExportColumns.h"
#include "quality/Verdicts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace ArchiveListing {
namespace {

using Cell = ExportCell;

struct Column {
    const char* name;
    Cell (*cell)(const FoundSeries& f, const CToleranceTable& limits, const CMeasurementStore& names);
};

StatisticsNumbers Numbers(const FoundSeries& f)
{
    SeriesStatistics stats;
    stats.count = static_cast<std::uint32_t>(f.summary.count);
    stats.mean = static_cast<float>(f.summary.mean);
    stats.deviation = static_cast<float>(f.summary.deviation);
    stats.minimum = static_cast<float>(f.summary.minimum);
    stats.maximum = static_cast<float>(f.summary.maximum);
    stats.range = stats.maximum - stats.minimum;
    stats.unit = f.summary.unit;
    return StatisticsRowNumbers(stats);
}

QString ScaleName(const FoundSeries& f, const CMeasurementStore& names)
{
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(names, f.probe);
    return f.scale >= 0 && f.scale < catalogue.GetSize() ? catalogue[f.scale]->name.simplified() : QString();
}

QString MaterialName(const FoundSeries& f, const CMeasurementStore& names)
{
    return f.material > 0 && f.material < names.materialNames.size() ? names.materialNames[f.material].simplified()
                                                                      : QString();
}

QString OriginText(const Provenance& p)
{
    const QString where = p.user.isEmpty() ? p.computer : p.user + QLatin1Char('@') + p.computer;
    if (p.kind == Provenance::Kind::Download)
        return QStringLiteral("download %1 %2").arg(where, ExportTimeText(p.at));
    return QStringLiteral("file %1 sha256:%2 %3 %4").arg(p.fileName, p.sha256, where, ExportTimeText(p.at));
}

const Column kColumns[] = {
    {"id", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfInteger(f.id); }},
    {"tester", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(f.tester.name); }},
    {"serial", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(f.tester.serial); }},
    {"firmware", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(f.tester.firmware); }},
    {"series", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfInteger(f.seriesNo); }},
    {"first_time", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(ExportTimeText(f.firstTime)); }},
    {"last_time", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(ExportTimeText(f.lastTime)); }},
    {"measurements", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfInteger(f.summary.measurements); }},
    {"scale", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore& n) { return Cell::Of(ScaleName(f, n)); }},
    {"material", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore& n) { return Cell::Of(MaterialName(f, n)); }},
    {"impact_body", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(f.probe == 1 ? QStringLiteral("DL") : QStringLiteral("D")); }},
    {"count", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfInteger(f.summary.count); }},
    {"mean", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfNumber(Numbers(f).mean); }},
    {"deviation", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfNumber(Numbers(f).deviation); }},
    {"minimum", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfNumber(Numbers(f).minimum); }},
    {"maximum", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::OfNumber(Numbers(f).maximum); }},
    {"unit", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) { return Cell::Of(f.summary.unit); }},
    {"verdict", [](const FoundSeries& f, const CToleranceTable& limits, const CMeasurementStore&) {
         const std::optional<bool> ok = SummaryVerdict(f, limits);
         return ok ? Cell::Of(*ok ? QStringLiteral("OK") : QStringLiteral("NOT OK")) : Cell();
     }},
    {"origins", [](const FoundSeries& f, const CToleranceTable&, const CMeasurementStore&) {
         QStringList texts;
         for (const Provenance& p : f.origins)
             texts << OriginText(p);
         return Cell::Of(texts.join(QStringLiteral("; ")));
     }},
};

QByteArray WriteCsv(const std::vector<FoundSeries>& found, const CsvDialect& dialect, const CToleranceTable& limits,
                    const CMeasurementStore& names)
{
    QByteArray out = dialect.byteOrderMark ? Utf8ByteOrderMark() : QByteArray();
    std::vector<Cell> cells;
    for (const Column& c : kColumns)
        cells.push_back(Cell::Of(QLatin1String(c.name)));
    out += CsvLine(cells, dialect);
    for (const FoundSeries& f : found) {
        cells.clear();
        for (const Column& c : kColumns)
            cells.push_back(c.cell(f, limits, names));
        out += CsvLine(cells, dialect);
    }
    return out;
}

QByteArray WriteJson(const std::vector<FoundSeries>& found, const CToleranceTable& limits, const CMeasurementStore& names)
{
    QJsonArray rows;
    for (const FoundSeries& f : found) {
        QJsonObject row;
        for (const Column& c : kColumns) {
            if (QLatin1String(c.name) == QLatin1String("origins"))
                continue;
            const Cell cell = c.cell(f, limits, names);
            if (cell.kind == Cell::Empty)
                row.insert(QLatin1String(c.name), QJsonValue::Null);
            else if (cell.kind == Cell::Number || cell.kind == Cell::Integer)
                row.insert(QLatin1String(c.name), cell.text.toDouble());
            else
                row.insert(QLatin1String(c.name), cell.text);
        }
        QJsonArray origins;
        for (const Provenance& p : f.origins) {
            QJsonObject o{{"kind", p.kind == Provenance::Kind::Download ? "download" : "file"},
                          {"computer", p.computer},
                          {"user", p.user},
                          {"time", ExportTimeText(p.at)}};
            if (p.kind == Provenance::Kind::File) {
                o.insert(QStringLiteral("file"), p.fileName);
                o.insert(QStringLiteral("sha256"), p.sha256);
            }
            origins.append(o);
        }
        row.insert(QStringLiteral("origins"), origins);
        rows.append(row);
    }
    return QJsonDocument(QJsonObject{{"series", rows}}).toJson(QJsonDocument::Indented);
}

// Aligned columns for reading in a terminal; the origins last, as they stand.
QByteArray WriteText(const std::vector<FoundSeries>& found, const CToleranceTable& limits, const CMeasurementStore& names)
{
    const char* shown[] = {"id", "serial", "series", "first_time", "measurements", "scale", "material", "mean",
                           "deviation", "unit", "verdict", "origins"};
    std::vector<QStringList> rows(1);
    for (const char* name : shown)
        rows[0] << QLatin1String(name);
    for (const FoundSeries& f : found) {
        QStringList row;
        for (const char* name : shown)
            for (const Column& c : kColumns)
                if (qstrcmp(c.name, name) == 0)
                    row << c.cell(f, limits, names).text;
        rows.push_back(row);
    }
    std::vector<int> widths(std::size(shown), 0);
    for (const QStringList& row : rows)
        for (int i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], static_cast<int>(row[i].size()));
    QString out;
    for (const QStringList& row : rows) {
        QString line;
        for (int i = 0; i < row.size(); ++i)
            line += i + 1 == row.size() ? row[i] : row[i].leftJustified(widths[i] + 2);
        out += line.trimmed() + QLatin1Char('\n');
    }
    return out.toUtf8();
}

} // namespace

QByteArray Write(const std::vector<FoundSeries>& found, Format format, const CsvDialect& dialect,
                 const CToleranceTable& limits, const CMeasurementStore& names)
{
    switch (format) {
    case Format::Csv:
        return WriteCsv(found, dialect, limits, names);
    case Format::Json:
        return WriteJson(found, limits, names);
    case Format::Text:
        break;
    }
    return WriteText(found, limits, names);
}

} // namespace ArchiveListing
