// The text export of the table and the clipboard text of the table's selections.
#include "TableTestSupport.h"

#include "common/ScriptedPrompts.h"
#include "common/FileSizeLimit.h"
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "table/TableExport.h"
#include "table/TablePopulation.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>


namespace {

using TableExport = GridTableTest;

QList<QByteArray> Lines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

TEST_F(TableExport, MatchesTheHandCheckedFile)
{
    ASSERT_EQ(MeasurementFile::Load(store, FixturePath("table/fixtures/three-series.hkp")),
              MeasurementFile::ReadResult::Read);
    RefreshTable(store);
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    RecordingHost host;
    prompts.fileNames.push_back(dir.filePath("table")); // the default extension is added
    ExportTable(store);

    EXPECT_EQ(ReadWholeFile(dir.filePath("table.txt")), ReadWholeFile(FixturePath("table/fixtures/three-series-export.txt")));
    EXPECT_TRUE(prompts.messages.isEmpty());
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_TRUE(prompts.dialogs[0].save);
    EXPECT_EQ(prompts.dialogs[0].filter, "Text (*.txt)|*.txt|All Files (*.*)|*.*||");
    EXPECT_EQ(prompts.dialogs[0].initialName, "*.txt");
    EXPECT_EQ(prompts.dialogs[0].defaultExtension, "txt");
    // The status bar says where the file went.
    EXPECT_EQ(host.statusTexts,
              QStringList({"Export...", QString::fromUtf8("Offline \u2014 Written to %1").arg(dir.filePath("table.txt"))}));
}

TEST_F(TableExport, CollapsedSeriesGivesOneLineAndEveryLineHasSevenTabs)
{
    AddPlainSeries(store, 1, false, 10);
    RefreshTable(store);
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(ExportTableTo(store, dir.filePath("out.txt"), &error)) << error.toStdString();
    const QList<QByteArray> lines = Lines(ReadWholeFile(dir.filePath("out.txt")));
    ASSERT_EQ(lines.size(), 3);
    for (int i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].count('\t'), 7) << i;
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    }
    EXPECT_TRUE(lines[2].startsWith("1\t2020-09-13\t12:26:40\t505 HLD\t"));
}

TEST_F(TableExport, HeaderLineNamesTheDeviceAndTheConversionStandard)
{
    store.device.name = "Kestrel 2";
    store.device.serialNumber = "H777";
    store.device.firmwareVersion = "2.0.1";
    const struct {
        int standard;
        QByteArray header;
    } cases[] = {{0, "Kestrel 2 H777 V: 2.0.1\r"}, {1, "Kestrel 2 H777 V: 2.0.1 Custom J\r"}};
    for (const auto& c : cases) {
        store.conversionStandard = c.standard;
        RefreshTable(store);
        QTemporaryDir dir;
        ASSERT_TRUE(ExportTableTo(store, dir.filePath("out.txt"), nullptr));
        EXPECT_EQ(Lines(ReadWholeFile(dir.filePath("out.txt"))).value(0), c.header);
    }
}

TEST_F(TableExport, CharactersBeyondLatin1AreWrittenAsUtf8)
{
    store.device.name = QString::fromUtf8("測定器");
    RefreshTable(store);
    QTemporaryDir dir;
    ASSERT_TRUE(ExportTableTo(store, dir.filePath("out.txt"), nullptr));
    EXPECT_TRUE(ReadWholeFile(dir.filePath("out.txt")).startsWith(QString::fromUtf8("測定器  V: ").toUtf8()));
}

TEST_F(TableExport, CancelledDialogWritesNothing)
{
    RefreshTable(store);
    ScriptedPrompts prompts;
    RecordingHost host;
    host.portOpen = true;
    ExportTable(store);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(host.statusTexts, QStringList({"Export...", "Online"}));
}

