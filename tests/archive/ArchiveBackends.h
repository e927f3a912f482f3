#pragma once
// The two places an archive lives in the tests: an SQLite file in a temporary folder and a
// database on a real PostgreSQL server started for this test program (stopped at its end).

#include "archive/ArchiveLocation.h"
#include "archive/ArchiveRecords.h"

#include <QString>
#include <QTemporaryDir>

#include <vector>

enum class Backend { Sqlite, Postgres };

// A fresh, empty archive for one test; its address as SCLERON_ARCHIVE_URL takes it.
class CTestArchive {
public:
    explicit CTestArchive(Backend backend);
    const QString& Url() const { return url; }
    ArchiveLocation Location() const;
    // Why the archive could not be made (empty when it could).
    const QString& Failure() const { return failure; }

private:
    QTemporaryDir folder;
    QString url;
    QString failure;
};

// Stops and starts the shared server (for the tests of an archive that goes away).
void StopTestServer();
bool StartTestServer();

// A series of a tester: measurements 10 s apart from t0, raw values as given, scale 0.
ArchivedSeries TestSeries(const QString& serial, int seriesNo, std::int64_t t0, const std::vector<float>& raws,
                          int scale = 0, int material = 0);

const char* BackendName(Backend backend);
