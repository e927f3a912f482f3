#include "archive/ArchiveSchema.h"

#include "archive/ArchiveSql.h"
#include "archive/SeriesSummary.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <vector>

namespace ArchiveSchema {
namespace {

// A number every PostgreSQL client of the archive takes as its lock while migrating.
constexpr qint64 kMigrationLock = 0x5343'4C52'4152'4348LL; // "SCLRARCH"

QString IdColumn(SqlDialect dialect)
{
    return dialect == SqlDialect::Sqlite ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                                         : QStringLiteral("BIGSERIAL PRIMARY KEY");
}

// Version 1: the series with their tester, settings, measurements and origins.
QStringList Version1(SqlDialect dialect)
{
    const QString id = IdColumn(dialect);
    return {
        QStringLiteral("CREATE TABLE series ("
                       "id %1, tester_serial TEXT NOT NULL, series_no INTEGER NOT NULL, first_time BIGINT NOT NULL, "
                       "last_time BIGINT NOT NULL, tester_name TEXT NOT NULL, tester_firmware TEXT NOT NULL, "
                       "scale INTEGER NOT NULL, material INTEGER NOT NULL, probe INTEGER NOT NULL, "
                       "conversion_standard INTEGER NOT NULL, custom_curves TEXT NOT NULL, "
                       "CONSTRAINT series_identity UNIQUE (tester_serial, series_no, first_time))").arg(id),
        QStringLiteral("CREATE TABLE measurements ("
                       "series_id BIGINT NOT NULL REFERENCES series(id) ON DELETE CASCADE, seq INTEGER NOT NULL, "
                       "measured_at BIGINT NOT NULL, nth INTEGER NOT NULL, value DOUBLE PRECISION NOT NULL, "
                       "angle INTEGER NOT NULL, hidden INTEGER NOT NULL, probe INTEGER NOT NULL, "
                       "series_mark INTEGER NOT NULL, "
                       "CONSTRAINT measurement_identity UNIQUE (series_id, measured_at, nth))"),
        QStringLiteral("CREATE TABLE origins ("
                       "id %1, series_id BIGINT NOT NULL REFERENCES series(id) ON DELETE CASCADE, "
                       "kind TEXT NOT NULL, file_name TEXT NOT NULL, sha256 TEXT NOT NULL, computer TEXT NOT NULL, "
                       "user_name TEXT NOT NULL, recorded_at BIGINT NOT NULL, "
                       "CONSTRAINT origin_identity UNIQUE (series_id, kind, file_name, sha256, computer))").arg(id),
    };
}

// Version 2: the statistics a search shows and judges, the history of changes, and the indexes
// the searches by tester, time and scale use.
QStringList Version2(SqlDialect dialect)
{
    QStringList statements;
    for (const char* column : {"measurement_count INTEGER NOT NULL DEFAULT 0", "value_count INTEGER NOT NULL DEFAULT 0", "mean DOUBLE PRECISION NOT NULL DEFAULT 0",
                               "deviation DOUBLE PRECISION NOT NULL DEFAULT 0",
                               "minimum DOUBLE PRECISION NOT NULL DEFAULT 0",
                               "maximum DOUBLE PRECISION NOT NULL DEFAULT 0", "unit TEXT NOT NULL DEFAULT ''",
                               "judged INTEGER NOT NULL DEFAULT 0", "shown_min DOUBLE PRECISION NOT NULL DEFAULT 0",
                               "shown_max DOUBLE PRECISION NOT NULL DEFAULT 0"})
        statements << QStringLiteral("ALTER TABLE series ADD COLUMN %1").arg(QLatin1String(column));
    statements << QStringLiteral("CREATE TABLE series_changes ("
                                 "id %1, series_id BIGINT NOT NULL REFERENCES series(id) ON DELETE CASCADE, "
                                 "changed_at BIGINT NOT NULL, user_name TEXT NOT NULL, computer TEXT NOT NULL, "
                                 "field TEXT NOT NULL, measurement INTEGER NOT NULL, before_value BIGINT NOT NULL, "
                                 "after_value BIGINT NOT NULL)").arg(IdColumn(dialect))
               << QStringLiteral("CREATE INDEX series_by_tester ON series (tester_serial, first_time)")
               << QStringLiteral("CREATE INDEX series_by_time ON series (first_time)")
               << QStringLiteral("CREATE INDEX series_by_scale ON series (scale, material, first_time)")
               << QStringLiteral("CREATE INDEX changes_by_series ON series_changes (series_id)");
    return statements;
}

// Version 2 fills the statistics of the series recorded before.
bool FillSummaries(QSqlDatabase& db, QString* error)
{
    std::vector<qint64> ids;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT id FROM series"))) {
            *error = q.lastError().text();
            return false;
        }
        while (q.next())
            ids.push_back(q.value(0).toLongLong());
    }
    CSeriesSummarizer summarizer;
    for (qint64 id : ids) {
        ArchivedSeries series;
        if (!ArchiveSql::ReadSeries(db, id, &series, error))
            return false;
        const std::int64_t last = series.measurements.empty() ? 0 : series.measurements.back().time;
        if (!ArchiveSql::WriteSummary(db, id, summarizer.Summarize(series), last, error))
            return false;
    }
    return true;
}

