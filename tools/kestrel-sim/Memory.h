#pragma once
// The tester's measurement memory: records in the order they were taken, a fixed capacity, and
// the mark up to which the PC has downloaded them.

#include "tools/kestrel-sim/DateWords.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace Sim {

struct Record {
    DateWords when;
    float value = 0.0f;          // raw Leeb value
    std::uint8_t angle = 0;      // impact direction, degrees
    std::uint16_t modeWord = 0;  // with the hidden and series-marker bits
    std::uint16_t seriesNo = 0;  // sent only in 13-byte records
};

// The bytes of one record on the wire (little-endian): time word, date word, value, angle, mode
// word and, for 13-byte records, the series number.
void AppendRecordBytes(std::vector<std::uint8_t>& out, const Record& record, int recordSize);

class Memory {
public:
    Memory(int recordSize, int capacity) : recordSize_(recordSize), capacity_(capacity) {}

    int RecordSize() const { return recordSize_; }
    int Capacity() const { return capacity_; }
    int Count() const { return static_cast<int>(records_.size()); }
    bool Full() const { return Count() >= capacity_; }
    const Record& At(int index) const { return records_.at(static_cast<std::size_t>(index)); }
    Record& At(int index) { return records_.at(static_cast<std::size_t>(index)); }

    // Appends a record; false (nothing stored) when the memory is full.
    bool Append(const Record& record);
    // Forgets every record; the download mark goes back to 0.
    void Erase();

    // Records below the mark have reached the PC; the ones from the mark on are "new".
    int DownloadMark() const { return mark_; }
    bool HasNewRecords() const { return mark_ < Count(); }
    // Advances the mark to end, unless the memory was erased since `generation` was taken.
    void MarkDownloaded(int end, std::uint64_t generation);
    // A bulk reply holding the records up to end is on its way; a record below that end has been
    // offered to the PC (it may still be on the line).
    void NoteOffered(int end) { offered_ = std::max(offered_, end); }
    int OfferedEnd() const { return std::max(offered_, mark_); }
    // Counts erases, so a download that was answered before an erase cannot move the mark after it.
    std::uint64_t Generation() const { return generation_; }

    // The answer to a bulk download: the five-byte header (0xEF, checksum kind 0, 24-bit length)
    // and the records from `first` to the end.
    std::vector<std::uint8_t> BulkReply(int first) const;

private:
    int recordSize_;
    int capacity_;
    std::vector<Record> records_;
    int mark_ = 0;
    int offered_ = 0;
    std::uint64_t generation_ = 0;
};

} // namespace Sim
