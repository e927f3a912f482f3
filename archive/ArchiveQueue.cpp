#include "archive/ArchiveQueue.h"

#include <algorithm>
#include <chrono>
#include <tuple>

namespace {

// Two series states that one replaces the other in the queue: the same series from the same origin.
bool SameSeriesAndOrigin(const ArchivedSeries& a, const ArchivedSeries& b)
{
    return std::tie(a.tester.serial, a.seriesNo) == std::tie(b.tester.serial, b.seriesNo)
        && a.FirstTime() == b.FirstTime() && a.provenance.kind == b.provenance.kind
        && a.provenance.fileName == b.provenance.fileName && a.provenance.sha256 == b.provenance.sha256;
}

} // namespace

CArchiveQueue::CArchiveQueue(ArchiveLocation location, Listener listener, int retryMs)
    : archive(std::move(location)), listener(std::move(listener)), retryMs(retryMs), worker([this] { Run(); })
{
}

CArchiveQueue::~CArchiveQueue()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    worker.join();
}

void CArchiveQueue::Submit(std::vector<ArchivedSeries> batch, CArchive::Mode mode)
{
    std::erase_if(batch, [](const ArchivedSeries& s) { return !s.HasIdentity(); });
    if (batch.empty())
        return;
    {
        std::lock_guard lock(mutex);
        // Older queued states of these series go (never the batch being written right now).
        for (std::size_t i = writing ? 1 : 0; i < batches.size(); ++i) {
            Batch& queued = batches[i];
            std::erase_if(queued.series, [&](const ArchivedSeries& old) {
                const bool replaced = std::any_of(batch.begin(), batch.end(),
                                                  [&](const ArchivedSeries& s) { return SameSeriesAndOrigin(old, s); });
                if (replaced && queued.mode == CArchive::Mode::Update)
                    mode = CArchive::Mode::Update;
                return replaced;
            });
        }
        for (auto it = batches.begin() + (writing ? 1 : 0); it != batches.end();)
            it = it->series.empty() ? batches.erase(it) : it + 1;
        batches.push_back({std::move(batch), mode});
    }
    changed.notify_all();
}

bool CArchiveQueue::Flush(int timeoutMs)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return batches.empty(); });
}

int CArchiveQueue::PendingSeries() const
{
    std::lock_guard lock(mutex);
    int count = 0;
    for (const Batch& b : batches)
        count += static_cast<int>(b.series.size());
    return count;
}

void CArchiveQueue::Run()
{
    std::unique_lock lock(mutex);
    while (!stopping) {
        if (batches.empty()) {
            changed.wait(lock, [this] { return stopping || !batches.empty(); });
            continue;
        }
        if (WriteFront(lock))
            continue;
        // Not written: wait, then try again (a stop ends the wait at once).
        changed.wait_for(lock, std::chrono::milliseconds(retryMs), [this] { return stopping; });
    }
    lock.unlock();
    archive.Close();
}

bool CArchiveQueue::WriteFront(std::unique_lock<std::mutex>& lock)
{
    writing = true;
    const Batch batch = batches.front();
    lock.unlock();
    QString error;
    bool freshConnection = false;
    bool written = false;
    bool answers = archive.IsOpen();
    if (!answers) {
        answers = archive.Open(&error);
        freshConnection = answers;
    }
    if (answers) {
        written = archive.Record(batch.series, batch.mode, nullptr, &error);
        if (!written && !freshConnection) {
            // A connection that broke meanwhile: connect again and give the batch a second try.
            archive.Close();
            answers = archive.Open(&error);
            written = answers && archive.Record(batch.series, batch.mode, nullptr, &error);
            freshConnection = answers;
        }
    }
    const bool refused = !written && answers && freshConnection;
    if (!written && !refused)
        archive.Close();
    lock.lock();
    writing = false;
    if (written || refused)
        batches.pop_front();
    const bool becameReachable = (written || refused) && !reachable && batches.empty();
    const bool becameUnreachable = !written && !refused && reachable;
    if (becameUnreachable)
        reachable = false;
    if (becameReachable)
        reachable = true;
    changed.notify_all();
    lock.unlock();
    if (refused && listener)
        listener(Event::Refused, error);
    if (becameUnreachable && listener)
        listener(Event::Unreachable, error);
    if (becameReachable && listener)
        listener(Event::Reachable, {});
    lock.lock();
    return written || refused;
}
