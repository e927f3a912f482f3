#pragma once
// The measurement table inside the main view: the one place where the view creates the table's
// window (the grid, control id 1009) and asks the table to set itself up, refill itself from the
// store, or show the rows of one series.

class CMeasurementStore;
class QWidget;

// Creates the table's grid as a visible, framed, tab-stop child of parent with control id 1009,
// held by store.grid, with the empty table, and lets the table answer the grid's notifications
// (a CTableInput child of the grid).
QWidget* CreateTableWindow(CMeasurementStore& store, QWidget* parent);
// The empty table (column titles, no rows).
void SetupTableArea(CMeasurementStore& store);
// Refills the table from the store's series.
void RefreshTableArea(CMeasurementStore& store);

// Rows of the table, title row included.
int TableRowCount(const CMeasurementStore& store);
// The row of series k (its key in column 0), searched from the bottom; -1 when there is none.
int TableRowOfSeries(const CMeasurementStore& store, int series);
// Appends the statistics row and one row per measurement of series k at the end of the table
// (for a series whose row is the last one and that has just been expanded).
void AppendSeriesSubRows(CMeasurementStore& store, int series);
// Scrolls the last row into view and makes it the focus cell.
void ShowLastTableRow(CMeasurementStore& store);
