#include "streams/StreamErrors.h"

#include <cerrno>
#include <cstring>

namespace StreamIO {

std::string DescribeStreamError(std::uint32_t code, const std::string& name)
{
    const std::string what = std::strerror(static_cast<int>(code));
    return name.empty() ? what : name + ": " + what;
}

CFileException::CFileException(std::uint32_t code, std::string name, const std::string& message)
    : std::runtime_error(message.empty() ? DescribeStreamError(code, name) : message)
    , code_(code)
    , name_(std::move(name))
{
}

bool CFileException::IsAccessDenied() const noexcept
{
    return code_ == EACCES || code_ == EPERM;
}

} // namespace StreamIO
