// The archive against a real SQLite file and a real PostgreSQL server: recording again adds only
// what is new, updates keep their history, older schemas are migrated, and the search filters.
#include "ArchiveBackends.h"

#include "archive/Archive.h"
#include "archive/ArchiveSchema.h"
#include "archive/ArchiveSql.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kT0 = 1'700'000'000; // 2023-11-14

class ArchiveTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        test = std::make_unique<CTestArchive>(GetParam());
        ASSERT_TRUE(test->Failure().isEmpty()) << qPrintable(test->Failure());
        archive = std::make_unique<CArchive>(test->Location());
        QString error;
        ASSERT_TRUE(archive->Open(&error)) << qPrintable(error);
    }

    CArchive::RecordResult Record(const std::vector<ArchivedSeries>& series, CArchive::Mode mode = CArchive::Mode::Import)
    {
        CArchive::RecordResult result;
        QString error;
        EXPECT_TRUE(archive->Record(series, mode, &result, &error)) << qPrintable(error);
        return result;
    }

    std::vector<FoundSeries> Find(const ArchiveFilter& filter = {})
    {
        std::vector<FoundSeries> found;
        QString error;
        EXPECT_TRUE(archive->Find(filter, &found, &error)) << qPrintable(error);
        return found;
    }

    int Count(const QString& table)
    {
        QSqlQuery q(archive->Database());
        EXPECT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table));
        return q.next() ? q.value(0).toInt() : -1;
    }

    std::unique_ptr<CTestArchive> test;
    std::unique_ptr<CArchive> archive;
};

TEST_P(ArchiveTest, RecordingAgainAddsOnlyWhatIsNew)
{
    ArchivedSeries a = TestSeries("K2-0001", 1, kT0, {500, 510, 520});
    ArchivedSeries b = TestSeries("K2-0001", 2, kT0 + 100, {600, 610});
    b.measurements[1].time = b.measurements[0].time; // two impacts within one second
    CArchive::RecordResult r = Record({a, b});
    EXPECT_EQ(r.newSeries, 2);
    EXPECT_EQ(r.newMeasurements, 5);

    r = Record({a, b});
    EXPECT_EQ(r.newSeries, 0);
    EXPECT_EQ(r.newMeasurements, 0);

    // The tester measured on: downloaded again, only the two new impacts are added.
    a.measurements.push_back({kT0 + 30, 530, 90, false, 0, 0});
    a.measurements.push_back({kT0 + 40, 540, 90, false, 0, 0});
    a.provenance = Provenance::Download(kT0 + 50);
    r = Record({a});
    EXPECT_EQ(r.newSeries, 0);
    EXPECT_EQ(r.newMeasurements, 2);
    r = Record({a});
    EXPECT_EQ(r.newMeasurements, 0);

    // The same series number of the same tester with another first time is another series.
    r = Record({TestSeries("K2-0001", 1, kT0 + kDay, {450})});
    EXPECT_EQ(r.newSeries, 1);

    EXPECT_EQ(Count("series"), 3);
    EXPECT_EQ(Count("measurements"), 8);
    const std::vector<FoundSeries> found = Find();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].summary.measurements, 5);
    ASSERT_EQ(found[0].origins.size(), 2u); // the file and the download, each once
    EXPECT_EQ(found[0].origins[0].kind, Provenance::Kind::File);
    EXPECT_EQ(found[0].origins[1].kind, Provenance::Kind::Download);

    ArchivedSeries loaded;
    QString error;
    ASSERT_TRUE(archive->Load(found[0].id, &loaded, &error)) << qPrintable(error);
    ASSERT_EQ(loaded.measurements.size(), 5u);
    EXPECT_EQ(loaded.measurements[3].value, 530.0f);
    EXPECT_EQ(loaded.measurements[3].angle, 90);
    EXPECT_EQ(loaded.tester.serial, "K2-0001");
}

TEST_P(ArchiveTest, ASeriesWithoutMeasurementsHasNoIdentityAndIsNotKept)
{
    const CArchive::RecordResult r = Record({TestSeries("K2-0001", 1, kT0, {})});
    EXPECT_EQ(r.withoutIdentity, 1);
    EXPECT_EQ(Count("series"), 0);
}

