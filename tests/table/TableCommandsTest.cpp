// The table commands through the grid's own notifications (mouse, keys, editors, context menu) and
// through ExecuteTableCommand: what they change in the store, and that the table they leave is the
// table a full rebuild of the same store gives.
#include "TableTestSupport.h"

#include "table/TableView.h"
#include "table/TableCommands.h"
#include "table/TableContextMenu.h"
#include "table/TableImages.h"
#include "table/TableInput.h"
#include "table/TablePopulation.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

// Everything a row shows: per cell the text, image, text colour, cell type and options. (Column 0
// of a row inserted in place is left-aligned where an appended one is right-aligned; alignment is
// therefore not compared.)
QStringList Snapshot(const CGridCtrl& grid)
{
    QStringList rows;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.GetColumnCount(); ++column) {
            const QColor colour = grid.GetItemFgColour(row, column);
            cells << QStringLiteral("%1[%2,%3,%4,%5]")
                         .arg(grid.GetItemText(row, column))
                         .arg(grid.GetItemImage(row, column))
                         .arg(colour.isValid() ? colour.name() : QStringLiteral("-"))
                         .arg(int(grid.GetCellType(row, column)))
                         .arg(grid.GetComboOptions(row, column).join(QLatin1Char('/')));
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

class TableCommandsTest : public GridTableTest {
protected:
    void SetUp() override
    {
        GridTableTest::SetUp();
        input = new CTableInput(store, Grid());
        input->SetMenuTracker([this](QMenu& menu, const QPoint& at) {
            shownMenus << menu.objectName();
            menuPositions << at;
            return menuAnswer;
        });
        Grid().resize(1000, 500);
        Grid().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Grid()));
    }

    // The grid as it is must be what a full rebuild of the store gives.
    void ExpectFreshBuild()
    {
        const QStringList before = Snapshot(Grid());
        RebuildTable(store);
        EXPECT_EQ(before, Snapshot(Grid()));
    }

    QPoint CellCentre(int row, int column)
    {
        QCoreApplication::processEvents();
        Grid().EnsureVisible(row, column);
        return Grid().GetCellRect(row, column).center() - Grid().viewport()->pos();
    }
    void Click(int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Grid().viewport(), button, {}, CellCentre(row, column));
    }
    void SelectRows(std::initializer_list<int> rows)
    {
        Grid().SetSelectedRange(GridRange{});
        for (int row : rows)
            for (int column = 0; column < 9; ++column)
                Grid().SetItemState(row, column, GridState::Selected);
    }
    int RowOf(const QString& key)
    {
        for (int row = 1; row < Grid().GetRowCount(); ++row)
            if (Grid().GetItemText(row, 0) == key)
                return row;
        return -1;
    }

    RecordingHost host;
    CTableInput* input = nullptr; // a child of the grid
    int menuAnswer = 0;
    QStringList shownMenus;
    QList<QPoint> menuPositions;
};

// ---- conversions ----------------------------------------------------------------------------

struct ConversionCase {
    int scale;
    int material;
    int all, selected, thisRow;
    bool leebDOnly;
};

