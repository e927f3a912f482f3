#pragma once
// What the main view does when the device link's work has brought new data: the table is rebuilt
// from the store, the settings dialog shows the new settings while it is open, and a long
// measurement transfer shows how far it has come.

#include "devicelink/LinkFollowUps.h"

#include <functional>

class CMeasurementStore;

class CViewLinkFollowUps final : public ILinkFollowUps {
public:
    using ProgressFn = std::function<void(int received, int announced)>;

    // store: whose table is rebuilt; progress: where transfer figures go.
    CViewLinkFollowUps(CMeasurementStore& store, ProgressFn progress);

    void RefreshTable() override;
    bool IsSettingsDialogVisible() override;
    void RefreshSettingsDialog() override;
    void TransferProgress(int received, int announced) override;

private:
    CMeasurementStore& m_store;
    ProgressFn m_progress;
};
