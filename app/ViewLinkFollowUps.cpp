#include "app/ViewLinkFollowUps.h"

#include "app/TableArea.h"

CViewLinkFollowUps::CViewLinkFollowUps(CMeasurementStore& store, ProgressFn progress)
    : m_store(store), m_progress(std::move(progress))
{
}

void CViewLinkFollowUps::RefreshTable()
{
    RefreshTableArea(m_store);
}

void CViewLinkFollowUps::TransferProgress(int received, int announced)
{
    if (m_progress)
        m_progress(received, announced);
}
