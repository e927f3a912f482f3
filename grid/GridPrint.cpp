// CGridCtrl: drawing rows onto any painter, for the printout.
#include "grid/GridCtrl.h"

#include "grid/GridModel.h"
#include "grid/GridPaint.h"

#include <QPainter>

int CGridCtrl::DrawRow(QPainter& painter, int row, const QPointF& topLeft, const QFont* baseFont) const
{
    if (row < 0 || row >= GetRowCount())
        return 0;
    const int height = GetRowHeight(row);
    if (height == 0)
        return 0;
    const QPalette& colours = palette();
    const bool fixedRow = row < m_model->FixedRows();
    qreal x = topLeft.x();
    for (int column = 0; column < GetColumnCount(); ++column) {
        const int width = GetColumnWidth(column);
        if (width == 0)
            continue;
        const QRectF rect(x, topLeft.y(), width, height);
        const bool fixed = fixedRow || column < m_model->FixedColumns();

        GridCellLook look;
        look.text = GetItemText(row, column);
        const QFont cellFont = GetItemFont(row, column);
        if (baseFont != nullptr) {
            look.font = *baseFont;
            look.font.setWeight(cellFont.weight());
            look.font.setItalic(cellFont.italic());
        } else {
            look.font = cellFont;
        }
        look.alignment = GetItemFormat(row, column);
        const int image = GetItemImage(row, column);
        if (image >= 0 && image < m_images.size())
            look.image = &m_images[image];
        const QColor back = GetItemBkColour(row, column);
        look.background = back.isValid() ? back : (fixed ? colours.color(QPalette::Button) : QColor());
        const QColor fore = GetItemFgColour(row, column);
        look.textColour = fore.isValid() ? fore : QColor(Qt::black);
        PaintGridCell(painter, rect, look);

        painter.save();
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        painter.restore();
        x += width;
    }
    return height;
}

int CGridCtrl::DrawRows(QPainter& painter, int firstRow, int lastRow, const QPointF& topLeft,
                        const QFont* baseFont) const
{
    qreal y = topLeft.y();
    for (int row = std::max(firstRow, 0); row <= lastRow && row < GetRowCount(); ++row)
        y += DrawRow(painter, row, QPointF(topLeft.x(), y), baseFont);
    return static_cast<int>(y - topLeft.y());
}
