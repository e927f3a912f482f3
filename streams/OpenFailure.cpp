#include "streams/OpenFailure.h"

#include "streams/StreamErrors.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>

namespace StreamIO::Detail {
namespace {

// The name of the group owning path; "dialout" (the usual owner of serial ports) when unknown.
std::string OwningGroup(const struct stat& info)
{
    struct group entry {};
    struct group* found = nullptr;
    char buffer[4096];
    if (getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr
        && found->gr_name != nullptr && found->gr_name[0] != '\0')
        return found->gr_name;
    return "dialout";
}

} // namespace

std::string DescribeOpenFailure(const std::string& path, int code)
{
    struct stat info {};
    const bool isDevice = ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
    if (isDevice && (code == EACCES || code == EPERM)) {
        const std::string group = OwningGroup(info);
        return "Permission denied: this user may not open the serial port " + path
            + ". The port belongs to the group \"" + group + "\"; add your user to it (sudo usermod -aG "
            + group + " $USER), then log out and in again.";
    }
    if (isDevice && code == EBUSY)
        return "The serial port " + path + " is in use by another program.";
    return DescribeStreamError(static_cast<std::uint32_t>(code), path);
}

} // namespace StreamIO::Detail
