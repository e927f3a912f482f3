#pragma once
// CBackgroundSearch: looks for a newer installer on the update server on a thread of its own,
// without message boxes, and hands the version found (0: none) to a callback on that thread. A
// search that cannot reach the server reports nothing. Stop() asks a running search to end (the
// session's transfers notice it within a moment) and waits for it; the thread is never killed.

#include "update/UpdateSession.h"
#include "update/Version.h"

#include <atomic>
#include <functional>
#include <thread>

class CBackgroundSearch {
public:
    using ResultFn = std::function<void(const CVersion& newest)>;

    CBackgroundSearch() = default;
    ~CBackgroundSearch() { Stop(); }
    CBackgroundSearch(const CBackgroundSearch&) = delete;
    CBackgroundSearch& operator=(const CBackgroundSearch&) = delete;

    // Ends a previous search first. The session must outlive the search (or the next Stop()).
    void Start(CUpdateSession& session, const CVersion& own, ResultFn onResult);
    void Stop();
    // Whether the search is still at work (it may have ended without being stopped).
    bool IsRunning() const { return m_running; }

private:
    static void Run(CUpdateSession& session, CVersion own, const ResultFn& onResult);

    CUpdateSession* m_session = nullptr;
    std::atomic<bool> m_running{false};
    std::thread m_thread;
};
