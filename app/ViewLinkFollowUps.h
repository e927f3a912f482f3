#pragma once
// What the main view does when the device link's work has brought new data: the table is rebuilt
// from the store, the settings dialog shows the new settings while it is open, a long measurement
// transfer shows how far it has come, and an exchange that waits for the tester says so while the
// window keeps being painted.

#include "devicelink/LinkFollowUps.h"

class CMeasurementStore;
class CTransferProgress;

class CViewLinkFollowUps final : public ILinkFollowUps {
public:
    // store: whose table is rebuilt; progress: where transfer figures and waits are shown.
    CViewLinkFollowUps(CMeasurementStore& store, CTransferProgress& progress);

    void RefreshTable() override;
    bool IsSettingsDialogVisible() override;
    void RefreshSettingsDialog() override;
    void TransferProgress(int received, int announced) override;
    void WaitingForTester(int waitedMs) override;
    void TesterWaitOver() override;

private:
    CMeasurementStore& m_store;
    CTransferProgress& m_progress;
};
