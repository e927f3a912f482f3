// scleron-cli ports: which serial device each COM number stands for.
#include "tools/cli/Subcommands.h"

#include "streams/SerialPorts.h"

#include <cstdio>
#include <cstdlib>

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
        std::printf("COM%zu\t%s\n", i + 1, ports[i].c_str());
        ++mapped;
    }
    if (mapped == 0) {
        std::fprintf(stderr, "scleron-cli ports: no serial port found%s\n",
                     fromVariable ? " (SCLERON_SERIAL_PORTS names none)" : "");
        return 3;
    }
    return 0;
}