TEST_P(ArchiveTest, UpdatesTakeConversionAndHiddenFlagsAndKeepTheirHistory)
{
    ArchivedSeries a = TestSeries("K2-0001", 1, kT0, {500, 510, 520});
    Record({a});

    ArchivedSeries changed = a;
    changed.scale = 2; // Vickers, steel
    changed.material = 1;
    changed.measurements[2].hidden = true;
    CArchive::RecordResult r = Record({changed}); // an import does not overwrite what was recorded
    EXPECT_EQ(r.changes, 0);
    EXPECT_EQ(Find()[0].scale, 0);

    r = Record({changed}, CArchive::Mode::Update);
    EXPECT_EQ(r.changes, 3);
    const FoundSeries found = Find()[0];
    EXPECT_EQ(found.scale, 2);
    EXPECT_EQ(found.summary.count, 2); // the hidden value no longer counts
    EXPECT_EQ(found.summary.unit, "HV");
    EXPECT_GT(found.summary.mean, 0);

    std::vector<SeriesChange> history;
    QString error;
    ASSERT_TRUE(archive->History(found.id, &history, &error)) << qPrintable(error);
    ASSERT_EQ(history.size(), 3u);
    std::map<QString, SeriesChange> byField;
    for (const SeriesChange& c : history)
        byField[c.field] = c;
    EXPECT_EQ(byField["scale"].before, 0);
    EXPECT_EQ(byField["scale"].after, 2);
    EXPECT_EQ(byField["hidden"].measurement, 2);
    EXPECT_EQ(byField["hidden"].after, 1);
    EXPECT_FALSE(byField["hidden"].user.isEmpty());
    EXPECT_GT(byField["hidden"].at, 0);

    r = Record({changed}, CArchive::Mode::Update); // nothing differs any more
    EXPECT_EQ(r.changes, 0);
}

TEST_P(ArchiveTest, OpeningMigratesAnOlderSchemaAndKeepsItsSeries)
{
    // A database left at the first schema version, with one series written the way it was then.
    archive->Close();
    test = std::make_unique<CTestArchive>(GetParam());
    ASSERT_TRUE(test->Failure().isEmpty());
    {
        CArchive old(test->Location());
        QString error;
        ASSERT_TRUE(old.Open(&error)) << qPrintable(error); // current schema: start over at version 1
        QSqlDatabase db = old.Database();
        for (const char* table : {"series_changes", "origins", "measurements", "series", "archive_schema"})
            ASSERT_TRUE(ArchiveSql::Exec(db, QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)), &error))
                << qPrintable(error);
        ASSERT_TRUE(ArchiveSchema::Migrate(db, old.Dialect(), &error, 1)) << qPrintable(error);
        ASSERT_EQ(ArchiveSchema::Version(db, &error), 1);
        ASSERT_TRUE(ArchiveSql::Exec(db, QStringLiteral(
            "INSERT INTO series (tester_serial, series_no, first_time, last_time, tester_name, tester_firmware, scale, "
            "material, probe, conversion_standard, custom_curves) VALUES "
            "('K1-7', 4, 1700000000, 1700000010, 'Kestrel 1', '1.0.0', 2, 1, 0, 0, '')"), &error)) << qPrintable(error);
        ASSERT_TRUE(ArchiveSql::Exec(db, QStringLiteral(
            "INSERT INTO measurements (series_id, seq, measured_at, nth, value, angle, hidden, probe, series_mark) "
            "SELECT id, 0, 1700000000, 0, 500, 0, 0, 0, 0 FROM series UNION ALL "
            "SELECT id, 1, 1700000010, 0, 520, 0, 0, 0, 0 FROM series"), &error)) << qPrintable(error);
    }
    archive = std::make_unique<CArchive>(test->Location());
    QString error;
    ASSERT_TRUE(archive->Open(&error)) << qPrintable(error);
    {
        QSqlDatabase db = archive->Database();
        EXPECT_EQ(ArchiveSchema::Version(db, &error), ArchiveSchema::kCurrentVersion);
    }
    const std::vector<FoundSeries> found = Find();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].summary.measurements, 2); // statistics filled for the series kept before
    EXPECT_EQ(found[0].summary.count, 2);
    EXPECT_EQ(found[0].summary.unit, "HV");
    EXPECT_GT(found[0].summary.mean, 0);

    ArchivedSeries same = TestSeries("K1-7", 4, 1'700'000'000, {500, 520});
    EXPECT_EQ(Record({same}).newMeasurements, 0);

    // A database of a newer program is refused, not changed.
    {
        QSqlDatabase db = archive->Database();
        ASSERT_TRUE(ArchiveSql::Exec(db, QStringLiteral("UPDATE archive_schema SET version = 99"), &error));
    }
    archive->Close();
    EXPECT_FALSE(archive->Open(&error));
    EXPECT_TRUE(error.contains("newer")) << qPrintable(error);
}

