// Keys and mouse buttons: the notifications the grid sends and the keys it handles itself.
#include "GridFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>

namespace {

struct Notification {
    int code;
    int row;
    int column;
    bool operator==(const Notification&) const = default;
};

std::vector<Notification> Taken(QSignalSpy& spy)
{
    std::vector<Notification> out;
    for (const QList<QVariant>& args : spy)
        out.push_back({args.at(0).toInt(), args.at(1).toInt(), args.at(2).toInt()});
    spy.clear();
    return out;
}

TEST_F(GridTest, KeyNotificationsCarryTheKeyAndItsValue)
{
    struct Case {
        const char* what;
        GridCellId focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<Notification> want;
    } const cases[] = {
        {"Delete", {3, 4}, Qt::Key_Delete, Qt::NoModifier, {{GridNotify::Key, 0x2E, 1}}},
        {"Space in column 0", {5, 0}, Qt::Key_Space, Qt::NoModifier, {{GridNotify::Key, 0x20, 5}}},
        {"Space elsewhere", {5, 2}, Qt::Key_Space, Qt::NoModifier, {}},
        {"Ctrl+S", {2, 2}, Qt::Key_S, Qt::ControlModifier, {{GridNotify::Key, 0x53, 2}}},
        {"plain S", {2, 2}, Qt::Key_S, Qt::NoModifier, {}},
    };
    auto notify = SpyNotify();
    QSignalSpy keys(grid.get(), &CGridCtrl::keyNotification);
    for (const Case& c : cases) {
        grid->SetFocusCell(c.focus.row, c.focus.column);
        QTest::keyClick(grid.get(), c.key, c.modifiers);
        EXPECT_EQ(Taken(*notify), c.want) << c.what;
        ASSERT_EQ(keys.size(), c.want.empty() ? 0 : 1) << c.what;
        if (!c.want.empty()) {
            EXPECT_EQ(keys.at(0).at(0).toInt(), c.want[0].row) << c.what;
            EXPECT_EQ(keys.at(0).at(1).toInt(), c.want[0].column) << c.what;
        }
        keys.clear();
    }
}

TEST_F(GridTest, CtrlASelectsTheBodyAndCtrlCCopiesIt)
{
    auto notify = SpyNotify();
    QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->GetSelectedCellRange(), (GridRange{1, 0, kRows - 1, 8}));

    grid->SetSelectedRange(3, 0, 5, 8);
    QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied.count(QStringLiteral("\r\n")), 2);
    EXPECT_TRUE(copied.startsWith(CellName(3, 1) + "\t"));
    EXPECT_TRUE(copied.endsWith(CellName(5, 8)));
    EXPECT_TRUE(Taken(*notify).empty());   // handled by the grid, not notified
}

TEST_F(GridTest, MouseButtonsNotifyTheCellOrMinusOne)
{
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    auto notify = SpyNotify();
    QSignalSpy clicks(grid.get(), &CGridCtrl::cellClicked);
    QSignalSpy rightClicks(grid.get(), &CGridCtrl::cellRightClicked);
    QWidget* body = grid->viewport();
    const QPoint inBodyCell = grid->GetCellRect(3, 2).center() - body->pos();
    const QPoint belowLastRow(50, body->height() - 5);
    const QPoint onTitle = grid->GetCellRect(0, 4).center() - grid->horizontalHeader()->pos();

    QTest::mouseClick(body, Qt::LeftButton, {}, inBodyCell);
    EXPECT_TRUE(grid->IsCellSelected(3, 8));   // full-row selection
    QTest::mouseClick(body, Qt::RightButton, {}, inBodyCell);
    QTest::mouseClick(body, Qt::RightButton, {}, belowLastRow);
    // A right click keeps the selection the context menu will act on.
    EXPECT_EQ(grid->GetSelectedCellRange(), (GridRange{3, 0, 3, 8}));
    QTest::mouseClick(body, Qt::LeftButton, {}, belowLastRow);   // no cell: no click
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::RightButton, {}, onTitle);

    const std::vector<Notification> want{
        {GridNotify::Click, 3, 2},
        {GridNotify::RightClick, 3, 2},
        {GridNotify::RightClick, -1, -1},
        {GridNotify::RightClick, 0, 4},
    };
    EXPECT_EQ(Taken(*notify), want);
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(rightClicks.size(), 3);
}

TEST_F(GridTest, CellGeometryMatchesHitTesting)
{
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    grid->SetColumnWidth(0, 30);
    const QRect title = grid->GetCellRect(0, 1);
    const QRect body = grid->GetCellRect(2, 1);
    EXPECT_EQ(title.width(), 100);
    EXPECT_EQ(body.height(), 22);
    EXPECT_EQ(grid->GetCellFromPt(title.center()), (GridCellId{0, 1}));
    EXPECT_EQ(grid->GetCellFromPt(body.center()), (GridCellId{2, 1}));
    EXPECT_EQ(body.left(), title.left());

    // Scrolling a far row into view puts it inside the viewport.
    grid->SetRowCount(500);
    grid->EnsureVisible(499, 1);
    const QRect last = grid->GetCellRect(499, 1);
    EXPECT_TRUE(grid->viewport()->geometry().contains(last.center()));
}

} // namespace
