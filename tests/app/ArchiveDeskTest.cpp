// The archive in the desktop program: filled by itself from what the window loads and changes,
// a database that does not answer told once and caught up on later, the archive window's search,
// trend and Open.
#include "AppTestEnvironment.h"

#include "app/ArchiveDesk.h"
#include "app/ArchiveSettingsDialog.h"
#include "app/ArchiveTrendChart.h"
#include "app/ArchiveWindow.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "archive/Archive.h"
#include "common/PostgresServer.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The demo memory: seven series of five impacts of tester K2-DEMO-0001; the first is Vickers of
// steel, 287, 293, 269, (291 hidden), 332 HV.
const QByteArray kDemoLimits = "[Software\\Halvex\\Kestrel\\Tolerance limits]\n\"Limits\"=\"2,1,280,300\"\n";

QString DemoFile()
{
    return FixturePath(QStringLiteral("../scripts/demo/demo-memory.hkp"));
}

// Lets the window's events run until `done` holds, at most `ms`.
bool Eventually(const std::function<bool()>& done, int ms = 20000)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

class ArchiveDeskTest : public ::testing::Test {
protected:
    void SetUp() override { SetTestRegistry(kDemoLimits); }
    void TearDown() override
    {
        desk.reset();
        frame.reset();
        qputenv("SCLERON_ARCHIVE_URL", "off");
    }

    void Start(const QString& url)
    {
        qputenv("SCLERON_ARCHIVE_URL", url.toLocal8Bit());
        QString error;
        location = *ArchiveLocation::Parse(url, &error);
        CMainFrame::Options options;
        options.commandLine = {DemoFile()};
        frame = std::make_unique<CMainFrame>(options);
        desk = std::make_unique<CArchiveDesk>(*frame);
    }

    std::vector<FoundSeries> Archived(const ArchiveFilter& filter = {})
    {
        CArchive archive(location);
        std::vector<FoundSeries> found;
        QString error;
        if (archive.Open(&error))
            archive.Find(filter, &found, &error);
        return found;
    }

    ScriptedPrompts prompts;
    QTemporaryDir folder;
    ArchiveLocation location;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<CArchiveDesk> desk;
};

TEST_F(ArchiveDeskTest, FilledByItselfAndFoundAgainInTheArchiveWindow)
{
    Start(QStringLiteral("sqlite:") + folder.filePath("archive.sqlite"));
    ASSERT_TRUE(Eventually([&] { return Archived().size() == 7; }));
    std::vector<FoundSeries> found = Archived();
    EXPECT_EQ(found[0].tester.serial, "K2-DEMO-0001");
    ASSERT_EQ(found[0].origins.size(), 1u);
    EXPECT_EQ(found[0].origins[0].fileName, "demo-memory.hkp");
    EXPECT_EQ(found[0].summary.count, 4); // the hidden impact does not count

    // Hiding every measurement in the window updates the archive and keeps the history.
    ASSERT_TRUE(frame->RunCommand(Cmd::HideAll));
    ASSERT_TRUE(Eventually([&] { return Archived()[0].summary.count == 0; }));
    CArchive archive(location);
    QString error;
    ASSERT_TRUE(archive.Open(&error)) << qPrintable(error);
    std::vector<SeriesChange> history;
    ASSERT_TRUE(archive.History(found[0].id, &history, &error));
    EXPECT_EQ(history.size(), 4u); // four impacts were visible
    EXPECT_EQ(history[0].field, "hidden");

    // The window: a search by serial number and verdict, the trend, and Open.
    CArchiveWindow window(location, frame->View().Limits(),
                          [&](const std::vector<ArchivedSeries>& series) { desk->OpenSeries(series); });
    window.SerialEdit()->setText("K2-DEMO-0001");
    window.ScaleBox()->setCurrentIndex(window.ScaleBox()->findData(2)); // Vickers
    ASSERT_TRUE(window.Search()) << qPrintable(window.StatusLabel()->text());
    ASSERT_EQ(window.Results()->rowCount(), 2);
    window.Results()->selectRow(0);
    EXPECT_EQ(window.Trend()->Points().size(), 0u); // every value hidden now: no means to draw
    window.SerialEdit()->setText("nobody");
    ASSERT_TRUE(window.Search());
    EXPECT_EQ(window.Results()->rowCount(), 0);

    // Open puts the chosen series into the table as a document of its own (the changed demo is
    // not saved: the answer to the question is No).
    window.SerialEdit()->clear();
    window.ScaleBox()->setCurrentIndex(0);
    ASSERT_TRUE(window.Search());
    ASSERT_EQ(window.Results()->rowCount(), 7);
    window.Results()->selectRow(2);
    prompts.answers = {PromptAnswer::No};
    window.OpenChosen();
    CMeasurementStore& store = frame->View().store;
    ASSERT_EQ(store.series.GetSize(), 1);
    EXPECT_EQ(store.series[0]->seriesNo, found[2].seriesNo);
    EXPECT_EQ(store.series[0]->Count(), 5);
    EXPECT_EQ(store.device.serialNumber, "K2-DEMO-0001");
    EXPECT_FALSE(store.HasChanges());
}

TEST_F(ArchiveDeskTest, AServerThatDoesNotAnswerIsToldOnceAndCaughtUpOn)
{
    CPostgresServer server;
    ASSERT_TRUE(server.Failure().isEmpty()) << qPrintable(server.Failure());
    const QString url = server.CreateDatabase("desk");
    ASSERT_FALSE(url.isEmpty());
    server.Stop();
    Start(url);
    const QString unreachable = QStringLiteral("Archive unreachable");
    ASSERT_TRUE(Eventually([&] { return frame->StatusText().startsWith(unreachable); }));
    ASSERT_TRUE(server.Start());
    ASSERT_TRUE(Eventually([&] { return Archived().size() == 7; }, 30000));
    EXPECT_TRUE(Eventually([&] { return frame->StatusText().startsWith("The archive answers again"); }))
        << qPrintable(frame->StatusText());
}

TEST_F(ArchiveDeskTest, SettingsDialogKeepsTheAddressAndRefusesOneWithAPassword)
{
    CArchiveSettingsDialog dialog;
    dialog.SetText("postgresql://lab:secret@db/hardness");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected); // still open: the password is refused
    dialog.SetText("postgresql://lab@db:5433/hardness");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ArchiveSettings::StoredText(), "postgresql://lab@db:5433/hardness");
    dialog.SetText("off");
    dialog.accept();
    EXPECT_EQ(ArchiveSettings::StoredText(), "off");
}

} // namespace
