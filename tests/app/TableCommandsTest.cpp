// The table commands in the main window: the context menu on a right click, clicks and keys on the
// table, the Edit menu, Save after a change, and the saved file opened again.
#include "AppTestEnvironment.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "grid/GridCtrl.h"
#include "table/TableInput.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString WriteFile(const QTemporaryDir& dir)
{
    CMeasurementStore source;
    for (int s = 0; s < 2; ++s) {
        auto* serie = new MSERIE;
        serie->SetSeriesNo(s + 1);
        for (int i = 0; i < 3; ++i) {
            auto* meas = new MEAS;
            meas->SetValue(500.0f + 10 * i);
            meas->SetTime(1600000000 + i);
            serie->AddMeasurement(meas);
        }
        source.AddSeries(serie);
    }
    const QString path = dir.filePath(QStringLiteral("two.hkp"));
    WriteWholeFile(path, MeasurementFile::Serialize(source));
    return path;
}

bool Enabled(CMainFrame& frame, int id)
{
    frame.UpdateCommandUI();
    for (QAction* action : frame.Actions().All())
        if (action->data().toInt() == id)
            return action->isEnabled();
    return false;
}

QStringList Texts(const CGridCtrl& grid)
{
    QStringList texts;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        for (int column = 0; column < grid.GetColumnCount(); ++column)
            texts << grid.GetItemText(row, column);
    return texts;
}

TEST(TableCommandsInTheWindow, ConvertHideDeleteSaveAndOpenAgain)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CMainFrame frame;
    frame.resize(1100, 700);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    CMeasurementStore& store = frame.View().store;
    auto* table = qobject_cast<CGridCtrl*>(frame.View().TableWindow());
    ASSERT_NE(table, nullptr);
    auto* input = table->findChild<CTableInput*>();
    ASSERT_NE(input, nullptr);
    QSignalSpy changes(&frame, &CMainFrame::tableChanged);

    prompts.fileNames.push_back(WriteFile(dir));
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    ASSERT_EQ(table->GetRowCount(), 3);
    EXPECT_FALSE(Enabled(frame, Cmd::Save));
    EXPECT_FALSE(changes.isEmpty());
    changes.clear();

    QWidget* body = table->viewport();
    const auto centre = [&](int row, int column) {
        QCoreApplication::processEvents();
        return table->GetCellRect(row, column).center() - body->pos();
    };
    // Right click on the first series: the Leeb D menu; HB of steel, This.
    QStringList menus;
    input->SetMenuTracker([&](QMenu& menu, const QPoint&) {
        menus << menu.objectName();
        return 32825;
    });
    QTest::mouseClick(body, Qt::RightButton, {}, centre(1, 4));
    EXPECT_EQ(menus, QStringList({"tableMenu156"}));
    EXPECT_EQ(store.series[0]->scale, 3);
    EXPECT_EQ(store.series[0]->material, 1);
    EXPECT_EQ(table->GetItemText(1, 6), store.scalesD[3]->name);
    EXPECT_TRUE(Enabled(frame, Cmd::Save));
    EXPECT_EQ(changes.size(), 1);

    // Expand it with a click on its tree image, hide its second value with Space, delete the third
    // with Delete.
    QTest::mouseClick(body, Qt::LeftButton, {}, centre(1, 0));
    ASSERT_EQ(table->GetRowCount(), 7);
    table->SetFocusCell(4, 0);
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 1);
    QTest::mouseClick(body, Qt::LeftButton, {}, centre(5, 3));
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(store.series[0]->Count(), 2);
    EXPECT_EQ(table->GetRowCount(), 6);
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Offline"));

    // The Edit menu acts as if the first row had been clicked: Expand All.
    ASSERT_TRUE(frame.RunCommand(Cmd::ExpandAll));
    EXPECT_EQ(store.series[1]->expanded, 1);
    EXPECT_EQ(table->GetRowCount(), 6 + 4);
    // One change for each: conversion, expand, hide, delete, Expand All (the click that selected
    // a row changed nothing).
    EXPECT_EQ(changes.size(), 5);

    const QString saved = dir.filePath(QStringLiteral("saved.hkp"));
    prompts.fileNames.push_back(saved);
    ASSERT_TRUE(frame.RunCommand(Cmd::Save));
    EXPECT_FALSE(Enabled(frame, Cmd::Save));
    const QStringList shown = Texts(*table);

    prompts.fileNames.push_back(saved);
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    EXPECT_EQ(prompts.messages.size(), 0); // nothing unsaved: no question
    EXPECT_EQ(Texts(*table), shown);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 1);

    // Delete All from the Edit menu empties the table; the Edit commands then wait for data.
    ASSERT_TRUE(frame.RunCommand(Cmd::DeleteAll));
    EXPECT_EQ(store.series.GetSize(), 0);
    EXPECT_EQ(table->GetRowCount(), 1);
    EXPECT_FALSE(Enabled(frame, Cmd::HideAll));
    store.ClearChanges();
}

} // namespace
