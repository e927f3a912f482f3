#include "app/TransferProgress.h"

#include "app/AppStrings.h"
#include "resources/StringTable.h"

CTransferProgress::CTransferProgress(Hooks hooks) : m_hooks(std::move(hooks)) {}

void CTransferProgress::Begin()
{
    m_active = true;
    m_shown = false;
    m_sinceStart.start();
}

void CTransferProgress::End()
{
    if (m_active && m_shown)
        m_hooks.showStatus(m_before);
    m_active = false;
    m_shown = false;
}

void CTransferProgress::Report(int received, int announced)
{
    if (!m_active)
        return;
    if (received == 0) {
        // A new transfer: the quiet time counts from its header.
        m_sinceStart.start();
        return;
    }
    if (m_sinceStart.elapsed() < kQuietMs)
        return;
    if (m_shown && m_sinceShown.elapsed() < kEveryMs && received < announced)
        return;
    if (!m_shown)
        m_before = m_hooks.statusText();
    m_shown = true;
    m_sinceShown.start();
    m_hooks.showStatus(ResString(AppText::DownloadProgress).arg(received).arg(announced));
    m_hooks.repaint();
}

void CTransferProgress::Waiting(int waitedMs)
{
    if (waitedMs < kQuietMs)
        return;
    if (!m_waitShown) {
        m_beforeWait = m_hooks.statusText();
        m_waitShown = true;
        m_hooks.showStatus(ResString(AppText::WaitingForTester));
    } else if (m_sinceWaitPainted.isValid() && m_sinceWaitPainted.elapsed() < kEveryMs) {
        return;
    }
    m_sinceWaitPainted.start();
    m_hooks.repaint();
}

void CTransferProgress::WaitOver()
{
    if (!m_waitShown)
        return;
    m_waitShown = false;
    m_sinceWaitPainted.invalidate();
    m_hooks.showStatus(m_beforeWait);
}
