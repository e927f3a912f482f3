#include "app/ViewLinkFollowUps.h"

#include "app/TableArea.h"
#include "app/TransferProgress.h"
#include "data/MeasurementStore.h"
#include "settings/Settings.h"

CViewLinkFollowUps::CViewLinkFollowUps(CMeasurementStore& store, CTransferProgress& progress,
                                       std::function<void(const QString&)> tellSendFailure)
    : m_store(store), m_progress(progress), m_tellSendFailure(std::move(tellSendFailure))
{
}

void CViewLinkFollowUps::RefreshTable()
{
    RefreshTableArea(m_store);
}

bool CViewLinkFollowUps::IsSettingsDialogVisible()
{
    return m_store.settingsDialog && m_store.settingsDialog->IsOpen();
}

void CViewLinkFollowUps::RefreshSettingsDialog()
{
    if (m_store.settingsDialog)
        m_store.settingsDialog->Refresh();
}

void CViewLinkFollowUps::TransferProgress(int received, int announced)
{
    m_progress.Report(received, announced);
}

void CViewLinkFollowUps::WaitingForTester(int waitedMs)
{
    m_progress.Waiting(waitedMs);
}

void CViewLinkFollowUps::TesterWaitOver()
{
    m_progress.WaitOver();
}

void CViewLinkFollowUps::SendNotAcknowledged(const QString& text)
{
    if (m_tellSendFailure)
        m_tellSendFailure(text);
}
