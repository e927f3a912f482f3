// scleron-cli scan: searches COM1..COM30 for testers and lists them as the connect list does.
// Exit 0 when at least one tester was found, 3 when none, 2 for wrong arguments.
#include "tools/cli/Subcommands.h"

#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/LinkStrings.h"
#include "devicelink/TesterModels.h"
#include "resources/StringTable.h"
#include "streams/IoStream.h"

#include <cstdio>

int RunScanCommand(const QStringList& args)
{
    if (!args.isEmpty()) {
        std::fprintf(stderr, "scleron-cli scan: takes no arguments\n");
        return 2;
    }
    StreamIO::StartupStreamLayer();
    int exitCode = 3;
    {
        CMeasurementStore store;
        store.link = MakeLayerPtr(new CDeviceLink(store));
        store.link->ScanPorts();
        for (const QString& problem : store.link->PortProblems())
            std::fprintf(stderr, "%s\n", qPrintable(problem));
        for (int i = 0; i < store.foundDevices.GetSize(); ++i) {
            const DEVICE* found = store.foundDevices[i];
            std::printf("%s\n", qPrintable(TesterModels::FoundDeviceLine(found->name, found->serialNumber,
                                                                          store.foundPorts[i])));
        }
        if (store.foundDevices.IsEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(ResString(LinkStrings::NoTesterFound)));
        else
            exitCode = 0;
    }
    StreamIO::ShutdownStreamLayer();
    return exitCode;
}
