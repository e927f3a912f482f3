#pragma once
// The 16-bit measuring-mode word of the wire: material code in bits 0-4, scale code in bits 5-9,
// probe in bits 10-13, hidden (discarded) in bit 14, series marker in bit 15.

#include <cstdint>

namespace Sim {

constexpr std::uint16_t kHiddenBit = 0x4000;
constexpr std::uint16_t kSeriesMarkerBit = 0x8000;

// The word for a scale type (0..9), a material index (0..16) and a probe (0 Leeb D, 1 Leeb DL) as
// the program names them; hidden and marker bits are 0. Tensile strength and custom curves carry
// their material in the scale code (8..10 for materials 11..13, 11..13 for curves 14..16).
std::uint16_t EncodeMode(int scale, int material, int probe);

struct ModeFields {
    int materialCode = 0;
    int scaleCode = 0;
    int probe = 0;
    bool hidden = false;
    bool marker = false;
};
ModeFields SplitMode(std::uint16_t word);
// True when a tester could be set to this word: material code 0..10, scale code 0..13, probe 0..1.
bool IsSettableMode(std::uint16_t word);

} // namespace Sim
