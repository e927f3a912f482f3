// The screen overlay: asked with grid rows while cells are painted, shown on the screen, never
// part of the cells.
#include "GridFixture.h"

#include <QBuffer>
#include <QImage>

#include <set>
#include <utility>

namespace {

TEST_F(GridTest, OverlayTintsOnScreenOnlyAndIsAskedWithGridRows)
{
    const QColor tint(255, 0, 0);
    std::set<std::pair<int, int>> asked;
    grid->SetItemText(2, 4, QString()); // an empty cell shows its background alone
    grid->SetCellOverlay([&](int row, int column) {
        asked.insert({row, column});
        GridCellOverlay overlay;
        if (row == 2 && column == 4)
            overlay.tint = tint;
        return overlay;
    });
    QByteArray before;
    {
        QBuffer out(&before);
        out.open(QIODevice::WriteOnly);
        grid->WriteText(out, QString());
    }
    const QImage shot = grid->grab().toImage();
    EXPECT_TRUE(asked.count({1, 0}));                 // the first body row is grid row 1
    EXPECT_FALSE(asked.count({0, 1}));                // never for the title row
    const QRect cell = grid->GetCellRect(2, 4);
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_EQ(shot.pixelColor(cell.center()), tint);
    EXPECT_NE(shot.pixelColor(grid->GetCellRect(3, 4).topLeft() + QPoint(3, 3)), tint);

    // The cells themselves are untouched.
    EXPECT_FALSE(grid->GetItemBkColour(2, 4).isValid());
    QByteArray after;
    QBuffer out(&after);
    out.open(QIODevice::WriteOnly);
    grid->WriteText(out, QString());
    EXPECT_EQ(after, before);

    grid->SetCellOverlay({});
    EXPECT_NE(grid->grab().toImage().pixelColor(cell.center()), tint);
}

} // namespace
