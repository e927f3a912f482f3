#pragma once
// The 16-bit mode word of the tester link: material, scale, probe, a hidden flag and the series
// marker of first-generation testers, packed as
//   bits 0-4 material code, bits 5-9 scale code, bits 10-13 probe, bit 14 hidden, bit 15 marker.
// Decoding consults the store's scale catalogues (tensile-strength and custom-curve scale codes
// name a position in the scale's material list), so both directions are store operations.

#include <cstdint>

class CMeasurementStore;

struct SModeFields {
    int scale = 0;
    int material = 0;
    int probe = 0;
    int hidden = 0;
    int seriesMark = 0;
};

// Throws std::invalid_argument when a scale catalogue lacks the entry a scale code needs
// (catalogues not built yet, or a material list shorter than the code asks for).
SModeFields DecodeModeWord(CMeasurementStore& store, std::uint16_t word);
// Hidden flag and series marker are always 0 in an encoded word.
std::uint16_t EncodeModeWord(CMeasurementStore& store, int scale, int material, int probe);
