#pragma once
// CArchiveQueue: writes series into the archive on a thread of its own, so whoever measures never
// waits for the database. What cannot be written (the database does not answer) stays queued and
// is written once it answers again; the same series submitted again while queued replaces its
// older state, so a queue never holds more than one state of a series per origin.
//
// Each submitted batch is one transaction. A batch the database refuses although it answers (twice
// in a row, just after connecting) is dropped and told, so one bad batch cannot stop the rest.

#include "archive/Archive.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class CArchiveQueue {
public:
    enum class Event {
        Unreachable, // the database stopped answering (told once until it answers again)
        Reachable,   // it answers again and everything queued was written
        Refused,     // a batch was refused although the database answers; `detail` says why
    };
    // Called on the queue's thread.
    using Listener = std::function<void(Event event, const QString& detail)>;

    CArchiveQueue(ArchiveLocation location, Listener listener, int retryMs = 2000);
    // Stops the thread; what is still queued is given up (Flush first to avoid that).
    ~CArchiveQueue();
    CArchiveQueue(const CArchiveQueue&) = delete;
    CArchiveQueue& operator=(const CArchiveQueue&) = delete;

    void Submit(std::vector<ArchivedSeries> batch, CArchive::Mode mode);
    // Waits until everything queued was written, at most timeoutMs. True when nothing is left.
    bool Flush(int timeoutMs);
    // Series still waiting to be written.
    int PendingSeries() const;

private:
    struct Batch {
        std::vector<ArchivedSeries> series;
        CArchive::Mode mode;
    };
    void Run();
    // Writes the front batch; false when the database did not take it.
    bool WriteFront(std::unique_lock<std::mutex>& lock);

    CArchive archive; // used on the queue's thread only
    Listener listener;
    const int retryMs;
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<Batch> batches;
    bool writing = false; // the front batch is being written
    bool stopping = false;
    bool reachable = true;
    std::thread worker;
};
