#pragma once
// The sentence a failed open of a path raises with (internal to the stream layer).

#include <string>

namespace StreamIO::Detail {

// For a device the user may not open (EACCES/EPERM on a character device) the sentence names the
// device, the group that owns it and the usual fix; for a busy device it says it is in use;
// otherwise "<path>: <system text>".
std::string DescribeOpenFailure(const std::string& path, int code);

} // namespace StreamIO::Detail
