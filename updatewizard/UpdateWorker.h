#pragma once
// CUpdateWorker: runs the wizard's exchanges with the update server (connect and list, download) on
// a thread of their own, so that the window repaints and Cancel answers whatever the server does.
// When a job is done, its result is handed to the user-interface thread (through the receiver's
// event queue). Cancel asks the session to stop and returns at once: the thread ends within about
// a second, and the cancelled job's result is dropped. The thread is waited for before the next job
// and when the worker goes.

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class CUpdateSession;

class CUpdateWorker {
public:
    explicit CUpdateWorker(CUpdateSession& session);
    ~CUpdateWorker();
    CUpdateWorker(const CUpdateWorker&) = delete;
    CUpdateWorker& operator=(const CUpdateWorker&) = delete;

    // Runs job on the worker thread, then done on receiver's thread (unless cancelled meanwhile or
    // receiver is gone). Waits for a previous, cancelled job first.
    void Run(QObject* receiver, std::function<void()> job, std::function<void()> done);
    // Also closes the session's connection, on the worker thread (a running job does that itself
    // once it has stopped).
    void Cancel();
    // Waits for the thread (a cancelled job ends soon).
    void Wait();
    bool Busy() const { return m_busy; }

private:
    CUpdateSession& m_session;
    std::thread m_thread;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    std::atomic<bool> m_busy{false};
    std::mutex m_mutex;
};
