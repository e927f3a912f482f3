// The grid as text and as drawn rows (what export and printing build on).
#include "GridFixture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {

// A device that accepts a limited number of bytes, then fails every write.
class FullDevice final : public QIODevice {
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > m_room)
            return -1;
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

TEST(GridText, WritesHeaderAndEveryRowFromColumnOne)
{
    CGridCtrl grid;
    grid.SetFixedRowCount(1);
    grid.SetColumnCount(4);
    grid.SetRowCount(3);
    grid.SetItemText(0, 1, QStringLiteral("Index"));
    grid.SetItemText(0, 2, QStringLiteral("Value"));
    grid.SetItemText(1, 0, QStringLiteral("0"));   // column 0 is never written
    grid.SetItemText(1, 1, QStringLiteral("12"));
    grid.SetItemText(1, 3, QStringLiteral("H\u00e4rte"));
    grid.SetItemText(2, 2, QStringLiteral("x"));

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grid.WriteText(out, QStringLiteral("Kestrel 2 123 V: 1.0")));
    EXPECT_EQ(out.data(), QByteArray("Kestrel 2 123 V: 1.0\r\n"
                                     "Index\tValue\t\r\n"
                                     "12\t\tH\xc3\xa4rte\r\n"
                                     "\tx\t\r\n"));

    QBuffer noHeader;
    noHeader.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grid.WriteText(noHeader, QString(), QLatin1Char(';')));
    EXPECT_TRUE(noHeader.data().startsWith("Index;Value;\r\n"));
}

TEST(GridText, AFailedWriteIsReported)
{
    CGridCtrl grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(20000);
    for (int r = 0; r < grid.GetRowCount(); ++r)
        grid.SetItemText(r, 1, QStringLiteral("measurement %1").arg(r));
    FullDevice full(1000);
    EXPECT_FALSE(grid.WriteText(full, QStringLiteral("header")));
    FullDevice none(0);
    EXPECT_FALSE(grid.WriteText(none, QString()));
}

TEST_F(GridTest, DrawRowPaintsCellsWithTheGridsSizesAndColours)
{
    grid->SetColumnWidth(0, 30);
    grid->SetItemBkColour(2, 1, QColor(Qt::green));
    grid->SetItemText(2, 1, QString());
    grid->SetColumnWidth(3, 0);   // hidden columns take no room

    QImage image(1000, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    int height = 0;
    {
        QPainter painter(&image);
        height = grid->DrawRows(painter, 0, 2, QPointF(0, 0));
    }
    EXPECT_EQ(height, 3 * 22);
    // Row 2 (third row drawn) column 1 spans x 30..130 and y 44..66.
    EXPECT_EQ(image.pixelColor(80, 55), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(80, 30), QColor(Qt::white));   // row 1, column 1: default body
    // The title row gets the button colour.
    EXPECT_EQ(image.pixelColor(80, 11), grid->palette().color(QPalette::Button));
    // Columns 0, 1, 2, 4..8 drawn: 30 + 7 * 100 = 730 wide; beyond stays white.
    EXPECT_EQ(image.pixelColor(760, 55), QColor(Qt::white));
    EXPECT_EQ(grid->DrawRow(*std::make_unique<QPainter>(&image), kRows, QPointF()), 0);
}

} // namespace
