// The table built from the store: rows, keys, images, cell texts and attributes, and what filling
// a series writes back.
#include "TableTestSupport.h"

#include "table/TableImages.h"
#include "table/TablePopulation.h"
#include "table/TableTexts.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGrey(180, 180, 180);

using TablePopulation = GridTableTest;

TEST_F(TablePopulation, EmptyStoreGivesOnlyTheTitleRow)
{
    RefreshTable(store);
    CGridCtrl& grid = Grid();
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_EQ(grid.GetColumnCount(), 9);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(RowTexts(grid, 0), QStringList({"", "Index", "Date", "Time", "Value", "Gravity component", "Scale",
                                               "Material", "Impact body"}));
    const int widths[] = {30, 100, 100, 100, 100, 110, 150, 150, 100};
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(grid.GetColumnWidth(column), widths[column]) << column;
    EXPECT_TRUE(grid.GetFullRowSelection());
    EXPECT_FALSE(grid.GetColumnResize());
    EXPECT_FALSE(grid.GetRowResize());
    EXPECT_EQ(grid.GetImageList().size(), 8);
}

TEST_F(TablePopulation, RowCountsFollowTheExpandedStates)
{
    AddPlainSeries(store, 1, false, 5);
    RefreshTable(store);
    EXPECT_EQ(Grid().GetRowCount(), 2);

    store.series[0]->SetExpanded(1);
    AddPlainSeries(store, 2, false, 3);
    RefreshTable(store);
    // title, series 1 with statistics and 5 measurements, collapsed series 2
    EXPECT_EQ(Grid().GetRowCount(), 1 + 7 + 1);
    EXPECT_EQ(Grid().GetItemText(8, 0), "1");
    // the rebuild ends with the last row as the focus cell
    EXPECT_EQ(Grid().GetFocusCell(), (GridCellId{8, 0}));
}

TEST_F(TablePopulation, KeysAreStoreIndicesWhileColumnOneShowsTheDevicesSeriesNumber)
{
    AddPlainSeries(store, 17, true, 2);
    AddPlainSeries(store, 4, true, 1);
    RefreshTable(store);
    const QStringList keys = {"0", "0.0", "0.1", "0.2", "1", "1.0", "1.1"};
    const QStringList numbers = {"17", "Statistic", "17.1", "17.2", "4", "Statistic", "4.1"};
    ASSERT_EQ(Grid().GetRowCount(), 1 + keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(Grid().GetItemText(i + 1, 0), keys[i]);
        EXPECT_EQ(Grid().GetItemText(i + 1, 1), numbers[i]);
    }
}

TEST_F(TablePopulation, TreeImagesAndGreyHiddenRows)
{
    AddSeries(store, 0, 0, 0, 1, true, {{500}, {510}, {520}});
    AddPlainSeries(store, 2, false, 1);
    RefreshTable(store);
    CGridCtrl& grid = Grid();
    EXPECT_EQ(grid.GetItemImage(1, 0), CTableImages::ExpandedSeries);
    EXPECT_EQ(grid.GetItemImage(2, 0), CTableImages::StatisticsBranch);
    EXPECT_EQ(grid.GetItemImage(3, 0), CTableImages::VisibleMeasurement);
    EXPECT_EQ(grid.GetItemImage(5, 0), CTableImages::VisibleLast);
    EXPECT_EQ(grid.GetItemImage(6, 0), CTableImages::CollapsedSeries);

    // Hiding the last and the first measurement switches to the empty boxes and greys 0..7.
    store.series[0]->measurements[2]->SetHidden(1);
    store.series[0]->measurements[0]->SetHidden(1);
    FillSeriesRows(store, 1, 0);
    EXPECT_EQ(grid.GetItemImage(5, 0), CTableImages::HiddenLast);
    EXPECT_EQ(grid.GetItemImage(3, 0), CTableImages::HiddenMeasurement);
    EXPECT_EQ(grid.GetItemImage(4, 0), CTableImages::VisibleMeasurement);
    for (int column = 0; column <= 7; ++column) {
        EXPECT_EQ(grid.GetItemFgColour(5, column), kGrey) << column;
        EXPECT_EQ(grid.GetItemFgColour(4, column), kBlack) << column;
    }
    // the statistics count only the visible measurement
    EXPECT_EQ(grid.GetItemText(2, 7), "N: 1");
}

