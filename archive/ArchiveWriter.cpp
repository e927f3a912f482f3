// CArchive::Record: a batch of series in one transaction.
#include "archive/Archive.h"

#include "archive/ArchiveSql.h"
#include "archive/SeriesSummary.h"

#include <QDateTime>
#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <map>
#include <utility>

namespace {

using ArchiveSql::Exec;
using ArchiveSql::NotNull;

// Rows per multi-row INSERT: few round trips to a server, well below every parameter limit.
constexpr int kRowsPerInsert = 100;
constexpr int kMeasurementColumns = 9;

QVariant Big(std::int64_t v)
{
    return QVariant::fromValue<qint64>(v);
}

// A measurement's identity within its series: its time and its place among the measurements of
// that same second.
using MeasurementKey = std::pair<std::int64_t, int>;

std::vector<MeasurementKey> KeysOf(const ArchivedSeries& series)
{
    std::vector<MeasurementKey> keys;
    keys.reserve(series.measurements.size());
    std::map<std::int64_t, int> seen;
    for (const ArchivedMeasurement& m : series.measurements)
        keys.emplace_back(m.time, seen[m.time]++);
    return keys;
}

struct NewRow {
    int index; // in the incoming series
    int seq;   // place in the archived series
};

class CRecorder {
public:
    CRecorder(QSqlDatabase& db, SqlDialect dialect, CArchive::Mode mode, CArchive::RecordResult& result, QString* error)
        : db(db), dialect(dialect), mode(mode), result(result), error(error)
    {
    }

