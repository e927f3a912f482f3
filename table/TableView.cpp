#include "table/TableView.h"

#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TablePopulation.h"

CGridCtrl* CreateTableGrid(CMeasurementStore& store, QWidget* parent)
{
    auto* grid = new CGridCtrl(parent);
    store.grid = MakeLayerPtr(grid);
    SetupTable(store);
    return grid;
}
