#pragma once
// Printing the table as it is shown: per page a header (title centred, application title at the
// right, in bold, a line below), the title row and the rows that fit, and a footer (a line above,
// "Page %d of %d" at the left and the date and time at the right, in bold). Column 0 is not
// printed. The page is the table's width plus margins of 4 average character widths, scaled to
// the printer's page width; the print font is 10 units high in those same units.

#include <QList>

class CGridCtrl;
class CMeasurementStore;
class QPrinter;

// The menu command: print dialog (through the seam of PrintDialogSeam.h), then the printout.
// A cancelled dialog or a failing page ends printing without a message.
void PrintTable(CMeasurementStore& store);

// Prints store.grid on a printer that is already set up. selectionOnly: only rows whose column 1
// cell is selected. Returns false when printing could not start or a page failed (the document is
// then aborted).
bool PrintTableOn(CMeasurementStore& store, QPrinter& printer, bool selectionOnly);

// The grid rows of each page: rows 1.. of height > 0 (and selected, with selectionOnly) taken in
// order while their heights fit into bodyHeight; every page holds at least one row. An empty list
// of rows still gives one (empty) page.
QList<QList<int>> PaginateRows(const CGridCtrl& grid, bool selectionOnly, double bodyHeight);
