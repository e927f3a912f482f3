#pragma once
// Creating the table's grid widget for the main view.

class CGridCtrl;
class CMeasurementStore;
class QWidget;

// Creates the grid as a child of parent, installs it in store.grid (the store owns it) and sets up
// the empty table. The store must be destroyed before parent, as it is when the store is a member
// of the parent widget. Returns the grid, for placing it and connecting its notifications.
CGridCtrl* CreateTableGrid(CMeasurementStore& store, QWidget* parent);
