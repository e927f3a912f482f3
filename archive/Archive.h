#pragma once
// CArchive: one connection to the measurement archive, used on one thread. Opening it connects
// and brings the schema up to date; recording a batch of series is one transaction (all of it or
// nothing); a series recorded again adds only what it did not hold yet.
//
// Identity: tester serial, series number and first measurement time; the database's unique
// constraint decides it, so two PCs recording the same series at once end with one copy. A
// measurement is the same measurement when its time and its place among the series' measurements
// of that second agree.

#include "archive/ArchiveLocation.h"
#include "archive/ArchiveRecords.h"
#include "quality/ToleranceLimits.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <vector>

enum class SqlDialect { Sqlite, Postgres };

// What a search asks for; unset fields do not filter.
struct ArchiveFilter {
    QString tester;                   // part of the product name, any case
    QString serial;                   // the serial number, exactly
    std::optional<std::int64_t> from; // first measurement at or after (seconds since 1970)
    std::optional<std::int64_t> to;   // first measurement at or before
    std::vector<int> scales;          // any of these scale types
    std::optional<int> material;
    enum class Verdict { Any, Ok, NotOk };
    Verdict verdict = Verdict::Any;   // judged against `limits`
    CToleranceTable limits;
    QString text;                     // part of a file name, SHA-256, PC or user name of an origin
    int maxResults = 0;               // 0: all
};

class CArchive {
public:
    enum class Mode {
        Import, // add series and measurements not held yet; settings and flags stay as recorded
        Update, // also take the series' conversion and hidden flags over, each change kept in its history
    };
    struct RecordResult {
        int newSeries = 0;
        int newMeasurements = 0;
        int changes = 0;
        int withoutIdentity = 0; // series without measurements, not recorded
    };

    explicit CArchive(ArchiveLocation location);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // Connects and runs the schema's migrations. False with a reason (also for a switched-off
    // archive); may be called again after a failure.
    bool Open(QString* error);
    bool IsOpen() const;
    void Close();
    const ArchiveLocation& Location() const { return location; }
    SqlDialect Dialect() const;

    // Records the series in one transaction. False with a reason when nothing was recorded.
    bool Record(const std::vector<ArchivedSeries>& series, Mode mode, RecordResult* result, QString* error);

    // The series matching the filter, oldest first measurement first.
    bool Find(const ArchiveFilter& filter, std::vector<FoundSeries>* found, QString* error);
    // One series with its measurements (its provenance: the oldest origin).
    bool Load(std::int64_t id, ArchivedSeries* series, QString* error);
    // The changes of a series, oldest first.
    bool History(std::int64_t id, std::vector<SeriesChange>* changes, QString* error);

    QSqlDatabase Database() const;

private:
    ArchiveLocation location;
    QString connectionName;
};
