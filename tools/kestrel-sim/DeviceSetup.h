#pragma once
// Builds the tester the command line asks for: model, identity, settings and stored series.

#include "tools/kestrel-sim/Device.h"
#include "tools/kestrel-sim/Options.h"

#include <optional>
#include <string>

namespace Sim {

// Nothing when the options cannot be met (an unreadable file, more measurements than the memory
// holds); *error then says why. Warnings that do not stop the tester go to *warnings.
std::optional<Device> BuildDevice(const Options& options, std::string* error, std::string* warnings);

} // namespace Sim
