#include "archive/Archive.h"

#include "archive/ArchiveSchema.h"
#include "archive/ArchiveStrings.h"
#include "resources/StringTable.h"
#include "archive/ArchiveSql.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>

namespace {

QString NewConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("scleron-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

CArchive::CArchive(ArchiveLocation location) : location(std::move(location)), connectionName(NewConnectionName()) {}

CArchive::~CArchive()
{
    Close();
}

SqlDialect CArchive::Dialect() const
{
    return location.kind == ArchiveLocation::Kind::Postgres ? SqlDialect::Postgres : SqlDialect::Sqlite;
}

QSqlDatabase CArchive::Database() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool CArchive::IsOpen() const
{
    return QSqlDatabase::contains(connectionName) && Database().isOpen();
}

void CArchive::Close()
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = Database();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool CArchive::Open(QString* error)
{
    Close();
    QSqlDatabase db;
    switch (location.kind) {
    case ArchiveLocation::Kind::Off:
        *error = ResString(ArchiveStrings::SwitchedOff);
        return false;
    case ArchiveLocation::Kind::Sqlite: {
        const QFileInfo file(location.path);
        if (!QDir().mkpath(file.absolutePath())) {
            *error = QStringLiteral("the folder %1 could not be created").arg(file.absolutePath());
            return false;
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(location.path);
        // Another process writing waits its turn instead of failing.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=60000"));
        break;
    }
    case ArchiveLocation::Kind::Postgres:
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setDatabaseName(location.database);
        if (!location.user.isEmpty())
            db.setUserName(location.user);
        // The password, if the server asks for one, comes from ~/.pgpass or PGPASSWORD.
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
        break;
    }
    if (!db.isValid()) {
        *error = QStringLiteral("the database driver is missing: %1").arg(db.lastError().text());
        db = QSqlDatabase();
        Close();
        return false;
    }
    if (!db.open()) {
        *error = db.lastError().text().trimmed();
        db = QSqlDatabase();
        Close();
        return false;
    }
    bool ok = true;
    if (location.kind == ArchiveLocation::Kind::Sqlite) {
        // Readers go on while one process writes; a power cut loses at most the last transaction.
        ok = ArchiveSql::Exec(db, QStringLiteral("PRAGMA journal_mode=WAL"), error)
            && ArchiveSql::Exec(db, QStringLiteral("PRAGMA synchronous=NORMAL"), error)
            && ArchiveSql::Exec(db, QStringLiteral("PRAGMA foreign_keys=ON"), error);
    } else {
        ok = ArchiveSql::Exec(db, QStringLiteral("SET client_min_messages TO WARNING"), error);
    }
    ok = ok && ArchiveSchema::Migrate(db, Dialect(), error);
    db = QSqlDatabase();
    if (!ok)
        Close();
    return ok;
}

bool CArchive::Load(std::int64_t id, ArchivedSeries* series, QString* error)
{
    QSqlDatabase db = Database();
    return ArchiveSql::ReadSeries(db, id, series, error);
}

bool CArchive::History(std::int64_t id, std::vector<SeriesChange>* changes, QString* error)
{
    QSqlDatabase db = Database();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT changed_at, user_name, computer, field, measurement, before_value, after_value "
                             "FROM series_changes WHERE series_id = ? ORDER BY changed_at, id"));
    q.addBindValue(QVariant::fromValue<qint64>(id));
    if (!ArchiveSql::Exec(q, error))
        return false;
    changes->clear();
    while (q.next())
        changes->push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                            q.value(3).toString(), q.value(4).toInt(), q.value(5).toLongLong(),
                            q.value(6).toLongLong()});
    return true;
}
