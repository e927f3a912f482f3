#include "app/TableArea.h"

#include "app/CommandIds.h"
#include "app/ControlIds.h"
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TableInput.h"
#include "table/TablePopulation.h"
#include "table/TableTexts.h"
#include "table/TableView.h"

#include <QFrame>

QWidget* CreateTableWindow(CMeasurementStore& store, QWidget* parent)
{
    CGridCtrl* grid = CreateTableGrid(store, parent);
    grid->setFrameShape(QFrame::StyledPanel);
    grid->setFocusPolicy(Qt::StrongFocus);
    SetControlId(grid, CtrlId::Table);
    // Clicks, keys, edits and the context menus of the table run the table's commands.
    new CTableInput(store, *grid);
    grid->show();
    return grid;
}

void SetupTableArea(CMeasurementStore& store)
{
    SetupTable(store);
}

void RefreshTableArea(CMeasurementStore& store)
{
    RefreshTable(store);
}

int TableRowCount(const CMeasurementStore& store)
{
    return store.grid->GetRowCount();
}

int TableRowOfSeries(const CMeasurementStore& store, int series)
{
    const QString key = SeriesRowKey(series);
    const CGridCtrl& grid = *store.grid;
    for (int row = grid.GetRowCount() - 1; row >= grid.GetFixedRowCount(); --row)
        if (grid.GetItemText(row, 0) == key)
            return row;
    return -1;
}

void AppendSeriesSubRows(CMeasurementStore& store, int series)
{
    AppendStatisticsRow(store);
    const int count = store.series[series]->Count();
    for (int j = 0; j < count; ++j)
        AppendMeasurementRow(store);
}

void ShowLastTableRow(CMeasurementStore& store)
{
    CGridCtrl& grid = *store.grid;
    const int last = grid.GetRowCount() - 1;
    if (last < grid.GetFixedRowCount())
        return;
    grid.EnsureVisible(last, 0);
    grid.SetFocusCell(last, 0);
}
