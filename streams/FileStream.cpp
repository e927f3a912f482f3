#include "streams/FileStream.h"

#include "streams/OpenFailure.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace StreamIO {
namespace {

// Every byte written may take this long when a write time-out is set.
constexpr std::int32_t kWriteMsPerByte = 50;
// Closing a terminal waits at most this long for written data to leave.
constexpr std::int64_t kCloseDrainMs = 1000;

int OpenFlags(std::uint32_t mode)
{
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if ((mode & modeRead) && (mode & modeWrite))
        flags |= O_RDWR;
    else if (mode & modeWrite)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    switch (mode & modeCreationMask) {
    case modeOpenAlways:
    case modeCreateAlways: // truncated only once the sharing lock is held
        flags |= O_CREAT;
        break;
    case modeCreateNew:
        flags |= O_CREAT | O_EXCL;
        break;
    default:
        break;
    }
    return flags;
}

} // namespace

std::int64_t MonotonicMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

CFileStream::CFileStream(std::string name)
    : CIoStream(std::move(name))
{
}

CFileStream::~CFileStream()
{
    if (IsOpen()) {
        try {
            CFileStream::Close();
        } catch (const CFileException&) {
            // The descriptor is released either way.
        }
    }
}

void CFileStream::Fail(std::uint32_t code, const std::string& message)
{
    error_ = code;
    throw CFileException(code, name_, message);
}

bool CFileStream::Open(const std::string& name, std::uint32_t mode)
{
    if (IsOpen()) {
        error_ = kErrorNotSupported;
        return false;
    }
    name_ = name;
    mode_ = mode;
    error_ = 0;
    OpenDescriptor(name, mode);
    return true;
}

void CFileStream::OpenDescriptor(const std::string& name, std::uint32_t mode)
{
    const int fd = ::open(name.c_str(), OpenFlags(mode), 0666);
    if (fd < 0) {
        const int code = errno;
        Fail(static_cast<std::uint32_t>(code), Detail::DescribeOpenFailure(name, code));
    }
    fd_ = fd;
    struct stat info {};
    ::fstat(fd_, &info);
    isTerminal_ = ::isatty(fd_) == 1;
    isPipe_ = S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode);
    try {
        if (isTerminal_) {
            // A serial port serves one program at a time: refuse further opens while we hold it.
            ::ioctl(fd_, TIOCEXCL);
        } else if (S_ISREG(info.st_mode)) {
            LockForSharing(name, mode);
            if ((mode & modeCreationMask) == modeCreateAlways && ::ftruncate(fd_, 0) != 0)
                Fail(static_cast<std::uint32_t>(errno));
        }
        wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (wakeFd_ < 0)
            Fail(static_cast<std::uint32_t>(errno));
    } catch (const CFileException&) {
        ::close(fd_);
        fd_ = -1;
        throw;
    }
}

void CFileStream::LockForSharing(const std::string& name, std::uint32_t mode)
{
    // Linux has no sharing modes; advisory locks give the answer that matters between streams
    // (and programs that lock too): an open that shares nothing holds the file alone, opens that
    // share something coexist with each other.
    const int operation = (mode & (shareRead | shareWrite)) ? LOCK_SH : LOCK_EX;
    if (::flock(fd_, operation | LOCK_NB) != 0) {
        const int code = errno == EWOULDBLOCK ? EBUSY : errno;
        Fail(static_cast<std::uint32_t>(code),
             code == EBUSY ? name + " is in use by another stream or program." : std::string());
    }
}

bool CFileStream::Reopen()
{
    if (name_.empty())
        return false;
    const std::string name = name_;
    return Open(name, mode_);
}

bool CFileStream::DrainOutput(std::int64_t deadlineMs)
{
    for (;;) {
        int pending = 0;
        if (::ioctl(fd_, TIOCOUTQ, &pending) != 0 || pending <= 0)
            return true;
        if (deadlineMs >= 0 && MonotonicMs() >= deadlineMs)
            return false;
        ::poll(nullptr, 0, 2);
    }
}

void CFileStream::Close()
{
    error_ = 0;
    if (fd_ < 0)
        Fail(EBADF);
    if (mode_ & modeWrite) {
        if (isTerminal_) {
            // Never let a stopped line (flow control, unplugged adapter) hold the close forever.
            if (!DrainOutput(MonotonicMs() + kCloseDrainMs))
                ::tcflush(fd_, TCOFLUSH);
        } else {
            ::fsync(fd_);
        }
    }
    if (isTerminal_)
        ::ioctl(fd_, TIOCNXCL);
    const int result = ::close(fd_);
    const int code = errno;
    fd_ = -1;
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
    wakeFd_ = -1;
    if (result != 0 && code != EINTR)
        Fail(static_cast<std::uint32_t>(code));
}

