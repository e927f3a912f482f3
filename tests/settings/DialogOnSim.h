#pragma once
// The settings dialog on a store whose link talks to the tester simulator over a real
// pseudo-terminal: connected as the main view connects, with the dialog's refresh installed as
// the link's follow-up, and helpers that act as the operator does.

#include "common/SimProcess.h"
#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkFollowUps.h"
#include "settings/Settings.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

// What the main view does for the link: refreshes the open dialog and counts it.
class DialogFollowUps final : public ILinkFollowUps {
public:
    void RefreshTable() override {}
    bool IsSettingsDialogVisible() override { return dialog && dialog->IsOpen(); }
    void RefreshSettingsDialog() override
    {
        ++refreshes;
        dialog->Refresh();
    }

    CSettings* dialog = nullptr;
    int refreshes = 0;
};

class DialogOnSim : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts the simulator, opens its port, reads everything as a connect does (jobs 0x00FF) and
    // creates the dialog object (not yet its window).
    bool Connect(const QStringList& simArgs);
    // Runs the link's pending jobs as the polling timer does, until none is left; false when some
    // stay pending after a few runs.
    bool RunJobs();
    // Opens the dialog's window and lets its read jobs run.
    bool OpenAndRead();

    // The operator: chooses a line of a list, clicks a button, types into an edit and leaves it.
    void Choose(int id, int position);
    void Click(int id);
    void Type(int id, const QString& text);
    QString Text(int id);
    QStringList Lines(int id);
    QComboBox* List(int id);
    bool Enabled(int id);
    // A simulator command that must succeed; its answer.
    QString Sim(const QString& command);

    SimProcess sim;
    CMeasurementStore store;
    DialogFollowUps followUps;
    std::unique_ptr<CSettings> dialog;
    int lockRedraws = 0;
    int lockRefusals = 0; // "Lock Keys" clicks the tester did not confirm
};
