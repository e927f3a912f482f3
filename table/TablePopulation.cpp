#include "table/TablePopulation.h"

#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TableBuilder.h"
#include "table/TableHost.h"
#include "table/TableSheet.h"

#include <stdexcept>

namespace {
TableBuilder<CGridCtrl> GridBuilder(CMeasurementStore& store)
{
    if (!store.grid)
        throw std::invalid_argument("the measurement table has no grid");
    return TableBuilder<CGridCtrl>(store, *store.grid);
}

void CheckSeries(const CMeasurementStore& store, int series)
{
    if (series < 0 || series >= store.series.GetSize())
        throw std::invalid_argument("table: series index " + std::to_string(series) + " out of range");
}
} // namespace

void SetupTable(CMeasurementStore& store)
{
    GridBuilder(store).Setup();
    NotifyTableChanged();
}

void RefreshTable(CMeasurementStore& store)
{
    RebuildTable(store);
    NotifyTableChanged();
}

void RebuildTable(CMeasurementStore& store)
{
    GridBuilder(store).Rebuild();
    CGridCtrl& grid = *store.grid;
    grid.Invalidate();
    grid.setFocus();
    const int rows = grid.GetRowCount();
    if (rows > 1) {
        grid.EnsureVisible(rows - 1, 0);
        grid.SetFocusCell(rows - 1, 0);
    }
    RepaintMainWindow();
}

void RefreshTable(CMeasurementStore& store, CTableSheet& sheet)
{
    TableBuilder<CTableSheet>(store, sheet).Rebuild();
}

int AppendSeriesRow(CMeasurementStore& store)
{
    return GridBuilder(store).AppendSeriesRow();
}

int AppendStatisticsRow(CMeasurementStore& store)
{
    return GridBuilder(store).AppendStatisticsRow();
}

int AppendMeasurementRow(CMeasurementStore& store)
{
    return GridBuilder(store).AppendMeasurementRow();
}

void InsertStatisticsRow(CMeasurementStore& store, int row)
{
    GridBuilder(store).InsertStatisticsRow(row);
}

void InsertMeasurementRow(CMeasurementStore& store, int row)
{
    GridBuilder(store).InsertMeasurementRow(row);
}

void InsertSeriesSubRows(CMeasurementStore& store, int row, int series)
{
    CheckSeries(store, series);
    GridBuilder(store).InsertSeriesSubRows(row, store.series[series]->Count());
}

int FillSeriesRows(CMeasurementStore& store, int row, int series)
{
    CheckSeries(store, series);
    return GridBuilder(store).FillSeriesRows(row, series);
}

void FillScaleMaterialCells(CMeasurementStore& store, int row, int series)
{
    CheckSeries(store, series);
    GridBuilder(store).FillScaleMaterialCells(row, series);
}

void KeepLocalTimeZoneLoaded()
{
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
}
