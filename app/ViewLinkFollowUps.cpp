#include "app/ViewLinkFollowUps.h"

#include "app/TableArea.h"
#include "data/MeasurementStore.h"
#include "settings/Settings.h"

CViewLinkFollowUps::CViewLinkFollowUps(CMeasurementStore& store, ProgressFn progress)
    : m_store(store), m_progress(std::move(progress))
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
    if (m_progress)
        m_progress(received, announced);
}
