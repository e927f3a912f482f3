// In-place editors: each ends with the end-of-edit notification when it stored a changed value.
#include "GridFixture.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>

namespace {

class GridEditorTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        ended = std::make_unique<QSignalSpy>(grid.get(), &CGridCtrl::inPlaceEditEnded);
    }

    // Opens the editor of a cell and returns it (nullptr when the cell cannot be edited).
    template <class Editor>
    Editor* Open(int row, int column)
    {
        const QModelIndex index = grid->model()->index(row - grid->GetFixedRowCount(), column);
        grid->setCurrentIndex(index);
        grid->edit(index);
        return qobject_cast<Editor*>(grid->indexWidget(index));
    }

    // Editors commit and close through queued calls after Enter.
    static void Settle() { QCoreApplication::processEvents(); }

    std::unique_ptr<QSignalSpy> ended;
};

TEST_F(GridEditorTest, PlainCellNotifiesOnlyAChangedValue)
{
    auto* line = Open<QLineEdit>(3, 4);
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("new text"));
    QTest::keyClick(line, Qt::Key_Return);
    Settle();
    EXPECT_EQ(grid->GetItemText(3, 4), QStringLiteral("new text"));
    ASSERT_EQ(ended->size(), 1);
    EXPECT_EQ(ended->at(0).at(0).toInt(), 3);
    EXPECT_EQ(ended->at(0).at(1).toInt(), 4);

    // Escape throws the typing away; Enter on an unchanged text changes nothing.
    line = Open<QLineEdit>(3, 4);
    ASSERT_NE(line, nullptr);
    QTest::keyClicks(line, QStringLiteral("typed"));
    QTest::keyClick(line, Qt::Key_Escape);
    Settle();
    line = Open<QLineEdit>(3, 4);
    ASSERT_NE(line, nullptr);
    QTest::keyClick(line, Qt::Key_Return);
    Settle();
    EXPECT_EQ(grid->GetItemText(3, 4), QStringLiteral("new text"));
    EXPECT_EQ(ended->size(), 1);
}

TEST_F(GridEditorTest, ReadOnlyCellsOpenNoEditor)
{
    grid->SetItemState(3, 4, GridState::ReadOnly);
    EXPECT_EQ(Open<QWidget>(3, 4), nullptr);
}

TEST_F(GridEditorTest, DropDownOffersItsOptionsAndStoresTheChoice)
{
    grid->SetCellType(1, 6, GridCellType::DropDown);
    grid->SetComboOptions(1, 6, {QStringLiteral("HLD"), QStringLiteral("HV"), QStringLiteral("HB")});
    grid->SetItemText(1, 6, QStringLiteral("HV"));

    auto* combo = Open<QComboBox>(1, 6);
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());   // a fixed list, no free text
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("HV"));
    QTest::keyClick(combo, Qt::Key_Down);   // choosing an option ends the edit

    EXPECT_EQ(grid->GetItemText(1, 6), QStringLiteral("HB"));
    ASSERT_EQ(ended->size(), 1);
    EXPECT_EQ(ended->at(0).at(1).toInt(), 6);
    EXPECT_EQ(grid->indexWidget(grid->model()->index(0, 6)), nullptr);
}

TEST_F(GridEditorTest, DateTimeEditorChangesOnlyTheShownPart)
{
    const QDateTime value(QDate(2024, 3, 5), QTime(14, 7, 9));
    for (int column : {2, 3}) {
        grid->SetCellType(4, column, GridCellType::DateTime);
        grid->SetDateTime(4, column, value);
    }
    grid->SetDateTimeDisplay(4, 3, GridDateTimeDisplay::Time);

    auto* time = Open<QDateTimeEdit>(4, 3);
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->displayFormat(), QStringLiteral("HH:mm:ss"));
    time->setTime(QTime(15, 30, 0));
    QTest::keyClick(time, Qt::Key_Return);
    Settle();
    EXPECT_EQ(grid->GetDateTime(4, 3), QDateTime(QDate(2024, 3, 5), QTime(15, 30, 0)));
    EXPECT_EQ(grid->GetItemText(4, 3), QStringLiteral("15:30:00"));

    auto* date = Open<QDateTimeEdit>(4, 2);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    date->setDate(QDate(2023, 12, 31));
    QTest::keyClick(date, Qt::Key_Return);
    Settle();
    EXPECT_EQ(grid->GetDateTime(4, 2), QDateTime(QDate(2023, 12, 31), QTime(14, 7, 9)));

    ASSERT_EQ(ended->size(), 2);
    EXPECT_EQ(ended->at(0).at(1).toInt(), 3);
    EXPECT_EQ(ended->at(1).at(1).toInt(), 2);
}

TEST_F(GridEditorTest, AHandlerMayRebuildTheGridWhenTheEditEnds)
{
    // The table refills or rebuilds its rows in answer to the notification.
    QObject::connect(grid.get(), &CGridCtrl::inPlaceEditEnded, grid.get(), [this](int, int) {
        grid->DeleteAllItems();
        grid->SetFixedRowCount(1);
        grid->SetColumnCount(9);
        grid->SetRowCount(3);
        grid->SetItemText(2, 4, QStringLiteral("rebuilt"));
    });
    auto* line = Open<QLineEdit>(5, 4);
    ASSERT_NE(line, nullptr);
    line->setText(QStringLiteral("changed"));
    QTest::keyClick(line, Qt::Key_Return);
    Settle();
    EXPECT_EQ(ended->size(), 1);
    EXPECT_EQ(grid->GetRowCount(), 3);
    EXPECT_EQ(grid->GetItemText(2, 4), QStringLiteral("rebuilt"));
}

} // namespace
