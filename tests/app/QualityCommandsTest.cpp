// Tolerance limits, the verdicts over the table, the chart beside it and the report, in the main
// window as the user drives them.
#include "AppTestEnvironment.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/SeriesChartPanel.h"
#include "app/ToleranceLimitsDialog.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "conversion/Conversion.h"
#include "grid/GridCtrl.h"
#include "quality/LimitsSettings.h"
#include "table/TableCommands.h"
#include "table/TablePopulation.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The demo's first series is Vickers of steel: 287, 293, 269, (291 hidden), 332 HV.
const QByteArray kDemoLimits = "[Software\\Halvex\\Kestrel\\Tolerance limits]\n\"Limits\"=\"2,1,280,300\"\n";

QString DemoFile()
{
    return FixturePath(QStringLiteral("../scripts/demo/demo-memory.hkp"));
}

template <class T>
void WhenShown(std::function<void(T*)> answer, int triesLeft = 6000)
{
    QTimer::singleShot(10, [answer, triesLeft] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()))
            answer(modal);
        else if (triesLeft > 0)
            WhenShown<T>(answer, triesLeft - 1);
    });
}

class QualityCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { SetTestRegistry(kDemoLimits); }

    void Open()
    {
        frame = std::make_unique<CMainFrame>(CMainFrame::Options{{DemoFile()}, nullptr});
        frame->resize(1200, 700);
        frame->show();
        grid = qobject_cast<CGridCtrl*>(frame->View().TableWindow());
        chart = frame->findChild<CSeriesChartPanel*>(QStringLiteral("seriesChart"));
        ASSERT_NE(grid, nullptr);
        ASSERT_NE(chart, nullptr);
        ASSERT_GE(Store().series.GetSize(), 1);
    }
    CMeasurementStore& Store() { return frame->View().store; }
    int RowOfKey(const QString& key)
    {
        for (int row = 1; row < grid->GetRowCount(); ++row)
            if (grid->GetItemText(row, 0) == key)
                return row;
        return -1;
    }
    // What the chart drew once the table's change reached it: the change alone makes it repaint.
    ChartDrawCounts ChartNow()
    {
        const int before = chart->PaintCount();
        for (int turn = 0; turn < 100 && chart->PaintCount() == before; ++turn)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_GT(chart->PaintCount(), before);
        return chart->LastCounts();
    }

    ScriptedPrompts prompts;
    std::unique_ptr<CMainFrame> frame;
    CGridCtrl* grid = nullptr;
    CSeriesChartPanel* chart = nullptr;
};

TEST_F(QualityCommandsTest, VerdictsAreAnOverlayOfTheTable)
{
    Open();
    Store().series[0]->SetExpanded(1);
    RefreshTable(Store());
    const auto overlay = grid->CellOverlay();
    ASSERT_TRUE(overlay);
    const int seriesRow = RowOfKey(QStringLiteral("0"));
    EXPECT_EQ(overlay(seriesRow, 1).mark, QStringLiteral("NOT OK"));
    const QColor inside = overlay(RowOfKey(QStringLiteral("0.1")), 4).tint;
    const QColor below = overlay(RowOfKey(QStringLiteral("0.3")), 4).tint;
    EXPECT_TRUE(inside.isValid());
    EXPECT_TRUE(below.isValid());
    EXPECT_NE(inside, below);
    EXPECT_FALSE(overlay(RowOfKey(QStringLiteral("0.4")), 4).tint.isValid()); // hidden
    const QColor above = overlay(RowOfKey(QStringLiteral("0.5")), 4).tint;
    EXPECT_TRUE(above.isValid());
    EXPECT_NE(above, below);
    EXPECT_NE(above, inside);
    EXPECT_FALSE(overlay(RowOfKey(QStringLiteral("0.0")), 4).tint.isValid()); // statistics row
    EXPECT_TRUE(overlay(RowOfKey(QStringLiteral("1")), 1).mark.isEmpty());    // no limits for series 2

    // The table's own texts and colours are those of a table without limits.
    const int row = RowOfKey(QStringLiteral("0.3"));
    EXPECT_EQ(grid->GetItemText(row, 4), FormatMeasurementValue(Store(), 0, 2));
    EXPECT_FALSE(grid->GetItemBkColour(row, 4).isValid());
    EXPECT_EQ(grid->GetItemFgColour(row, 4), QColor(0, 0, 0));
    EXPECT_EQ(grid->GetItemText(seriesRow, 1), QStringLiteral("1"));
}

