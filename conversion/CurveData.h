#pragma once
// The constant data behind BuildConversionTables: curve rows, impact-direction points and the
// scale catalogue layout. Only the conversion library reads these.

#include "data/Records.h"

#include <span>

namespace CurveData {

// One listed curve: every curve-table entry not listed here is all zero.
struct CurveRow {
    int probe;    // ProbeType
    int scale;    // ScaleType with a curve table
    int material; // entry index in that table
    PARA curve;
};

// The listed curves, Leeb D first.
std::span<const CurveRow> Curves();

// The Leeb D Shore curve of steel (material 1) under conversion standard 1 ("Custom J").
const PARA& ShoreSteelCustomJ();

// Number of entries of the curve table of a scale (same for both probes): Rockwell A 0,
// tensile strength 14, every other scale 11.
int CurveTableLength(int scale);

// The impact-direction points at 90 and 180 degrees of one table.
struct AnglePoints {
    float a90, b90, a180, b180;
};
extern const AnglePoints kAnglesD1; // first-generation Leeb D
extern const AnglePoints kAnglesD2; // second-generation Leeb D
extern const AnglePoints kAnglesDL; // Leeb DL

} // namespace CurveData
