// DeleteSelectedRows: the Delete key and the Delete commands.
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/TableCommands.h"
#include "table/TableHost.h"
#include "table/TablePopulation.h"
#include "table/TableRows.h"
#include "table/TableStrings.h"

namespace {

// Several rows: walked from the bottom up, so that removing a measurement never changes the key of
// a row still to be visited. A measurement goes at once unless it is the last one its series has;
// then, as for a selected series or statistics row, the whole series is marked and goes afterwards.
void DeleteSeveralRows(CMeasurementStore& store, const GridRange& range)
{
    CGridCtrl& grid = TableGrid(store);
    for (int row = range.maxRow; row >= range.minRow; --row) {
        if (!IsRowSelected(grid, row))
            continue;
        const std::optional<TableRow> target = ReadTableRow(store, row);
        if (!target)
            continue;
        MSERIE& serie = SeriesOf(store, *target);
        if (target->key.IsMeasurement() && serie.Count() > 1)
            store.DeleteMeasurements(target->Series(), target->key.sub - 1);
        else
            serie.SetDeleteMark(1);
    }
    for (int k = 0; k < store.series.GetSize();) {
        if (store.series[k]->deleteMark)
            store.DeleteMeasurements(k, -1); // the next series moves to index k
        else
            ++k;
    }
    RebuildTable(store);
}

// One row: a series or statistics row takes its series with it, and so does the only measurement of
// a series; any other measurement leaves in place and its series is refilled.
void DeleteOneRow(CMeasurementStore& store, int row)
{
    const std::optional<TableRow> target = ReadTableRow(store, row);
    if (!target)
        return;
    const int k = target->Series();
    if (!target->key.IsMeasurement() || SeriesOf(store, *target).Count() == 1) {
        store.DeleteMeasurements(k, -1);
        RebuildTable(store);
        return;
    }
    CGridCtrl& grid = TableGrid(store);
    grid.DeleteRow(row);
    store.DeleteMeasurements(k, target->key.sub - 1);
    FillSeriesRows(store, target->seriesRow, k);
    grid.EnsureVisible(target->seriesRow, 0);
    grid.SetFocusCell(target->seriesRow, 0);
}

} // namespace

void DeleteSelectedTableRows(CMeasurementStore& store)
{
    TableHost().SetStatusText(ResString(TableStrings::DeleteItem));
    const GridRange range = TableGrid(store).GetSelectedCellRange();
    if (!range.IsValid())
        return; // nothing selected, nothing to delete
    if (range.minRow != range.maxRow)
        DeleteSeveralRows(store, range);
    else
        DeleteOneRow(store, range.minRow);
}

void DeleteSelectedRows(CMeasurementStore& store)
{
    CWaitCursor wait;
    DeleteSelectedTableRows(store);
    NotifyTableChanged();
}
