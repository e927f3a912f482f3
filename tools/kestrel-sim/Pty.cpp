#include "tools/kestrel-sim/Pty.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace Sim {

Pty::~Pty()
{
    Close();
}

bool Pty::Open(std::string* error)
{
    Close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        *error = std::string("posix_openpt: ") + std::strerror(errno);
        return false;
    }
    char name[PATH_MAX] = {};
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
        *error = std::string("cannot prepare the pseudo-terminal: ") + std::strerror(errno);
        ::close(master);
        return false;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        *error = std::string("cannot open ") + name + ": " + std::strerror(errno);
        ::close(master);
        return false;
    }
    const int flags = ::fcntl(master, F_GETFL);
    ::fcntl(master, F_SETFL, flags | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    master_ = master;
    slave_ = slave;
    slavePath_ = name;
    return true;
}

void Pty::Close()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

bool Pty::LineLooksUnconfigured() const
{
    termios settings{};
    if (slave_ < 0 || ::tcgetattr(slave_, &settings) != 0)
        return false;
    return (settings.c_lflag & (ICANON | ECHO)) != 0;
}

bool PointLink(const std::string& linkPath, const std::string& target, std::string* error)
{
    struct stat info {};
    if (::lstat(linkPath.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            *error = linkPath + " exists and is not a symbolic link; not replacing it";
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(target.c_str(), linkPath.c_str()) != 0) {
        *error = "cannot create the link " + linkPath + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void RemoveLink(const std::string& linkPath, const std::string& target)
{
    char buffer[PATH_MAX] = {};
    const ssize_t length = ::readlink(linkPath.c_str(), buffer, sizeof buffer - 1);
    if (length > 0 && target == std::string(buffer, static_cast<std::size_t>(length)))
        ::unlink(linkPath.c_str());
}

} // namespace Sim
