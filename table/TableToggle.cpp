// Clicks and keys on the table: the toggles of column 0 and the grid's key notification.
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TableCommands.h"
#include "table/TableHost.h"
#include "table/TableRows.h"

namespace {

// Expands or collapses a series row, hides or shows a measurement row; the statistics row has
// nothing to toggle. Returns the row acted on, or nothing.
std::optional<TableRow> Toggle(CMeasurementStore& store, int row)
{
    const std::optional<TableRow> target = ReadTableRow(store, row);
    if (!target || target->key.IsStatistics())
        return std::nullopt;
    if (target->key.IsMeasurement()) {
        SetRowHidden(store, *target, MeasurementOf(store, *target).hidden ? 0 : 1);
        return target;
    }
    if (SeriesOf(store, *target).expanded)
        CollapseSeriesRows(store, target->seriesRow, target->Series());
    else
        ExpandSeriesRows(store, target->seriesRow, target->Series());
    return target;
}

} // namespace

void ClickTableCell(CMeasurementStore& store, int row, int column)
{
    if (column != 0)
        return;
    CWaitCursor wait;
    const std::optional<TableRow> toggled = Toggle(store, row);
    if (!toggled)
        return;
    CGridCtrl& grid = TableGrid(store);
    grid.EnsureVisible(toggled->seriesRow, 0);
    grid.SetFocusCell(toggled->seriesRow, 0);
    NotifyTableChanged();
}

void ToggleTableRow(CMeasurementStore& store, int row)
{
    CWaitCursor wait;
    if (Toggle(store, row))
        NotifyTableChanged();
}

void TableKeyPressed(CMeasurementStore& store, int key, int value)
{
    if (key == GridKey::Space)
        ToggleTableRow(store, value);
    else if (key == GridKey::Delete)
        DeleteSelectedRows(store);
    TableGrid(store).setFocus();
    ShowConnectionStatus();
}
