// The device area and the view's commands without a tester: column widths, the measurements
// line, the conversion standard, enable rules, shortcuts and the recent files of the File menu.
#include "AppTestEnvironment.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "grid/GridCtrl.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CommandState State(CMainFrame& frame, int id)
{
    frame.UpdateCommandUI();
    return frame.StateOf(id);
}

void AddSeries(CMeasurementStore& store, int measurements)
{
    auto* serie = new MSERIE;
    serie->SetSeriesNo(store.series.GetSize() + 1);
    for (int i = 0; i < measurements; ++i) {
        auto* meas = new MEAS;
        meas->SetValue(500.0f);
        serie->AddMeasurement(meas);
    }
    store.AddSeries(serie);
}

QString WriteSeriesFile(const QTemporaryDir& dir, const QString& name)
{
    CMeasurementStore source;
    AddSeries(source, 2);
    const QString path = dir.filePath(name);
    WriteWholeFile(path, MeasurementFile::Serialize(source));
    return path;
}

TEST(DeviceArea, ColumnWidthsFollowTheViewWidth)
{
    using W9 = std::array<int, 9>;
    const W9 natural = {30, 100, 100, 100, 100, 110, 150, 150, 150};
    EXPECT_EQ(CChildView::TableColumnWidths(960, false), natural);
    EXPECT_EQ(CChildView::TableColumnWidths(960, true), natural);
    EXPECT_EQ(CChildView::TableColumnWidths(300, false), natural);
    EXPECT_EQ(CChildView::TableColumnWidths(1000, false), (W9{30, 100, 100, 100, 100, 110, 151, 151, 150}));
    EXPECT_EQ(CChildView::TableColumnWidths(1000, true), (W9{30, 100, 97, 97, 97, 107, 148, 148, 150}));
    EXPECT_EQ(CChildView::TableColumnWidths(1700, false), (W9{30, 100, 199, 199, 199, 219, 299, 299, 150}));

    // Painting applies them to the table, which lies below the device area.
    SetTestRegistry({});
    struct : IViewFrame {
        void SetStatusText(const QString&) override {}
        QString StatusText() const override { return {}; }
        void ForgetNewestFirmware() override {}
        bool OpenDocument(const QString&) override { return true; }
    } noFrame;
    CChildView view;
    view.Create(nullptr, &noFrame, {});
    view.resize(1000, 500);
    view.grab();
    const auto* grid = qobject_cast<const CGridCtrl*>(view.TableWindow());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->geometry(), QRect(0, 150, 1000, 350));
    const W9 expected = CChildView::TableColumnWidths(1000, grid->verticalScrollBar()->isVisible());
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(grid->GetColumnWidth(column), expected[column]) << column;
}

TEST(DeviceArea, MeasurementsLineCountsAgainstTheTestersMemory)
{
    SetTestRegistry({});
    CMainFrame frame;
    CChildView& view = frame.View();
    CMeasurementStore& store = view.store;
    EXPECT_EQ(view.MeasurementsText(), QString()); // neither tester nor series

    store.device.name = QStringLiteral("Kestrel 1");
    EXPECT_EQ(view.MeasurementsText(), "0 (memory: 0% used)");
    AddSeries(store, 1000);
    AddSeries(store, 450);
    EXPECT_EQ(view.MeasurementsText(), "1450 (memory: 50% used)");

    store.DeleteMeasurements(-1, -1);
    store.device.name = QStringLiteral("Kestrel 2");
    AddSeries(store, 1224);
    EXPECT_EQ(view.MeasurementsText(), "1224 (memory: 50% used)");

    // Series from a file without a tester count against the larger memory.
    store.device.name.clear();
    EXPECT_EQ(view.MeasurementsText(), "1224 (memory: 50% used)");
    store.DeleteMeasurements(-1, -1);
    AddSeries(store, 3);
    EXPECT_EQ(view.MeasurementsText(), "3 (memory: 0% used)");

    // The view paints at any size without trouble, narrower than the tester's picture too.
    for (QSize size : {QSize(1, 1), QSize(100, 160), QSize(439, 300), QSize(1300, 700)}) {
        view.resize(size);
        EXPECT_FALSE(view.grab().isNull()) << size.width();
    }
}

TEST(DeviceArea, CommandsWithoutATester)
{
    SetTestRegistry({});
    ScriptedPrompts prompts;
    CMainFrame frame;
    for (int id : {Cmd::DeviceSettings, Cmd::ClearDeviceMemory, Cmd::Save})
        EXPECT_FALSE(State(frame, id).enabled) << id;
    for (int id : {Cmd::ConnectDevice, Cmd::FirmwareUpgrade, Cmd::Open, Cmd::CheckForUpdates, Cmd::StandardDefault,
             Cmd::StandardCustomJ})
        EXPECT_TRUE(State(frame, id).enabled) << id;
    EXPECT_TRUE(State(frame, Cmd::StandardDefault).checked);
    EXPECT_FALSE(State(frame, Cmd::StandardCustomJ).checked);

    // The desktop's standard keys, shown in the menus.
    const std::pair<int, QKeySequence::StandardKey> keys[] = {{Cmd::Open, QKeySequence::Open},
        {Cmd::Save, QKeySequence::Save}, {Cmd::Print, QKeySequence::Print}, {Cmd::Copy, QKeySequence::Copy},
        {Cmd::Help, QKeySequence::HelpContents}};
    for (const auto& [id, key] : keys) {
        ASSERT_NE(frame.Actions().Find(id), nullptr) << id;
        EXPECT_EQ(frame.Actions().Find(id)->shortcut(), QKeySequence(key)) << id;
    }
}