TEST_F(TablePopulation, CellAttributesOfTheThreeRowKinds)
{
    AddPlainSeries(store, 1, true, 2);
    RefreshTable(store);
    CGridCtrl& grid = Grid();
    const int seriesRow = 1, statisticsRow = 2, measurementRow = 3;

    const Qt::Alignment seriesAlign[9] = {Qt::AlignLeft,    Qt::AlignRight,   Qt::AlignHCenter,
                                          Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter,
                                          Qt::AlignLeft,    Qt::AlignLeft,    Qt::AlignHCenter};
    for (int column = 0; column < 9; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(grid.GetItemFormat(seriesRow, column) & Qt::AlignHorizontal_Mask, seriesAlign[column]);
        const Qt::Alignment subAlign = column == 0 ? Qt::AlignRight : column == 1 ? Qt::AlignRight : Qt::AlignHCenter;
        EXPECT_EQ(grid.GetItemFormat(statisticsRow, column) & Qt::AlignHorizontal_Mask, subAlign);
        EXPECT_EQ(grid.GetItemFormat(measurementRow, column) & Qt::AlignHorizontal_Mask, subAlign);

        const bool seriesEditable = column == 6 || column == 7;
        const bool measurementEditable = column == 2 || column == 3;
        EXPECT_EQ((grid.GetItemState(seriesRow, column) & GridState::ReadOnly) == 0, seriesEditable);
        EXPECT_NE(grid.GetItemState(statisticsRow, column) & GridState::ReadOnly, 0u);
        EXPECT_EQ((grid.GetItemState(measurementRow, column) & GridState::ReadOnly) == 0, measurementEditable);

        EXPECT_EQ(grid.GetItemFont(seriesRow, column).weight(), column >= 1 ? QFont::Bold : QFont::Normal);
        EXPECT_EQ(grid.GetItemFont(measurementRow, column).weight(), QFont::Normal);
        EXPECT_EQ(grid.GetItemFgColour(seriesRow, column), kBlack);
    }
    const QColor face = grid.palette().color(QPalette::Button);
    for (const int row : {seriesRow, statisticsRow, measurementRow}) {
        EXPECT_EQ(grid.GetItemBkColour(row, 0), face) << row;
        EXPECT_EQ(grid.GetItemBkColour(row, 1), face) << row;
    }
    EXPECT_EQ(grid.GetCellType(seriesRow, 2), GridCellType::DateTime);
    EXPECT_EQ(grid.GetDateTimeDisplay(seriesRow, 3), GridDateTimeDisplay::Time);
    EXPECT_EQ(grid.GetCellType(measurementRow, 2), GridCellType::DateTime);
    EXPECT_EQ(grid.GetCellType(statisticsRow, 2), GridCellType::Plain);
    EXPECT_EQ(grid.GetCellType(seriesRow, 6), GridCellType::DropDown);
    EXPECT_EQ(grid.GetComboStyle(seriesRow, 7), GridComboStyle::DropDownList);
}

TEST_F(TablePopulation, DatesAndTimesAreIsoUnderTheCLocale)
{
    AddSeries(store, 0, 0, 0, 3, true, {{500, 0, 0, 1600000000}, {510, 0, 0, 1600000000 + 86400 + 61}});
    RefreshTable(store);
    EXPECT_EQ(RowTexts(Grid(), 1, 2, 3), QStringList({"2020-09-13", "12:26:40"}));
    EXPECT_EQ(RowTexts(Grid(), 4, 2, 3), QStringList({"2020-09-14", "12:27:41"}));
    EXPECT_EQ(Grid().GetDateTime(4, 2).toSecsSinceEpoch(), 1600000000 + 86400 + 61);
}

