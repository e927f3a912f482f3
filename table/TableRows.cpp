#include "table/TableRows.h"

#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TablePopulation.h"

#include <stdexcept>

CGridCtrl& TableGrid(CMeasurementStore& store)
{
    if (!store.grid)
        throw std::invalid_argument("the measurement table has no grid");
    return *store.grid;
}

std::optional<TableRow> ReadTableRow(CMeasurementStore& store, int row)
{
    const CGridCtrl& grid = TableGrid(store);
    if (row < grid.GetFixedRowCount() || row >= grid.GetRowCount())
        return std::nullopt;
    TableRow target;
    target.row = row;
    target.key = ParseRowKey(grid.GetItemText(row, 0));
    const int k = target.key.series;
    if (target.key.numbers == 0 || k < 0 || k >= store.series.GetSize())
        return std::nullopt;
    if (target.key.IsSeries()) {
        target.seriesRow = row;
        return target;
    }
    if (target.key.sub < 0 || target.key.sub > store.series[k]->Count())
        return std::nullopt;
    target.seriesRow = row - target.key.sub - 1;
    if (target.seriesRow < grid.GetFixedRowCount())
        return std::nullopt;
    return target;
}

MSERIE& SeriesOf(CMeasurementStore& store, const TableRow& row)
{
    return *store.series[row.Series()];
}

MEAS& MeasurementOf(CMeasurementStore& store, const TableRow& row)
{
    return *SeriesOf(store, row).measurements[row.key.sub - 1];
}

bool IsRowSelected(const CGridCtrl& grid, int row)
{
    return grid.IsCellSelected(row, 1);
}

void ExpandSeriesRows(CMeasurementStore& store, int seriesRow, int series)
{
    MSERIE& serie = *store.series[series];
    serie.SetExpanded(1);
    if (series < store.series.GetSize() - 1) {
        InsertSeriesSubRows(store, seriesRow + 1, series);
    } else {
        AppendStatisticsRow(store);
        for (int j = 0; j < serie.Count(); ++j)
            AppendMeasurementRow(store);
    }
    FillSeriesRows(store, seriesRow, series);
}

void CollapseSeriesRows(CMeasurementStore& store, int seriesRow, int series)
{
    MSERIE& serie = *store.series[series];
    serie.SetExpanded(0);
    TableGrid(store).DeleteRows(seriesRow + 1, serie.Count() + 1);
    FillSeriesRows(store, seriesRow, series);
}

void SetRowHidden(CMeasurementStore& store, const TableRow& row, int hidden)
{
    MeasurementOf(store, row).SetHidden(hidden);
    FillSeriesRows(store, row.seriesRow, row.Series());
}

int LastRowOfSeriesBlock(const CMeasurementStore& store, int series)
{
    int row = 0;
    for (int k = 0; k <= series && k < store.series.GetSize(); ++k) {
        const MSERIE& serie = *store.series[k];
        row += serie.expanded ? serie.Count() + 2 : 1;
    }
    return row;
}
