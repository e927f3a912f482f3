#pragma once
// The constant conversion tables of the measurement store: the two scale catalogues (one per
// probe), the material names, the three impact-direction tables, the fourteen curve tables and the
// table's column titles.

#include "conversion/ConversionTypes.h"
#include "data/MeasurementStore.h"

// Empties and refills scalesD, scalesDL, anglesD1, anglesD2, anglesDL, materialNames, curves[0..13]
// and columnTitles (the CONVERSION records are deleted and created anew). Names and titles come from
// the string table, so they follow the current language. The Leeb D Shore curve of steel follows
// store.conversionStandard (0 "default", 1 "Custom J"); any other value is first set to 0.
// customD and customDL are left alone. Indices equal scale types and material indices:
// scalesD[t] is scale t, curves[i][k] is material k, materialNames[k] is material k.
void BuildConversionTables(CMeasurementStore& store);

// The scale catalogue of a probe: scalesDL for probe 1, scalesD for every other value.
const CArray<CONVERSION*>& ScaleCatalogue(const CMeasurementStore& store, int probe);

// Index into store.curves of the curve table of (scale, probe): scale - 2 for Leeb D, scale - 2 + 7
// for Leeb DL (probe 1). -1 when the scale has no curve table (scales other than 2..8).
int CurveTableIndex(int scale, int probe);

// The curve table of (scale, probe), or nullptr when the scale has no curve table.
const CArray<PARA>* CurveTable(const CMeasurementStore& store, int scale, int probe);

// The custom-curve table of a probe: customD for probe 0, customDL for probe 1, nullptr otherwise.
const CArray<CPARA>* CustomCurveTable(const CMeasurementStore& store, int probe);
