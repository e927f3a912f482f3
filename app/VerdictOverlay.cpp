#include "app/VerdictOverlay.h"

#include "data/MeasurementStore.h"
#include "quality/VerdictColours.h"
#include "quality/Verdicts.h"
#include "table/TableTexts.h"

namespace {

constexpr int kIndexColumn = 1;
constexpr int kValueColumn = 4;
QColor Colour(VerdictColours::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

const QColor kInsideTint = Colour(VerdictColours::kInsideTint);
const QColor kBelowTint = Colour(VerdictColours::kBelowTint);
const QColor kAboveTint = Colour(VerdictColours::kAboveTint);
const QColor kOkMark = Colour(VerdictColours::kOkMark);
const QColor kNotOkMark = Colour(VerdictColours::kNotOkMark);

GridCellOverlay MeasurementOverlay(const CMeasurementStore& store, const RowKey& key, const CToleranceTable& limits)
{
    GridCellOverlay overlay;
    if (key.sub > store.series[key.series]->Count())
        return overlay; // a row not yet refilled after a deletion
    switch (JudgeMeasurement(store, key.series, key.sub - 1, limits)) {
    case Verdict::Inside: overlay.tint = kInsideTint; break;
    case Verdict::Below: overlay.tint = kBelowTint; break;
    case Verdict::Above: overlay.tint = kAboveTint; break;
    case Verdict::NotJudged: break;
    }
    return overlay;
}

GridCellOverlay SeriesOverlay(const CMeasurementStore& store, int series, const CToleranceTable& limits)
{
    GridCellOverlay overlay;
    const SeriesVerdict verdict = JudgeSeries(store, series, limits);
    overlay.mark = SeriesVerdictText(verdict);
    overlay.markColour = verdict.IsOk() ? kOkMark : kNotOkMark;
    return overlay;
}

RowKey KeyOfRow(const CMeasurementStore& store, int row)
{
    if (!store.grid || row < store.grid->GetFixedRowCount() || row >= store.grid->GetRowCount())
        return {};
    const RowKey key = ParseRowKey(store.grid->GetItemText(row, 0));
    if (key.numbers == 0 || key.series < 0 || key.series >= store.series.GetSize())
        return {};
    return key;
}

} // namespace

int SeriesOfTableRow(const CMeasurementStore& store, int row)
{
    const RowKey key = KeyOfRow(store, row);
    return key.numbers == 0 ? -1 : key.series;
}

CGridCtrl::CellOverlayFn MakeVerdictOverlay(const CMeasurementStore& store, const CToleranceTable& limits)
{
    return [&store, &limits](int row, int column) {
        if (limits.IsEmpty() || (column != kIndexColumn && column != kValueColumn))
            return GridCellOverlay{};
        const RowKey key = KeyOfRow(store, row);
        if (key.IsMeasurement() && column == kValueColumn)
            return MeasurementOverlay(store, key, limits);
        if (key.IsSeries() && column == kIndexColumn)
            return SeriesOverlay(store, key.series, limits);
        return GridCellOverlay{};
    };
}