// The conversion commands, each with the scale and material it gives and whether it leaves Leeb DL
// series alone. The custom curves exist for both probes and convert both.
const ConversionCase kConversions[] = {
    {0, 0, 32800, 32801, 32802, false},  {1, 0, 32803, 32804, 32805, false},  {2, 1, 32806, 32808, 32807, false},
    {2, 2, 32809, 32810, 32811, false},  {2, 3, 32812, 32813, 32814, true},   {2, 4, 32815, 32817, 32816, true},
    {2, 5, 32818, 32819, 32820, true},   {2, 6, 32821, 32822, 32823, false},  {3, 1, 32824, 32826, 32825, false},
    {3, 3, 32827, 32828, 32829, true},   {3, 4, 32830, 32831, 32832, true},   {3, 5, 32833, 32834, 32835, true},
    {3, 6, 32836, 32837, 32838, false},  {3, 10, 32839, 32840, 32841, true},  {3, 7, 32842, 32843, 32844, true},
    {3, 8, 32845, 32846, 32847, true},   {3, 9, 32848, 32849, 32850, true},   {4, 1, 32851, 32852, 32853, false},
    {4, 2, 32854, 32855, 32856, false},  {4, 3, 32857, 32858, 32859, true},   {4, 4, 32860, 32861, 32862, true},
    {4, 5, 32863, 32864, 32865, true},   {5, 1, 32866, 32867, 32868, false},  {5, 3, 32869, 32870, 32871, true},
    {5, 6, 32872, 32873, 32874, true},   {5, 7, 32875, 32876, 32877, true},   {7, 1, 32878, 32879, 32880, false},
    {8, 11, 32881, 32882, 32883, false}, {8, 12, 32886, 32884, 32885, false}, {8, 13, 32887, 32888, 32889, false},
    {9, 14, 32890, 32891, 32892, false}, {9, 15, 32893, 32894, 32895, false}, {9, 16, 32896, 32897, 32898, false},
};

TEST_F(TableCommandsTest, EveryConversionCommandGivesItsScaleAndMaterialToTheSeriesItReaches)
{
    enum Reach { All, Selected, ThisD, ThisDL };
    for (const ConversionCase& c : kConversions) {
        for (Reach reach : {All, Selected, ThisD, ThisDL}) {
            SCOPED_TRACE(testing::Message() << c.all << " reach " << reach);
            store.DeleteMeasurements(-1, -1);
            AddSeries(store, 1, 0, 0, 1, true, {{500}, {510}});   // Leeb D, expanded: rows 1..4
            AddSeries(store, 1, 0, 1, 2, false, {{600}});         // Leeb DL, collapsed: row 5
            RebuildTable(store);
            int id = c.all;
            int row = 1;
            if (reach == Selected) {
                id = c.selected;
                SelectRows({3, 5}); // a measurement row of the D series and the DL series row
            } else if (reach == ThisD || reach == ThisDL) {
                id = c.thisRow;
                row = reach == ThisD ? 2 : 5; // the D series' statistics row, the DL series row
            }
            ExecuteTableCommand(store, id, row, 1);
            const bool reachesD = reach != ThisDL;
            const bool reachesDL = reach != ThisD && !c.leebDOnly;
            EXPECT_EQ(store.series[0]->scale, reachesD ? c.scale : 1);
            EXPECT_EQ(store.series[0]->material, reachesD ? c.material : 0);
            EXPECT_EQ(store.series[1]->scale, reachesDL ? c.scale : 1);
            EXPECT_EQ(store.series[1]->material, reachesDL ? c.material : 0);
            ExpectFreshBuild();
            // The same command again changes nothing, so nothing becomes unsaved.
            store.ClearChanges();
            if (reach == Selected)
                SelectRows({3, 5});
            ExecuteTableCommand(store, id, row, 1);
            EXPECT_FALSE(store.HasChanges());
        }
    }
}

TEST_F(TableCommandsTest, ALeebDOnlyConversionOfAllLeavesTheLeebDLSeriesAndItsSaveStateAlone)
{
    AddSeries(store, 0, 0, 0, 1, false, {{500}});
    AddSeries(store, 0, 0, 1, 2, false, {{500}});
    RefreshTable(store);
    host.tableChanges = 0;
    ExecuteTableCommand(store, 32812, 1, 1); // HV, stainless steel, All
    EXPECT_EQ(store.series[0]->scale, 2);
    EXPECT_EQ(store.series[0]->material, 3);
    EXPECT_EQ(store.series[1]->scale, 0);
    EXPECT_EQ(store.series[1]->changed, 0);
    EXPECT_EQ(Grid().GetItemText(2, 6), "HLDL Leeb DL raw");
    EXPECT_EQ(host.tableChanges, 1);
    // An empty store is rebuilt too: only the title row.
    store.DeleteMeasurements(-1, -1);
    ExecuteTableCommand(store, 32812, 1, 1);
    EXPECT_EQ(Grid().GetRowCount(), 1);
}