TEST_F(QualityCommandsTest, ChartFollowsSelectionConversionHideAndDelete)
{
    Open();
    ClickTableCell(Store(), RowOfKey(QStringLiteral("0")), 0); // expand the first series
    grid->SetFocusCell(RowOfKey(QStringLiteral("0.2")), 1);
    ChartDrawCounts counts = ChartNow();
    EXPECT_EQ(chart->ShownSeries(), 0);
    EXPECT_EQ(counts.visiblePoints, 4);
    EXPECT_EQ(counts.hiddenPoints, 1);
    EXPECT_EQ(counts.limitLines, 2);
    EXPECT_TRUE(counts.meanLine);

    // Hiding a measurement with a click on its tree image.
    ClickTableCell(Store(), RowOfKey(QStringLiteral("0.1")), 0);
    ASSERT_EQ(Store().series[0]->measurements[0]->hidden, 1);
    counts = ChartNow();
    EXPECT_EQ(counts.visiblePoints, 3);
    EXPECT_EQ(counts.hiddenPoints, 2);

    // Converting to Brinell in the Scale cell: there are no limits for it.
    const int seriesRow = RowOfKey(QStringLiteral("0"));
    ASSERT_TRUE(grid->SetItemText(seriesRow, 6, ScaleCatalogue(Store(), 0)[3]->name));
    EndTableEdit(Store(), seriesRow, 6);
    ASSERT_EQ(Store().series[0]->scale, 3);
    counts = ChartNow();
    EXPECT_EQ(counts.limitLines, 0);
    EXPECT_EQ(counts.visiblePoints + counts.hiddenPoints, 5);

    // Deleting a measurement.
    const int last = RowOfKey(QStringLiteral("0.5"));
    grid->SetSelectedRange(last, 1, last, 8);
    DeleteSelectedRows(Store());
    ASSERT_EQ(Store().series[0]->Count(), 4);
    grid->SetFocusCell(RowOfKey(QStringLiteral("0")), 1);
    counts = ChartNow();
    EXPECT_EQ(counts.visiblePoints + counts.hiddenPoints, 4);

    // Another series.
    grid->SetFocusCell(RowOfKey(QStringLiteral("1")), 1);
    counts = ChartNow();
    EXPECT_EQ(chart->ShownSeries(), 1);
    EXPECT_EQ(counts.visiblePoints, Store().series[1]->Count());
}

TEST_F(QualityCommandsTest, LimitsDialogKeepsTheLimitsAndRedrawsTheVerdicts)
{
    Open();
    grid->SetFocusCell(RowOfKey(QStringLiteral("1")), 1); // series 2: Brinell of grey cast iron
    const MSERIE& second = *Store().series[1];
    bool shownOnTheSeries = false;
    WhenShown<CToleranceLimitsDialog>([&](CToleranceLimitsDialog* dialog) {
        shownOnTheSeries = dialog->CurrentKey().scale == second.scale && dialog->CurrentKey().material == second.material;
        dialog->UpperEdit()->setFocus();
        QTest::keyClicks(dialog->UpperEdit(), QStringLiteral("1")); // everything is above 1
        dialog->accept();
    });
    ASSERT_TRUE(frame->RunCommand(Cmd::ToleranceLimits));
    EXPECT_TRUE(shownOnTheSeries);
    const CToleranceTable kept = LimitsSettings::Load();
    EXPECT_EQ(kept.Find(second.scale, second.material), (ToleranceLimits{std::nullopt, 1.0f}));
    EXPECT_EQ(kept.Find(2, 1), (ToleranceLimits{280.0f, 300.0f})); // the others stay
    EXPECT_EQ(frame->View().Limits(), kept);
    EXPECT_EQ(grid->CellOverlay()(RowOfKey(QStringLiteral("1")), 1).mark, QStringLiteral("NOT OK"));

    // Cancel changes nothing.
    WhenShown<CToleranceLimitsDialog>([&](CToleranceLimitsDialog* dialog) {
        dialog->findChild<QPushButton*>()->click(); // "Remove these limits"
        dialog->reject();
    });
    ASSERT_TRUE(frame->RunCommand(Cmd::ToleranceLimits));
    EXPECT_EQ(LimitsSettings::Load(), kept);
}

