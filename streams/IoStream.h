#pragma once
// CIoStream: the byte-stream interface every device protocol talks through, and the process-wide
// table of live streams.
//
// Conventions of every stream:
// - GetError() holds the code of the last operation (0 = none; codes in StreamErrors.h). Every
//   operation that touches the operating-system handle first sets it to 0.
// - Hard failures raise CFileException (code + stream name). End of data and time-outs are not
//   exceptions: Read/Write return a smaller count and set kErrorHandleEof / kErrorTimeout.
// - A stream is used from one thread at a time. The one exception is AbortIo, which another thread
//   may call to wake a Read or Write that is waiting.
// - Streams register themselves in the stream table when constructed and leave it when destroyed.

#include "streams/StreamErrors.h"

#include <cstdint>
#include <string>

namespace StreamIO {

// Mode flags of Open (kept in GetMode()).
constexpr std::uint32_t modeRead = 0x1;           // Read requires it
constexpr std::uint32_t modeWrite = 0x2;          // Write, Truncate and the flush on close require it
constexpr std::uint32_t modeCreationMask = 0x30;  // the creation field; 0x00 = open an existing file only
constexpr std::uint32_t modeOpenAlways = 0x10;    // open or create
constexpr std::uint32_t modeCreateNew = 0x20;     // create, failing if it exists
constexpr std::uint32_t modeCreateAlways = 0x30;  // create or overwrite (truncate)
constexpr std::uint32_t shareRead = 0x100;        // others may read while it is open
constexpr std::uint32_t shareWrite = 0x200;       // others may write while it is open

// Seek origins (1, 2, 3; not 0, 1, 2).
constexpr int seekCurrent = 1;
constexpr int seekBegin = 2;
constexpr int seekEnd = 3;

// "No time-out" for SetTimeouts / GetTimeouts.
constexpr std::int32_t kNoTimeout = -1;

// The stream table holds at most this many live streams; further streams get id 0.
constexpr std::uint32_t kStreamTableCapacity = 1024;

class CIoStream {
public:
    // Registers the stream in the table (id 0 when the table is full; no error is reported).
    explicit CIoStream(std::string name = {});
    // Removes the stream from the table (its slot is reused by the next registration).
    virtual ~CIoStream();

    CIoStream(const CIoStream&) = delete;
    CIoStream& operator=(const CIoStream&) = delete;

    // Opens again with the stored name and mode. False when there is no stored name.
    virtual bool Reopen() = 0;
    // Close, swallowing any CFileException it raises. The stream is closed afterwards.
    virtual void CloseSafe();
    // Closes the stream; the handle is released even when closing fails, and then
    // CFileException is raised with the failure's code.
    virtual void Close() = 0;
    // Discards everything waiting in the receive buffer. Base: nothing.
    virtual void PurgeInput();
    // Number of bytes waiting to be read. Base: 0.
    virtual std::uint32_t GetInputCount();
    // Pushes written data to the device or disk. Base: nothing.
    virtual void Flush();
    // Bytes per second the line carries. Base: 0.
    virtual std::uint32_t GetByteRate();
    // Time-outs in milliseconds, kNoTimeout = none (see CFileStream). Base: false.
    virtual bool GetTimeouts(std::int32_t& readTimeout, std::int32_t& writeTimeout);
    virtual bool SetTimeouts(std::int32_t readTimeout, std::int32_t writeTimeout);
    // Ends a Read or Write that is waiting (possibly in another thread); it returns what it moved
    // so far. Data already received stays. Base: false.
    virtual bool AbortIo();
    virtual bool IsOpen() const = 0;
    // GetError() != 0.
    virtual bool HasError() const;
    // GetError() is kErrorHandleEof or kErrorTimeout: the last Read/Write moved nothing.
    virtual bool IsTimeout() const;
    virtual std::uint32_t GetError() const;
    // Read of one byte; returns it (0 when none arrived: check IsTimeout()).
    virtual std::uint8_t ReadByte();
    // Write of one byte; returns its count (0 or 1).
    virtual std::uint32_t WriteByte(std::uint8_t byte);
    // Reads up to count bytes; returns the number read (a short read is no error).
    virtual std::uint32_t Read(void* buffer, std::uint32_t count) = 0;
    // Writes up to count bytes; returns the number written.
    virtual std::uint32_t Write(const void* buffer, std::uint32_t count) = 0;
    virtual bool IsSeekable() const;
    // Base: 0 / 0 / 0 / 0 / nothing. Positions and sizes are 64-bit.
    virtual std::uint64_t GetLength();
    virtual std::uint64_t GetPosition();
    virtual std::uint64_t Seek(std::int64_t offset, int origin);
    virtual std::uint64_t SeekFromStart(std::uint64_t offset);
    virtual void Truncate();

    const std::string& GetName() const { return name_; }
    std::uint32_t GetMode() const { return mode_; }
    // Index in the table in the low 10 bits, a sequence number above; 0 when not in the table.
    std::uint32_t GetId() const { return id_; }

protected:
    std::string name_;
    std::uint32_t mode_ = 0;
    std::uint32_t error_ = 0;

private:
    std::uint32_t id_ = 0;
};

// Starts the stream layer. The application calls it first thing at start-up. Streams may be
// created before it (the table works at any time); calling it again is harmless.
void StartupStreamLayer();
// Shuts the stream layer down at the very end of the application: CloseSafe on every stream
// still in the table, then the table is emptied. The stream objects stay alive (their owners
// destroy them); a stream created afterwards registers in a fresh table.
void ShutdownStreamLayer();

} // namespace StreamIO
