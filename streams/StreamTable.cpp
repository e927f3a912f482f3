#include "streams/StreamTable.h"

#include "streams/IoStream.h"

#include <mutex>
#include <vector>

namespace StreamIO {
namespace {

constexpr std::uint32_t kIndexMask = 0x3FF;
constexpr std::uint32_t kSequenceStep = 1024;

struct StreamTable {
    std::mutex lock;
    std::vector<CIoStream*> slots;       // null = free slot
    std::uint32_t sequence = kSequenceStep;
};

// Never destroyed, so streams with static storage can leave the table at exit in any order.
StreamTable& Table()
{
    static StreamTable* table = new StreamTable;
    return *table;
}

} // namespace

namespace Detail {

std::uint32_t RegisterStream(CIoStream* stream)
{
    StreamTable& table = Table();
    std::lock_guard guard(table.lock);
    std::size_t index = 0;
    while (index < table.slots.size() && table.slots[index] != nullptr)
        ++index;
    if (index >= kStreamTableCapacity)
        return 0;
    if (index == table.slots.size())
        table.slots.push_back(stream);
    else
        table.slots[index] = stream;
    const std::uint32_t id = static_cast<std::uint32_t>(index) | (table.sequence & ~kIndexMask);
    const std::uint32_t next = table.sequence + kSequenceStep;
    table.sequence = next < table.sequence ? kSequenceStep : next;
    return id;
}

void UnregisterStream(CIoStream* stream, std::uint32_t id)
{
    if (id == 0)
        return;
    StreamTable& table = Table();
    std::lock_guard guard(table.lock);
    const std::size_t index = id & kIndexMask;
    if (index < table.slots.size() && table.slots[index] == stream)
        table.slots[index] = nullptr;
}

} // namespace Detail

void StartupStreamLayer()
{
    // The table and its lock exist from the first use on; touching them here makes the start-up
    // order of the application explicit and keeps the first registration cheap.
    (void)Table();
}

void ShutdownStreamLayer()
{
    StreamTable& table = Table();
    std::lock_guard guard(table.lock);
    for (CIoStream* stream : table.slots) {
        if (stream != nullptr && stream->IsOpen())
            stream->CloseSafe();
    }
    std::vector<CIoStream*>().swap(table.slots);
}

} // namespace StreamIO
