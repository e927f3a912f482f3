#pragma once
// The simulator's command line.

#include "tools/kestrel-sim/Models.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace Sim {

struct Options {
    const ModelInfo* model = nullptr; // default: the .hkp file's product, else Kestrel 1
    std::optional<std::string> firmware, bootloader, serial, hardware, signature;
    std::optional<std::uint32_t> deviceId;
    bool bootloaderMode = false;

    int series = 3;
    int impacts = 5;
    std::uint32_t seed = 1;
    bool full = false;
    std::string hkpPath;

    std::optional<std::uint16_t> modeWord;
    std::optional<int> fixedImpacts;
    std::optional<std::uint32_t> impactCounter;
    std::optional<std::time_t> clock;

    int impactEveryMs = 0;
    int eventsEveryMs = 0;
    bool paced = false;
    int latencyMs = 0;
    bool echo = false;
    bool trace = false;
    std::string linkPath;
};

enum class ParseOutcome { Run, Help, Error };

// Reads argv into options. Help: --help was given. Error: *error says what is wrong.
ParseOutcome ParseOptions(int argc, char** argv, Options* options, std::string* error);
std::string HelpText();

} // namespace Sim
