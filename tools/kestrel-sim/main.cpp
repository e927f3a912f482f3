// kestrel-sim: a hardness tester on a pseudo-terminal (see --help and README.md).
#include "tools/kestrel-sim/DeviceSetup.h"
#include "tools/kestrel-sim/Options.h"
#include "tools/kestrel-sim/Simulator.h"

#include <cstdio>

int main(int argc, char** argv)
{
    Sim::Options options;
    std::string error;
    switch (Sim::ParseOptions(argc, argv, &options, &error)) {
    case Sim::ParseOutcome::Help:
        std::fputs(Sim::HelpText().c_str(), stdout);
        return 0;
    case Sim::ParseOutcome::Error:
        std::fprintf(stderr, "kestrel-sim: %s\n", error.c_str());
        return 2;
    case Sim::ParseOutcome::Run:
        break;
    }
    std::string warnings;
    std::optional<Sim::Device> device = Sim::BuildDevice(options, &error, &warnings);
    if (!warnings.empty())
        std::fprintf(stderr, "kestrel-sim: warning: %s", warnings.c_str());
    if (!device) {
        std::fprintf(stderr, "kestrel-sim: %s\n", error.c_str());
        return 1;
    }
    Sim::Simulator simulator(options, std::move(*device));
    return simulator.Run();
}