void CFileStream::Flush()
{
    if (!(mode_ & modeWrite))
        return;
    error_ = 0;
    if (fd_ < 0)
        Fail(EBADF);
    if (isTerminal_) {
        int pending = 0;
        ::ioctl(fd_, TIOCOUTQ, &pending);
        const bool limited = writeMultiplier_ != 0 || writeTotal_ != 0;
        const std::int64_t deadline = limited
            ? MonotonicMs() + std::int64_t(writeMultiplier_) * pending + writeTotal_
            : -1;
        if (!DrainOutput(deadline))
            Fail(ETIMEDOUT, name_ + ": the written data could not be sent within the write time-out.");
        return;
    }
    // Pipes and devices have nothing to sync (EINVAL/EROFS); that is no failure.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        Fail(static_cast<std::uint32_t>(errno));
}

bool CFileStream::GetTimeouts(std::int32_t& readTimeout, std::int32_t& writeTimeout)
{
    error_ = 0;
    readTimeout = readTotal_ != 0 ? readTotal_ : kNoTimeout;
    writeTimeout = (writeMultiplier_ != 0 || writeTotal_ != 0) ? writeTotal_ : kNoTimeout;
    return true;
}

bool CFileStream::SetTimeouts(std::int32_t readTimeout, std::int32_t writeTimeout)
{
    error_ = 0;
    // Any negative value means "none", as -1 does.
    readTotal_ = readTimeout < 0 ? 0 : readTimeout;
    if (writeTimeout < 0) {
        writeMultiplier_ = 0;
        writeTotal_ = 0;
    } else {
        writeMultiplier_ = kWriteMsPerByte;
        writeTotal_ = writeTimeout;
    }
    return true;
}

bool CFileStream::AbortIo()
{
    error_ = 0;
    if (fd_ < 0)
        Fail(EBADF);
    abortCount_.fetch_add(1);
    const std::uint64_t one = 1;
    // A full counter (EAGAIN) still wakes the waiter.
    (void)!::write(wakeFd_, &one, sizeof one);
    return true;
}

bool CFileStream::IsOpen() const
{
    return fd_ >= 0;
}

CFileStream::WaitResult CFileStream::WaitFor(short events, std::int64_t deadlineMs, std::uint64_t abortMark)
{
    for (;;) {
        int timeout = -1;
        if (deadlineMs >= 0) {
            const std::int64_t left = deadlineMs - MonotonicMs();
            if (left <= 0)
                return WaitResult::Timeout;
            timeout = left > INT_MAX ? INT_MAX : static_cast<int>(left);
        }
        pollfd fds[2] = {{fd_, events, 0}, {wakeFd_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            Fail(static_cast<std::uint32_t>(errno));
        }
        if (fds[1].revents & POLLIN) {
            std::uint64_t count = 0;
            (void)!::read(wakeFd_, &count, sizeof count);
            if (abortCount_.load() != abortMark)
                return WaitResult::Aborted;
        }
        if (fds[0].revents & POLLNVAL)
            Fail(EBADF);
        if (fds[0].revents & POLLHUP)
            return WaitResult::HangUp;
        if (fds[0].revents != 0)
            return WaitResult::Ready; // readable/writable, or an error the next call reports
    }
}

bool CFileStream::WaitForInput(int timeoutMs)
{
    if (fd_ < 0)
        Fail(EBADF);
    const WaitResult waited = WaitFor(POLLIN, MonotonicMs() + std::max(timeoutMs, 1), abortCount_.load());
    return waited == WaitResult::Ready || waited == WaitResult::HangUp;
}

std::uint32_t CFileStream::Read(void* buffer, std::uint32_t count)
{
    if (!(mode_ & modeRead))
        Fail(kErrorReadFault, name_ + ": the stream is not open for reading.");
    error_ = 0;
    if (fd_ < 0)
        Fail(EBADF);
    if (count == 0)
        return 0;
    const std::uint64_t abortMark = abortCount_.load();
    const std::int64_t deadline = readTotal_ > 0 ? MonotonicMs() + readTotal_ : -1;
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::uint32_t>(n);
            continue;
        }
        if (n == 0) {
            // End of a file or pipe. A terminal also reads 0 when it waits for no byte count
            // (VMIN 0); there only a hang-up ends the data, and a hung-up line (an unplugged
            // USB device, a closed pseudo-terminal master) is a failure of the stream.
            if (!isTerminal_)
                break;
            const WaitResult waited = WaitFor(POLLIN, deadline, abortMark);
            if (waited == WaitResult::HangUp && done == 0)
                Fail(EIO, name_ + ": the line hung up (the device was unplugged or closed).");
            if (waited != WaitResult::Ready)
                break;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN) {
            const WaitResult waited = WaitFor(POLLIN, deadline, abortMark);
            if (waited == WaitResult::Timeout || waited == WaitResult::Aborted)
                break;
            continue;
        }
        const int code = errno;
        if (done > 0)
            break; // hand over what arrived; the failure shows again on the next call
        Fail(static_cast<std::uint32_t>(code));
    }
    if (done == 0)
        error_ = kErrorHandleEof;
    return done;
}

