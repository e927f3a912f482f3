// scleron-cli ports: which serial device each COM number stands for, what USB device it is, whether
// low-latency mode takes on it, and whether this user may open it.
#include "tools/cli/Subcommands.h"

#include "streams/PortAccess.h"
#include "streams/Rs232Stream.h"
#include "streams/SerialPorts.h"
#include "streams/StreamErrors.h"
#include "streams/UsbIdentity.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

// Opens the port as a connect would (without changing its line settings) and says how that went:
// whether low-latency mode took, or why the port could not be opened.
std::string PortState(unsigned port, const std::string& path)
{
    const StreamIO::SPortAccess access = StreamIO::PortAccessOf(path);
    if (!access.exists)
        return "absent";
    if (!access.mayOpen)
        return "no permission (group " + access.group + ")";
    StreamIO::CRs232Stream stream;
    try {
        stream.OpenComPort(port, StreamIO::modeRead | StreamIO::modeWrite);
    } catch (const StreamIO::CFileException& failure) {
        if (failure.GetCode() == EBUSY)
            return "in use";
        if (failure.IsAccessDenied())
            return "no permission (group " + access.group + ")";
        return "not opened: " + std::string(failure.what());
    }
    const bool on = stream.GetLowLatency() == StreamIO::LowLatency::On;
    stream.CloseSafe();
    return on ? "low latency on" : "low latency not honoured";
}

} // namespace

int RunPortsCommand(const QStringList& args)
{
    if (!args.isEmpty()) {
        std::fprintf(stderr, "scleron-cli ports: takes no arguments\n");
        return 2;
    }
    const bool fromVariable = std::getenv("SCLERON_SERIAL_PORTS") != nullptr;
    const std::vector<std::string> ports = StreamIO::SerialPortMap();
    int mapped = 0;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (ports[i].empty())
            continue;
        const std::string identity = StreamIO::UsbIdentityOf(ports[i]).Describe();
        std::printf("COM%zu\t%s\t%s\t%s\n", i + 1, ports[i].c_str(), identity.empty() ? "-" : identity.c_str(),
                    PortState(static_cast<unsigned>(i + 1), ports[i]).c_str());
        ++mapped;
    }
    if (mapped == 0) {
        std::fprintf(stderr, "scleron-cli ports: no serial port found%s\n",
                     fromVariable ? " (SCLERON_SERIAL_PORTS names none)" : "");
        return 3;
    }
    const std::string group = StreamIO::GroupToJoin(ports);
    if (!group.empty())
        std::fprintf(stderr,
                     "This user may open none of these serial ports. Join the group \"%s\" "
                     "(sudo usermod -aG %s $USER), then log out and in again.\n",
                     group.c_str(), group.c_str());
    return 0;
}
