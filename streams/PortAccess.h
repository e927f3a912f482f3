#pragma once
// Whether this user may open the serial ports, told before a search runs into it. Nothing is
// opened: the check reads the device's owner and mode, so no line is disturbed.

#include <string>
#include <vector>

namespace StreamIO {

struct SPortAccess {
    bool exists = false;  // the path names something (a link is followed)
    bool mayOpen = false; // this user may read and write it
    std::string group;    // the group owning the device ("dialout" when its name is unknown)
};

SPortAccess PortAccessOf(const std::string& path);

// The group to join when serial ports exist (entries of the COM mapping, "" skipped) and this
// user may open none of them: the group of the first one. Empty when there is no port, or at
// least one may be opened.
std::string GroupToJoin(const std::vector<std::string>& ports);

} // namespace StreamIO
