#include "streams/PortAccess.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StreamIO {
namespace {

// The name of the group gid; "dialout" (the usual owner of serial ports) when unknown.
std::string GroupName(gid_t gid)
{
    struct group entry {};
    struct group* found = nullptr;
    char buffer[4096];
    if (getgrgid_r(gid, &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr
        && found->gr_name != nullptr && found->gr_name[0] != '\0')
        return found->gr_name;
    return "dialout";
}

} // namespace

SPortAccess PortAccessOf(const std::string& path)
{
    SPortAccess access;
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return access;
    access.exists = true;
    access.group = GroupName(info.st_gid);
    // With the effective ids and groups, as the open would be checked.
    access.mayOpen = ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
    return access;
}

std::string GroupToJoin(const std::vector<std::string>& ports)
{
    std::string group;
    for (const std::string& path : ports) {
        const SPortAccess access = PortAccessOf(path);
        if (!access.exists)
            continue;
        if (access.mayOpen)
            return {};
        if (group.empty())
            group = access.group;
    }
    return group;
}

} // namespace StreamIO
