// The screen overlay: asked with grid rows while cells are painted, shown on the screen, never
// part of the cells.
#include "GridFixture.h"

#include <QBuffer>
#include <QFontMetrics>
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

// A mark too long for the room left of a right-aligned text is drawn smaller instead of over it.
TEST_F(GridTest, OverlayMarkStaysClearOfARightAlignedText)
{
    const QColor markColour(255, 0, 0);
    grid->SetItemText(2, 1, QStringLiteral("123"));
    grid->SetItemFormat(2, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->SetItemBkColour(2, 1, QColor(Qt::white));
    grid->SetItemFgColour(2, 1, QColor(Qt::black));
    grid->SetCellOverlay([&](int row, int column) {
        GridCellOverlay overlay;
        if (row == 2 && column == 1) {
            overlay.mark = QStringLiteral("Non conforme et plus");
            overlay.markColour = markColour;
        }
        return overlay;
    });
    const QRect cell = grid->GetCellRect(2, 1);
    ASSERT_FALSE(cell.isEmpty());
    const QImage shot = grid->grab().toImage();
    // The number's first column of ink: the first pixel from the left, beyond the mark's red, that
    // is dark.
    int redRight = -1;
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 110 && c.blue() < 110)
                redRight = x;
        }
    ASSERT_GT(redRight, cell.left()) << "the mark is drawn";
    const int numberLeft = cell.right() - 2 - QFontMetrics(grid->font()).horizontalAdvance(QStringLiteral("123"));
    EXPECT_LT(redRight, numberLeft) << "the mark runs into the number";
}

} // namespace
