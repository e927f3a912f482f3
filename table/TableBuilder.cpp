#include "table/TableBuilder.h"

#include "conversion/Conversion.h"
#include "grid/GridCtrl.h"
#include "resources/StringTable.h"
#include "table/TableImages.h"
#include "table/TableSheet.h"
#include "table/TableStrings.h"
#include "table/TableTexts.h"

#include <QPalette>
#include <QPixmap>

#include <algorithm>

namespace {
const QColor kBlack(0, 0, 0);
const QColor kHiddenGrey(180, 180, 180);

// The look of the window the grid lives in; the sheet has none.
QColor ButtonFace(const CGridCtrl& grid) { return grid.palette().color(QPalette::Button); }
QColor ButtonFace(const CTableSheet&) { return {}; }
QFont GridFont(const CGridCtrl& grid) { return grid.font(); }
QFont GridFont(const CTableSheet&) { return {}; }

void SetTreeImages(CGridCtrl& grid, const CTableImages& images)
{
    QList<QPixmap> pixmaps;
    for (const QImage& image : images.Images())
        pixmaps.append(QPixmap::fromImage(image));
    grid.SetImageList(pixmaps);
}
void SetTreeImages(CTableSheet&, const CTableImages&) {}

QDateTime MeasurementTime(const MEAS& meas)
{
    return QDateTime::fromSecsSinceEpoch(meas.time, Qt::LocalTime);
}
} // namespace

template <class Grid>
TableBuilder<Grid>::TableBuilder(CMeasurementStore& store, Grid& grid)
    : store(store), grid(grid), buttonFace(ButtonFace(grid)), boldFont(GridFont(grid)),
      now(QDateTime::currentDateTime())
{
    boldFont.setWeight(QFont::Bold);
}

template <class Grid>
void TableBuilder<Grid>::Setup()
{
    BuildConversionTables(store);
    if (!store.images)
        store.images = MakeLayerPtr(new CTableImages());
    SetTreeImages(grid, *store.images);
    grid.DeleteAllItems();
    grid.SetDefaultCellWidth(100);
    grid.SetDefaultCellHeight(22);
    grid.SetFixedColumnCount(0);
    grid.SetFixedRowCount(1);
    grid.SetFullRowSelection(true);
    grid.SetColumnResize(false);
    grid.SetRowResize(false);
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(1);
    for (int column = 0; column < kColumns; ++column)
        grid.SetColumnWidth(column, kColumnWidths[column]);
    for (int column = 1; column < kColumns; ++column)
        grid.SetItemText(0, column, column - 1 < store.columnTitles.size() ? store.columnTitles[column - 1] : QString());
}

template <class Grid>
void TableBuilder<Grid>::Rebuild()
{
    Setup();
    // Rows are appended, so each series starts right after the last row of the one before.
    for (int k = 0; k < store.series.GetSize(); ++k) {
        const MSERIE& serie = *store.series[k];
        const int seriesRow = AppendSeriesRow();
        if (serie.expanded) {
            AppendStatisticsRow();
            for (int j = 0; j < serie.Count(); ++j)
                AppendMeasurementRow();
        }
        FillSeriesRows(seriesRow, k);
    }
}

// ---- empty rows -----------------------------------------------------------------------------

template <class Grid>
void TableBuilder<Grid>::StyleSeriesRow(int row)
{
    static constexpr Qt::Alignment kAlign[kColumns] = {Qt::AlignLeft,    Qt::AlignRight,   Qt::AlignHCenter,
                                                       Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter,
                                                       Qt::AlignLeft,    Qt::AlignLeft,    Qt::AlignHCenter};
    for (int column = 0; column < kColumns; ++column) {
        grid.SetItemFormat(row, column, kAlign[column]);
        const bool editable = column == 6 || column == 7; // Scale and Material
        grid.SetItemState(row, column, editable ? 0u : GridState::ReadOnly);
        if (column >= 1)
            grid.SetItemFont(row, column, boldFont);
    }
    for (int column = 2; column <= 3; ++column) {
        grid.SetCellType(row, column, GridCellType::DateTime);
        grid.SetDateTimeDisplay(row, column, column == 2 ? GridDateTimeDisplay::Date : GridDateTimeDisplay::Time);
        grid.SetDateTime(row, column, now);
    }
    for (int column = 6; column <= 7; ++column) {
        grid.SetCellType(row, column, GridCellType::DropDown);
        grid.SetComboStyle(row, column, GridComboStyle::DropDownList);
    }
}

