#pragma once
// Statements the archive's parts share: running a query with its error as text, transactions,
// reading one series back and writing its statistics.

#include "archive/Archive.h"

#include <QSqlQuery>

namespace ArchiveSql {
// A text as a bound value: never NULL (a null QString would bind as NULL).
inline QString NotNull(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

// Runs a prepared query; false with the database's reason.
bool Exec(QSqlQuery& query, QString* error);
// Runs one statement without parameters.
bool Exec(QSqlDatabase& db, const QString& sql, QString* error);

// Starts a transaction that writes. SQLite takes the write lock at once (so two writers queue
// instead of failing halfway); PostgreSQL starts an ordinary transaction.
bool BeginWrite(QSqlDatabase& db, SqlDialect dialect, QString* error);
bool Commit(QSqlDatabase& db, QString* error);
void Rollback(QSqlDatabase& db);

// How an origin's kind is kept: "download" or "file".
QString KindText(Provenance::Kind kind);
Provenance::Kind KindOf(const QString& text);
// The columns every query of origins selects, in this order, and one origin read from them
// (starting at column `first`).
inline constexpr const char* kOriginColumns = "kind, file_name, sha256, computer, user_name, recorded_at";
Provenance ReadOrigin(const QSqlQuery& query, int first);

// The custom curves as kept in the series table: six "scale,material,probe,offset" joined by ";".
QString CurvesText(const ArchivedSeries& series);
void ReadCurves(const QString& text, ArchivedSeries* series);

// A series with its measurements and its oldest origin.
bool ReadSeries(QSqlDatabase& db, std::int64_t id, ArchivedSeries* series, QString* error);
// Writes a series' statistics and last measurement time.
bool WriteSummary(QSqlDatabase& db, std::int64_t id, const SeriesSummary& summary, std::int64_t lastTime,
                  QString* error);
} // namespace ArchiveSql
