#include "tools/cli/TesterConnection.h"

#include "data/MeasurementStore.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/FoundDevices.h"
#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"

#include <cstdio>

namespace {

void Tell(int id, const QString& argument = {})
{
    const QString text = argument.isNull() ? ResString(id) : ResString(id).arg(argument);
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int FindTester(CMeasurementStore& store, CDeviceLink& link, int port)
{
    if (port == 0) {
        link.ScanPorts();
        for (const QString& problem : link.PortProblems())
            std::fprintf(stderr, "%s\n", qPrintable(problem));
        if (store.foundDevices.IsEmpty()) {
            Tell(LinkStrings::NoTesterFound);
            return 3;
        }
        port = store.foundPorts[0];
        if (link.OpenPort(port) == LinkResult::Ok)
            return 0;
    } else {
        // The same text exchange the search uses, so the tester is known exactly as after a search.
        store.ClearFoundDevices();
        if (link.OpenPort(port) == LinkResult::Ok) {
            link.ProbeDevice(port);
            AppendLaterDevices(store);
            if (!store.foundDevices.IsEmpty())
                return 0;
            link.Close();
            Tell(LinkStrings::NoTesterOnPort, QString::number(port));
            return 3;
        }
    }
    Tell(LinkStrings::PortNotOpened, QString::number(port));
    if (!link.LastOpenProblem().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(link.LastOpenProblem()));
    return 3;
}

int AttachFoundTester(CMeasurementStore& store, CDeviceLink& link, const TickWait& wait)
{
    AdoptFoundDevice(store, 0);
    link.events = 0;
    // A check that went unanswered is left to the connect jobs, which give a dead line up within
    // seconds; any complete answer but the application's means the boot loader.
    link.CheckApplication();
    if (link.LastApplicationCheck() == CDeviceLink::ApplicationCheck::BootLoader) {
        store.bootloaderMode = 1;
        Tell(LinkStrings::Bootloader);
        return 4;
    }
    if (!RunJobsToEnd(store, link, CDeviceLink::jobsConnect, wait)) {
        Tell(LinkStrings::ConnectionLost);
        return 4;
    }
    return 0;
}

bool RunJobsToEnd(CMeasurementStore& store, CDeviceLink& link, std::uint32_t jobs, const TickWait& wait)
{
    using namespace TesterTiming;
    link.jobs = jobs;
    link.RunJobs();
    int failedTicks = 0;
    int intervalMs = kFirstTickMs;
    while (link.jobs != 0) {
        if (!wait(intervalMs))
            return false;
        if (link.RunJobs() > 0) {
            failedTicks = 0;
            intervalMs = kGoodTickMs;
            continue;
        }
        intervalMs = kFailedTickMs;
        link.Close();
        if (++failedTicks >= kFailedTicksToGiveUp)
            return false;
        link.OpenPort(store.portNumber);
    }
    return true;
}
