#include "updatewizard/UpdateWorker.h"

#include "update/UpdateSession.h"

#include <QMetaObject>

CUpdateWorker::CUpdateWorker(CUpdateSession& session)
    : m_session(session)
{
}

CUpdateWorker::~CUpdateWorker()
{
    Cancel();
    Wait();
}

void CUpdateWorker::Run(QObject* receiver, std::function<void()> job, std::function<void()> done)
{
    Wait();
    m_session.ClearStop();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancelled = cancelled;
    m_busy = true;
    // The receiver lives as long as this worker, which waits for the thread before it goes.
    m_thread = std::thread([this, receiver, cancelled, job = std::move(job), done = std::move(done)]() mutable {
        job();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_busy = false;
            // A cancelled job leaves no connection behind: Cancel did not close it while the job ran.
            if (*cancelled)
                m_session.Disconnect();
        }
        if (*cancelled)
            return;
        QMetaObject::invokeMethod(
            receiver,
            [cancelled, done = std::move(done)] {
                if (!*cancelled)
                    done();
            },
            Qt::QueuedConnection);
    });
}

void CUpdateWorker::Cancel()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_cancelled)
        *m_cancelled = true;
    if (m_busy) {
        m_session.RequestStop();
        return;
    }
    lock.unlock();
    // Even saying goodbye (QUIT) waits for the server's answer: not on the caller's thread.
    Wait();
    m_busy = true;
    m_thread = std::thread([this] {
        m_session.Disconnect();
        m_busy = false;
    });
}

void CUpdateWorker::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
