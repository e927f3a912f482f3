// EndTableEdit: what an in-place edit of the table's cells changes in the store.
#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "data/MeasurementStore.h"
#include "grid/GridCtrl.h"
#include "table/TableCommands.h"
#include "table/TableHost.h"
#include "table/TablePopulation.h"
#include "table/TableRows.h"

namespace {

constexpr int kDateColumn = 2;
constexpr int kTimeColumn = 3;
constexpr int kScaleColumn = 6;
constexpr int kMaterialColumn = 7;

// A measurement's date and time cells together: the date of one and the time of the other. (A cell
// without a value changes nothing; the refill shows the stored time again.)
void StoreEditedTime(CMeasurementStore& store, const TableRow& row)
{
    const CGridCtrl& grid = TableGrid(store);
    const QDate date = grid.GetDateTime(row.row, kDateColumn).date();
    const QTime time = grid.GetDateTime(row.row, kTimeColumn).time();
    const QDateTime value(date, time, Qt::LocalTime);
    if (value.isValid())
        MeasurementOf(store, row).SetTime(value.toSecsSinceEpoch());
}

// The scale whose catalogue name is the text (the last such entry); 0 for an empty text. A text no
// entry has (the list offers none) leaves the scale as it is.
void StoreEditedScale(CMeasurementStore& store, MSERIE& serie, const QString& text)
{
    if (text.isEmpty()) {
        serie.SetScale(0);
        return;
    }
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, serie.probe);
    for (int t = catalogue.GetSize() - 1; t >= 0; --t) {
        if (catalogue[t]->name == text) {
            serie.SetScale(t);
            return;
        }
    }
}

// The material named by the text (the last equal name). A custom curve's option carries more than
// its name ("HC1  Custom1 HV/1  +5.0"): cut to the length of the HC1 name it is compared with the
// names of HC1..HC3. Anything else is material 0.
int MaterialOfText(const CMeasurementStore& store, const QString& text)
{
    if (text.isEmpty())
        return MaterialIndex::None;
    const QStringList& names = store.materialNames;
    for (int m = static_cast<int>(names.size()) - 1; m > MaterialIndex::None; --m)
        if (names[m] == text)
            return m;
    if (names.size() <= MaterialIndex::LastCustom)
        return MaterialIndex::None;
    const QString cut = text.left(names[MaterialIndex::FirstCustom].size());
    for (int m = MaterialIndex::LastCustom; m >= MaterialIndex::FirstCustom; --m)
        if (names[m] == cut)
            return m;
    return MaterialIndex::None;
}

} // namespace

void EndTableEdit(CMeasurementStore& store, int row, int column)
{
    CWaitCursor wait;
    const std::optional<TableRow> target = ReadTableRow(store, row);
    if (!target)
        return;
    const bool measurement = target->key.IsMeasurement();
    const bool series = target->key.IsSeries();
    const QString text = TableGrid(store).GetItemText(row, column);
    if (measurement && (column == kDateColumn || column == kTimeColumn)) {
        StoreEditedTime(store, *target);
    } else if (series && column == kScaleColumn) {
        StoreEditedScale(store, SeriesOf(store, *target), text);
    } else if (series && column == kMaterialColumn) {
        SeriesOf(store, *target).SetMaterial(MaterialOfText(store, text));
    } else {
        return;
    }
    FillSeriesRows(store, target->seriesRow, target->Series());
    NotifyTableChanged();
}
