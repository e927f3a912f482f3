#include "AppTestEnvironment.h"

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "data/MeasurementFile.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kQuestion = QStringLiteral("Your measurements are not yet saved!\nSave measurements?");

void AddSeries(CMeasurementStore& store, int count)
{
    for (int i = 0; i < count; ++i) {
        auto* serie = new MSERIE;
        auto* meas = new MEAS;
        meas->SetValue(500 + i);
        serie->AddMeasurement(meas);
        store.AddSeries(serie);
    }
}

enum class Saved { Nothing, File };

struct Case {
    const char* name;
    int series;
    bool changed;
    std::vector<PromptAnswer> answers;
    std::vector<const char*> fileNames; // relative to a temporary folder; "" = dialog cancelled
    bool viaExitCommand;
    bool wantAsked;
    bool wantClosed;
    bool wantSaveError;
    Saved wantSaved;
};

TEST(CloseQuestion, AnswersDecideWhetherTheProgramEnds)
{
    const Case cases[] = {
        {"no series", 0, false, {}, {}, false, false, true, false, Saved::Nothing},
        {"unchanged series", 2, false, {}, {}, false, false, true, false, Saved::Nothing},
        {"cancel", 2, true, {PromptAnswer::Cancel}, {}, false, true, false, false, Saved::Nothing},
        {"cancel from Exit", 2, true, {PromptAnswer::Cancel}, {}, true, true, false, false, Saved::Nothing},
        {"no", 2, true, {PromptAnswer::No}, {}, false, true, true, false, Saved::Nothing},
        {"yes, dialog cancelled", 2, true, {PromptAnswer::Yes}, {""}, false, true, false, false, Saved::Nothing},
        {"yes, save fails", 2, true, {PromptAnswer::Yes}, {"missing/folder/out.hkp"}, false, true, false, true,
            Saved::Nothing},
        {"yes, saved", 2, true, {PromptAnswer::Yes}, {"out.hkp"}, true, true, true, false, Saved::File},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetTestRegistry({});
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        for (const char* name : c.fileNames)
            prompts.fileNames.push_back(*name ? dir.filePath(QLatin1String(name)) : QString());

        CMainFrame frame;
        CMeasurementStore& store = frame.View().store;
        AddSeries(store, c.series);
        if (!c.changed)
            store.ClearChanges();
        const QByteArray before = MeasurementFile::Serialize(store);
        frame.show();

        if (c.viaExitCommand) {
            EXPECT_TRUE(frame.RunCommand(Cmd::Exit));
        } else {
            frame.close();
        }

        EXPECT_EQ(!frame.isVisible(), c.wantClosed);
        const QStringList asked = prompts.messages.filter(kQuestion);
        EXPECT_EQ(asked.size(), c.wantAsked ? 1 : 0);
        if (c.wantAsked) {
            EXPECT_EQ(prompts.icons.first(), PromptIcon::Warning);
        }
        EXPECT_EQ(prompts.messages.size() - asked.size(), c.wantSaveError ? 1 : 0);
        if (c.wantClosed) {
            EXPECT_EQ(store.series.GetSize(), 0);
        } else {
            // Still running, with the data as they were and still unsaved.
            EXPECT_EQ(MeasurementFile::Serialize(store), before);
            EXPECT_EQ(store.unsavedData, 1);
            EXPECT_TRUE(store.HasChanges());
        }
        const QString saved = dir.filePath(QStringLiteral("out.hkp"));
        EXPECT_EQ(QFileInfo::exists(saved), c.wantSaved == Saved::File);
        if (c.wantSaved == Saved::File) {
            CMeasurementStore reread;
            EXPECT_EQ(MeasurementFile::Load(reread, saved), MeasurementFile::ReadResult::Read);
            EXPECT_EQ(reread.series.GetSize(), c.series);
        }
    }
}

TEST(CloseQuestion, ResetDataKeepsOrForgetsTheDevice)
{
    SetTestRegistry({});
    ScriptedPrompts prompts;
    CMainFrame frame;
    CChildView& view = frame.View();
    for (bool alsoDevice : {false, true}) {
        view.store.device.name = QStringLiteral("Kestrel 2");
        view.store.device.serialNumber = QStringLiteral("K2-0042");
        view.store.device.keysLocked = 1;
        view.store.displayCodes[0] = 'A';
        view.store.displayMode = 3;
        view.store.bootloaderMode = 1;
        AddSeries(view.store, 1);
        prompts.answers = {PromptAnswer::No};

        EXPECT_TRUE(view.ResetData(alsoDevice));
        EXPECT_EQ(view.store.series.GetSize(), 0);
        EXPECT_EQ(view.store.bootloaderMode, 0);
        EXPECT_EQ(view.store.unsavedData, 0);
        EXPECT_EQ(view.store.device.name.isEmpty(), alsoDevice);
        EXPECT_EQ(view.store.device.serialNumber.isEmpty(), alsoDevice);
        EXPECT_EQ(view.store.device.keysLocked, alsoDevice ? 0u : 1u);
        EXPECT_EQ(view.store.displayCodes[0], alsoDevice ? ' ' : 'A');
        EXPECT_EQ(view.store.displayMode, alsoDevice ? 0 : 3);
    }
}

} // namespace
