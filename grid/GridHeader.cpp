#include "grid/GridHeader.h"

#include "grid/GridCtrl.h"
#include "grid/GridModel.h"
#include "grid/GridPaint.h"

#include <QMouseEvent>
#include <QPainter>

CGridHeader::CGridHeader(CGridCtrl* grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CGridHeader::SetRowHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    updateGeometry();
}

QSize CGridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(m_height);
    return size;
}

void CGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QAbstractItemModel* m = model();
    if (m == nullptr)
        return;
    GridCellLook look;
    look.text = m->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString();
    const QVariant font = m->headerData(logicalIndex, Qt::Horizontal, Qt::FontRole);
    look.font = font.isValid() ? font.value<QFont>() : this->font();
    look.alignment = m->headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>()
                     & Qt::AlignHorizontal_Mask;
    const int image = m->headerData(logicalIndex, Qt::Horizontal, GridRole::ImageIndex).toInt();
    if (image >= 0 && image < m_grid->GetImageList().size())
        look.image = &m_grid->GetImageList()[image];
    const QVariant back = m->headerData(logicalIndex, Qt::Horizontal, Qt::BackgroundRole);
    look.background = back.isValid() ? back.value<QColor>() : palette().color(QPalette::Button);
    const QVariant fore = m->headerData(logicalIndex, Qt::Horizontal, Qt::ForegroundRole);
    look.textColour = fore.isValid() ? fore.value<QColor>() : palette().color(QPalette::ButtonText);
    PaintGridCell(*painter, rect, look);

    painter->save();
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}

void CGridHeader::mouseReleaseEvent(QMouseEvent* event)
{
    QHeaderView::mouseReleaseEvent(event);
    const int column = logicalIndexAt(event->position().toPoint());
    m_grid->HeaderMouseReleased(event->button(), column);
}
