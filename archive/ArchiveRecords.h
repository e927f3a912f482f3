#pragma once
// The plain records the archive keeps and hands back: a series with its tester, settings,
// measurements and where it came from, and the statistics it is found by. They are independent of
// the program's working data; StoreSeries.h converts between the two.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

struct ArchivedMeasurement {
    std::int64_t time = 0; // seconds since 1970-01-01 00:00:00 UTC
    float value = 0.0f;    // raw Leeb rebound value
    std::int32_t angle = 0;
    bool hidden = false;
    std::int32_t probe = 0;
    std::int32_t seriesMark = 0;
};

struct ArchivedTester {
    QString name;     // "Kestrel 2"
    QString serial;
    QString firmware; // "1.2.3"
};

// Where a series came from. A download names the PC it was downloaded on; a file names the file
// and its SHA-256. Each distinct origin of a series is kept once.
struct Provenance {
    // None: no new origin (a series put back from the archive itself, then converted or hidden).
    enum class Kind { Download, File, None };
    Kind kind = Kind::File;
    QString fileName;     // File: the name the file was imported under (no folder)
    QString sha256;       // File: hexadecimal, lower case
    QString computer;     // the PC's host name
    QString user;         // the account that recorded it
    std::int64_t at = 0;  // when it was recorded (seconds since 1970, UTC)

    static Provenance Download(std::int64_t at);
    static Provenance File(const QString& fileName, const QString& sha256, std::int64_t at);
};

// Who records: the account's user name and the PC's host name.
QString CurrentUserName();
QString ComputerName();

// One custom curve as the series was converted with it.
struct ArchivedCurve {
    std::int32_t scale = 0;
    std::int32_t material = 0;
    std::int32_t probe = 0;
    float offset = 0.0f;
    friend bool operator==(const ArchivedCurve&, const ArchivedCurve&) = default;
};

// The statistics of a series in its scale (as the table's statistics row computes them) and what
// its verdict against tolerance limits needs: the smallest and largest shown value of the visible
// measurements that show a number. The verdict itself is judged when searching, against the
// limits in use then.
struct SeriesSummary {
    int measurements = 0; // all measurements, hidden ones included
    int count = 0;        // counted (visible) values
    double mean = 0;
    double deviation = 0;
    double minimum = 0;
    double maximum = 0;
    QString unit;
    int judged = 0;       // visible values that show a number
    double shownMin = 0;
    double shownMax = 0;
};

struct ArchivedSeries {
    std::int64_t id = 0;  // the archive's number for it; 0 before it was recorded
    ArchivedTester tester;
    std::int32_t seriesNo = 0;
    std::int32_t scale = 0;
    std::int32_t material = 0;
    std::int32_t probe = 0;
    std::int32_t conversionStandard = 0;
    ArchivedCurve curvesD[3];  // HC1..HC3 with the Leeb D probe
    ArchivedCurve curvesDL[3]; // HC1..HC3 with the Leeb DL probe
    std::vector<ArchivedMeasurement> measurements; // acquisition order
    Provenance provenance;

    // A series is the same series when tester serial, series number and first measurement time
    // agree. A series without measurements has no identity and is not archived.
    bool HasIdentity() const { return !measurements.empty(); }
    std::int64_t FirstTime() const { return measurements.empty() ? 0 : measurements.front().time; }
};

// One row of a search result: the series without its measurements, with its statistics.
struct FoundSeries {
    std::int64_t id = 0;
    ArchivedTester tester;
    std::int32_t seriesNo = 0;
    std::int64_t firstTime = 0;
    std::int64_t lastTime = 0;
    std::int32_t scale = 0;
    std::int32_t material = 0;
    std::int32_t probe = 0;
    SeriesSummary summary;
    std::vector<Provenance> origins; // oldest first
};

// One change of a recorded series: a new conversion (scale, material, probe) or a measurement
// hidden or shown again.
struct SeriesChange {
    std::int64_t at = 0;  // seconds since 1970, UTC
    QString user;
    QString computer;
    QString field;        // "scale", "material", "probe" or "hidden"
    int measurement = -1; // "hidden": the measurement's position in the series; else -1
    std::int64_t before = 0;
    std::int64_t after = 0;
};