TEST_F(TableCommandsTest, TheCustomCurvesOfTheLeebDLMenuConvertLeebDLSeries)
{
    AddSeries(store, 0, 0, 1, 1, false, {{500}});
    AddSeries(store, 0, 0, 1, 2, false, {{500}});
    AddSeries(store, 0, 0, 0, 3, false, {{500}});
    RefreshTable(store);
    SelectRows({1, 2});
    menuAnswer = 32891; // HC1, Selected
    Click(2, 4, Qt::RightButton);
    EXPECT_EQ(shownMenus, QStringList({"tableMenu157"}));
    for (int k : {0, 1}) {
        EXPECT_EQ(store.series[k]->scale, 9);
        EXPECT_EQ(store.series[k]->material, 14);
    }
    EXPECT_EQ(store.series[2]->scale, 0);
    ExecuteTableCommand(store, 32896, 1, 1); // HC3, All
    for (int k : {0, 1, 2})
        EXPECT_EQ(store.series[k]->material, 16);
    ExpectFreshBuild();
}

// ---- context menus --------------------------------------------------------------------------

TEST_F(TableCommandsTest, TheContextMenusOfferTheirCommandsUnderTheirTitles)
{
    RefreshTable(store);
    const auto menuD = CreateContextMenu(store, TableMenu::LeebD);
    const auto menuDL = CreateContextMenu(store, TableMenu::LeebDL);
    const QList<int> idsD = MenuCommands(*menuD);
    const QList<int> idsDL = MenuCommands(*menuDL);

    std::set<int> wantD, wantDL;
    for (int id = 33000; id <= 33017; ++id) {
        wantD.insert(id);
        wantDL.insert(id);
    }
    for (const ConversionCase& c : kConversions) {
        const bool inDL = !c.leebDOnly;
        for (int id : {c.all, c.selected, c.thisRow}) {
            wantD.insert(id);
            if (inDL)
                wantDL.insert(id);
        }
    }
    EXPECT_EQ(idsD.size(), 99 + 18);
    EXPECT_EQ(std::set<int>(idsD.begin(), idsD.end()), wantD);
    EXPECT_EQ(idsDL.size(), 17 * 3 + 18);
    EXPECT_EQ(std::set<int>(idsDL.begin(), idsDL.end()), wantDL);

    QStringList titles;
    for (const QAction* action : menuD->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"Conversion", "Expand", "Collapse", "Copy", "Show", "Hide", "Delete"}));
    // Conversion > HV Vickers > material > All, Selected, This; raw Leeb has no materials.
    QMenu* conversion = menuD->actions()[0]->menu();
    ASSERT_EQ(conversion->actions().size(), 9);
    QMenu* raw = conversion->actions()[0]->menu();
    EXPECT_EQ(raw->title(), "HLD Leeb D raw");
    QStringList leaves;
    for (const QAction* action : raw->actions())
        leaves << action->text() + "=" + QString::number(action->data().toInt());
    EXPECT_EQ(leaves, QStringList({"All=32800", "Selected=32801", "This=32802"}));
    QMenu* vickers = conversion->actions()[2]->menu();
    EXPECT_EQ(vickers->title(), "HV Vickers");
    ASSERT_EQ(vickers->actions().size(), 6);
    QMenu* steel = vickers->actions()[0]->menu();
    EXPECT_EQ(steel->title(), "1 Steel and cast steel");
    EXPECT_EQ(MenuCommands(*steel), QList<int>({32806, 32808, 32807}));
    QMenu* show = menuD->actions()[4]->menu();
    EXPECT_EQ(MenuCommands(*show), QList<int>({33009, 33011, 33010}));
    EXPECT_EQ(menuDL->actions()[0]->menu()->actions()[0]->menu()->title(), "HLDL Leeb DL raw");
}

