#pragma once
// The row operations the table commands share: reading a row's key against the store, and
// expanding, collapsing and hiding in place (the rows of one series change, the rest stay).

#include "table/TableTexts.h"

#include <optional>

class CGridCtrl;
class CMeasurementStore;
struct MEAS;
struct MSERIE;

// A grid row whose key names a series (and measurement) the store has.
struct TableRow {
    int row = -1;
    RowKey key;         // key.series is the series index k, key.sub the 1-based measurement j
    int seriesRow = -1; // the grid row of the series' own row

    int Series() const { return key.series; }
};

// The grid of the store (std::invalid_argument without one).
CGridCtrl& TableGrid(CMeasurementStore& store);

// The key of row read back and checked against the store; nothing for the title row, a row out of
// the grid, a key that does not parse or one that names a series or measurement that is not there.
std::optional<TableRow> ReadTableRow(CMeasurementStore& store, int row);
MSERIE& SeriesOf(CMeasurementStore& store, const TableRow& row);
// The measurement of a measurement row.
MEAS& MeasurementOf(CMeasurementStore& store, const TableRow& row);

// Whether the row counts as selected: its column 1 cell is.
bool IsRowSelected(const CGridCtrl& grid, int row);

// Series k, collapsed, at grid row seriesRow: marks it expanded, adds its statistics and
// measurement rows below it (inserted, or appended for the store's last series) and fills them.
void ExpandSeriesRows(CMeasurementStore& store, int seriesRow, int series);
// Series k, expanded: marks it collapsed, deletes its count + 1 rows below the series row, refills.
void CollapseSeriesRows(CMeasurementStore& store, int seriesRow, int series);
// Sets the hidden flag of the measurement of a measurement row and refills its series.
void SetRowHidden(CMeasurementStore& store, const TableRow& row, int hidden);

// DeleteSelectedRows without the wait cursor and without telling the host (for commands that do
// both themselves).
void DeleteSelectedTableRows(CMeasurementStore& store);

// The grid row that ends series k's block when the table shows the store: the sum over series
// 0..k of 1 for a collapsed series and count + 2 for an expanded one.
int LastRowOfSeriesBlock(const CMeasurementStore& store, int series);
