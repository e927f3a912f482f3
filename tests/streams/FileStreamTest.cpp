// CFileStream on regular files and pipes: open modes, read/write semantics, seeking, sharing.
#include "streams/FileStream.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace StreamIO;

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void Spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class FileStreamTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FileStreamTest, SecondOpenIsRefusedWith50AndLeavesTheFirstUntouched)
{
    const std::string first = PathOf("first.bin");
    const std::string second = PathOf("second.bin");
    Spit(first, "abcdef");
    Spit(second, "xyz");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(first, modeRead));
    char buffer[3] = {};
    ASSERT_EQ(stream.Read(buffer, 2), 2u);

    EXPECT_FALSE(stream.Open(second, modeRead | modeWrite));
    EXPECT_EQ(stream.GetError(), kErrorNotSupported);
    EXPECT_EQ(stream.GetName(), first);
    EXPECT_EQ(stream.GetMode(), modeRead);
    EXPECT_EQ(stream.GetPosition(), 2u);
    EXPECT_EQ(stream.Read(buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "cd");
}

TEST_F(FileStreamTest, ReadReturnsShortCountsAndMarksEndOfDataWithoutException)
{
    const std::string path = PathOf("data.bin");
    Spit(path, "12");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeRead));
    char buffer[5] = {};

    EXPECT_EQ(stream.Read(buffer, 0), 0u);
    EXPECT_EQ(stream.GetError(), 0u);

    EXPECT_EQ(stream.Read(buffer, 5), 2u);
    EXPECT_EQ(stream.GetError(), 0u);
    EXPECT_FALSE(stream.IsTimeout());
    EXPECT_EQ(std::string(buffer, 2), "12");

    EXPECT_EQ(stream.Read(buffer, 5), 0u);
    EXPECT_EQ(stream.GetError(), kErrorHandleEof);
    EXPECT_TRUE(stream.IsTimeout());
    EXPECT_TRUE(stream.HasError());
    EXPECT_EQ(stream.ReadByte(), 0);
    EXPECT_TRUE(stream.IsTimeout());
}

TEST_F(FileStreamTest, ReadAndWriteNeedTheirModeFlags)
{
    const std::string path = PathOf("modes.bin");
    Spit(path, "abc");
    char buffer[2] = {'x', 'y'};
    {
        CFileStream reader;
        ASSERT_TRUE(reader.Open(path, modeRead));
        try {
            reader.Write(buffer, 2);
            FAIL() << "write on a read-only stream";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.GetCode(), kErrorWriteFault);
            EXPECT_EQ(e.GetName(), path);
        }
        EXPECT_EQ(reader.GetError(), kErrorWriteFault);
        EXPECT_THROW(reader.Truncate(), CFileException);
        EXPECT_EQ(reader.GetError(), kErrorWriteFault);
    }
    CFileStream writer;
    ASSERT_TRUE(writer.Open(path, modeWrite));
    try {
        writer.Read(buffer, 1);
        FAIL() << "read on a write-only stream";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCode(), kErrorReadFault);
    }
    EXPECT_EQ(writer.WriteByte('Z'), 1u);
    writer.Close();
    EXPECT_EQ(Slurp(path), "Zbc");
}