TEST(ToleranceLimitsDialog, FieldsEditThePairShownAndRefuseNonsense)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    CToleranceTable table;
    table.Set({2, 1}, {280.0f, 320.0f});
    CToleranceLimitsDialog dialog(store, table, {2, 1}, nullptr);
    EXPECT_EQ(dialog.LowerEdit()->text(), QStringLiteral("280"));
    EXPECT_EQ(dialog.UpperEdit()->text(), QStringLiteral("320"));
    EXPECT_EQ(dialog.List()->count(), 1);

    // Another material of Vickers: no limits yet; typing sets them.
    dialog.MaterialBox()->setCurrentIndex(dialog.MaterialBox()->findData(2));
    EXPECT_TRUE(dialog.LowerEdit()->text().isEmpty());
    QTest::keyClicks(dialog.LowerEdit(), QStringLiteral("45,5"));
    EXPECT_EQ(dialog.Table().Find(2, 2), (ToleranceLimits{45.5f, std::nullopt}));
    EXPECT_EQ(dialog.List()->count(), 2);

    // An upper limit below the lower one is refused: OK waits until it is mended.
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QTest::keyClicks(dialog.UpperEdit(), QStringLiteral("40"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.Table().Find(2, 2), (ToleranceLimits{45.5f, std::nullopt}));
    QTest::keyClicks(dialog.UpperEdit(), QStringLiteral("0"));   // 400
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.Table().Find(2, 2), (ToleranceLimits{45.5f, 400.0f}));

    // Scales 0 and 1 have no material; Rockwell A is not offered.
    EXPECT_EQ(dialog.ScaleBox()->findData(6), -1);
    dialog.ScaleBox()->setCurrentIndex(dialog.ScaleBox()->findData(1));
    EXPECT_EQ(dialog.MaterialBox()->count(), 0);
    EXPECT_EQ(dialog.CurrentKey().material, 0);

    // A line of the list shows its pair.
    dialog.List()->setCurrentRow(0);
    emit dialog.List()->itemClicked(dialog.List()->item(0));
    EXPECT_EQ(dialog.CurrentKey().scale, 2);
    EXPECT_EQ(dialog.CurrentKey().material, 1);
    EXPECT_EQ(dialog.UpperEdit()->text(), QStringLiteral("320"));
}

TEST_F(QualityCommandsTest, ReportWritesThePdfTheUserNamed)
{
    Open();
    QTemporaryDir dir;
    EXPECT_TRUE(frame->StateOf(Cmd::Report).enabled);
    prompts.fileNames.push_back(dir.filePath(QStringLiteral("inspection"))); // ".pdf" is added
    ASSERT_TRUE(frame->RunCommand(Cmd::Report));
    const QString path = dir.filePath(QStringLiteral("inspection.pdf"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(prompts.dialogs.last().defaultExtension, QStringLiteral("pdf"));
    EXPECT_EQ(prompts.dialogs.last().title, QStringLiteral("Save inspection report"));
    EXPECT_EQ(frame->ShownStatusText(), QString::fromUtf8("Offline \u2014 Written to %1").arg(path));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(report.contains(QStringLiteral("Verdict: NOT OK (2 inside, 1 below, 1 above)")));
    EXPECT_TRUE(report.contains(QStringLiteral("Tester: Kestrel 2 K2-DEMO-0001")));

    // Cancelled: nothing written, nothing asked; unwritable: the user is told.
    const int messages = prompts.messages.size();
    ASSERT_TRUE(frame->RunCommand(Cmd::Report));
    EXPECT_EQ(prompts.messages.size(), messages);
    prompts.fileNames.push_back(dir.filePath(QStringLiteral("missing/r.pdf")));
    ASSERT_TRUE(frame->RunCommand(Cmd::Report));
    ASSERT_EQ(prompts.messages.size(), messages + 1);
    EXPECT_TRUE(prompts.messages.last().contains(QStringLiteral("missing/r.pdf")));
}

} // namespace
