// The report read back with pdftotext: the statistics exactly as the table shows them, the
// verdicts, the pages.
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "grid/GridCtrl.h"
#include "quality/Verdicts.h"
#include "report/InspectionReport.h"
#include "table/TablePopulation.h"
#include "table/TableView.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>

namespace {

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfPageText(const QString& path, int page)
{
    QProcess process;
    const QString number = QString::number(page);
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number, path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

class InspectionReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("TZ", "UTC");
        tzset();
        ASSERT_TRUE(dir.isValid());
        CreateTableGrid(store, nullptr);
        ASSERT_EQ(MeasurementFile::Load(store, FixturePath("../scripts/demo/demo-memory.hkp")),
                  MeasurementFile::ReadResult::Read);
        ASSERT_GE(store.series.GetSize(), 5);
    }

    // The six statistics texts of series k as the grid shows them (the series expanded).
    QStringList TableStatistics(int k)
    {
        store.series[k]->SetExpanded(1);
        RefreshTable(store);
        for (int row = 1; row < store.grid->GetRowCount(); ++row) {
            if (store.grid->GetItemText(row, 0) == QStringLiteral("%1.0").arg(k)) {
                QStringList texts;
                for (int c = 2; c <= 7; ++c)
                    texts << store.grid->GetItemText(row, c);
                return texts;
            }
        }
        return {};
    }

    QTemporaryDir dir;
    CMeasurementStore store;
    CToleranceTable limits;
    const QDateTime date = QDateTime(QDate(2026, 12, 10), QTime(9, 30, 0), Qt::UTC);
};

TEST_F(InspectionReportTest, HoldsTheTablesStatisticsAndTheVerdicts)
{
    QList<QStringList> statistics;
    for (int k = 0; k < store.series.GetSize(); ++k)
        statistics << TableStatistics(k);
    // Limits for the first series (HV of steel) that its values break, and passing ones for the second.
    const MSERIE& first = *store.series[0];
    const MSERIE& second = *store.series[1];
    ASSERT_TRUE(limits.Set({first.scale, first.material}, {280.0f, 300.0f}));
    ASSERT_TRUE(limits.Set({second.scale, second.material}, {1.0f, 5000.0f}));
    const SeriesVerdict firstVerdict = JudgeSeries(store, 0, limits);
    ASSERT_FALSE(firstVerdict.IsOk());
    ASSERT_GT(firstVerdict.below + firstVerdict.above, 0);

    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    const ReportResult result = WriteInspectionReport(store, limits, path, date);
    ASSERT_TRUE(result.written) << result.error.toStdString();
    const QString text = PdfText(path);

    EXPECT_TRUE(text.contains(QStringLiteral("Inspection report")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tester: Kestrel 2 K2-DEMO-0001 V: 2.1.0")));
    EXPECT_TRUE(text.contains(QStringLiteral("Date: 2026-12-10 09:30:00")));
    for (int k = 0; k < statistics.size(); ++k) {
        ASSERT_EQ(statistics[k].size(), 6);
        for (const QString& s : statistics[k])
            EXPECT_TRUE(text.contains(s)) << "series " << k << ": " << s.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("NOT OK")));
    EXPECT_TRUE(text.contains(QStringLiteral("Verdict: NOT OK (%1 inside, %2 below, %3 above)")
                                  .arg(firstVerdict.inside)
                                  .arg(firstVerdict.below)
                                  .arg(firstVerdict.above)));
    EXPECT_TRUE(text.contains(QStringLiteral("Verdict: OK (")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tolerance: 280 .. 300 HV")));
    EXPECT_TRUE(text.contains(QStringLiteral("no limits set")));
    EXPECT_EQ(text.count(QStringLiteral("hidden\n")), [&] {
        int hidden = 0;
        for (const MSERIE* s : store.series)
            for (const MEAS* m : s->measurements)
                hidden += m->hidden;
        return hidden;
    }());
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of %1").arg(result.pages)));
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(result.pages)));
    EXPECT_EQ(text.count(QStringLiteral("Signature:")), result.pages);
}

TEST_F(InspectionReportTest, LeavesTheDataAsTheyWere)
{
    RefreshTable(store);
    store.ClearChanges();
    const QByteArray before = MeasurementFile::Serialize(store);
    const ReportResult result = WriteInspectionReport(store, limits, dir.filePath(QStringLiteral("r.pdf")), date);
    ASSERT_TRUE(result.written);
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(MeasurementFile::Serialize(store), before);
}

TEST_F(InspectionReportTest, FailureLeavesNothingBehind)
{
    // A folder that does not exist: nothing is written, the user is told where.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/r.pdf"));
    ReportResult result = WriteInspectionReport(store, limits, missing, date);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.error.contains(missing));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("no"))));

    // The path is a folder: refused, the folder untouched and no temporary file left next to it.
    // (An existing report stays as it was when a new one cannot be written: the file writer's own
    // tests show that for every file the program writes.)
    const QString folder = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(folder));
    result = WriteInspectionReport(store, limits, folder, date);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"taken"});
}

// A series that fits on a page is never split between two; a single value draws nothing a PDF
// reader rejects.
TEST_F(InspectionReportTest, SeriesStayOnOnePageAndEveryPageReads)
{
    auto* single = new MSERIE;
    single->SetSeriesNo(9001);
    auto* meas = new MEAS;
    meas->SetValue(520.0f);
    single->AddMeasurement(meas);
    store.AddSeries(single);
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    const ReportResult result = WriteInspectionReport(store, limits, path, date);
    ASSERT_TRUE(result.written);
    ASSERT_GE(result.pages, 2);
    for (int k = 0; k < store.series.GetSize(); ++k) {
        const MSERIE& serie = *store.series[k];
        const QString heading = QStringLiteral("Series %1").arg(serie.seriesNo);
        const QString lastRow = QStringLiteral("%1.%2").arg(serie.seriesNo).arg(serie.Count());
        int headingPage = 0;
        int lastRowPage = 0;
        for (int page = 1; page <= result.pages; ++page) {
            const QString text = PdfPageText(path, page);
            if (headingPage == 0 && text.contains(heading + QLatin1Char('\n')))
                headingPage = page;
            if (text.contains(lastRow))
                lastRowPage = page;
        }
        EXPECT_NE(headingPage, 0) << k;
        EXPECT_EQ(headingPage, lastRowPage) << heading.toStdString();
    }
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("20"), path, dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000));
    EXPECT_EQ(render.exitCode(), 0);
    EXPECT_EQ(render.readAllStandardError(), QByteArray());
}

TEST_F(InspectionReportTest, EmptyStoreGivesOnePage)
{
    CMeasurementStore empty;
    const QString path = dir.filePath(QStringLiteral("empty.pdf"));
    const ReportResult result = WriteInspectionReport(empty, limits, path, date);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.pages, 1);
    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("No measurement series.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of 1")));
}

} // namespace
