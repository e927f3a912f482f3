#pragma once
// Measurement records and bulk replies of the transfer, laid out byte by byte.

#include <cstdint>
#include <cstring>
#include <vector>

// One record: 11 bytes, or 13 with a series number (seriesNo >= 0).
inline std::vector<std::uint8_t> RecordBytes(std::uint16_t time, std::uint16_t date, float value, int angle,
                                             std::uint16_t mode, int seriesNo = -1)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    std::vector<std::uint8_t> b = {std::uint8_t(time), std::uint8_t(time >> 8), std::uint8_t(date),
                                   std::uint8_t(date >> 8), std::uint8_t(bits), std::uint8_t(bits >> 8),
                                   std::uint8_t(bits >> 16), std::uint8_t(bits >> 24), std::uint8_t(angle),
                                   std::uint8_t(mode), std::uint8_t(mode >> 8)};
    if (seriesNo >= 0) {
        b.push_back(std::uint8_t(seriesNo));
        b.push_back(std::uint8_t(seriesNo >> 8));
    }
    return b;
}

// A bulk reply: header EF 00 length (16-bit) 00, then the records, then any extra bytes.
inline std::vector<std::uint8_t> BulkReply(const std::vector<std::vector<std::uint8_t>>& records,
                                           int length = -1, std::vector<std::uint8_t> extra = {})
{
    std::vector<std::uint8_t> data;
    for (const auto& r : records)
        data.insert(data.end(), r.begin(), r.end());
    data.insert(data.end(), extra.begin(), extra.end());
    if (length < 0)
        length = static_cast<int>(data.size());
    std::vector<std::uint8_t> reply = {0xEF, 0x00, std::uint8_t(length), std::uint8_t(length >> 8), 0x00};
    reply.insert(reply.end(), data.begin(), data.end());
    return reply;
}

// Kestrel 1 record in Vickers/material 1 with the given series marker.
inline std::vector<std::uint8_t> MarkedRecord(float value, int mark)
{
    return RecordBytes(0x70E4, 0x2E65, value, 0, static_cast<std::uint16_t>(0x0041 | (mark << 15)));
}
