#include "update/BackgroundSearch.h"

#include "update/InstallerChoice.h"


void CBackgroundSearch::Start(CUpdateSession& session, const CVersion& own, ResultFn onResult)
{
    Stop();
    m_session = &session;
    session.ClearStop();
    m_running = true;
    m_thread = std::thread([this, &session, own, onResult = std::move(onResult)] {
        Run(session, own, onResult);
        m_running = false;
    });
}

void CBackgroundSearch::Stop()
{
    if (!m_thread.joinable())
        return;
    m_session->RequestStop();
    m_thread.join();
    m_session->ClearStop();
    m_session = nullptr;
}

void CBackgroundSearch::Run(CUpdateSession& session, CVersion own, const ResultFn& onResult)
{
    session.SetShowMessages(false);
    if (!session.IsConnected() && !session.ConnectFolder({}))
        return;
    const auto listing = session.List(QStringLiteral("*"));
    if (listing) {
        const SInstallerChoice choice = ChooseInstaller(*listing, own);
        onResult(choice.version);
    }
    session.Disconnect();
}
