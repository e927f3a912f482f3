#pragma once
// CContents: the firmware a second-generation tester has installed, one SContentEntry per part.
//
// Versions are held as the 64-bit version value the update service compares (0 = no version);
// this library does not parse version texts itself, the caller of GetVersions hands it the parser.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Device {

// Kinds of installed firmware.
constexpr std::int32_t kContentApplication = 1;
constexpr std::int32_t kContentOperatingSystem = 2;
constexpr std::int32_t kContentBootloader = 3;

// Turns a version text as the tester reports it into a version value (0 = no version).
using VersionParser = std::function<std::uint64_t(const std::wstring& text)>;

struct SContentEntry {
    std::uint8_t flagA = 0; // 1 on the application entry, 0 on the boot loader's
    std::uint8_t flagB = 0; // the same
    std::int32_t kind = 0;  // kContentApplication, kContentOperatingSystem or kContentBootloader
    std::uint64_t version = 0;
    std::wstring textA;
    std::uint16_t valueA = 0;
    std::uint16_t valueB = 0;
    std::wstring textB;
};

class CContents {
public:
    CContents() = default;
    virtual ~CContents() = default;
    CContents(const CContents&) = default;
    CContents& operator=(const CContents&) = default;

    std::uint64_t version = 0; // the contents' own version; not set by this program
    std::vector<SContentEntry> entries;
};

} // namespace Device