    bool Record(const ArchivedSeries& series)
    {
        if (!series.HasIdentity()) {
            ++result.withoutIdentity;
            return true;
        }
        const std::vector<MeasurementKey> keys = KeysOf(series);
        bool inserted = false;
        std::int64_t id = 0;
        if (!InsertSeries(series, &inserted) || !FindSeries(series, &id))
            return false;
        bool changed = false;
        std::vector<NewRow> rows;
        if (inserted) {
            ++result.newSeries;
            rows.reserve(series.measurements.size());
            for (int i = 0; i < static_cast<int>(series.measurements.size()); ++i)
                rows.push_back({i, i});
        } else if (!Compare(series, keys, id, &rows, &changed)) {
            return false;
        }
        int added = 0;
        if (!InsertMeasurements(id, series, keys, rows, &added))
            return false;
        result.newMeasurements += added;
        if (!InsertOrigin(id, series.provenance))
            return false;
        if (inserted) {
            const std::int64_t last = series.measurements.back().time;
            return ArchiveSql::WriteSummary(db, id, summarizer.Summarize(series), last, error);
        }
        if (!changed && added == 0)
            return true;
        ArchivedSeries stored;
        if (!ArchiveSql::ReadSeries(db, id, &stored, error))
            return false;
        std::int64_t last = 0;
        for (const ArchivedMeasurement& m : stored.measurements)
            last = std::max(last, m.time);
        return ArchiveSql::WriteSummary(db, id, summarizer.Summarize(stored), last, error);
    }

private:
    bool InsertSeries(const ArchivedSeries& s, bool* inserted)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO series (tester_serial, series_no, first_time, last_time, tester_name, tester_firmware, "
            "scale, material, probe, conversion_standard, custom_curves) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
            "ON CONFLICT (tester_serial, series_no, first_time) DO NOTHING"));
        q.addBindValue(NotNull(s.tester.serial));
        q.addBindValue(s.seriesNo);
        q.addBindValue(Big(s.FirstTime()));
        q.addBindValue(Big(s.measurements.back().time));
        q.addBindValue(NotNull(s.tester.name));
        q.addBindValue(NotNull(s.tester.firmware));
        q.addBindValue(s.scale);
        q.addBindValue(s.material);
        q.addBindValue(s.probe);
        q.addBindValue(s.conversionStandard);
        q.addBindValue(ArchiveSql::CurvesText(s));
        if (!Exec(q, error))
            return false;
        *inserted = q.numRowsAffected() > 0;
        return true;
    }

    // The series' number in the archive. On a server the row is locked until the transaction
    // ends, so two PCs adding to the same series take turns.
    bool FindSeries(const ArchivedSeries& s, std::int64_t* id)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT id FROM series WHERE tester_serial = ? AND series_no = ? AND first_time = ?%1")
                      .arg(dialect == SqlDialect::Postgres ? QStringLiteral(" FOR UPDATE") : QString()));
        q.addBindValue(NotNull(s.tester.serial));
        q.addBindValue(s.seriesNo);
        q.addBindValue(Big(s.FirstTime()));
        if (!Exec(q, error))
            return false;
        if (!q.next()) {
            *error = QStringLiteral("the series just recorded cannot be found again");
            return false;
        }
        *id = q.value(0).toLongLong();
        return true;
    }

    // For a series the archive holds: which measurements are new (placed after the last one
    // held), and in Update mode the conversion and hidden flags taken over with their history.
    bool Compare(const ArchivedSeries& s, const std::vector<MeasurementKey>& keys, std::int64_t id,
                 std::vector<NewRow>* rows, bool* changed)
    {
        struct Held {
            int seq;
            bool hidden;
        };
        std::map<MeasurementKey, Held> held;
        int nextSeq = 0;
        {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("SELECT measured_at, nth, seq, hidden FROM measurements WHERE series_id = ?"));
            q.addBindValue(Big(id));
            if (!Exec(q, error))
                return false;
            while (q.next()) {
                const int seq = q.value(2).toInt();
                held[{q.value(0).toLongLong(), q.value(1).toInt()}] = {seq, q.value(3).toInt() != 0};
                nextSeq = std::max(nextSeq, seq + 1);
            }
        }
        for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
            const auto found = held.find(keys[i]);
            if (found == held.end()) {
                rows->push_back({i, nextSeq++});
                continue;
            }
            const bool hidden = s.measurements[i].hidden;
            if (mode == CArchive::Mode::Update && found->second.hidden != hidden) {
                QSqlQuery u(db);
                u.prepare(QStringLiteral("UPDATE measurements SET hidden = ? WHERE series_id = ? AND measured_at = ? AND nth = ?"));
                u.addBindValue(hidden ? 1 : 0);
                u.addBindValue(Big(id));
                u.addBindValue(Big(keys[i].first));
                u.addBindValue(keys[i].second);
                if (!Exec(u, error) || !AddChange(id, QStringLiteral("hidden"), found->second.seq, found->second.hidden, hidden))
                    return false;
                *changed = true;
            }
        }
        if (mode == CArchive::Mode::Update && !UpdateConversion(s, id, changed))
            return false;
        return true;
    }

    bool UpdateConversion(const ArchivedSeries& s, std::int64_t id, bool* changed)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT scale, material, probe, conversion_standard, custom_curves FROM series WHERE id = ?"));
        q.addBindValue(Big(id));
        if (!Exec(q, error))
            return false;
        if (!q.next())
            return true;
        const int before[3] = {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
        const int after[3] = {s.scale, s.material, s.probe};
        const char* fields[3] = {"scale", "material", "probe"};
        const bool curvesDiffer = q.value(3).toInt() != s.conversionStandard
            || q.value(4).toString() != ArchiveSql::CurvesText(s);
        bool any = curvesDiffer;
        for (int f = 0; f < 3; ++f) {
            if (before[f] == after[f])
                continue;
            any = true;
            if (!AddChange(id, QLatin1String(fields[f]), -1, before[f], after[f]))
                return false;
        }
        if (!any)
            return true;
        QSqlQuery u(db);
        u.prepare(QStringLiteral("UPDATE series SET scale = ?, material = ?, probe = ?, conversion_standard = ?, "
                                 "custom_curves = ? WHERE id = ?"));
        u.addBindValue(s.scale);
        u.addBindValue(s.material);
        u.addBindValue(s.probe);
        u.addBindValue(s.conversionStandard);
        u.addBindValue(ArchiveSql::CurvesText(s));
        u.addBindValue(Big(id));
        if (!Exec(u, error))
            return false;
        *changed = true;
        return true;
    }

    bool AddChange(std::int64_t id, const QString& field, int measurement, std::int64_t before, std::int64_t after)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO series_changes (series_id, changed_at, user_name, computer, field, "
                                 "measurement, before_value, after_value) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        q.addBindValue(Big(id));
        q.addBindValue(Big(QDateTime::currentSecsSinceEpoch()));
        q.addBindValue(NotNull(CurrentUserName()));
        q.addBindValue(NotNull(ComputerName()));
        q.addBindValue(field);
        q.addBindValue(measurement);
        q.addBindValue(Big(before));
        q.addBindValue(Big(after));
        if (!Exec(q, error))
            return false;
        ++result.changes;
        return true;
    }

    bool InsertMeasurements(std::int64_t id, const ArchivedSeries& s, const std::vector<MeasurementKey>& keys,
                            const std::vector<NewRow>& rows, int* added)
    {
        for (std::size_t start = 0; start < rows.size(); start += kRowsPerInsert) {
            const int n = static_cast<int>(std::min<std::size_t>(kRowsPerInsert, rows.size() - start));
            QSqlQuery& q = InsertStatement(n);
            for (int r = 0; r < n; ++r) {
                const NewRow& row = rows[start + r];
                const ArchivedMeasurement& m = s.measurements[row.index];
                const int base = r * kMeasurementColumns;
                q.bindValue(base + 0, Big(id));
                q.bindValue(base + 1, row.seq);
                q.bindValue(base + 2, Big(m.time));
                q.bindValue(base + 3, keys[row.index].second);
                q.bindValue(base + 4, static_cast<double>(m.value));
                q.bindValue(base + 5, m.angle);
                q.bindValue(base + 6, m.hidden ? 1 : 0);
                q.bindValue(base + 7, m.probe);
                q.bindValue(base + 8, m.seriesMark);
            }
            if (!Exec(q, error))
                return false;
            *added += std::max(0, q.numRowsAffected());
        }
        return true;
    }

    // One prepared INSERT per row count, kept for the whole batch.
    QSqlQuery& InsertStatement(int rowCount)
    {
        auto found = inserts.find(rowCount);
        if (found != inserts.end())
            return *found->second;
        QString sql = QStringLiteral("INSERT INTO measurements (series_id, seq, measured_at, nth, value, angle, hidden, "
                                     "probe, series_mark) VALUES ");
        for (int r = 0; r < rowCount; ++r)
            sql += r == 0 ? QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?)") : QStringLiteral(", (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        sql += QStringLiteral(" ON CONFLICT (series_id, measured_at, nth) DO NOTHING");
        auto query = std::make_unique<QSqlQuery>(db);
        query->prepare(sql);
        return *inserts.emplace(rowCount, std::move(query)).first->second;
    }

    bool InsertOrigin(std::int64_t id, const Provenance& p)
    {
        if (p.kind == Provenance::Kind::None)
            return true;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO origins (series_id, kind, file_name, sha256, computer, user_name, recorded_at) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?) "
                                 "ON CONFLICT (series_id, kind, file_name, sha256, computer) DO NOTHING"));
        q.addBindValue(Big(id));
        q.addBindValue(ArchiveSql::KindText(p.kind));
        q.addBindValue(NotNull(p.kind == Provenance::Kind::File ? p.fileName : QString()));
        q.addBindValue(NotNull(p.kind == Provenance::Kind::File ? p.sha256 : QString()));
        q.addBindValue(NotNull(p.computer));
        q.addBindValue(NotNull(p.user));
        q.addBindValue(Big(p.at));
        return Exec(q, error);
    }

    QSqlDatabase& db;
    SqlDialect dialect;
    CArchive::Mode mode;
    CArchive::RecordResult& result;
    QString* error;
    CSeriesSummarizer summarizer;
    std::map<int, std::unique_ptr<QSqlQuery>> inserts;
};

} // namespace

bool CArchive::Record(const std::vector<ArchivedSeries>& series, Mode mode, RecordResult* result, QString* error)
{
    QSqlDatabase db = Database();
    if (!db.isOpen()) {
        *error = QStringLiteral("the archive is not open");
        return false;
    }
    RecordResult counted;
    error->clear();
    if (!ArchiveSql::BeginWrite(db, Dialect(), error))
        return false;
    bool ok = true;
    {
        CRecorder recorder(db, Dialect(), mode, counted, error);
        for (const ArchivedSeries& s : series)
            if (!(ok = recorder.Record(s)))
                break;
    }
    if (!ok || !ArchiveSql::Commit(db, error)) {
        ArchiveSql::Rollback(db);
        return false;
    }
    if (result)
        *result = counted;
    return true;
}