TEST_F(FileStreamTest, CreationFieldDecidesBetweenOpenCreateAndOverwrite)
{
    const std::string existing = PathOf("existing.txt");
    const std::string missing = PathOf("missing.txt");
    Spit(existing, "old");
    struct Case {
        std::uint32_t creation;
        bool exists;
        int errorCode;          // 0: the open succeeds
        const char* contentAfter; // nullptr: the file is absent afterwards
    } cases[] = {
        {0x00, true, 0, "old"},
        {0x00, false, ENOENT, nullptr},
        {modeOpenAlways, true, 0, "old"},
        {modeOpenAlways, false, 0, ""},
        {modeCreateNew, true, EEXIST, "old"},
        {modeCreateNew, false, 0, ""},
        {modeCreateAlways, true, 0, ""},
        {modeCreateAlways, false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "creation 0x" << std::hex << c.creation << " exists " << c.exists);
        const std::string path = c.exists ? existing : missing;
        Spit(existing, "old");
        ::unlink(missing.c_str());
        CFileStream stream;
        if (c.errorCode != 0) {
            try {
                stream.Open(path, modeRead | modeWrite | c.creation);
                ADD_FAILURE() << "open succeeded";
            } catch (const CFileException& e) {
                EXPECT_EQ(e.GetCode(), std::uint32_t(c.errorCode));
                EXPECT_EQ(e.GetName(), path);
                EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
            }
            EXPECT_EQ(stream.GetError(), std::uint32_t(c.errorCode));
            EXPECT_FALSE(stream.IsOpen());
        } else {
            EXPECT_TRUE(stream.Open(path, modeRead | modeWrite | c.creation));
            stream.Close();
        }
        if (c.contentAfter == nullptr)
            EXPECT_NE(::access(path.c_str(), F_OK), 0);
        else
            EXPECT_EQ(Slurp(path), c.contentAfter);
    }
}

TEST_F(FileStreamTest, SeekOriginsAreOneTwoThree)
{
    const std::string path = PathOf("seek.bin");
    Spit(path, "0123456789");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeRead));
    EXPECT_TRUE(stream.IsSeekable());
    EXPECT_EQ(stream.GetLength(), 10u);
    stream.SeekFromStart(4);

    struct Case {
        std::int64_t offset;
        int origin;
        std::uint64_t expected;
    } cases[] = {
        {0, seekBegin, 0}, {0, seekEnd, 10}, {-3, seekEnd, 7}, {2, seekCurrent, 9}, {-9, seekCurrent, 0}, {6, seekBegin, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " origin " << c.origin);
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.expected);
        EXPECT_EQ(stream.GetPosition(), c.expected);
    }
    EXPECT_EQ(stream.ReadByte(), '6');

    for (int origin : {0, 4, -1}) {
        SCOPED_TRACE(origin);
        try {
            stream.Seek(0, origin);
            ADD_FAILURE() << "seek accepted origin " << origin;
        } catch (const CFileException& e) {
            EXPECT_EQ(e.GetCode(), kErrorSeek);
        }
        EXPECT_EQ(stream.GetError(), kErrorSeek);
        EXPECT_EQ(stream.GetPosition(), 7u);
    }
    // Before the start: the system refuses, the position stays.
    EXPECT_THROW(stream.Seek(-1, seekBegin), CFileException);
    EXPECT_EQ(stream.GetPosition(), 7u);
}

TEST_F(FileStreamTest, TruncateEndsTheFileAtThePosition)
{
    const std::string path = PathOf("truncate.bin");
    Spit(path, "0123456789");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeRead | modeWrite));
    stream.Seek(4, seekBegin);
    stream.Truncate();
    EXPECT_EQ(stream.GetLength(), 4u);
    stream.Close();
    EXPECT_EQ(Slurp(path), "0123");
}

TEST_F(FileStreamTest, ReopenUsesTheStoredNameAndMode)
{
    CFileStream unnamed;
    EXPECT_FALSE(unnamed.Reopen());

    const std::string path = PathOf("reopen.bin");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeWrite | modeCreateAlways));
    stream.Write("abc", 3);
    stream.Close();
    EXPECT_FALSE(stream.IsOpen());
    // The stored mode still says "create or overwrite".
    ASSERT_TRUE(stream.Reopen());
    EXPECT_EQ(stream.GetLength(), 0u);
    stream.Write("x", 1);
    stream.Close();
    EXPECT_EQ(Slurp(path), "x");
}

