// CArchive::Find: the series matching a filter, with their statistics and origins.
#include "archive/Archive.h"

#include "archive/ArchiveSql.h"

#include <QSqlQuery>
#include <QVariantList>

#include <unordered_map>

namespace {

// "%text%" for LIKE with the wildcards of the text itself taken literally ("!" escapes).
QString Contains(const QString& text)
{
    QString escaped = text.toLower();
    escaped.replace(QLatin1Char('!'), QLatin1String("!!"));
    escaped.replace(QLatin1Char('%'), QLatin1String("!%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("!_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// The WHERE clause of a filter and its values, in order.
struct Where {
    QString sql;
    QVariantList values;

    void Add(const QString& condition, const QVariantList& bound = {})
    {
        sql += sql.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        sql += condition;
        values += bound;
    }
};

// A series is OK when it was judged and its smallest and largest shown value lie inside the limits
// of its scale and material; NOT OK when it was judged and one lies outside.
void AddVerdict(Where& where, const ArchiveFilter& filter)
{
    QStringList alternatives;
    QVariantList values;
    const bool ok = filter.verdict == ArchiveFilter::Verdict::Ok;
    for (const auto& [key, limits] : filter.limits.Entries()) {
        if (!limits.IsSet())
            continue;
        QStringList bounds;
        QVariantList boundValues;
        if (limits.lower) {
            bounds << (ok ? QStringLiteral("s.shown_min >= ?") : QStringLiteral("s.shown_min < ?"));
            boundValues << static_cast<double>(*limits.lower);
        }
        if (limits.upper) {
            bounds << (ok ? QStringLiteral("s.shown_max <= ?") : QStringLiteral("s.shown_max > ?"));
            boundValues << static_cast<double>(*limits.upper);
        }
        alternatives << QStringLiteral("(s.scale = ? AND s.material = ? AND s.judged > 0 AND (%1))")
                            .arg(bounds.join(ok ? QStringLiteral(" AND ") : QStringLiteral(" OR ")));
        values << key.scale << key.material << boundValues;
    }
    if (alternatives.isEmpty())
        where.Add(QStringLiteral("1 = 0"));
    else
        where.Add(QLatin1Char('(') + alternatives.join(QStringLiteral(" OR ")) + QLatin1Char(')'), values);
}

Where WhereOf(const ArchiveFilter& filter)
{
    Where where;
    if (!filter.tester.isEmpty())
        where.Add(QStringLiteral("LOWER(s.tester_name) LIKE ? ESCAPE '!'"), {Contains(filter.tester)});
    if (!filter.serial.isEmpty())
        where.Add(QStringLiteral("s.tester_serial = ?"), {filter.serial});
    if (filter.from)
        where.Add(QStringLiteral("s.first_time >= ?"), {QVariant::fromValue<qint64>(*filter.from)});
    if (filter.to)
        where.Add(QStringLiteral("s.first_time <= ?"), {QVariant::fromValue<qint64>(*filter.to)});
    if (!filter.scales.empty()) {
        QStringList marks;
        QVariantList values;
        for (int scale : filter.scales) {
            marks << QStringLiteral("?");
            values << scale;
        }
        where.Add(QStringLiteral("s.scale IN (%1)").arg(marks.join(QStringLiteral(", "))), values);
    }
    if (filter.material)
        where.Add(QStringLiteral("s.material = ?"), {*filter.material});
    if (filter.verdict != ArchiveFilter::Verdict::Any)
        AddVerdict(where, filter);
    if (!filter.text.isEmpty()) {
        const QString like = Contains(filter.text);
        where.Add(QStringLiteral("EXISTS (SELECT 1 FROM origins o WHERE o.series_id = s.id AND ("
                                 "LOWER(o.file_name) LIKE ? ESCAPE '!' OR LOWER(o.sha256) LIKE ? ESCAPE '!' OR "
                                 "LOWER(o.computer) LIKE ? ESCAPE '!' OR LOWER(o.user_name) LIKE ? ESCAPE '!'))"),
                  {like, like, like, like});
    }
    return where;
}

void Bind(QSqlQuery& q, const QVariantList& values)
{
    for (const QVariant& v : values)
        q.addBindValue(v);
}

} // namespace

bool CArchive::Find(const ArchiveFilter& filter, std::vector<FoundSeries>* found, QString* error)
{
    QSqlDatabase db = Database();
    const Where where = WhereOf(filter);
    const QString limit = filter.maxResults > 0 ? QStringLiteral(" LIMIT %1").arg(filter.maxResults) : QString();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT s.id, s.tester_name, s.tester_serial, s.tester_firmware, s.series_no, s.first_time, "
                             "s.last_time, s.scale, s.material, s.probe, s.measurement_count, s.value_count, s.mean, "
                             "s.deviation, s.minimum, s.maximum, s.unit, s.judged, s.shown_min, s.shown_max "
                             "FROM series s%1 ORDER BY s.first_time, s.tester_serial, s.series_no%2")
                  .arg(where.sql, limit));
    Bind(q, where.values);
    if (!ArchiveSql::Exec(q, error))
        return false;
    found->clear();
    std::unordered_map<qint64, std::size_t> index;
    while (q.next()) {
        FoundSeries f;
        f.id = q.value(0).toLongLong();
        f.tester = {q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
        f.seriesNo = q.value(4).toInt();
        f.firstTime = q.value(5).toLongLong();
        f.lastTime = q.value(6).toLongLong();
        f.scale = q.value(7).toInt();
        f.material = q.value(8).toInt();
        f.probe = q.value(9).toInt();
        SeriesSummary& s = f.summary;
        s.measurements = q.value(10).toInt();
        s.count = q.value(11).toInt();
        s.mean = q.value(12).toDouble();
        s.deviation = q.value(13).toDouble();
        s.minimum = q.value(14).toDouble();
        s.maximum = q.value(15).toDouble();
        s.unit = q.value(16).toString();
        s.judged = q.value(17).toInt();
        s.shownMin = q.value(18).toDouble();
        s.shownMax = q.value(19).toDouble();
        index.emplace(f.id, found->size());
        found->push_back(std::move(f));
    }
    if (found->empty())
        return true;

    QSqlQuery o(db);
    o.setForwardOnly(true);
    o.prepare(QStringLiteral("SELECT series_id, %1 FROM origins WHERE series_id IN (SELECT s.id FROM series s%2) "
                             "ORDER BY series_id, recorded_at, id")
                  .arg(QLatin1String(ArchiveSql::kOriginColumns), where.sql));
    Bind(o, where.values);
    if (!ArchiveSql::Exec(o, error))
        return false;
    while (o.next()) {
        const auto at = index.find(o.value(0).toLongLong());
        if (at == index.end())
            continue; // beyond the result's limit
        (*found)[at->second].origins.push_back(ArchiveSql::ReadOrigin(o, 1));
    }
    return true;
}