TEST_F(TablePopulation, InsertedRowsMatchAppendedRowsExceptTheKeyAlignment)
{
    AddSeries(store, 0, 0, 0, 1, false, {{500}, {510, 90, 1}});
    AddPlainSeries(store, 2, false, 1);
    RefreshTable(store);
    // Expand series 0 in place, as the table commands do.
    store.series[0]->SetExpanded(1);
    InsertStatisticsRow(store, 2);
    InsertMeasurementRow(store, 3);
    InsertMeasurementRow(store, 3);
    EXPECT_EQ(FillSeriesRows(store, 1, 0), 4);
    QList<QStringList> inPlace;
    for (int row = 1; row < Grid().GetRowCount(); ++row)
        inPlace << RowTexts(Grid(), row);
    EXPECT_EQ(Grid().GetItemFormat(3, 0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(Grid().GetItemState(3, 2) & GridState::ReadOnly, 0u);

    RefreshTable(store);
    ASSERT_EQ(Grid().GetRowCount(), inPlace.size() + 1);
    for (int row = 1; row < Grid().GetRowCount(); ++row)
        EXPECT_EQ(RowTexts(Grid(), row), inPlace[row - 1]) << row;
    EXPECT_EQ(Grid().GetItemFormat(3, 0) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(TablePopulation, AngleOutsideTheRangeIsShownClampedAndStoredBack)
{
    MSERIE& serie = AddSeries(store, 0, 0, 0, 1, true, {{500, 200}, {500, -10}});
    MSERIE& collapsed = AddSeries(store, 0, 0, 0, 2, false, {{500, 0}, {500, 200}});
    RefreshTable(store);
    EXPECT_EQ(Grid().GetItemText(3, 5), "-1.00");
    EXPECT_EQ(Grid().GetItemText(4, 5), "1.00");
    EXPECT_EQ(serie.measurements[0]->angle, 180);
    EXPECT_EQ(serie.measurements[0]->changed, 1);
    EXPECT_EQ(serie.measurements[1]->angle, 0);
    // The mean angle of the series is one of clamped angles: 90 degrees, on the first fill
    // already, and also for a collapsed series.
    EXPECT_EQ(Grid().GetItemText(1, 5), "0.00");
    EXPECT_EQ(Grid().GetItemText(5, 5), "0.00");
    EXPECT_EQ(collapsed.measurements[1]->angle, 180);
}

// The Gravity component of a series row is that of the mean angle of its visible measurements,
// whether or not its values give statistics; "-" when none is visible.
TEST_F(TablePopulation, SeriesGravityComponentWithoutStatistics)
{
    // HV of steel: raw 200 is out of the curve's range, so the series has no statistics.
    AddSeries(store, 2, 1, 0, 482, false,
              {{200, 135}, {200, 180}, {200, 90}, {200, 90}, {200, 180}, {200, 0, 1}});
    AddSeries(store, 0, 0, 0, 483, false, {{500, 90, 1}, {510, 180, 1}});
    AddSeries(store, 0, 0, 0, 484, false, {{500, 0}, {510, 180}}); // with statistics: the same rule
    RefreshTable(store);
    EXPECT_EQ(Grid().GetItemText(1, 4), "-");
    EXPECT_EQ(Grid().GetItemText(1, 5), "-0.70"); // mean angle 135 (the hidden 0 does not count)
    EXPECT_EQ(Grid().GetItemText(2, 5), "-");     // everything hidden
    EXPECT_EQ(Grid().GetItemText(3, 5), "0.00");
}

TEST_F(TablePopulation, ScaleAndMaterialCellsAndWhatTheyWriteBack)
{
    MSERIE& corrected = AddSeries(store, 1, 3, 0, 1, false, {{500}});
    RefreshTable(store);
    EXPECT_EQ(Grid().GetItemText(1, 6), "HLD  Leeb D");
    EXPECT_EQ(Grid().GetItemText(1, 7), "");
    EXPECT_TRUE(Grid().GetComboOptions(1, 7).isEmpty());
    EXPECT_EQ(corrected.material, 0);
    EXPECT_EQ(corrected.changed, 1);

    // Switching to HV through the Scale cell shows "select" until a material is chosen.
    corrected.SetScale(2);
    FillSeriesRows(store, 1, 0);
    EXPECT_EQ(Grid().GetItemText(1, 6), "HV    Vickers");
    EXPECT_EQ(Grid().GetItemText(1, 7), "select");
    EXPECT_EQ(Grid().GetComboOptions(1, 7).size(), 6);
    corrected.SetMaterial(1);
    FillSeriesRows(store, 1, 0);
    EXPECT_EQ(Grid().GetItemText(1, 7), "1 Steel and cast steel");

    // A material the scale does not offer is put back to 0.
    corrected.SetMaterial(7);
    FillSeriesRows(store, 1, 0);
    EXPECT_EQ(corrected.material, 0);
    EXPECT_EQ(Grid().GetItemText(1, 7), "select");
}

TEST_F(TablePopulation, ScaleOutsideTheCatalogueBecomesRawAndTheStatisticsFollow)
{
    MSERIE& serie = AddSeries(store, 12, 5, 0, 1, true, {{500}, {520}});
    RefreshTable(store);
    EXPECT_EQ(serie.scale, 0);
    EXPECT_EQ(serie.material, 0);
    EXPECT_EQ(serie.changed, 1);
    EXPECT_EQ(Grid().GetItemText(1, 6), "HLD Leeb D raw");
    // The statistics are those of the raw values the rows show, already on the first fill.
    EXPECT_EQ(Grid().GetItemText(1, 4), "510 HLD");
    EXPECT_EQ(Grid().GetItemText(2, 7), "N: 2");
    EXPECT_EQ(Grid().GetItemText(3, 4), "500 HLD");
}

TEST_F(TablePopulation, FillingWritesNothingBackWhenThereIsNothingToNormalise)
{
    // Every row kind, both probes, custom curves, Rockwell A, hidden measurements and angles at
    // the ends of the range: a consistent store must not count as unsaved after a rebuild.
    store.customDL[14] = CPARA{1, 2, 1, 5.0f};
    AddSeries(store, 2, 1, 0, 1, true, {{500, 0}, {510, 180, 1}});
    AddSeries(store, 9, 14, 1, 2, true, {{500, 90}});
    AddSeries(store, 9, 16, 0, 3, false, {{500, 180}});
    AddSeries(store, 1, 0, 0, 4, true, {{500, 45, 1}});
    AddSeries(store, 6, 1, 0, 5, true, {{500}});
    AddSeries(store, 8, 12, 1, 6, false, {{500}});
    AddSeries(store, 0, 0, 7, 7, true, {{500}});
    RefreshTable(store);
    EXPECT_FALSE(store.HasChanges());

    // What one fill normalised, the next one leaves alone.
    store.series[0]->SetMaterial(9);
    store.series[1]->measurements[0]->SetAngle(-5);
    RefreshTable(store);
    EXPECT_TRUE(store.HasChanges());
    store.ClearChanges();
    RefreshTable(store);
    EXPECT_FALSE(store.HasChanges());
}

TEST_F(TablePopulation, ScaleListNeverOffersRockwellAAndLeebDlListsAreShorter)
{
    AddSeries(store, 2, 1, 0, 1, false, {{500}});
    AddSeries(store, 2, 1, 1, 2, false, {{700}});
    RefreshTable(store);
    for (const int row : {1, 2}) {
        const QStringList scales = Grid().GetComboOptions(row, 6);
        EXPECT_EQ(scales.size(), 9) << row;
        EXPECT_FALSE(scales.contains("HRA Rockwell A")) << row;
    }
    EXPECT_EQ(Grid().GetComboOptions(2, 6).first(), "HLDL Leeb DL raw");
    EXPECT_EQ(Grid().GetComboOptions(2, 7),
              QStringList({"1 Steel and cast steel", "2 Work tool steel", "6 Cast aluminium alloys"}));
    EXPECT_EQ(Grid().GetItemText(2, 8), "DL");
    EXPECT_EQ(Grid().GetItemText(1, 8), "D");
}

TEST_F(TablePopulation, CustomCurveOptionTexts)
{
    // HC1 of Leeb D: untouched; HC2: a Vickers curve of steel with offset +5; HC3: a Brinell curve
    // of material 10 ("6.1 ...") with a negative offset.
    store.customD[15] = CPARA{1, 2, 1, 5.0f};
    store.customD[16] = CPARA{1, 3, 10, -2.25f};
    AddSeries(store, 9, 14, 0, 1, false, {{500}});
    AddSeries(store, 9, 15, 5, 2, false, {{500}}); // probe 5: no custom-curve table
    RefreshTable(store);
    EXPECT_EQ(Grid().GetComboOptions(1, 7),
              QStringList({"HC1  Custom1 HLD/0  +0.0", "HC2  Custom2 HV/1  +5.0", "HC3  Custom3 HB/6  -2.3"}));
    EXPECT_EQ(Grid().GetItemText(1, 7), "HC1  Custom1 HLD/0  +0.0");
    EXPECT_EQ(Grid().GetComboOptions(2, 7), QStringList({"HC1  Custom1", "HC2  Custom2", "HC3  Custom3"}));
    EXPECT_EQ(Grid().GetItemText(2, 7), "HC2  Custom2");
}

TEST_F(TablePopulation, SeriesWithoutMeasurementsShowsNoDateAndNoStatistics)
{
    AddSeries(store, 0, 0, 0, 9, true, {});
    RefreshTable(store);
    ASSERT_EQ(Grid().GetRowCount(), 3);
    EXPECT_EQ(RowTexts(Grid(), 1, 1, 4), QStringList({"9", "", "", "-"}));
    EXPECT_EQ(Grid().GetItemText(2, 7), "N: -");
}

TEST(RowKeys, ParsedAsTheCommandsReadThem)
{
    struct Case {
        const char* text;
        int numbers, series, sub;
    } cases[] = {
        {"3", 1, 3, -1}, {"3.0", 2, 3, 0}, {"12.7", 2, 12, 7}, {"", 0, -1, -1}, {"x", 0, -1, -1}, {"4.x", 1, 4, -1},
    };
    for (const Case& c : cases) {
        const RowKey key = ParseRowKey(QString::fromLatin1(c.text));
        EXPECT_EQ(key.numbers, c.numbers) << c.text;
        EXPECT_EQ(key.series, c.series) << c.text;
        EXPECT_EQ(key.sub, c.sub) << c.text;
    }
    EXPECT_TRUE(ParseRowKey(SubRowKey(2, 0)).IsStatistics());
    EXPECT_TRUE(ParseRowKey(SubRowKey(2, 1)).IsMeasurement());
    EXPECT_TRUE(ParseRowKey(SeriesRowKey(2)).IsSeries());
}

} // namespace
