// The process-wide stream table: slots, ids, the capacity of 1024 and the shutdown pass.
#include "streams/FileStream.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

using namespace StreamIO;

namespace {
constexpr std::uint32_t kIndexBits = 0x3FF;
}

TEST(StreamTable, ASlotIsReusedWithANewSequenceNumber)
{
    std::uint32_t firstId = 0;
    {
        CFileStream stream;
        firstId = stream.GetId();
        ASSERT_NE(firstId, 0u);
    }
    CFileStream next;
    EXPECT_EQ(next.GetId() & kIndexBits, firstId & kIndexBits);
    EXPECT_NE(next.GetId() & ~kIndexBits, firstId & ~kIndexBits);
    EXPECT_NE(next.GetId() & ~kIndexBits, 0u);
}

TEST(StreamTable, The1025thStreamIsUnregisteredAndShutdownClosesOnlyRegisteredStreams)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("table.bin").toStdString();
    StartupStreamLayer();

    std::vector<std::unique_ptr<CFileStream>> streams;
    std::vector<std::uint32_t> indices;
    for (std::uint32_t i = 0; i < kStreamTableCapacity; ++i) {
        streams.push_back(std::make_unique<CFileStream>());
        if (streams.back()->GetId() == 0)
            break; // other live streams of this process took slots already
        indices.push_back(streams.back()->GetId() & kIndexBits);
    }
    while (streams.back()->GetId() != 0)
        streams.push_back(std::make_unique<CFileStream>());
    CFileStream& beyond = *streams.back();
    EXPECT_EQ(beyond.GetId(), 0u);
    std::sort(indices.begin(), indices.end());
    EXPECT_EQ(std::adjacent_find(indices.begin(), indices.end()), indices.end()) << "two streams share a slot";

    // Destroying one stream frees its slot for the next one.
    const std::uint32_t freedIndex = streams.front()->GetId() & kIndexBits;
    streams.front().reset();
    CFileStream newcomer;
    EXPECT_EQ(newcomer.GetId() & kIndexBits, freedIndex);

    CFileStream* registered = streams[1].get();
    ASSERT_NE(registered->GetId(), 0u);
    ASSERT_TRUE(registered->Open(path, modeWrite | modeOpenAlways | shareRead | shareWrite));
    ASSERT_TRUE(beyond.Open(path, modeWrite | shareRead | shareWrite));

    ShutdownStreamLayer();
    EXPECT_FALSE(registered->IsOpen());
    EXPECT_TRUE(beyond.IsOpen());
    beyond.Close();

    // After the shutdown the table starts afresh; destroying the old streams must not disturb it.
    CFileStream later;
    EXPECT_NE(later.GetId(), 0u);
    streams.clear();
    CFileStream afterDestruction;
    EXPECT_NE(afterDestruction.GetId() & kIndexBits, later.GetId() & kIndexBits);
}

TEST(StreamTable, SequenceWrapsToTheFirstStepAndNeverYieldsIdZero)
{
    // The sequence grows by 1024 per registration; after at most 2^22 registrations it wraps.
    std::uint32_t previous = 0;
    bool wrapped = false;
    for (std::uint32_t i = 0; i <= (1u << 22) && !wrapped; ++i) {
        CFileStream stream;
        const std::uint32_t sequence = stream.GetId() & ~kIndexBits;
        ASSERT_NE(sequence, 0u) << "registration " << i;
        if (i > 0 && sequence <= previous) {
            EXPECT_EQ(previous, 0xFFFFFC00u);
            EXPECT_EQ(sequence, 1024u);
            wrapped = true;
        }
        previous = sequence;
    }
    EXPECT_TRUE(wrapped);
}
