#pragma once
// The measurement table inside the main view: the one place where the view creates the table's
// window (control id 1009) and asks the table to set itself up or refill itself from the store.
//
// The grid widget and the table's store operations (SetupTable, RefreshTable) belong to the
// table library. Until the program links it, the table's window is a plain framed widget that
// holds the table's place and id, and the two operations leave it empty.

class CMeasurementStore;
class QWidget;

// Creates the table's window as a visible, framed, tab-stop child of parent with control id 1009.
QWidget* CreateTableWindow(CMeasurementStore& store, QWidget* parent);
// The empty table (column titles, no rows).
void SetupTableArea(CMeasurementStore& store);
// Refills the table from the store's series.
void RefreshTableArea(CMeasurementStore& store);