// Answers the save dialog with one path and records each question with the application-wide
// cursor it was asked under (a wait cursor over a dialog or a message box is wrong).
class CursorPrompts final : public IUserPrompts {
public:
    explicit CursorPrompts(QString path) : path(std::move(path)) { SetPrompts(this); }
    ~CursorPrompts() override { SetPrompts(nullptr); }
    PromptAnswer Message(const QString& text, PromptButtons, PromptIcon) override
    {
        messages << text;
        waitCursorShown << (QApplication::overrideCursor() != nullptr);
        return PromptAnswer::Ok;
    }
    QString FileName(const FileDialogRequest&) override
    {
        waitCursorShown << (QApplication::overrideCursor() != nullptr);
        return path;
    }

    QString path;
    QStringList messages;
    QList<bool> waitCursorShown;
};

TEST_F(TableExport, FileThatCannotBeCreatedIsReported)
{
    AddPlainSeries(store, 1, false, 1);
    RefreshTable(store);
    QTemporaryDir dir;
    CursorPrompts prompts(dir.filePath("missing/folder/out.txt"));
    ExportTable(store);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("Cannot create \"" + dir.filePath("missing/folder/out.txt")))
        << prompts.messages[0].toStdString();
    EXPECT_EQ(prompts.waitCursorShown, QList<bool>({false, false}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(store.series.GetSize(), 1);
    EXPECT_EQ(Grid().GetRowCount(), 2);
}

TEST_F(TableExport, WriteErrorIsReportedAndTheOldFileStays)
{
    AddPlainSeries(store, 1, true, 3000);
    RefreshTable(store);
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    WriteWholeFile(path, "previous export\r\n");
    ScriptedPrompts prompts;
    prompts.fileNames.push_back(path);
    {
        FileSizeLimit limit(4096);
        ExportTable(store);
    }
    EXPECT_EQ(prompts.messages, QStringList({"Unable to save grid list\nFile too large"}));
    EXPECT_EQ(ReadWholeFile(path), "previous export\r\n");
}

// ---- clipboard ------------------------------------------------------------------------------

using TableCopy = GridTableTest;

TEST_F(TableCopy, CopyThisOnAMeasurementRowGivesColumnsOneToSeven)
{
    AddSeries(store, 0, 0, 0, 4, true, {{500}, {512, 90}});
    RefreshTable(store);
    Grid().SetSelectedRange(4, 0, 4, 7);
    EXPECT_EQ(Grid().GetCopyText(), "4.2\t2020-09-13\t12:26:40\t512 HLD\t0.00\t\t");
    ASSERT_TRUE(Grid().Copy());
    EXPECT_EQ(QApplication::clipboard()->text(), "4.2\t2020-09-13\t12:26:40\t512 HLD\t0.00\t\t");
}

TEST_F(TableCopy, CopyAllLeavesOutTheTitleRowAndKeepsColumnEight)
{
    AddPlainSeries(store, 1, false, 1);
    AddSeries(store, 0, 0, 1, 2, false, {{700}});
    RefreshTable(store);
    Grid().SelectAllCells();
    const QStringList lines = Grid().GetCopyText().split("\r\n");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "1\t2020-09-13\t12:26:40\t500 HLD\t1.00\tHLD Leeb D raw\t\tD");
    EXPECT_EQ(lines[1], "2\t2020-09-13\t12:26:40\t700 HLDL\t1.00\tHLDL Leeb DL raw\t\tDL");
}

TEST_F(TableCopy, SelectionOfRowsThreeToFiveGivesThreeLines)
{
    AddPlainSeries(store, 1, true, 5);
    RefreshTable(store);
    Grid().SetSelectedRange(3, 0, 5, 8);
    const QString text = Grid().GetCopyText();
    EXPECT_FALSE(text.endsWith("\r\n"));
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("1.1\t"));
    EXPECT_TRUE(lines[2].startsWith("1.3\t"));
}

TEST_F(TableCopy, EmptySelectionLeavesTheClipboardAlone)
{
    AddPlainSeries(store, 1, true, 2);
    RefreshTable(store);
    QApplication::clipboard()->setText("kept");
    Grid().SetSelectedRange(GridRange{});
    EXPECT_FALSE(Grid().Copy());
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

} // namespace
