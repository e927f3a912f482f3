#pragma once
// Custom curves HC1..HC3 as the tester holds them. Each slot has seven registers:
//   0: lowest and highest valid Leeb value (two 16-bit values, lowest first)
//   1: coefficient a0 plus the custom offset (float)
//   2..5: coefficients a1..a4 (float)
//   6: mode word of the base scale, base material and probe (2 bytes)
// A register is addressed by slot * 16 + register. Slots 0..2 are HC1..HC3 of Leeb D; a
// "Kestrel 2" also has slots 3..5, HC1..HC3 of Leeb DL.

#include "data/Records.h"

#include <cstdint>

class CMeasurementStore;

namespace CustomCurves {

constexpr int kRegisters = 7;
constexpr int kModeRegister = 6;

// The curve a custom curve of this slot builds on: the entry at the base material in the curve
// table of the base scale (Leeb D tables for slots 0..2, Leeb DL for 3..5). Base scales without a
// curve table (0, 1, 6, 9) give the identity: range 0..1000, coefficients 0, 1, 0, 0, 0. A
// material beyond the table gives an entry without a curve (all zero).
PARA BaseCurve(const CMeasurementStore& store, int slot, int scale, int material);

// The store's custom curve behind a slot (customD[14 + slot] or customDL[14 + slot - 3]).
CPARA& SlotEntry(CMeasurementStore& store, int slot);

// The payload of register r for a custom curve; returns its size (4, or 2 for the mode word).
int RegisterPayload(CMeasurementStore& store, int slot, const CPARA& curve, int r, std::uint8_t out[4]);

inline std::uint8_t RegisterAddress(int slot, int r) { return static_cast<std::uint8_t>(slot * 16 + r); }

} // namespace CustomCurves
