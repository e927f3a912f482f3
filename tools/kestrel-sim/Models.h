#pragma once
// The four tester models the simulator can be, with what tells them apart on the wire.

#include <cstdint>
#include <string_view>

namespace Sim {

struct ModelInfo {
    const char* key;             // command-line name, e.g. "kestrel1"
    const char* productName;     // "Kestrel 1"
    const char* typeCode;        // seven characters, first field of every identification reply
    int generation;              // 1 or 2
    int recordSize;              // bytes per stored measurement on the wire: 11 or 13
    int capacity;                // measurements the memory holds
    int curveSlots;              // custom-curve slots: 3 (Leeb D) or 6 (Leeb D and Leeb DL)
    const char* firmware;        // default application firmware version
    const char* bootloader;      // default boot-loader version
    const char* hardware;        // default hardware revision
    std::uint8_t signatureClass; // top byte of the identity signature (device class)
};

// Looks a model up by its key ("kestrel2") or product name ("Kestrel 2"), ignoring case, spaces
// and dashes. Null when unknown.
const ModelInfo* FindModel(std::string_view name);
// Every model, for --help.
const ModelInfo* AllModels(int* count);

} // namespace Sim
