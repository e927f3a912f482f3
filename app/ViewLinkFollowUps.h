#pragma once
// What the main view does when the device link's work has brought new data: the table is rebuilt
// from the store, the settings dialog shows the new settings while it is open, a long measurement
// transfer shows how far it has come, and an exchange that waits for the tester says so while the
// window keeps being painted.

#include "devicelink/LinkFollowUps.h"

#include <functional>

class CMeasurementStore;
class CTransferProgress;

class CViewLinkFollowUps final : public ILinkFollowUps {
public:
    // store: whose table is rebuilt; progress: where transfer figures and waits are shown;
    // tellSendFailure: tells the operator of a send the tester did not acknowledge.
    CViewLinkFollowUps(CMeasurementStore& store, CTransferProgress& progress,
                       std::function<void(const QString&)> tellSendFailure);

    void RefreshTable() override;
    bool IsSettingsDialogVisible() override;
    void RefreshSettingsDialog() override;
    void TransferProgress(int received, int announced) override;
    void WaitingForTester(int waitedMs) override;
    void TesterWaitOver() override;
    void SendNotAcknowledged(const QString& text) override;

private:
    CMeasurementStore& m_store;
    CTransferProgress& m_progress;
    std::function<void(const QString&)> m_tellSendFailure;
};