TEST_F(TableCommandsTest, TheMenuIsChosenFromTheSelectedSeriesRowsAndOpensAtTheClickedCell)
{
    AddSeries(store, 0, 0, 0, 1, false, {{500}});          // row 1: Leeb D
    AddSeries(store, 0, 0, 1, 2, true, {{500}, {510}});    // rows 2..5: Leeb DL, expanded
    AddSeries(store, 0, 0, 1, 3, false, {{500}});          // row 6: Leeb DL
    RefreshTable(store);

    SelectRows({2, 6});
    Click(6, 3, Qt::RightButton);
    SelectRows({1, 2, 6});
    Click(2, 3, Qt::RightButton);
    SelectRows({4}); // a measurement row only
    Click(4, 3, Qt::RightButton);
    EXPECT_EQ(shownMenus, QStringList({"tableMenu157", "tableMenu156", "tableMenu156"}));
    EXPECT_EQ(menuPositions[0], Grid().mapToGlobal(Grid().GetCellRect(6, 3).center()));

    // Below the last row no cell is hit: the menu opens at the grid's centre.
    QTest::mouseClick(Grid().viewport(), Qt::RightButton, {}, QPoint(50, Grid().viewport()->height() - 5));
    EXPECT_EQ(menuPositions.last(), Grid().mapToGlobal(Grid().rect().center()));

    // The chosen command runs on the clicked row.
    menuAnswer = TableCmd::HideThis;
    Click(4, 3, Qt::RightButton);
    EXPECT_EQ(store.series[1]->measurements[0]->hidden, 1);
    // The keyboard's menu key opens the menu on the focus cell.
    menuAnswer = TableCmd::ShowThis;
    Grid().SetFocusCell(4, 2);
    QContextMenuEvent keyMenu(QContextMenuEvent::Keyboard, QPoint(1, 1), Grid().mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&Grid(), &keyMenu);
    EXPECT_EQ(store.series[1]->measurements[0]->hidden, 0);
    EXPECT_EQ(menuPositions.last(), Grid().mapToGlobal(Grid().GetCellRect(4, 2).center()));
    ExpectFreshBuild();
}

// ---- mouse and keys -------------------------------------------------------------------------

TEST_F(TableCommandsTest, ClickInColumnZeroExpandsCollapsesAndHides)
{
    AddPlainSeries(store, 1, false, 3);  // row 1
    AddPlainSeries(store, 2, false, 2);  // row 2: the last series
    RefreshTable(store);

    Click(1, 0); // inserted below the series row
    EXPECT_EQ(store.series[0]->expanded, 1);
    EXPECT_EQ(Grid().GetRowCount(), 1 + 5 + 1);
    EXPECT_EQ(Grid().GetItemText(6, 0), "1");
    EXPECT_EQ(Grid().GetFocusCell(), (GridCellId{1, 0}));
    ExpectFreshBuild();

    Click(6, 0); // the last series: appended
    EXPECT_EQ(Grid().GetRowCount(), 1 + 5 + 4);
    ExpectFreshBuild();

    // A measurement twice: hidden, then visible again; the series row gets the focus.
    Click(4, 0);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 1);
    EXPECT_EQ(Grid().GetItemImage(4, 0), CTableImages::HiddenMeasurement);
    EXPECT_EQ(Grid().GetFocusCell(), (GridCellId{1, 0}));
    ExpectFreshBuild();
    Click(4, 0);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 0);

    // Column 1, and the statistics row, do nothing.
    store.ClearChanges();
    host.tableChanges = 0;
    Click(4, 1);
    Click(2, 0);
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(host.tableChanges, 0);

    Click(1, 0); // collapsed again
    EXPECT_EQ(Grid().GetRowCount(), 1 + 1 + 4);
    EXPECT_EQ(host.tableChanges, 1);
    ExpectFreshBuild();
}