TEST_P(ArchiveTest, SearchFilters)
{
    // Vickers on steel (scale 2, material 1): raw 500 and 505 show less than 250 HV, raw 600 and
    // 605 lie inside 250..400 HV.
    ArchivedSeries soft = TestSeries("K2-0001", 1, kT0, {500, 505}, 2, 1);
    ArchivedSeries hard = TestSeries("K2-0001", 2, kT0 + kDay, {600, 605}, 2, 1);
    ArchivedSeries leeb = TestSeries("K2-0002", 1, kT0 + 2 * kDay, {700}, 0, 0);
    leeb.tester.name = QStringLiteral("Tamarin 1");
    leeb.provenance = Provenance::File(QStringLiteral("Shift_B 100%.hkp"), QStringLiteral("feed"), kT0);
    ArchivedSeries brinell = TestSeries("K2-0003", 7, kT0 + 3 * kDay, {550}, 3, 1);
    brinell.provenance = Provenance::Download(kT0);
    Record({soft, hard, leeb, brinell});

    CToleranceTable limits;
    ASSERT_TRUE(limits.Set({2, 1}, {250.0f, 400.0f}));

    struct Case {
        const char* name;
        ArchiveFilter filter;
        std::vector<int> series; // expected, as serial digit * 10 + series number, in result order
    };
    auto with = [&](auto change) {
        ArchiveFilter f;
        f.limits = limits;
        change(f);
        return f;
    };
    const Case cases[] = {
        {"everything", with([](ArchiveFilter&) {}), {11, 12, 21, 37}},
        {"serial", with([](ArchiveFilter& f) { f.serial = "K2-0001"; }), {11, 12}},
        {"serial is exact", with([](ArchiveFilter& f) { f.serial = "K2-000"; }), {}},
        {"tester name, any case", with([](ArchiveFilter& f) { f.tester = "tamarin"; }), {21}},
        {"from", with([](ArchiveFilter& f) { f.from = kT0 + kDay; }), {12, 21, 37}},
        {"to, inclusive", with([](ArchiveFilter& f) { f.to = kT0 + kDay; }), {11, 12}},
        {"date range", with([](ArchiveFilter& f) { f.from = kT0 + 1; f.to = kT0 + 2 * kDay; }), {12, 21}},
        {"scale", with([](ArchiveFilter& f) { f.scales = {2}; }), {11, 12}},
        {"scales", with([](ArchiveFilter& f) { f.scales = {0, 1, 3}; }), {21, 37}},
        {"material", with([](ArchiveFilter& f) { f.material = 1; }), {11, 12, 37}},
        {"verdict ok", with([](ArchiveFilter& f) { f.verdict = ArchiveFilter::Verdict::Ok; }), {12}},
        {"verdict not ok", with([](ArchiveFilter& f) { f.verdict = ArchiveFilter::Verdict::NotOk; }), {11}},
        {"an upper limit alone", with([](ArchiveFilter& f) {
             f.limits.Set({2, 1}, {std::nullopt, 250.0f});
             f.verdict = ArchiveFilter::Verdict::Ok;
         }), {11}},
        {"verdict without limits", with([](ArchiveFilter& f) { f.limits = {}; f.verdict = ArchiveFilter::Verdict::Ok; }), {}},
        {"origin file name", with([](ArchiveFilter& f) { f.text = "shift_b"; }), {21}},
        {"origin wildcard taken literally", with([](ArchiveFilter& f) { f.text = "100%"; }), {21}},
        {"percent is no wildcard", with([](ArchiveFilter& f) { f.text = "1%0"; }), {}},
        {"origin computer", with([](ArchiveFilter& f) { f.text = ComputerName(); }), {11, 12, 21, 37}},
        {"combined", with([](ArchiveFilter& f) { f.serial = "K2-0001"; f.from = kT0 + 1; f.scales = {2}; }), {12}},
        {"at most", with([](ArchiveFilter& f) { f.maxResults = 2; }), {11, 12}},
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        for (const FoundSeries& f : Find(c.filter))
            got.push_back(f.tester.serial.right(1).toInt() * 10 + f.seriesNo);
        EXPECT_EQ(got, c.series) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, ArchiveTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const ::testing::TestParamInfo<Backend>& info) { return BackendName(info.param); });

} // namespace
