#pragma once
// The verdicts drawn over the table: the value cell of a judged measurement tinted (green inside,
// amber below, red above) and "OK" / "NOT OK" at the left of a judged series' Index cell. Worked out
// from the store and the limits each time a cell is painted, so the overlay follows every
// conversion, hide and deletion at once; the table's own texts and colours stay as they are.

#include "grid/GridCtrl.h"

class CMeasurementStore;
class CToleranceTable;

// The overlay function for the table's grid. store and limits must outlive the grid's use of it.
CGridCtrl::CellOverlayFn MakeVerdictOverlay(const CMeasurementStore& store, const CToleranceTable& limits);

// The series a table row belongs to (series, statistics or measurement row), from its key in
// column 0; -1 for the title row, a bad row or a key beyond the store's series.
int SeriesOfTableRow(const CMeasurementStore& store, int row);
