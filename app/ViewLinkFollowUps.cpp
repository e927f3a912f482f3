#include "app/ViewLinkFollowUps.h"

#include "app/TableArea.h"
#include "app/TransferProgress.h"

CViewLinkFollowUps::CViewLinkFollowUps(CMeasurementStore& store, CTransferProgress& progress)
    : m_store(store), m_progress(progress)
{
}

void CViewLinkFollowUps::RefreshTable()
{
    RefreshTableArea(m_store);
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