TEST_F(TableCommandsTest, ASeriesReadWithAnyNonZeroExpandedStateCollapsesOnClick)
{
    // A file may carry 2 for "expanded": the table shows the series expanded, so a click collapses
    // it (and never adds its rows a second time).
    AddPlainSeries(store, 1, false, 2).expanded = 2;
    AddPlainSeries(store, 2, false, 1);
    RefreshTable(store);
    ASSERT_EQ(Grid().GetRowCount(), 1 + 4 + 1);
    Click(1, 0);
    EXPECT_EQ(store.series[0]->expanded, 0);
    EXPECT_EQ(Grid().GetRowCount(), 1 + 1 + 1);
    ExpectFreshBuild();
    store.series[0]->expanded = 2;
    RebuildTable(store);
    ExecuteTableCommand(store, TableCmd::ExpandThis, 1, 1);
    EXPECT_EQ(Grid().GetRowCount(), 1 + 4 + 1);
    ExpectFreshBuild();
}

TEST_F(TableCommandsTest, SpaceTogglesInPlaceAndEveryKeyReportsTheConnection)
{
    AddPlainSeries(store, 1, true, 3);   // rows 1..5: series, statistics, measurements 0.1..0.3
    AddPlainSeries(store, 2, false, 2);  // row 6
    RefreshTable(store);
    host.statusTexts.clear();

    Grid().SetFocusCell(4, 0);
    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 1);
    EXPECT_EQ(Grid().GetFocusCell(), (GridCellId{4, 0}));
    EXPECT_EQ(host.statusTexts, QStringList({"Offline"}));

    host.portOpen = true;
    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_EQ(store.series[0]->measurements[1]->hidden, 0);
    EXPECT_EQ(host.statusTexts.last(), "Online");

    Grid().SetFocusCell(6, 0);
    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_EQ(store.series[1]->expanded, 1);
    EXPECT_EQ(Grid().GetRowCount(), 1 + 5 + 4);
    EXPECT_EQ(Grid().GetFocusCell(), (GridCellId{6, 0}));
    ExpectFreshBuild();

    // Ctrl+S only reports the connection.
    store.ClearChanges();
    host.statusTexts.clear();
    QTest::keyClick(&Grid(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(host.statusTexts, QStringList({"Online"}));
}

// ---- delete ---------------------------------------------------------------------------------

TEST_F(TableCommandsTest, DeleteRemovesMeasurementsAndNeverLeavesAnEmptySeries)
{
    struct Case {
        const char* name;
        QStringList selectedKeys;
        QList<int> countsAfter; // measurements per remaining series
    };
    // Series 0: 3 measurements, series 1: 1 measurement, series 2: 2 measurements, all expanded.
    const Case cases[] = {
        {"one measurement of three", {"0.2"}, {2, 1, 2}},
        {"the only measurement", {"1.1"}, {3, 2}},
        {"the statistics row", {"2.0"}, {3, 1}},
        {"a series row and one of its measurements", {"0", "0.2"}, {1, 2}},
        {"every measurement of a series, not its row", {"2.1", "2.2", "0.3"}, {2, 1}},
        {"a series row alone", {"1"}, {3, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.DeleteMeasurements(-1, -1);
        AddPlainSeries(store, 1, true, 3);
        AddPlainSeries(store, 2, true, 1);
        AddPlainSeries(store, 3, true, 2);
        RefreshTable(store);
        host.statusTexts.clear();
        host.tableChanges = 0;
        QList<int> rows;
        for (const QString& key : c.selectedKeys)
            rows << RowOf(key);
        Grid().SetSelectedRange(GridRange{});
        for (int row : rows)
            for (int column = 0; column < 9; ++column)
                Grid().SetItemState(row, column, GridState::Selected);
        QTest::keyClick(&Grid(), Qt::Key_Delete);
        QList<int> counts;
        for (const MSERIE* serie : store.series)
            counts << serie->Count();
        EXPECT_EQ(counts, c.countsAfter);
        EXPECT_EQ(host.statusTexts, QStringList({"Delete Item", "Offline"}));
        EXPECT_EQ(host.tableChanges, 1);
        EXPECT_TRUE(store.HasChanges());
        ExpectFreshBuild();
    }
}

TEST_F(TableCommandsTest, DeleteOfOneMeasurementRefillsItsSeriesInPlace)
{
    AddSeries(store, 0, 0, 0, 7, true, {{500}, {510}, {520}});
    AddPlainSeries(store, 8, false, 1);
    RefreshTable(store);
    Click(4, 3); // measurement 7.2
    QTest::keyClick(&Grid(), Qt::Key_Delete);
    ASSERT_EQ(store.series[0]->Count(), 2);
    EXPECT_EQ(store.series[0]->measurements[1]->value, 520.0f);
    EXPECT_EQ(Grid().GetItemText(4, 1), "7.2");
    EXPECT_EQ(Grid().GetItemText(4, 0), "0.2");
    EXPECT_EQ(Grid().GetItemImage(4, 0), CTableImages::VisibleLast);
    EXPECT_EQ(Grid().GetFocusCell(), (GridCellId{1, 0}));
    ExpectFreshBuild();

    // Nothing selected: nothing goes.
    Grid().SetSelectedRange(GridRange{});
    QTest::keyClick(&Grid(), Qt::Key_Delete);
    EXPECT_EQ(store.CountMeasurements(), 3);

    // Delete This on the series row, Delete All from the Edit menu's place (row 1, column 1).
    ExecuteTableCommand(store, TableCmd::DeleteThis, RowOf("1"), 3);
    EXPECT_EQ(store.series.GetSize(), 1);
    ExecuteTableCommand(store, TableCmd::DeleteAll, 1, 1);
    EXPECT_EQ(store.series.GetSize(), 0);
    EXPECT_EQ(Grid().GetRowCount(), 1);
}

// ---- the other commands ---------------------------------------------------------------------

TEST_F(TableCommandsTest, ExpandCollapseShowAndHideKeepTheTableAFreshBuild)
{
    AddSeries(store, 2, 1, 0, 1, false, {{500}, {510, 0, 1}, {520}});
    AddPlainSeries(store, 2, true, 2);
    AddPlainSeries(store, 3, false, 4);
    RefreshTable(store);

    // Expand This on an expanded series and Collapse This on a collapsed one change nothing.
    const QStringList before = Snapshot(Grid());
    ExecuteTableCommand(store, TableCmd::ExpandThis, RowOf("1"), 1);
    ExecuteTableCommand(store, TableCmd::CollapseThis, RowOf("0"), 1);
    ExecuteTableCommand(store, TableCmd::ShowThis, RowOf("1.0"), 1);   // not a measurement row
    ExecuteTableCommand(store, TableCmd::HideThis, 0, 1);              // the title row
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(Snapshot(Grid()), before);

    struct Step {
        int id;
        std::initializer_list<const char*> selectedKeys; // for Selected
        const char* clickedKey;                          // for This
    };
    const Step steps[] = {
        {TableCmd::ExpandThis, {}, "2"},
        {TableCmd::HideThis, {}, "2.4"},
        {TableCmd::CollapseThis, {}, "1"},
        {TableCmd::HideSelected, {"2.1", "2.2", "0"}, nullptr},
        {TableCmd::ShowSelected, {"2.2", "2.3"}, nullptr},
        {TableCmd::ExpandSelected, {"0", "1"}, nullptr},
        {TableCmd::CollapseSelected, {"2.3"}, nullptr},
        {TableCmd::HideAll, {}, nullptr},
        {TableCmd::ShowAll, {}, nullptr},
        {TableCmd::CollapseAll, {}, nullptr},
        {TableCmd::ExpandAll, {}, nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.id);
        Grid().SetSelectedRange(GridRange{});
        for (const char* key : step.selectedKeys)
            for (int column = 0; column < 9; ++column)
                Grid().SetItemState(RowOf(key), column, GridState::Selected);
        ExecuteTableCommand(store, step.id, step.clickedKey ? RowOf(step.clickedKey) : 1, 1);
        ExpectFreshBuild();
        if (step.id == TableCmd::HideSelected) {
            EXPECT_EQ(store.series[2]->measurements[0]->hidden, 1);
            EXPECT_EQ(store.series[2]->measurements[1]->hidden, 1);
            EXPECT_EQ(store.series[2]->measurements[2]->hidden, 0);
            EXPECT_EQ(store.series[0]->measurements[0]->hidden, 0); // a series row hides nothing
        }
        if (step.id == TableCmd::ShowSelected) {
            EXPECT_EQ(store.series[2]->measurements[0]->hidden, 1);
            EXPECT_EQ(store.series[2]->measurements[1]->hidden, 0);
            EXPECT_EQ(store.series[2]->measurements[3]->hidden, 1);
        }
        if (step.id == TableCmd::CollapseSelected) {
            EXPECT_EQ(store.series[2]->expanded, 0);
        }
    }
    for (const MSERIE* serie : store.series) {
        EXPECT_EQ(serie->expanded, 1);
        for (const MEAS* meas : serie->measurements)
            EXPECT_EQ(meas->hidden, 0);
    }
}

TEST_F(TableCommandsTest, CopyThisCopiesColumnsOneToSevenOfTheRow)
{
    AddPlainSeries(store, 5, true, 2);
    RefreshTable(store);
    QApplication::clipboard()->clear();
    ExecuteTableCommand(store, TableCmd::CopyThis, 3, 4);
    EXPECT_EQ(QApplication::clipboard()->text(), RowTexts(Grid(), 3, 1, 7).join('\t'));
    ExecuteTableCommand(store, TableCmd::CopyAll, 1, 1);
    const QString all = QApplication::clipboard()->text();
    EXPECT_EQ(all.count("\r\n"), 3);
    EXPECT_TRUE(all.startsWith("5\t")); // no title row
    EXPECT_TRUE(all.endsWith("\t")); // column 8 of a measurement row is empty
    EXPECT_FALSE(store.HasChanges());
}

TEST_F(TableCommandsTest, TheEndShowsTheLastRowOfTheClickedSeries)
{
    AddPlainSeries(store, 1, true, 60);
    AddPlainSeries(store, 2, true, 60);
    RefreshTable(store); // ends scrolled to the bottom
    ExecuteTableCommand(store, TableCmd::ShowAll, 1, 1);
    const QRect last = Grid().GetCellRect(1 + 61, 1);
    EXPECT_TRUE(Grid().viewport()->rect().contains(last.translated(-Grid().viewport()->pos()))) << last.y();
    // A series that is gone is not looked for.
    ExecuteTableCommand(store, TableCmd::DeleteThis, 1, 1);
    EXPECT_EQ(store.series.GetSize(), 1);
}

// ---- in-place edits -------------------------------------------------------------------------

class TableEditTest : public TableCommandsTest {
protected:
    template <class Editor>
    Editor* Open(int row, int column)
    {
        QCoreApplication::processEvents();
        const QModelIndex index = Grid().model()->index(row - 1, column);
        Grid().setCurrentIndex(index);
        Grid().edit(index);
        return qobject_cast<Editor*>(Grid().indexWidget(index));
    }
    void Choose(QComboBox* combo, const QString& text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        QCoreApplication::processEvents();
    }
};

TEST_F(TableEditTest, ScaleAndMaterialCellsSetTheSeries)
{
    // HC1 of Leeb D is based on Vickers, material 1, offset +5: its option carries that label.
    store.customD[14] = CPARA{0, 2, 1, 5.0f};
    AddSeries(store, 9, 15, 0, 1, false, {{500}});
    AddSeries(store, 2, 2, 1, 2, false, {{500}});
    RefreshTable(store);

    auto* material = Open<QComboBox>(1, 7);
    ASSERT_NE(material, nullptr);
    Choose(material, "HC1  Custom1 HV/1  +5.0");
    EXPECT_EQ(store.series[0]->material, 14);

    // Leeb DL, HV of work tool steel to HB: HB offers no work tool steel, so "select".
    auto* scale = Open<QComboBox>(2, 6);
    ASSERT_NE(scale, nullptr);
    Choose(scale, "HB    Brinell (F=30D\u00b2)");
    EXPECT_EQ(store.series[1]->scale, 3);
    EXPECT_EQ(store.series[1]->material, 0);
    EXPECT_EQ(Grid().GetItemText(2, 7), "select");
    material = Open<QComboBox>(2, 7);
    ASSERT_NE(material, nullptr);
    Choose(material, "6 Cast aluminium alloys");
    EXPECT_EQ(store.series[1]->material, 6);
    ExpectFreshBuild();

    // The first scale (raw Leeb) takes the material away.
    scale = Open<QComboBox>(2, 6);
    ASSERT_NE(scale, nullptr);
    Choose(scale, "HLDL Leeb DL raw");
    EXPECT_EQ(store.series[1]->scale, 0);
    EXPECT_EQ(store.series[1]->material, 0);
    EXPECT_EQ(Grid().GetItemText(2, 7), "");
    ExpectFreshBuild();
}

TEST_F(TableEditTest, DateAndTimeCellsTogetherBecomeTheMeasurementsTime)
{
    AddSeries(store, 0, 0, 0, 1, true, {{500, 0, 0, 1600000000}, {510, 0, 0, 1600000100}});
    RefreshTable(store); // rows: series 1, statistics 2, measurements 3 and 4
    auto* time = Open<QDateTimeEdit>(3, 3);
    ASSERT_NE(time, nullptr);
    time->setTime(QTime(8, 15, 30));
    QTest::keyClick(time, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(store.series[0]->measurements[0]->time, QDateTime(QDate(2020, 9, 13), QTime(8, 15, 30), Qt::UTC).toSecsSinceEpoch());

    auto* date = Open<QDateTimeEdit>(3, 2);
    ASSERT_NE(date, nullptr);
    date->setDate(QDate(2021, 1, 2));
    QTest::keyClick(date, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(store.series[0]->measurements[0]->time, QDateTime(QDate(2021, 1, 2), QTime(8, 15, 30), Qt::UTC).toSecsSinceEpoch());
    // The series row shows its first measurement's date.
    EXPECT_EQ(Grid().GetItemText(1, 2), "2021-01-02");
    EXPECT_EQ(Grid().GetItemText(1, 3), "08:15:30");
    EXPECT_EQ(store.series[0]->measurements[1]->time, 1600000100);
    ExpectFreshBuild();
}

// ---- saved and opened again -----------------------------------------------------------------

TEST_F(TableCommandsTest, AFileSavedAfterCommandsOpensToTheSameTable)
{
    AddPlainSeries(store, 1, false, 3);
    AddSeries(store, 0, 0, 1, 2, false, {{500}, {600}});
    AddPlainSeries(store, 3, false, 2);
    RefreshTable(store);
    ExecuteTableCommand(store, 32825, RowOf("0"), 1);     // HB steel, This
    Click(RowOf("0"), 0);                                // expand
    Click(RowOf("0.2"), 0);                              // hide
    ExecuteTableCommand(store, TableCmd::ExpandThis, RowOf("1"), 1);
    ExecuteTableCommand(store, TableCmd::DeleteThis, RowOf("1.1"), 1);
    ExecuteTableCommand(store, 32890, RowOf("1"), 1);     // HC1, This, on the Leeb DL series
    EXPECT_EQ(store.series[1]->scale, 9);
    EXPECT_EQ(store.series[1]->material, 14);

    QTemporaryDir dir;
    const QString path = dir.filePath("after-commands.hkp");
    QString error;
    ASSERT_TRUE(store.SaveMeasurementsTo(path, &error)) << error.toStdString();
    RebuildTable(store);
    const QStringList shown = Snapshot(Grid());

    CMeasurementStore reopened;
    CreateTableGrid(reopened, nullptr);
    reopened.OpenMeasurements(path);
    RefreshTable(reopened);
    EXPECT_EQ(Snapshot(*reopened.grid), shown);
    EXPECT_EQ(reopened.series[0]->expanded, 1);
    EXPECT_EQ(reopened.series[0]->measurements[1]->hidden, 1);
}

} // namespace
