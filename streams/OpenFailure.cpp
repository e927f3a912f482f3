#include "streams/OpenFailure.h"

#include "streams/PortAccess.h"
#include "streams/StreamErrors.h"

#include <cerrno>
#include <sys/stat.h>

namespace StreamIO::Detail {

std::string DescribeOpenFailure(const std::string& path, int code)
{
    struct stat info {};
    const bool isDevice = ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
    if (isDevice && (code == EACCES || code == EPERM)) {
        const std::string group = PortAccessOf(path).group;
        return "Permission denied: this user may not open the serial port " + path
            + ". The port belongs to the group \"" + group + "\"; add your user to it (sudo usermod -aG "
            + group + " $USER), then log out and in again.";
    }
    if (isDevice && code == EBUSY)
        return "The serial port " + path + " is in use by another program.";
    return DescribeStreamError(static_cast<std::uint32_t>(code), path);
}

} // namespace StreamIO::Detail
