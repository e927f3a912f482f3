#include "AppTestEnvironment.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"
#include "data/MeasurementFile.h"
#include "export/CsvExport.h"
#include "grid/GridCtrl.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString WriteSeriesFile(const QTemporaryDir& dir, const QString& name, int seriesCount)
{
    CMeasurementStore source;
    for (int i = 0; i < seriesCount; ++i) {
        auto* serie = new MSERIE;
        serie->SetSeriesNo(i + 1);
        auto* meas = new MEAS;
        meas->SetValue(500.0f + i);
        serie->AddMeasurement(meas);
        source.AddSeries(serie);
    }
    const QString path = dir.filePath(name);
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

TEST(FileCommands, OpenFillsTheTableAndSaveFollowsUnsavedChanges)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CMainFrame frame;
    CMeasurementStore& store = frame.View().store;
    const auto* table = qobject_cast<const CGridCtrl*>(frame.View().TableWindow());
    ASSERT_NE(table, nullptr);
    for (int id : {Cmd::Save, Cmd::Copy, Cmd::Export, Cmd::Print})
        EXPECT_FALSE(Enabled(frame, id)) << id;

    prompts.fileNames.push_back(WriteSeriesFile(dir, QStringLiteral("two.hkp"), 2));
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    EXPECT_EQ(store.series.GetSize(), 2);
    EXPECT_EQ(table->GetRowCount(), 3);
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Offline"));
    for (int id : {Cmd::Copy, Cmd::Export, Cmd::Print})
        EXPECT_TRUE(Enabled(frame, id)) << id;
    // Just opened: nothing to save until something changes.
    EXPECT_FALSE(Enabled(frame, Cmd::Save));
    store.series[1]->measurements[0]->SetHidden(1);
    EXPECT_TRUE(Enabled(frame, Cmd::Save));

    const QString saved = dir.filePath(QStringLiteral("saved.hkp"));
    prompts.fileNames.push_back(saved);
    ASSERT_TRUE(frame.RunCommand(Cmd::Save));
    EXPECT_FALSE(Enabled(frame, Cmd::Save));
    EXPECT_EQ(ReadWholeFile(saved), MeasurementFile::Serialize(store));

    // Opening another file over unsaved data asks first; Cancel keeps everything as it was.
    store.series[0]->measurements[0]->SetHidden(1);
    prompts.answers.push_back(PromptAnswer::Cancel);
    prompts.fileNames.push_back(WriteSeriesFile(dir, QStringLiteral("three.hkp"), 3));
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(store.series.GetSize(), 2);
    EXPECT_EQ(table->GetRowCount(), 3);

    // No: the other file replaces the data.
    prompts.answers.push_back(PromptAnswer::No);
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));
    EXPECT_EQ(store.series.GetSize(), 3);
    EXPECT_EQ(table->GetRowCount(), 4);
}

TEST(FileCommands, ExportAsCsvWritesWhatTheStoreHoldsOrSaysWhyNot)
{
    SetTestRegistry({});
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CMainFrame frame;
    CMeasurementStore& store = frame.View().store;
    for (int id : {Cmd::ExportCsv, Cmd::ExportCsvStatistics})
        EXPECT_FALSE(Enabled(frame, id)) << id;
    prompts.fileNames.push_back(WriteSeriesFile(dir, QStringLiteral("two.hkp"), 2));
    ASSERT_TRUE(frame.RunCommand(Cmd::Open));

    // The name typed without an extension gets ".csv"; the locale's dialect (here the C locale:
    // "," and ".", with the byte-order mark spreadsheets need).
    const CsvDialect dialect = CsvDialect::Locale();
    const struct {
        int command;
        QByteArray header;
        QByteArray bytes;
    } cases[] = {
        {Cmd::ExportCsv, "series,measurement,time,value,", MeasurementsCsv(store, dialect)},
        {Cmd::ExportCsvStatistics, "series,time,scale,unit,", StatisticsCsv(store, dialect)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Enabled(frame, c.command));
        prompts.fileNames.push_back(dir.filePath(QStringLiteral("out")));
        ASSERT_TRUE(frame.RunCommand(c.command));
        EXPECT_EQ(prompts.dialogs.last().defaultExtension, QStringLiteral("csv"));
        const QByteArray written = ReadWholeFile(dir.filePath(QStringLiteral("out.csv")));
        EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF" + c.header)) << written.left(60).toStdString();
        EXPECT_EQ(written, c.bytes);
        EXPECT_TRUE(prompts.messages.isEmpty());
        EXPECT_EQ(frame.ShownStatusText(),
                  QString::fromUtf8("Offline \u2014 Written to %1").arg(dir.filePath(QStringLiteral("out.csv"))));
    }

    const QString unwritable = dir.filePath(QStringLiteral("missing/folder/out.csv"));
    prompts.fileNames.push_back(unwritable);
    ASSERT_TRUE(frame.RunCommand(Cmd::ExportCsv));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("Unable to export to \"%1\"").arg(unwritable)));
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Offline"));
}

} // namespace