bool Step(QSqlDatabase& db, SqlDialect dialect, int version, QString* error)
{
    const QStringList statements = version == 1 ? Version1(dialect) : Version2(dialect);
    for (const QString& sql : statements)
        if (!ArchiveSql::Exec(db, sql, error))
            return false;
    if (version == 2 && !FillSummaries(db, error))
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE archive_schema SET version = ?"));
    q.addBindValue(version);
    return ArchiveSql::Exec(q, error);
}

int ReadVersion(QSqlDatabase& db, QString* error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT version FROM archive_schema"))) {
        *error = q.lastError().text();
        return -1;
    }
    return q.next() ? q.value(0).toInt() : 0;
}

} // namespace

int Version(QSqlDatabase& db, QString* error)
{
    if (!db.tables().contains(QStringLiteral("archive_schema")))
        return 0;
    return ReadVersion(db, error);
}

bool Migrate(QSqlDatabase& db, SqlDialect dialect, QString* error, int target)
{
    // Quick path: an archive at the current version needs no lock.
    QString ignored;
    if (Version(db, &ignored) == target)
        return true;
    if (!ArchiveSql::BeginWrite(db, dialect, error))
        return false;
    auto fail = [&] {
        ArchiveSql::Rollback(db);
        return false;
    };
    if (dialect == SqlDialect::Postgres
        && !ArchiveSql::Exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kMigrationLock), error))
        return fail();
    if (!ArchiveSql::Exec(db, QStringLiteral("CREATE TABLE IF NOT EXISTS archive_schema (version INTEGER NOT NULL)"), error))
        return fail();
    int version = ReadVersion(db, error);
    if (version < 0)
        return fail();
    if (version == 0) {
        QSqlQuery none(db);
        if (!none.exec(QStringLiteral("SELECT COUNT(*) FROM archive_schema")) || !none.next()) {
            *error = none.lastError().text();
            return fail();
        }
        if (none.value(0).toInt() == 0 && !ArchiveSql::Exec(db, QStringLiteral("INSERT INTO archive_schema (version) VALUES (0)"), error))
            return fail();
    }
    if (version > kCurrentVersion) {
        *error = QStringLiteral("the archive was written by a newer version of the program (schema %1, this program knows %2)")
                     .arg(version)
                     .arg(kCurrentVersion);
        return fail();
    }
    for (int next = version + 1; next <= target; ++next)
        if (!Step(db, dialect, next, error))
            return fail();
    return ArchiveSql::Commit(db, error) || fail();
}

} // namespace ArchiveSchema
