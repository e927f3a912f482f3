#include "app/ViewLinkFollowUps.h"

#include "app/TableArea.h"
#include "app/TransferProgress.h"
#include "data/MeasurementStore.h"
#include "settings/Settings.h"

CViewLinkFollowUps::CViewLinkFollowUps(CMeasurementStore& store, CTransferProgress& progress)
    : m_store(store), m_progress(progress)
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
