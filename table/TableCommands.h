#pragma once
// The table commands: what the operator does to the table with the mouse, the keys, the context
// menus and the Edit menu. Each changes records of the store through their set-if-different
// setters (a command that changes nothing leaves nothing unsaved) and then refills the rows of the
// series it touched or rebuilds the whole table, so that the grid always shows the store. Each
// shows the wait cursor while it works and tells the table host once, at its end, that the table
// changed (ITableHost::TableChanged).
//
// Rows are found through their keys in column 0; a row whose key does not parse, or names a
// series or measurement the store does not have, is skipped. A row counts as selected when its
// column 1 cell is selected.

#include "table/TableCommandIds.h"

class CMeasurementStore;

// Runs command id (32800..33017) as if cell (row, column) had been clicked: the "This" commands act
// on that row, "Selected" on the selection, "All" on every series. The Edit menu runs its commands
// with row 1, column 1. Any other id (0: a cancelled menu) runs only the common end: the last row of
// the clicked row's series is scrolled into view (column 1) and the window repainted.
void ExecuteTableCommand(CMeasurementStore& store, int id, int row, int column);

// Delete: every selected series goes, every selected measurement goes, and a series that would be
// left without measurements goes as a whole. Shows "Delete Item" in the status bar.
void DeleteSelectedRows(CMeasurementStore& store);

// A left click on a cell: in column 0 a series row expands or collapses and a measurement row is
// hidden or shown again; the series row then becomes the focus cell, scrolled into view. Other
// columns and the statistics row do nothing here (the grid selects).
void ClickTableCell(CMeasurementStore& store, int row, int column);

// The same toggle for row by the keyboard (Space in column 0): the focus cell stays and nothing
// scrolls.
void ToggleTableRow(CMeasurementStore& store, int row);

// The grid's key notification (key code, value): Space toggles row `value`, Delete deletes the
// selected rows, Ctrl+S does nothing more. After each the grid has the keyboard focus and the
// status bar shows "Online" or "Offline".
void TableKeyPressed(CMeasurementStore& store, int key, int value);

// An in-place editor of cell (row, column) closed with a changed value: a measurement's date or time
// becomes its time, a series' Scale or Material cell its scale or material.
void EndTableEdit(CMeasurementStore& store, int row, int column);
