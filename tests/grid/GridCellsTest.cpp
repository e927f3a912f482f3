// Cell contents and attributes, cell types and the row/column structure.
#include "GridFixture.h"

#include <QDateTime>
#include <QHeaderView>
#include <QTimeZone>

namespace {

TEST_F(GridTest, TextsOfOneRowStayApartWhenACellGrowsOrShrinks)
{
    // The cells of a row share one string: changing a middle cell must not disturb its neighbours.
    grid->SetItemText(2, 4, QStringLiteral("a much longer text than before"));
    grid->SetItemText(2, 1, QString());
    grid->SetItemText(2, 8, QStringLiteral("x"));
    for (int c = 0; c < 9; ++c) {
        const QString want = c == 4 ? QStringLiteral("a much longer text than before")
                           : c == 1 ? QString()
                           : c == 8 ? QStringLiteral("x")
                                    : CellName(2, c);
        EXPECT_EQ(grid->GetItemText(2, c), want) << c;
    }
    EXPECT_EQ(grid->GetItemText(3, 4), CellName(3, 4));
}

TEST_F(GridTest, CellHandleAttributesRoundTrip)
{
    CGridCell cell = grid->GetCell(3, 5);
    QFont bold = grid->font();
    bold.setWeight(QFont::Bold);
    cell.SetTextClr(QColor(180, 180, 180));
    cell.SetBackClr(QColor(Qt::yellow));
    cell.SetFont(bold);
    cell.SetFormat(Qt::AlignRight);
    cell.SetState(GridState::ReadOnly);
    cell.SetImage(4);

    EXPECT_EQ(cell.GetTextClr(), QColor(180, 180, 180));
    EXPECT_EQ(cell.GetBackClr(), QColor(Qt::yellow));
    EXPECT_EQ(cell.GetFont().weight(), QFont::Bold);
    EXPECT_EQ(cell.GetFormat(), Qt::AlignRight);
    EXPECT_EQ(cell.GetState() & GridState::ReadOnly, GridState::ReadOnly);
    EXPECT_EQ(cell.GetImage(), 4);
    EXPECT_EQ(cell.GetText(), CellName(3, 5));

    // The neighbour keeps the defaults; an invalid colour restores the default.
    EXPECT_FALSE(grid->GetItemFgColour(3, 4).isValid());
    EXPECT_EQ(grid->GetItemFont(3, 4).weight(), grid->font().weight());
    EXPECT_EQ(grid->GetItemFormat(3, 4), Qt::AlignLeft);
    EXPECT_EQ(grid->GetItemImage(3, 4), -1);
    cell.SetTextClr(QColor());
    EXPECT_FALSE(cell.GetTextClr().isValid());

    // Read-only cells are not editable in the view, others are.
    const QModelIndex readOnly = grid->model()->index(3 - 1, 5);
    const QModelIndex editable = grid->model()->index(3 - 1, 4);
    EXPECT_FALSE(grid->model()->flags(readOnly) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->model()->flags(editable) & Qt::ItemIsEditable);
}

TEST_F(GridTest, SetItemWritesTextImageAndBackgroundTogether)
{
    EXPECT_TRUE(grid->SetItem(4, 0, QStringLiteral("0.2"), 3, QColor(Qt::lightGray)));
    EXPECT_EQ(grid->GetItemText(4, 0), QStringLiteral("0.2"));
    EXPECT_EQ(grid->GetItemImage(4, 0), 3);
    EXPECT_EQ(grid->GetItemBkColour(4, 0), QColor(Qt::lightGray));
}

TEST_F(GridTest, IndicesOutsideTheGridChangeNothing)
{
    EXPECT_FALSE(grid->SetItemText(kRows, 0, QStringLiteral("x")));
    EXPECT_FALSE(grid->SetItemText(1, 9, QStringLiteral("x")));
    EXPECT_FALSE(grid->SetItemText(-1, 0, QStringLiteral("x")));
    EXPECT_FALSE(grid->SetItemFont(1, -1, QFont()));
    EXPECT_EQ(grid->GetItemText(kRows, 0), QString());
    EXPECT_EQ(grid->GetItemImage(1, 20), -1);
    CGridCell outside = grid->GetCell(99, 99);
    EXPECT_FALSE(outside.IsValid());
    outside.SetText(QStringLiteral("x"));
    EXPECT_EQ(outside.GetText(), QString());
    EXPECT_EQ(grid->GetRowCount(), kRows);
}

TEST_F(GridTest, DropDownCellKeepsItsOptionsAndStyle)
{
    const QStringList scales{QStringLiteral("HLD"), QStringLiteral("HV"), QStringLiteral("HB")};
    ASSERT_TRUE(grid->SetCellType(1, 6, GridCellType::DropDown));
    CGridCellCombo combo = grid->GetComboCell(1, 6);
    EXPECT_EQ(combo.GetStyle(), GridComboStyle::DropDownList);
    combo.SetOptions(scales);
    combo.SetText(QStringLiteral("HV"));
    // Other cells may share the same list; an empty list is allowed.
    grid->SetCellType(2, 6, GridCellType::DropDown);
    grid->SetComboOptions(2, 6, scales);
    grid->SetCellType(3, 7, GridCellType::DropDown);
    grid->SetComboOptions(3, 7, {});

    EXPECT_EQ(combo.GetOptions(), scales);
    EXPECT_EQ(grid->GetComboOptions(2, 6), scales);
    EXPECT_TRUE(grid->GetComboOptions(3, 7).isEmpty());
    EXPECT_EQ(combo.GetText(), QStringLiteral("HV"));
    // Options are only for drop-down cells.
    EXPECT_FALSE(grid->SetComboOptions(1, 5, scales));
    EXPECT_TRUE(grid->GetComboOptions(1, 5).isEmpty());
}

TEST_F(GridTest, DateTimeCellShowsDateOrTimeOfItsValue)
{
    // Tests run under LC_ALL=C: ISO date and 24-hour time.
    const QDateTime value(QDate(2024, 3, 5), QTime(14, 7, 9));
    grid->SetCellType(2, 2, GridCellType::DateTime);
    grid->SetCellType(2, 3, GridCellType::DateTime);
    EXPECT_EQ(grid->GetItemText(2, 2), QString());   // no value yet
    CGridCellDateTime date = grid->GetDateTimeCell(2, 2);
    CGridCellDateTime time = grid->GetDateTimeCell(2, 3);
    date.SetTime(value);
    time.SetDisplay(GridDateTimeDisplay::Time);
    time.SetTime(value);

    EXPECT_EQ(grid->GetItemText(2, 2), QStringLiteral("2024-03-05"));
    EXPECT_EQ(grid->GetItemText(2, 3), QStringLiteral("14:07:09"));
    EXPECT_EQ(date.GetTime(), value);
    EXPECT_EQ(time.GetTime(), value);
    // The shown text follows the value; plain text cannot overwrite it.
    EXPECT_FALSE(grid->SetItemText(2, 2, QStringLiteral("yesterday")));
    EXPECT_EQ(grid->GetItemText(2, 2), QStringLiteral("2024-03-05"));
    // A plain cell has no date-time value.
    EXPECT_FALSE(grid->GetDateTime(2, 4).isValid());
    EXPECT_FALSE(grid->SetDateTime(2, 4, value));
}

TEST_F(GridTest, InsertAndDeleteRowsMoveTheRowsBelow)
{
    EXPECT_EQ(grid->InsertRow(3), 3);
    EXPECT_EQ(grid->GetRowCount(), kRows + 1);
    EXPECT_EQ(grid->GetItemText(3, 1), QString());   // the new row is empty
    EXPECT_EQ(grid->GetItemText(2, 1), CellName(2, 1));
    EXPECT_EQ(grid->GetItemText(4, 1), CellName(3, 1));
    EXPECT_EQ(grid->GetRowHeight(3), 22);

    EXPECT_EQ(grid->InsertRow(), kRows + 1);        // append
    EXPECT_EQ(grid->InsertRow(grid->GetRowCount()), kRows + 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->model()->rowCount(), kRows + 2); // the view sees the body rows

    EXPECT_TRUE(grid->DeleteRow(3));
    EXPECT_EQ(grid->GetItemText(3, 1), CellName(3, 1));
    EXPECT_EQ(grid->GetRowCount(), kRows + 2);

    // The title row is neither a place to insert nor a row to delete; nor is the end + 1.
    EXPECT_EQ(grid->InsertRow(0), -1);
    EXPECT_EQ(grid->InsertRow(grid->GetRowCount() + 1), -1);
    EXPECT_FALSE(grid->DeleteRow(0));
    EXPECT_FALSE(grid->DeleteRow(grid->GetRowCount()));
    EXPECT_EQ(grid->GetItemText(0, 1), QStringLiteral("Title1"));

    // Blocks: rows 2..4 go at once; a block reaching past the end deletes nothing.
    const int before = grid->GetRowCount();
    EXPECT_FALSE(grid->DeleteRows(before - 2, 3));
    EXPECT_TRUE(grid->DeleteRows(2, 3));
    EXPECT_EQ(grid->GetRowCount(), before - 3);
    EXPECT_EQ(grid->GetItemText(2, 1), CellName(5, 1));
    EXPECT_EQ(grid->InsertRows(2, 3), 2);
    EXPECT_EQ(grid->GetItemText(5, 1), CellName(5, 1));
    EXPECT_EQ(grid->GetItemText(4, 1), QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->model()->rowCount(), before - 1);
}

TEST_F(GridTest, RowAndColumnCountsKeepWhatRemains)
{
    EXPECT_FALSE(grid->SetRowCount(0));   // below the fixed row count
    EXPECT_TRUE(grid->SetRowCount(3));
    EXPECT_EQ(grid->GetItemText(2, 8), CellName(2, 8));
    EXPECT_TRUE(grid->SetColumnCount(5));
    EXPECT_EQ(grid->GetItemText(2, 4), CellName(2, 4));
    EXPECT_TRUE(grid->SetColumnCount(7));
    EXPECT_EQ(grid->GetItemText(2, 4), CellName(2, 4));
    EXPECT_EQ(grid->GetItemText(2, 6), QString());   // the column came back empty
    EXPECT_EQ(grid->GetColumnWidth(6), 100);

    grid->DeleteAllItems();
    EXPECT_EQ(grid->GetRowCount(), 0);
    EXPECT_EQ(grid->GetColumnCount(), 0);
    EXPECT_EQ(grid->GetFixedRowCount(), 0);
    EXPECT_EQ(grid->model()->rowCount(), 0);
}

TEST_F(GridTest, SizesSurviveARebuildAndFollowTheDefaults)
{
    grid->SetColumnWidth(0, 30);
    grid->SetColumnWidth(5, 110);
    grid->SetRowHeight(2, 40);
    // Changing the default afterwards resizes the view's sections; set sizes must stay.
    grid->SetDefaultCellWidth(80);
    grid->SetDefaultCellHeight(25);
    EXPECT_EQ(grid->GetColumnWidth(0), 30);
    EXPECT_EQ(grid->GetColumnWidth(5), 110);
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(5), 110);
    EXPECT_EQ(grid->rowHeight(2 - 1), 40);
    EXPECT_EQ(grid->GetRowHeight(2), 40);
    // A new row takes the new default height.
    const int added = grid->InsertRow();
    EXPECT_EQ(grid->GetRowHeight(added), 25);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->rowHeight(added - 1), 25);

    // Switching the title row off and on rebuilds the view: widths must come back.
    grid->SetFixedRowCount(0);
    grid->SetFixedRowCount(1);
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(0), 30);
    EXPECT_EQ(grid->horizontalHeader()->sectionSize(5), 110);
    EXPECT_EQ(grid->GetVirtualWidth(), 30 + 110 + 7 * 100);
}

} // namespace