template <class Grid>
void TableBuilder<Grid>::StyleSubRow(int row, bool measurement, Qt::Alignment keyAlignment)
{
    grid.SetItemFormat(row, 0, keyAlignment);
    grid.SetItemFormat(row, 1, Qt::AlignRight);
    for (int column = 2; column < kColumns; ++column)
        grid.SetItemFormat(row, column, Qt::AlignHCenter);
    for (int column = 0; column < kColumns; ++column) {
        // A measurement's date and time can be edited; nothing else of these rows.
        const bool editable = measurement && (column == 2 || column == 3);
        grid.SetItemState(row, column, editable ? 0u : GridState::ReadOnly);
    }
    if (!measurement)
        return;
    for (int column = 2; column <= 3; ++column) {
        grid.SetCellType(row, column, GridCellType::DateTime);
        grid.SetDateTimeDisplay(row, column, column == 2 ? GridDateTimeDisplay::Date : GridDateTimeDisplay::Time);
        grid.SetDateTime(row, column, now);
    }
}

template <class Grid>
int TableBuilder<Grid>::AppendSeriesRow()
{
    const int row = grid.InsertRow(-1);
    StyleSeriesRow(row);
    return row;
}

template <class Grid>
int TableBuilder<Grid>::AppendStatisticsRow()
{
    const int row = grid.InsertRow(-1);
    StyleSubRow(row, false, Qt::AlignRight);
    return row;
}

template <class Grid>
int TableBuilder<Grid>::AppendMeasurementRow()
{
    const int row = grid.InsertRow(-1);
    StyleSubRow(row, true, Qt::AlignRight);
    return row;
}

template <class Grid>
void TableBuilder<Grid>::InsertStatisticsRow(int row)
{
    if (grid.InsertRow(row) >= 0)
        StyleSubRow(row, false, Qt::AlignLeft);
}

template <class Grid>
void TableBuilder<Grid>::InsertMeasurementRow(int row)
{
    if (grid.InsertRow(row) >= 0)
        StyleSubRow(row, true, Qt::AlignLeft);
}

template <class Grid>
void TableBuilder<Grid>::InsertSeriesSubRows(int row, int measurements)
{
    if (grid.InsertRows(row, 1 + measurements) < 0)
        return;
    StyleSubRow(row, false, Qt::AlignLeft);
    for (int j = 1; j <= measurements; ++j)
        StyleSubRow(row + j, true, Qt::AlignLeft);
}

// ---- filling --------------------------------------------------------------------------------

template <class Grid>
void TableBuilder<Grid>::SetBlackText(int row, int lastColumn)
{
    for (int column = 0; column <= lastColumn; ++column)
        grid.SetItemFgColour(row, column, kBlack);
}

template <class Grid>
int TableBuilder<Grid>::FillSeriesRows(int row, int k)
{
    MSERIE& serie = *store.series[k];
    // What the fill normalises is put right before anything is computed from it, so that the
    // statistics describe the scale the row shows and the mean angle is one of clamped angles,
    // the same on the first fill as on every later one, whether the series is expanded or not.
    FillScaleMaterialCells(row, k);
    for (MEAS* meas : serie.measurements)
        meas->SetAngle(std::clamp(meas->angle, 0, 180));
    const SeriesStatistics stats = ComputeSeriesStatistics(store, k);

    SetBlackText(row, 8);
    grid.SetItem(row, 0, SeriesRowKey(k), serie.expanded ? CTableImages::ExpandedSeries : CTableImages::CollapsedSeries,
                 buttonFace);
    grid.SetItem(row, 1, QString::number(serie.seriesNo), -1, buttonFace);
    // A series without measurements (the store is not meant to hold one) shows no date or time.
    const QDateTime first = serie.Count() > 0 ? MeasurementTime(*serie.measurements[0]) : QDateTime();
    grid.SetDateTime(row, 2, first);
    grid.SetDateTime(row, 3, first);
    grid.SetItemText(row, 5, SeriesGravityText(serie));
    grid.SetItemText(row, 4, SeriesMeanText(stats));
    grid.SetItemText(row, 8, ImpactBodyText(serie.probe));

    int last = row;
    if (serie.expanded) {
        FillStatisticsRow(row + 1, k, StatisticsRowTexts(stats));
        for (int j = 1; j <= serie.Count(); ++j)
            FillMeasurementRow(row + 1 + j, k, j);
        last = row + 1 + serie.Count();
    }
    grid.Invalidate();
    return last;
}

