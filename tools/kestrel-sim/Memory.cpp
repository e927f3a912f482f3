#include "tools/kestrel-sim/Memory.h"

#include <algorithm>
#include <cstring>

namespace Sim {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

} // namespace

void AppendRecordBytes(std::vector<std::uint8_t>& out, const Record& record, int recordSize)
{
    Put16(out, record.when.time);
    Put16(out, record.when.date);
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof record.value);
    std::memcpy(&bits, &record.value, sizeof bits);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
    out.push_back(record.angle);
    Put16(out, record.modeWord);
    if (recordSize >= 13)
        Put16(out, record.seriesNo);
}

bool Memory::Append(const Record& record)
{
    if (Full())
        return false;
    records_.push_back(record);
    return true;
}

void Memory::Erase()
{
    records_.clear();
    mark_ = 0;
    offered_ = 0;
    ++generation_;
}

void Memory::MarkDownloaded(int end, std::uint64_t generation)
{
    if (generation != generation_)
        return;
    mark_ = std::clamp(std::max(mark_, end), 0, Count());
}

std::vector<std::uint8_t> Memory::BulkReply(int first) const
{
    first = std::clamp(first, 0, Count());
    const std::uint32_t length = static_cast<std::uint32_t>((Count() - first) * recordSize_);
    std::vector<std::uint8_t> out;
    out.reserve(5 + length);
    out.push_back(0xEF);
    out.push_back(0x00);
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>((length >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>((length >> 16) & 0xFF));
    for (int i = first; i < Count(); ++i)
        AppendRecordBytes(out, At(i), recordSize_);
    return out;
}

} // namespace Sim
