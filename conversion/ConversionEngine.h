#pragma once
// The conversion engine: single-precision rounding, impact-direction correction and the evaluation
// of a conversion curve. Every intermediate is a 32-bit float unless stated otherwise, so results
// are the same bit for bit on every machine.

#include "data/MeasurementStore.h"

// Rounds x half away from zero to n decimals, computed in single precision:
// y = float(x * 10^(n+1)); y += 5 (x >= 0) or y -= 5 (x < 0); y = float(y / 10); truncate y
// toward zero; return float(y / 10^n). Example: RoundDecimals(2.5f, 0) == 3.
float RoundDecimals(float x, int n);

// Keeps n significant digits of x (half away from zero). n < 1 or x == 0 returns x unchanged.
// Example: RoundSignificant(1234.56f, 4) == 1235.
float RoundSignificant(float x, int n);

// The amount to add to the raw Leeb value L measured at impact angle `angle` (degrees: 0 down,
// 90 horizontal, 180 up) with probe `probe`. angle <= 0 gives 0; angle > 180 counts as 180.
// Probe 1 uses anglesDL; any other probe uses anglesD2 when store.device.name is exactly
// "Kestrel 2" or "Tamarin 2", else anglesD1. Throws std::invalid_argument when the chosen table has
// fewer than 3 entries (the tables were not built).
float GetDirectionCorrection(const CMeasurementStore& store, float value, int angle, int probe);

// Converts a direction-corrected Leeb value with the curve of (scale, material, probe).
// Returns the converted value (> 0 for a usable result), 0 when the value lies outside the curve's
// limits (inclusive) or the scale has no curve table, and -1 when the material has no curve
// (beyond the table, and always for Rockwell A, whose tables are empty). Scales 2..5, 7 and 8
// throw std::invalid_argument for a negative material.
float ConvertHardness(const CMeasurementStore& store, float corrected, int scale, int material, int probe);
