#pragma once
// The measurement table: every series of the store as a series row and, while the series is
// expanded, a statistics row and one row per measurement, in the store's grid (store.grid).
//
// Column 0 of every row holds its key: "%d" of the series index k for a series row, "%d.%d" of
// (k, 0) for its statistics row and of (k, j) for its measurement j (1-based). The table commands
// parse it back with ParseRowKey (TableTexts.h).
//
// All of these need store.grid (std::invalid_argument without one) and run on the user-interface
// thread. Series indices outside the store are programming errors (std::invalid_argument).

class CMeasurementStore;
class CTableSheet;

// The table shows many local dates and times; without TZ the C library looks at /etc/localtime
// again for every one it converts, which is most of the time a large table takes. Naming the same
// file once keeps the zone and lets it be read once. Call at start, before any thread starts.
void KeepLocalTimeZoneLoaded();

// Builds the conversion tables and resets the grid to the empty table: tree images, 9 columns
// with their widths, the title row, full-row selection, no resizing by the user. The table host is
// told the table changed.
void SetupTable(CMeasurementStore& store);
// The full rebuild: SetupTable, every series with its rows, then the grid gets the keyboard focus
// and shows its last row, which becomes the focus cell. The table host is told the table changed.
void RefreshTable(CMeasurementStore& store);
// The same rebuild without telling the host (for commands that tell it once when they end).
void RebuildTable(CMeasurementStore& store);
// The same rebuild into a window-less sheet (the command-line export); store.grid is not used.
void RefreshTable(CMeasurementStore& store, CTableSheet& sheet);

// Add an empty row of the kind at the end of the grid, with its alignments, read-only states,
// fonts and cell types (date and time cells start at the current time). Return the new row.
int AppendSeriesRow(CMeasurementStore& store);
int AppendStatisticsRow(CMeasurementStore& store);
int AppendMeasurementRow(CMeasurementStore& store);
// Insert an empty row of the kind before grid row `row` (expanding one series in place).
void InsertStatisticsRow(CMeasurementStore& store, int row);
void InsertMeasurementRow(CMeasurementStore& store, int row);
// Inserts the empty statistics row and one empty measurement row per measurement of series
// `series` before grid row `row`, in one change of the grid (expanding a large series in place).
void InsertSeriesSubRows(CMeasurementStore& store, int row, int series);

// Writes series `series` into its series row `row` and, when it is expanded, its statistics row
// and measurement rows into the rows after it (they must exist). Returns the last row written.
// Writes back what it normalises: a scale outside 0..9 (scale and material become 0), a material
// the scale does not offer (0), an impact angle outside 0..180 (clamped).
int FillSeriesRows(CMeasurementStore& store, int row, int series);
// Writes the Scale and Material cells of the series row `row` of series `series`.
void FillScaleMaterialCells(CMeasurementStore& store, int row, int series);