long CFileStream::WriteNoSigpipe(const void* data, std::size_t size)
{
    if (!isPipe_)
        return ::write(fd_, data, size);
    // Block SIGPIPE for this thread while writing, and take a SIGPIPE the write raised off the
    // pending set, so a reader that went away shows as EPIPE instead of ending the program.
    sigset_t pipeSet, oldSet;
    sigemptyset(&pipeSet);
    sigaddset(&pipeSet, SIGPIPE);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);
    const bool wasPending = sigismember(&pendingBefore, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipeSet, &oldSet);
    const long written = ::write(fd_, data, size);
    const int code = errno;
    if (written < 0 && code == EPIPE && !wasPending) {
        const timespec zero {0, 0};
        while (sigtimedwait(&pipeSet, nullptr, &zero) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &oldSet, nullptr);
    errno = code;
    return written;
}

std::uint32_t CFileStream::Write(const void* buffer, std::uint32_t count)
{
    if (!(mode_ & modeWrite))
        Fail(kErrorWriteFault, name_ + ": the stream is not open for writing.");
    error_ = 0;
    if (fd_ < 0)
        Fail(EBADF);
    if (count == 0)
        return 0;
    const std::uint64_t abortMark = abortCount_.load();
    const bool limited = writeMultiplier_ != 0 || writeTotal_ != 0;
    const std::int64_t deadline =
        limited ? MonotonicMs() + std::int64_t(writeMultiplier_) * count + writeTotal_ : -1;
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const long n = WriteNoSigpipe(bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::uint32_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno == EAGAIN) {
            const WaitResult waited = WaitFor(POLLOUT, deadline, abortMark);
            if (waited == WaitResult::Timeout || waited == WaitResult::Aborted)
                break;
            continue;
        }
        const int code = errno;
        if (done > 0)
            break;
        Fail(static_cast<std::uint32_t>(code));
    }
    if (done == 0)
        error_ = kErrorTimeout;
    return done;
}

bool CFileStream::IsSeekable() const
{
    return true;
}

std::uint64_t CFileStream::GetLength()
{
    error_ = 0;
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        Fail(static_cast<std::uint32_t>(errno));
    return static_cast<std::uint64_t>(info.st_size);
}

std::uint64_t CFileStream::GetPosition()
{
    error_ = 0;
    const off_t position = ::lseek(fd_, 0, SEEK_CUR);
    if (position < 0)
        Fail(static_cast<std::uint32_t>(errno));
    return static_cast<std::uint64_t>(position);
}

std::uint64_t CFileStream::Seek(std::int64_t offset, int origin)
{
    error_ = 0;
    int whence = 0;
    switch (origin) {
    case seekCurrent: whence = SEEK_CUR; break;
    case seekBegin: whence = SEEK_SET; break;
    case seekEnd: whence = SEEK_END; break;
    default:
        Fail(kErrorSeek, name_ + ": seek origin " + std::to_string(origin)
                 + " is not one of 1 (current), 2 (beginning), 3 (end).");
    }
    const off_t position = ::lseek(fd_, static_cast<off_t>(offset), whence);
    if (position < 0)
        Fail(static_cast<std::uint32_t>(errno));
    return static_cast<std::uint64_t>(position);
}

std::uint64_t CFileStream::SeekFromStart(std::uint64_t offset)
{
    error_ = 0;
    if (offset > static_cast<std::uint64_t>(INT64_MAX))
        Fail(EINVAL);
    const off_t position = ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET);
    if (position < 0)
        Fail(static_cast<std::uint32_t>(errno));
    return static_cast<std::uint64_t>(position);
}

void CFileStream::Truncate()
{
    if (!(mode_ & modeWrite))
        Fail(kErrorWriteFault, name_ + ": the stream is not open for writing.");
    error_ = 0;
    const off_t position = ::lseek(fd_, 0, SEEK_CUR);
    if (position < 0 || ::ftruncate(fd_, position) != 0)
        Fail(static_cast<std::uint32_t>(errno));
}

} // namespace StreamIO