template <class Grid>
void TableBuilder<Grid>::FillStatisticsRow(int row, int k, const QStringList& texts)
{
    SetBlackText(row, 7);
    grid.SetItem(row, 0, SubRowKey(k, 0), CTableImages::StatisticsBranch, buttonFace);
    grid.SetItem(row, 1, ResString(TableStrings::Statistic), -1, buttonFace);
    for (int i = 0; i < texts.size() && 2 + i <= 7; ++i)
        grid.SetItemText(row, 2 + i, texts[i]);
}

template <class Grid>
void TableBuilder<Grid>::FillMeasurementRow(int row, int k, int j)
{
    const MSERIE& serie = *store.series[k];
    const MEAS& meas = *serie.measurements[j - 1];
    const bool hidden = meas.hidden != 0;
    const QColor colour = hidden ? kHiddenGrey : kBlack;
    for (int column = 0; column <= 7; ++column)
        grid.SetItemFgColour(row, column, colour);
    grid.SetItem(row, 1, QString::number(serie.seriesNo) + QLatin1Char('.') + QString::number(j), -1, buttonFace);
    const bool last = j == serie.Count();
    const int image = last ? (hidden ? CTableImages::HiddenLast : CTableImages::VisibleLast)
                           : (hidden ? CTableImages::HiddenMeasurement : CTableImages::VisibleMeasurement);
    grid.SetItem(row, 0, SubRowKey(k, j), image, buttonFace);
    const QDateTime time = MeasurementTime(meas);
    grid.SetDateTime(row, 2, time);
    grid.SetDateTime(row, 3, time);
    grid.SetItemText(row, 5, GravityComponentText(meas.angle));
    grid.SetItemText(row, 4, FormatMeasurementValue(store, k, j - 1));
}

template <class Grid>
void TableBuilder<Grid>::FillScaleMaterialCells(int row, int k)
{
    MSERIE& serie = *store.series[k];
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, serie.probe);
    if (serie.scale < 0 || serie.scale >= ScaleType::Count || serie.scale >= catalogue.GetSize()) {
        serie.SetScale(0);
        serie.SetMaterial(0);
    }

    QStringList scaleOptions;
    for (int t = 0; t < catalogue.GetSize(); ++t)
        if (t != ScaleType::RockwellA)
            scaleOptions << catalogue[t]->name;
    grid.SetComboOptions(row, 6, scaleOptions);
    grid.SetItemText(row, 6, catalogue[serie.scale]->name);

    if (serie.scale < ScaleType::Vickers) {
        grid.SetComboOptions(row, 7, {});
        grid.SetItemText(row, 7, QString());
        serie.SetMaterial(0);
        return;
    }

    const CArray<CPARA>* custom = CustomCurveTable(store, serie.probe);
    QStringList options;
    QString selected;
    bool offered = false;
    for (const int material : catalogue[serie.scale]->materials) {
        QString option = material >= 0 && material < store.materialNames.size() ? store.materialNames[material] : QString();
        const bool isCustom = serie.scale == ScaleType::Custom && material >= MaterialIndex::FirstCustom
            && material <= MaterialIndex::LastCustom;
        if (isCustom && custom && !custom->IsEmpty() && material < custom->GetSize())
            option = CustomCurveOptionText(store, option, (*custom)[material]);
        options << option;
        if (material == serie.material) {
            offered = true;
            selected = option;
        }
    }
    grid.SetComboOptions(row, 7, options);
    if (!offered || serie.material == 0) {
        serie.SetMaterial(0);
        selected = ResString(TableStrings::Select);
    }
    grid.SetItemText(row, 7, selected);
}

template class TableBuilder<CGridCtrl>;
template class TableBuilder<CTableSheet>;
