// ExecuteTableCommand: the commands of the context menus and the Edit menu.
#include "table/TableCommands.h"

#include "conversion/ConversionTypes.h"
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/ConversionCommands.h"
#include "table/TableHost.h"
#include "table/TablePopulation.h"
#include "table/TableRows.h"

#include <functional>
#include <map>

namespace {

using RowAction = std::function<void(const TableRow&)>;

// Calls action for every selected row with a valid key, from the top of the selection down.
void ForEachSelectedRow(CMeasurementStore& store, const RowAction& action)
{
    const GridRange range = TableGrid(store).GetSelectedCellRange();
    if (!range.IsValid())
        return;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (!IsRowSelected(TableGrid(store), row))
            continue;
        if (const std::optional<TableRow> target = ReadTableRow(store, row))
            action(*target);
    }
}

// The series a command changed, each with its series row: refilled once each when the command has
// gone through the selection (a selected series of many rows is thus refilled once, not per row).
class SeriesToRefill {
public:
    void Add(const TableRow& row) { m_rows[row.Series()] = row.seriesRow; }
    void Refill(CMeasurementStore& store) const
    {
        for (const auto& [series, seriesRow] : m_rows)
            FillSeriesRows(store, seriesRow, series);
    }

private:
    std::map<int, int> m_rows;
};

// Gives a series the scale and material of a conversion; a Leeb DL series keeps its own when the
// target is Leeb D only.
void ConvertSeries(MSERIE& serie, const ConversionCommand& command)
{
    if (command.leebDOnly && serie.probe == ProbeType::LeebDL)
        return;
    serie.SetScale(command.scale);
    serie.SetMaterial(command.material);
}

void RunConversion(CMeasurementStore& store, const ConversionCommand& command, const std::optional<TableRow>& clicked)
{
    switch (command.scope) {
    case CommandScope::All:
        for (MSERIE* serie : store.series)
            ConvertSeries(*serie, command);
        RebuildTable(store);
        break;
    case CommandScope::Selected: {
        SeriesToRefill refill;
        ForEachSelectedRow(store, [&](const TableRow& row) {
            ConvertSeries(SeriesOf(store, row), command);
            refill.Add(row);
        });
        refill.Refill(store);
        break;
    }
    case CommandScope::This:
        if (clicked) {
            ConvertSeries(SeriesOf(store, *clicked), command);
            FillSeriesRows(store, clicked->seriesRow, clicked->Series());
        }
        break;
    }
}

void SetAllExpanded(CMeasurementStore& store, int expanded)
{
    for (MSERIE* serie : store.series)
        serie->SetExpanded(expanded);
    RebuildTable(store);
}

void SetSelectedExpanded(CMeasurementStore& store, int expanded)
{
    ForEachSelectedRow(store, [&](const TableRow& row) { SeriesOf(store, row).SetExpanded(expanded); });
    RebuildTable(store);
}

void ExpandThis(CMeasurementStore& store, const std::optional<TableRow>& clicked)
{
    if (clicked && !SeriesOf(store, *clicked).expanded)
        ExpandSeriesRows(store, clicked->seriesRow, clicked->Series());
}

void CollapseThis(CMeasurementStore& store, const std::optional<TableRow>& clicked)
{
    if (clicked && SeriesOf(store, *clicked).expanded)
        CollapseSeriesRows(store, clicked->seriesRow, clicked->Series());
}

void SetAllHidden(CMeasurementStore& store, int hidden)
{
    for (MSERIE* serie : store.series)
        for (MEAS* meas : serie->measurements)
            meas->SetHidden(hidden);
    RebuildTable(store);
}

void SetSelectedHidden(CMeasurementStore& store, int hidden)
{
    SeriesToRefill refill;
    ForEachSelectedRow(store, [&](const TableRow& row) {
        if (row.key.IsMeasurement() && MeasurementOf(store, row).hidden != hidden) {
            MeasurementOf(store, row).SetHidden(hidden);
            refill.Add(row);
        }
    });
    refill.Refill(store);
}

void SetThisHidden(CMeasurementStore& store, const std::optional<TableRow>& clicked, int hidden)
{
    if (clicked && clicked->key.IsMeasurement() && MeasurementOf(store, *clicked).hidden != hidden)
        SetRowHidden(store, *clicked, hidden);
}

// Columns 0..7 of the clicked row become the selection (what Copy This and Delete This act on).
bool SelectClickedRow(CMeasurementStore& store, int row)
{
    CGridCtrl& grid = TableGrid(store);
    if (row < grid.GetFixedRowCount() || row >= grid.GetRowCount())
        return false;
    grid.SetSelectedRange(row, 0, row, 7);
    return true;
}

void RunTableCommand(CMeasurementStore& store, int id, int row, const std::optional<TableRow>& clicked)
{
    CGridCtrl& grid = TableGrid(store);
    switch (id) {
    case TableCmd::ExpandAll: SetAllExpanded(store, 1); break;
    case TableCmd::ExpandSelected: SetSelectedExpanded(store, 1); break;
    case TableCmd::ExpandThis: ExpandThis(store, clicked); break;
    case TableCmd::CollapseAll: SetAllExpanded(store, 0); break;
    case TableCmd::CollapseSelected: SetSelectedExpanded(store, 0); break;
    case TableCmd::CollapseThis: CollapseThis(store, clicked); break;
    case TableCmd::CopyAll:
        grid.SelectAllCells();
        grid.Copy();
        break;
    case TableCmd::CopySelected: grid.Copy(); break;
    case TableCmd::CopyThis:
        if (SelectClickedRow(store, row))
            grid.Copy();
        break;
    case TableCmd::ShowAll: SetAllHidden(store, 0); break;
    case TableCmd::ShowSelected: SetSelectedHidden(store, 0); break;
    case TableCmd::ShowThis: SetThisHidden(store, clicked, 0); break;
    case TableCmd::HideAll: SetAllHidden(store, 1); break;
    case TableCmd::HideSelected: SetSelectedHidden(store, 1); break;
    case TableCmd::HideThis: SetThisHidden(store, clicked, 1); break;
    case TableCmd::DeleteAll:
        grid.SelectAllCells();
        DeleteSelectedTableRows(store);
        break;
    case TableCmd::DeleteSelected: DeleteSelectedTableRows(store); break;
    case TableCmd::DeleteThis:
        if (SelectClickedRow(store, row))
            DeleteSelectedTableRows(store);
        break;
    default: break;
    }
}

// The end of every command: the block of the clicked row's series is scrolled into view, if the
// series is still there.
void FinishTableCommand(CMeasurementStore& store, int series)
{
    if (series >= 0 && series < store.series.GetSize())
        TableGrid(store).EnsureVisible(LastRowOfSeriesBlock(store, series), 1);
    RepaintMainWindow();
    NotifyTableChanged();
}

} // namespace

void ExecuteTableCommand(CMeasurementStore& store, int id, int row, [[maybe_unused]] int column)
{
    CWaitCursor wait;
    const std::optional<TableRow> clicked = ReadTableRow(store, row);
    const int series = clicked ? clicked->Series() : -1;
    if (const std::optional<ConversionCommand> conversion = FindConversionCommand(id))
        RunConversion(store, *conversion, clicked);
    else
        RunTableCommand(store, id, row, clicked);
    FinishTableCommand(store, series);
}
