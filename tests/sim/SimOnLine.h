#pragma once
// A running simulator with the PC's end of its line opened raw, and little helpers for the
// little-endian fields of replies.

#include "common/SimProcess.h"
#include "sim/RawLine.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

struct SimOnLine {
    SimProcess sim;
    std::unique_ptr<RawLine> line;

    // Starts the simulator and opens its line; reports a failure to the running test.
    bool Start(const QStringList& arguments)
    {
        QString error;
        if (!sim.Start(arguments, &error)) {
            ADD_FAILURE() << error.toStdString();
            return false;
        }
        line = std::make_unique<RawLine>(sim.SlavePath());
        if (!line->IsOpen())
            ADD_FAILURE() << "cannot open " << sim.SlavePath().toStdString();
        return line->IsOpen();
    }
    void Reopen() { line = std::make_unique<RawLine>(sim.SlavePath()); }
    QByteArray Hex(const char* request, int count, int timeoutMs = 2000) { return line->ExchangeHex(request, count, timeoutMs); }
    // Sends a command that must succeed.
    void Do(const QString& command)
    {
        const SimReply reply = sim.Command(command);
        EXPECT_TRUE(reply.ok) << command.toStdString() << ": " << reply.text.toStdString();
    }
};

inline QByteArray Le16(std::uint16_t value)
{
    return QByteArray(1, static_cast<char>(value & 0xFF)) + QByteArray(1, static_cast<char>(value >> 8));
}

inline QByteArray FloatBytes(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return out;
}

inline std::uint16_t Word(const QByteArray& bytes, int at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

inline float FloatAt(const QByteArray& bytes, int at)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + i])) << (8 * i);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// One record of a bulk reply, split into its fields.
struct WireRecord {
    std::uint16_t time = 0, date = 0;
    float value = 0.0f;
    int angle = 0;
    std::uint16_t mode = 0;
    int seriesNo = -1; // only in 13-byte records
};

inline std::vector<WireRecord> SplitRecords(const QByteArray& bulk, int recordSize)
{
    std::vector<WireRecord> records;
    for (int at = 5; at + recordSize <= bulk.size(); at += recordSize) {
        WireRecord r;
        r.time = Word(bulk, at);
        r.date = Word(bulk, at + 2);
        r.value = FloatAt(bulk, at + 4);
        r.angle = static_cast<std::uint8_t>(bulk[at + 8]);
        r.mode = Word(bulk, at + 9);
        if (recordSize == 13)
            r.seriesNo = Word(bulk, at + 11);
        records.push_back(r);
    }
    return records;
}
