#pragma once
// Error codes of the stream layer and the exception it raises for hard failures.
//
// A stream keeps the code of its last operation (CIoStream::GetError). The codes the layer sets
// itself are the named constants below; a failed operating-system call stores its errno. The two
// number spaces overlap in places (errno 25 is ENOTTY, errno 38 is ENOSYS), so callers compare
// against the named constants only where the layer documents that it sets them.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace StreamIO {

constexpr std::uint32_t kErrorNone = 0;
constexpr std::uint32_t kErrorSeek = 25;             // Seek with an origin other than 1, 2, 3
constexpr std::uint32_t kErrorWriteFault = 29;       // Write/Truncate on a stream not opened for writing
constexpr std::uint32_t kErrorReadFault = 30;        // Read on a stream not opened for reading
constexpr std::uint32_t kErrorHandleEof = 38;        // Read: nothing arrived (end of data or time-out)
constexpr std::uint32_t kErrorNotSupported = 50;     // already open; a line feature Linux does not offer
constexpr std::uint32_t kErrorInvalidParameter = 87; // serial settings record rejected
constexpr std::uint32_t kErrorTimeout = 1460;        // Write: nothing could be written in time

// Raised by streams for hard failures (operating-system calls that failed, reads or writes on a
// stream opened without the needed access). Carries the error code and the stream's name; what()
// is an English sentence fit to show to the user as it stands (for a serial port that exists but
// may not be opened it names the device and the usual fix).
class CFileException : public std::runtime_error {
public:
    // message empty: a sentence is made from the name and the code.
    CFileException(std::uint32_t code, std::string name, const std::string& message = {});

    std::uint32_t GetCode() const noexcept { return code_; }
    const std::string& GetName() const noexcept { return name_; }
    // True when the operating system refused access (EACCES or EPERM): the device exists but this
    // user may not open it.
    bool IsAccessDenied() const noexcept;

private:
    std::uint32_t code_;
    std::string name_;
};

// "<name>: <description of code>", the sentence used when no message is given.
std::string DescribeStreamError(std::uint32_t code, const std::string& name);

} // namespace StreamIO