TEST_F(FileStreamTest, ClosingAClosedStreamRaisesButCloseSafeDoesNot)
{
    const std::string path = PathOf("close.bin");
    Spit(path, "");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeRead));
    stream.Close();
    EXPECT_THROW(stream.Close(), CFileException);
    EXPECT_EQ(stream.GetError(), std::uint32_t(EBADF));
    EXPECT_NO_THROW(stream.CloseSafe());
    EXPECT_FALSE(stream.IsOpen());
}

TEST_F(FileStreamTest, SharingFlagsDecideWhetherASecondOpenSucceeds)
{
    const std::string path = PathOf("shared.bin");
    Spit(path, "data");
    struct Case {
        std::uint32_t first;
        std::uint32_t second;
        bool secondOpens;
    } cases[] = {
        {modeRead, modeRead, false},
        {modeRead | shareRead, modeRead | shareRead, true},
        {modeRead | shareRead, modeRead | modeWrite, false},
        {modeRead | shareRead | shareWrite, modeRead | modeWrite | shareRead | shareWrite, true},
        {modeRead | modeWrite | shareRead | shareWrite, modeRead, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.first << " then " << c.second);
        CFileStream one;
        CFileStream two;
        ASSERT_TRUE(one.Open(path, c.first));
        if (c.secondOpens) {
            EXPECT_TRUE(two.Open(path, c.second));
        } else {
            try {
                two.Open(path, c.second);
                ADD_FAILURE() << "second open succeeded";
            } catch (const CFileException& e) {
                EXPECT_EQ(e.GetCode(), std::uint32_t(EBUSY));
            }
            EXPECT_FALSE(two.IsOpen());
        }
    }
}

TEST_F(FileStreamTest, OverwritingALockedFileLeavesItsContent)
{
    const std::string path = PathOf("locked.bin");
    Spit(path, "precious");
    CFileStream holder;
    ASSERT_TRUE(holder.Open(path, modeRead));
    CFileStream intruder;
    EXPECT_THROW(intruder.Open(path, modeWrite | modeCreateAlways), CFileException);
    EXPECT_EQ(Slurp(path), "precious");
}

TEST_F(FileStreamTest, TimeoutsReadBackAsSet)
{
    CFileStream stream;
    struct Case {
        std::int32_t read, write, readBack, writeBack;
    } cases[] = {
        {1000, 100, 1000, 100}, {-1, -1, -1, -1}, {0, 0, -1, 0}, {2000, -1, 2000, -1}, {-5, -7, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.read << "/" << c.write);
        ASSERT_TRUE(stream.SetTimeouts(c.read, c.write));
        std::int32_t read = 99, write = 99;
        ASSERT_TRUE(stream.GetTimeouts(read, write));
        EXPECT_EQ(read, c.readBack);
        EXPECT_EQ(write, c.writeBack);
    }
}

TEST_F(FileStreamTest, WriteToAPipeWithoutReaderRaisesInsteadOfEndingTheProgram)
{
    const std::string path = PathOf("fifo");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // A reader is needed for the open; it goes away before the write.
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeWrite));
    ::close(reader);
    try {
        stream.Write("x", 1);
        FAIL() << "write without a reader succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCode(), std::uint32_t(EPIPE));
    }
}

TEST_F(FileStreamTest, SizesAndPositionsBeyond4GiBAreNotCutTo32Bits)
{
    const std::string path = PathOf("large.bin");
    const std::uint64_t size = (std::uint64_t(5) << 30) + 3; // sparse: takes no space
    {
        CFileStream writer;
        ASSERT_TRUE(writer.Open(path, modeWrite | modeCreateAlways));
        writer.SeekFromStart(size);
        writer.Truncate();
    }
    CFileStream stream;
    ASSERT_TRUE(stream.Open(path, modeRead));
    EXPECT_EQ(stream.GetLength(), size);
    EXPECT_EQ(stream.Seek(0, seekEnd), size);
    EXPECT_EQ(stream.Seek(-1, seekCurrent), size - 1);
    EXPECT_EQ(stream.GetPosition(), size - 1);
}
