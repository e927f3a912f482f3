// Prints how long the archive takes to import 100,000 measurements in one transaction and to
// search an archive of 1,000,000 measurements by tester, time and scale, in an SQLite file and on
// a PostgreSQL server started for the run (skipped when PostgreSQL is not installed). Targets:
// import under 3 s, search under 200 ms. Figures only; no thresholds.
#include "archive/Archive.h"
#include "common/PostgresServer.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

constexpr int kPerSeries = 25;
constexpr int kTesters = 20;
constexpr std::int64_t kStart = 1'700'000'000;

// `count` measurements in series of 25, spread over 20 testers, a year and four scales;
// `batch` makes the series of every batch distinct.
std::vector<ArchivedSeries> Batch(int batch, int count)
{
    std::vector<ArchivedSeries> out;
    const int seriesCount = count / kPerSeries;
    for (int s = 0; s < seriesCount; ++s) {
        const int n = batch * seriesCount + s;
        ArchivedSeries series;
        series.tester = {QStringLiteral("Kestrel 2"), QStringLiteral("K2-%1").arg(n % kTesters, 4, 10, QLatin1Char('0')),
                         QStringLiteral("2.1.7")};
        series.seriesNo = n / kTesters + 1;
        series.scale = (n / 7) % 4 + 1; // corrected Leeb, Vickers, Brinell, Rockwell C
        series.material = series.scale == 1 ? 0 : 1;
        const std::int64_t t0 = kStart + static_cast<std::int64_t>(n) * 787; // about a year for 40,000 series
        for (int m = 0; m < kPerSeries; ++m)
            series.measurements.push_back({t0 + m * 5, 450.0f + static_cast<float>((n * 13 + m * 7) % 150), 0,
                                           m == 3, 0, 0});
        series.provenance = Provenance::File(QStringLiteral("bench%1.hkp").arg(batch), QStringLiteral("00"), t0);
        out.push_back(std::move(series));
    }
    return out;
}

void Run(const char* name, const ArchiveLocation& location)
{
    CArchive archive(location);
    QString error;
    if (!archive.Open(&error)) {
        std::printf("%s: cannot open: %s\n", name, qPrintable(error));
        return;
    }
    constexpr int kBatch = 100'000;
    CArchive::RecordResult result;
    auto start = Clock::now();
    if (!archive.Record(Batch(0, kBatch), CArchive::Mode::Import, &result, &error)) {
        std::printf("%s: import failed: %s\n", name, qPrintable(error));
        return;
    }
    std::printf("%s: import of %d measurements (%d series) in one transaction: %.2f s (target < 3 s)\n", name,
                result.newMeasurements, result.newSeries, Seconds(start));
    start = Clock::now();
    archive.Record(Batch(0, kBatch), CArchive::Mode::Import, &result, &error);
    std::printf("%s: the same again (nothing new): %.2f s\n", name, Seconds(start));
    for (int b = 1; b < 10; ++b)
        if (!archive.Record(Batch(b, kBatch), CArchive::Mode::Import, &result, &error)) {
            std::printf("%s: filling failed: %s\n", name, qPrintable(error));
            return;
        }

    struct Search {
        const char* what;
        ArchiveFilter filter;
    };
    ArchiveFilter byTester;
    byTester.serial = QStringLiteral("K2-0007");
    ArchiveFilter byMonth;
    byMonth.from = kStart + 90 * 86400;
    byMonth.to = kStart + 120 * 86400;
    ArchiveFilter combined = byMonth;
    combined.serial = QStringLiteral("K2-0007");
    combined.scales = {2};
    ArchiveFilter verdict = byMonth;
    verdict.scales = {2};
    verdict.limits.Set({2, 1}, {250.0f, 450.0f});
    verdict.verdict = ArchiveFilter::Verdict::NotOk;
    for (const Search& search : {Search{"one tester", byTester}, Search{"one month", byMonth},
                                 Search{"tester, month and scale", combined}, Search{"month, scale, NOT OK", verdict}}) {
        std::vector<double> times;
        std::vector<FoundSeries> found;
        for (int i = 0; i < 5; ++i) {
            start = Clock::now();
            archive.Find(search.filter, &found, &error);
            times.push_back(Seconds(start));
        }
        std::sort(times.begin(), times.end());
        std::printf("%s: search over 1,000,000 measurements, %s: %zu series in %.1f ms (median of 5; target < 200 ms)\n",
                    name, search.what, found.size(), times[2] * 1000);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    ArchiveLocation sqlite;
    sqlite.path = folder.filePath(QStringLiteral("bench.sqlite"));
    Run("SQLite", sqlite);

    CPostgresServer server;
    if (!server.Failure().isEmpty()) {
        std::printf("PostgreSQL: skipped (%s)\n", qPrintable(server.Failure()));
        return 0;
    }
    QString error;
    const std::optional<ArchiveLocation> pg = ArchiveLocation::Parse(server.CreateDatabase(QStringLiteral("bench")), &error);
    if (pg)
        Run("PostgreSQL", *pg);
    return 0;
}
