// CFileStream on a pseudo-terminal: read and write time-outs, aborting a wait, a hung-up line.
#include "PtyPair.h"

#include "streams/FileStream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace StreamIO;
using Clock = std::chrono::steady_clock;

namespace {

long long MsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class PtyStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pty.MakeRaw();
        ASSERT_TRUE(stream.Open(pty.path, modeRead | modeWrite));
    }
    PtyPair pty;
    CFileStream stream;
};

} // namespace

TEST_F(PtyStreamTest, ShortReadWaitsForTheTimeoutAndIsNoError)
{
    ASSERT_TRUE(stream.SetTimeouts(300, 100));
    pty.SendFromDevice("ab");
    char buffer[5] = {};
    const auto start = Clock::now();
    EXPECT_EQ(stream.Read(buffer, 5), 2u);
    EXPECT_GE(MsSince(start), 250); // the read waited for the other three bytes
    EXPECT_EQ(stream.GetError(), 0u);
    EXPECT_EQ(std::string(buffer, 2), "ab");

    EXPECT_EQ(stream.Read(buffer, 5), 0u);
    EXPECT_TRUE(stream.IsTimeout());
    EXPECT_EQ(stream.GetError(), kErrorHandleEof);
}

TEST_F(PtyStreamTest, ReadGathersBytesThatArriveInPiecesWithinTheTimeout)
{
    ASSERT_TRUE(stream.SetTimeouts(5000, 100));
    std::thread device([this] {
        pty.SendFromDevice("123");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pty.SendFromDevice("45");
    });
    char buffer[5] = {};
    EXPECT_EQ(stream.Read(buffer, 5), 5u);
    device.join();
    EXPECT_EQ(std::string(buffer, 5), "12345");
}

TEST_F(PtyStreamTest, WithoutReadTimeoutAReadWaitsForAllBytes)
{
    for (std::int32_t none : {kNoTimeout, 0}) {
        SCOPED_TRACE(none);
        ASSERT_TRUE(stream.SetTimeouts(none, kNoTimeout));
        std::thread device([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            pty.SendFromDevice("x");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            pty.SendFromDevice("yz");
        });
        char buffer[3] = {};
        EXPECT_EQ(stream.Read(buffer, 3), 3u);
        device.join();
        EXPECT_EQ(std::string(buffer, 3), "xyz");
    }
}

TEST_F(PtyStreamTest, AbortIoEndsAWaitingReadAndOnlyThat)
{
    ASSERT_TRUE(stream.SetTimeouts(kNoTimeout, kNoTimeout));
    pty.SendFromDevice("q");
    char buffer[4] = {};
    std::atomic<bool> returned {false};
    std::thread aborter([this, &returned] {
        // Keep aborting until the read gave up: an abort before the read began waits for nothing.
        while (!returned) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            EXPECT_TRUE(stream.AbortIo());
        }
    });
    EXPECT_EQ(stream.Read(buffer, 4), 1u);
    returned = true;
    aborter.join();
    EXPECT_EQ(buffer[0], 'q');

    // An abort with nothing waiting does not cut the next read short.
    ASSERT_TRUE(stream.AbortIo());
    ASSERT_TRUE(stream.SetTimeouts(5000, kNoTimeout));
    pty.SendFromDevice("rs");
    std::thread device([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        pty.SendFromDevice("t");
    });
    EXPECT_EQ(stream.Read(buffer, 3), 3u);
    device.join();
    EXPECT_EQ(std::string(buffer, 3), "rst");
}

TEST_F(PtyStreamTest, WriteTimesOutWith1460WhenTheLineTakesNothing)
{
    // Fill the line's buffers while the device side reads nothing.
    const int filler = ::open(pty.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY);
    ASSERT_GE(filler, 0);
    // The kernel moves bytes on from the line's output buffer a little later, so the line is
    // full only once writes keep being refused for a while.
    char block[1024] = {};
    for (int refusals = 0; refusals < 10;) {
        if (::write(filler, block, sizeof block) > 0) {
            refusals = 0;
            continue;
        }
        ASSERT_EQ(errno, EAGAIN);
        ++refusals;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::close(filler);

    ASSERT_TRUE(stream.SetTimeouts(100, 20));
    const auto start = Clock::now();
    EXPECT_EQ(stream.WriteByte(0x55), 0u);
    EXPECT_GE(MsSince(start), 60); // 50 ms per byte plus 20 ms
    EXPECT_EQ(stream.GetError(), kErrorTimeout);
    EXPECT_TRUE(stream.IsTimeout());
}

TEST_F(PtyStreamTest, WrittenBytesReachTheDevice)
{
    ASSERT_TRUE(stream.SetTimeouts(1000, 100));
    const std::string request = "\xC1\xD0\x20";
    EXPECT_EQ(stream.Write(request.data(), 3), 3u);
    EXPECT_EQ(stream.GetError(), 0u);
    EXPECT_EQ(pty.ReceiveOnDevice(3, 2000), request);
}

TEST_F(PtyStreamTest, HungUpLineRaisesInsteadOfLookingLikeATimeout)
{
    ASSERT_TRUE(stream.SetTimeouts(10000, 100));
    pty.HangUp();
    char buffer[4] = {};
    const auto start = Clock::now();
    try {
        stream.Read(buffer, 4);
        FAIL() << "read on a hung-up line succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetName(), pty.path);
        EXPECT_NE(e.GetCode(), 0u);
    }
    EXPECT_LT(MsSince(start), 5000) << "the read waited for its time-out";
    EXPECT_THROW(stream.Write("x", 1), CFileException);
}