TEST(DeviceArea, ConversionStandardRebuildsTheTableAndCountsAsUnsaved)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CMainFrame frame;
    CMeasurementStore& store = frame.View().store;
    prompts.fileNames.push_back(WriteSeriesFile(dir, QStringLiteral("one.hkp")));
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    ASSERT_EQ(store.series.GetSize(), 1);
    EXPECT_FALSE(State(frame, Cmd::Save).enabled);

    ASSERT_TRUE(frame.RunCommand(Cmd::StandardCustomJ));
    EXPECT_EQ(store.conversionStandard, 1);
    EXPECT_EQ(store.unsavedData, 1);
    EXPECT_TRUE(State(frame, Cmd::StandardCustomJ).checked);
    EXPECT_FALSE(State(frame, Cmd::StandardDefault).checked);
    // The standard is part of the file, so Save offers to keep it.
    EXPECT_TRUE(State(frame, Cmd::Save).enabled);
    const QString saved = dir.filePath(QStringLiteral("j.hkp"));
    prompts.fileNames.push_back(saved);
    ASSERT_TRUE(frame.RunCommand(Cmd::Save));
    EXPECT_FALSE(State(frame, Cmd::Save).enabled);

    CMeasurementStore reread;
    ASSERT_EQ(MeasurementFile::Load(reread, saved), MeasurementFile::ReadResult::Read);
    EXPECT_EQ(reread.conversionStandard, 1);
}

TEST(DeviceArea, RecentFilesAreListedKeptAndAMissingOneIsDropped)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CMainFrame frame;
    CRecentFiles& recent = frame.RecentFiles();
    EXPECT_TRUE(recent.Files().isEmpty());
    EXPECT_FALSE(State(frame, Cmd::RecentFile1).enabled);

    const QString a = WriteSeriesFile(dir, QStringLiteral("a.hkp"));
    prompts.fileNames.push_back(a);
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    const QString b = dir.filePath(QStringLiteral("b.hkp"));
    frame.View().store.series[0]->measurements[0]->SetHidden(1);
    prompts.fileNames.push_back(b);
    ASSERT_TRUE(frame.RunCommand(Cmd::Save));
    EXPECT_EQ(recent.Files(), QStringList({b, a}));

    // In the File menu above "Exit", numbered.
    QMenu* file = frame.menuBar()->findChild<QMenu*>(QStringLiteral("file"));
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    QAction* first = frame.Actions().Find(Cmd::RecentFile1);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->text().startsWith("&1 ")) << first->text().toStdString();
    EXPECT_TRUE(first->text().endsWith("b.hkp"));
    EXPECT_FALSE(frame.Actions().Find(Cmd::RecentFile1 + 2)->isVisible());
    const QList<QAction*> items = file->actions();
    EXPECT_LT(items.indexOf(first), items.indexOf(frame.Actions().Find(Cmd::Exit)));

    // Kept in the registry for the next start; the same file again comes first once; four at most.
    CRecentFiles reread;
    EXPECT_EQ(reread.Files(), QStringList({b, a}));
    for (const char* name : {"c.hkp", "d.hkp", "a.hkp", "e.hkp"})
        reread.Add(dir.filePath(QLatin1String(name)));
    EXPECT_EQ(reread.Files(), QStringList({dir.filePath("e.hkp"), a, dir.filePath("d.hkp"), dir.filePath("c.hkp")}));

    // Opening an entry opens its file.
    prompts.answers.push_back(PromptAnswer::No);
    frame.View().store.series[0]->measurements[0]->SetHidden(0);
    ASSERT_TRUE(frame.RunCommand(Cmd::RecentFile1 + 1));
    EXPECT_EQ(frame.View().store.series.GetSize(), 1);
    EXPECT_EQ(recent.Files().first(), a);

    // A file that is gone is taken off the list with a message and nothing is opened.
    ASSERT_TRUE(QFile::remove(b));
    prompts.messages.clear();
    const QStringList before = recent.Files();
    const int index = static_cast<int>(before.indexOf(b));
    ASSERT_GE(index, 0);
    ASSERT_TRUE(frame.RunCommand(Cmd::RecentFile1 + index));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(b));
    EXPECT_EQ(recent.Files(), QStringList({a}));
    EXPECT_EQ(frame.View().store.series.GetSize(), 1);
    EXPECT_EQ(CRecentFiles().Files(), QStringList({a}));
}

} // namespace
