// Selection, focus cell and the clipboard text of the selection.
#include "GridFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QStringList>

namespace {

// The expected clipboard line of body row r for columns 1..last.
QString Line(int row, int last = 8)
{
    QStringList cells;
    for (int c = 1; c <= last; ++c)
        cells << CellName(row, c);
    return cells.join(QLatin1Char('\t'));
}

TEST_F(GridTest, SelectedRangeIsClippedToTheBody)
{
    grid->SetSelectedRange(0, 0, 3, 20);
    EXPECT_EQ(grid->GetSelectedCellRange(), (GridRange{1, 0, 3, 8}));
    EXPECT_FALSE(grid->IsCellSelected(0, 1));
    EXPECT_TRUE(grid->IsCellSelected(3, 8));
    EXPECT_FALSE(grid->IsCellSelected(4, 1));

    grid->SelectAllCells();
    EXPECT_EQ(grid->GetSelectedCellRange(), (GridRange{1, 0, kRows - 1, 8}));

    grid->SetSelectedRange(GridRange{});
    EXPECT_FALSE(grid->GetSelectedCellRange().IsValid());
}

TEST_F(GridTest, ProgrammaticRangeSelectsExactlyItsCellsInFullRowMode)
{
    grid->SetSelectedRange(4, 0, 4, 7);
    EXPECT_TRUE(grid->IsCellSelected(4, 7));
    EXPECT_FALSE(grid->IsCellSelected(4, 8));
    EXPECT_EQ(grid->GetItemState(4, 7) & GridState::Selected, GridState::Selected);

    // Selected state set per cell joins the selection.
    grid->SetItemState(6, 1, GridState::Selected | GridState::ReadOnly);
    EXPECT_TRUE(grid->IsCellSelected(6, 1));
    EXPECT_TRUE(grid->IsCellSelected(4, 1));
    EXPECT_EQ(grid->GetSelectedCellRange(), (GridRange{4, 0, 6, 7}));
    grid->SetItemState(6, 1, GridState::ReadOnly);
    EXPECT_FALSE(grid->IsCellSelected(6, 1));
}

TEST_F(GridTest, FocusCellMovesWithoutTouchingTheSelection)
{
    grid->SetSelectedRange(2, 0, 2, 8);
    grid->SetFocusCell(5, 0);
    EXPECT_EQ(grid->GetFocusCell(), (GridCellId{5, 0}));
    EXPECT_EQ(grid->GetItemState(5, 0) & GridState::Focused, GridState::Focused);
    EXPECT_EQ(grid->GetSelectedCellRange(), (GridRange{2, 0, 2, 8}));
    grid->SetFocusCell(0, 0);   // the title row cannot hold the focus cell
    EXPECT_FALSE(grid->GetFocusCell().IsValid());
}

TEST_F(GridTest, CopyTextFollowsTheClipboardRules)
{
    struct Case {
        const char* what;
        GridRange range;
        QString want;
    } const cases[] = {
        // Rows 3..5 in full: three lines from column 1, the last without a line end.
        {"rows 3..5", {3, 0, 5, 8}, Line(3) + "\r\n" + Line(4) + "\r\n" + Line(5)},
        // Columns 0..7 of one row (Copy This): columns 1..7, no line end.
        {"one row, columns 0..7", {4, 0, 4, 7}, Line(4, 7)},
        // The output starts at column 1 whatever the left column; unselected cells are empty.
        {"columns 3..5", {2, 3, 2, 5}, QString(), },
        {"columns 1..3", {2, 1, 2, 3}, Line(2, 3)},
        // Only column 0 selected: no row counts.
        {"column 0 only", {2, 0, 3, 0}, QString()},
    };
    for (const Case& c : cases) {
        grid->SetSelectedRange(c.range);
        EXPECT_EQ(grid->GetCopyText(), c.want) << c.what;
    }

    // A row whose column 1 is selected but whose other cells are not gives empty fields.
    grid->SetSelectedRange(2, 1, 2, 1);
    grid->SetItemState(2, 3, GridState::Selected);
    EXPECT_EQ(grid->GetCopyText(), CellName(2, 1) + "\t\t" + CellName(2, 3));
}

TEST_F(GridTest, CopyAllLeavesOutTheTitleRowAndSkipsUnselectedRows)
{
    grid->SelectAllCells();
    QStringList lines;
    for (int r = 1; r < kRows; ++r)
        lines << Line(r);
    EXPECT_EQ(grid->GetCopyText(), lines.join(QStringLiteral("\r\n")));

    // Rows 2 and 5 selected, rows between not: two lines and no line end after the last.
    grid->SetSelectedRange(2, 0, 2, 8);
    for (int c = 0; c < 9; ++c)
        grid->SetItemState(5, c, GridState::Selected);
    EXPECT_EQ(grid->GetCopyText(), Line(2) + "\r\n" + Line(5));

    // Hidden columns and rows are left out.
    grid->SetColumnWidth(4, 0);
    grid->SetRowHeight(5, 0);
    QStringList row2;
    for (int c = 1; c <= 8; ++c)
        if (c != 4)
            row2 << CellName(2, c);
    EXPECT_EQ(grid->GetCopyText(), row2.join(QLatin1Char('\t')));
}

TEST_F(GridTest, CopyPutsTextOnTheClipboardAndLeavesItAloneWhenNothingIsSelected)
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    grid->clearSelection();
    EXPECT_FALSE(grid->Copy());
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

    grid->SetSelectedRange(3, 0, 3, 8);
    EXPECT_TRUE(grid->Copy());
    EXPECT_EQ(clipboard->text(), Line(3));
}

} // namespace
