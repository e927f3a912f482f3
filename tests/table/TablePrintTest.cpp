// Printing the table to a PDF file and reading the text back.
#include "TableTestSupport.h"

#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "table/PrintDialogSeam.h"
#include "table/TablePopulation.h"
#include "table/TablePrint.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Answers the print dialog with a PDF file, or cancels it.
class PdfPrintDialog final : public IPrintDialog {
public:
    explicit PdfPrintDialog(QString path) : path(std::move(path)) { SetPrintDialog(this); }
    ~PdfPrintDialog() override { SetPrintDialog(nullptr); }
    PrintDialogChoice Run(QPrinter& printer, QWidget*) override
    {
        ++shown;
        documentName = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return {accept, selectionOnly};
    }

    QString path;
    bool accept = true;
    bool selectionOnly = false;
    int shown = 0;
    QString documentName;
};

// The text of each page of a PDF file, in reading order.
QStringList PdfPages(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

class TablePrint : public GridTableTest {
protected:
    void SetUp() override
    {
        GridTableTest::SetUp();
        store.device.name = "Kestrel 2";
        store.device.serialNumber = "H12345";
        store.device.firmwareVersion = "2.1.0";
    }
    QTemporaryDir dir;
};

TEST_F(TablePrint, PagesCarryHeaderTitleRowAndFooter)
{
    store.conversionStandard = 1;
    AddPlainSeries(store, 7, true, 120);
    RefreshTable(store);
    RecordingHost host;
    PdfPrintDialog dialog(dir.filePath("table.pdf"));
    PrintTable(store);

    EXPECT_EQ(dialog.documentName, "Scleron");
    EXPECT_EQ(host.statusTexts, QStringList({"Print...", "Offline"}));
    const QStringList pages = PdfPages(dir.filePath("table.pdf"));
    ASSERT_GE(pages.size(), 2);
    const int count = static_cast<int>(pages.size());
    for (int p = 0; p < count; ++p) {
        SCOPED_TRACE(p);
        const QString& page = pages[p];
        EXPECT_TRUE(page.contains("Kestrel 2 H12345 Custom J"));
        EXPECT_FALSE(page.contains("2.1.0")); // no firmware version in the title
        EXPECT_TRUE(page.contains("Scleron"));
        EXPECT_TRUE(page.contains(QString("Page %1 of %2").arg(p + 1).arg(count)));
        EXPECT_TRUE(page.contains("Gravity component"));
        EXPECT_TRUE(page.contains("Impact body"));
    }
    // Every row is printed once, in order: the series row and statistics on page 1, the last
    // measurement on the last page.
    EXPECT_TRUE(pages[0].contains("Statistic"));
    EXPECT_TRUE(pages[0].contains("7.1 "));
    EXPECT_TRUE(pages[count - 1].contains("7.120"));
    EXPECT_FALSE(pages[0].contains("7.120"));
    const QString all = pages.join(QString());
    EXPECT_EQ(all.count("7.60 "), 1);
}

TEST_F(TablePrint, SelectionOnlyPrintsTheSelectedRows)
{
    AddPlainSeries(store, 7, true, 120);
    RefreshTable(store);
    Grid().SetSelectedRange(5, 0, 6, 8); // measurements 7.3 and 7.4
    PdfPrintDialog dialog(dir.filePath("table.pdf"));
    dialog.selectionOnly = true;
    PrintTable(store);
    const QStringList pages = PdfPages(dir.filePath("table.pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Page 1 of 1"));
    EXPECT_TRUE(pages[0].contains("7.3 "));
    EXPECT_TRUE(pages[0].contains("7.4 "));
    EXPECT_FALSE(pages[0].contains("7.5 "));
    EXPECT_FALSE(pages[0].contains("Statistic"));
}

TEST_F(TablePrint, CancelledDialogPrintsNothing)
{
    AddPlainSeries(store, 7, true, 3);
    RefreshTable(store);
    PdfPrintDialog dialog(dir.filePath("table.pdf"));
    dialog.accept = false;
    PrintTable(store);
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("table.pdf")));
}

TEST_F(TablePrint, PrinterThatDoesNotStartIsReportedNotPassedOverInSilence)
{
    AddPlainSeries(store, 7, true, 3);
    RefreshTable(store);
    RecordingHost host;
    ScriptedPrompts prompts;
    // A PDF file in a folder that does not exist: the printer cannot be opened.
    PdfPrintDialog dialog(dir.filePath("missing/table.pdf"));
    PrintTable(store);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("Unable to print the table"));
    EXPECT_EQ(prompts.icons, QList<PromptIcon>({PromptIcon::Error}));
    EXPECT_EQ(host.statusTexts.last(), "Offline");

    // A printer that starts prints without a message.
    dialog.path = dir.filePath("table.pdf");
    PrintTable(store);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(QFile::exists(dialog.path));
}

TEST_F(TablePrint, RowsArePaginatedByTheirHeights)
{
    AddPlainSeries(store, 7, true, 10); // rows 1..12, each 22 high
    RefreshTable(store);
    Grid().SetRowHeight(4, 0);          // hidden rows are not printed
    const QList<QList<int>> pages = PaginateRows(Grid(), false, 5 * 22 + 10);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0], QList<int>({1, 2, 3, 5, 6}));
    EXPECT_EQ(pages[1], QList<int>({7, 8, 9, 10, 11}));
    EXPECT_EQ(pages[2], QList<int>({12}));
    // A page lower than one row still takes one row per page.
    EXPECT_EQ(PaginateRows(Grid(), false, 5).size(), 11);
}

} // namespace
