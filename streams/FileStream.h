#pragma once
// CFileStream: CIoStream on a POSIX file descriptor (regular files, pipes, terminals, serial
// devices). The descriptor is opened non-blocking; every wait is a poll() bounded by the stream's
// time-outs, so a read never hangs longer than the time-out allows.

#include "streams/IoStream.h"

#include <atomic>
#include <cstddef>

namespace StreamIO {

class CFileStream : public CIoStream {
public:
    explicit CFileStream(std::string name = {});
    // If open: closes as Close does, swallowing any exception.
    ~CFileStream() override;

    // Open(name, mode):
    // 1. Already open: error = kErrorNotSupported (50), false; nothing else changes.
    // 2. Stores name and mode, error = 0.
    // 3. Opens the path: read access with modeRead, write access with modeWrite, creation from the
    //    creation field (existing only / open or create / create new / create or overwrite).
    //    Sharing (advisory locks on regular files, honoured by other streams): an open without
    //    shareRead and shareWrite holds the file alone; opens with either flag coexist. A
    //    terminal is opened exclusive (no second open of the same port while it is open).
    //    With modeCreateAlways the file is emptied only once the lock is held.
    // 4. Failure: error = errno, CFileException with the name (a refused lock: EBUSY). Else true.
    virtual bool Open(const std::string& name, std::uint32_t mode);

    // Open(GetName(), GetMode()) when a name is stored, else false.
    bool Reopen() override;
    // With modeWrite the data are flushed first (result ignored; on a terminal, waits at most one
    // second for the output to drain, then discards the rest so closing never hangs on a stopped
    // line). The descriptor is always released. Failure: error = errno, CFileException. Closing a
    // closed stream raises with EBADF.
    void Close() override;
    // modeWrite: fsync (files) or wait until the output has been sent (terminals, bounded by the
    // write time-out when one is set). Failure raises.
    void Flush() override;
    // Time-outs are kept by the stream object (they survive Close and Reopen) and apply to every
    // kind of descriptor:
    // - reads: total = readTimeout ms (0 when kNoTimeout). A total of 0 waits until all requested
    //   bytes have arrived (or end of data). Otherwise a Read gathers bytes until count bytes
    //   arrived or the total time ran out.
    // - writes: 50 ms per byte plus writeTimeout ms; kNoTimeout waits without limit.
    // GetTimeouts reports read = total when non-zero else kNoTimeout; write = the constant when
    // multiplier or constant is non-zero, else kNoTimeout. Both always succeed (true).
    bool GetTimeouts(std::int32_t& readTimeout, std::int32_t& writeTimeout) override;
    bool SetTimeouts(std::int32_t readTimeout, std::int32_t writeTimeout) override;
    // Wakes a Read or Write waiting in another thread. True when open; a closed stream raises
    // with EBADF.
    bool AbortIo() override;
    bool IsOpen() const override;
    // Read(buffer, count):
    // 1. Without modeRead: error = kErrorReadFault (30), CFileException.
    // 2. error = 0; gathers up to count bytes within the read time-out. A failed read raises.
    //    End of a file or pipe ends the read early. A terminal that hung up (unplugged USB
    //    device, closed pseudo-terminal master) raises CFileException with EIO once the bytes
    //    that arrived before have been handed over. Bytes gathered before any failure are
    //    returned; the failure raises on the next call.
    // 3. Nothing read although count > 0: error = kErrorHandleEof (38), no exception.
    // Returns the number of bytes read; count 0 returns 0 with error 0.
    std::uint32_t Read(void* buffer, std::uint32_t count) override;
    // Waits up to timeoutMs for input (or a hang-up, which the next Read reports) without
    // reading anything; true when a Read would now return at once. Lets a caller on a window's
    // thread wait in short slices. A closed stream raises with EBADF.
    bool WaitForInput(int timeoutMs);
    // Write: as Read with modeWrite, kErrorWriteFault (29) when not writable, and
    // error = kErrorTimeout (1460) when nothing was written although count > 0.
    std::uint32_t Write(const void* buffer, std::uint32_t count) override;
    bool IsSeekable() const override;
    // File size. Failure raises.
    std::uint64_t GetLength() override;
    // Current position. Failure raises.
    std::uint64_t GetPosition() override;
    // origin seekCurrent (1), seekBegin (2), seekEnd (3); any other: error = kErrorSeek (25) and
    // CFileException. A failed move (e.g. before the start) raises with errno. Returns the new
    // position.
    std::uint64_t Seek(std::int64_t offset, int origin) override;
    std::uint64_t SeekFromStart(std::uint64_t offset) override;
    // Needs modeWrite (else kErrorWriteFault, raised); ends the file at the current position.
    void Truncate() override;

    // The descriptor, -1 when closed.
    int GetHandle() const { return fd_; }

protected:
    enum class WaitResult { Ready, HangUp, Timeout, Aborted };

    // Stores code in error and raises CFileException with the stream's name; message empty: a
    // sentence made from the name and the code.
    [[noreturn]] void Fail(std::uint32_t code, const std::string& message = {});
    // Waits until the descriptor is ready for events (POLLIN/POLLOUT), until deadlineMs
    // (MonotonicMs() clock, -1 = no limit), or until AbortIo is called after abortMark was taken.
    WaitResult WaitFor(short events, std::int64_t deadlineMs, std::uint64_t abortMark);
    bool IsTerminal() const { return isTerminal_; }

    int fd_ = -1;

private:
    void OpenDescriptor(const std::string& name, std::uint32_t mode);
    void LockForSharing(const std::string& name, std::uint32_t mode);
    // Terminals: waits until the output queue is empty or deadlineMs passed (-1 = no limit);
    // true when it emptied.
    bool DrainOutput(std::int64_t deadlineMs);
    // write() that never raises SIGPIPE on a pipe or socket whose reader is gone.
    long WriteNoSigpipe(const void* data, std::size_t size);

    std::int32_t readTotal_ = 0;       // read total time-out constant, ms
    std::int32_t writeMultiplier_ = 0; // write time-out per byte, ms
    std::int32_t writeTotal_ = 0;      // write total time-out constant, ms
    int wakeFd_ = -1;                  // eventfd that AbortIo writes
    std::atomic<std::uint64_t> abortCount_{0};
    bool isTerminal_ = false;
    bool isPipe_ = false;
};

// Milliseconds of CLOCK_MONOTONIC.
std::int64_t MonotonicMs();

} // namespace StreamIO
