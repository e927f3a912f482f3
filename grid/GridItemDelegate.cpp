#include "grid/GridItemDelegate.h"

#include "grid/GridCtrl.h"
#include "grid/GridModel.h"
#include "grid/GridPaint.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kMarkLeft = 3;      // room before the mark
constexpr int kMarkGap = 4;       // at least this much between the mark and a right-aligned text
constexpr qreal kMarkMinPoints = 6.0;

// A short mark at the left edge of a cell, bold, over whatever the cell drew. Beside a
// right-aligned text it is drawn smaller when its full size would run into that text (a long mark
// in some languages, a long series number); what still does not fit at the smallest size is cut
// off before the text, never drawn over it.
void PaintOverlayMark(QPainter& painter, const QRect& rect, const GridCellLook& look, const QColor& colour,
                      const QString& mark)
{
    QFont font = look.font;
    font.setBold(true);
    int room = rect.width() - kMarkLeft - 2;
    if (look.alignment & Qt::AlignRight)
        room -= QFontMetrics(font).horizontalAdvance(look.text) + kMarkGap;
    if (room <= 0)
        return;
    const int wanted = QFontMetrics(font).horizontalAdvance(mark);
    painter.save();
    if (wanted > room) {
        const qreal scale = qreal(room) / wanted;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(qMax(kMarkMinPoints, font.pointSizeF() * scale));
        else
            font.setPixelSize(qMax(8, int(font.pixelSize() * scale)));
    }
    painter.setFont(font);
    painter.setPen(colour);
    const QRect markRect(rect.left() + kMarkLeft, rect.top(), room, rect.height());
    painter.setClipRect(markRect);
    painter.drawText(markRect, Qt::AlignLeft | Qt::AlignVCenter, mark);
    painter.restore();
}
} // namespace

CGridItemDelegate::CGridItemDelegate(CGridCtrl* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void CGridItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QPalette& palette = option.palette;
    const bool fixed = index.data(GridRole::Fixed).toBool();
    const bool selected = (option.state & QStyle::State_Selected) && !fixed;

    GridCellLook look;
    look.text = index.data(Qt::DisplayRole).toString();
    const QVariant font = index.data(Qt::FontRole);
    look.font = font.isValid() ? font.value<QFont>() : option.font;
    look.alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    const int image = index.data(GridRole::ImageIndex).toInt();
    const QList<QPixmap>& images = m_grid->GetImageList();
    if (image >= 0 && image < images.size())
        look.image = &images[image];
    if (selected) {
        look.background = palette.color(QPalette::Highlight);
        look.textColour = palette.color(QPalette::HighlightedText);
    } else {
        const QVariant back = index.data(Qt::BackgroundRole);
        look.background = back.isValid() ? back.value<QColor>()
                                         : palette.color(fixed ? QPalette::Button : QPalette::Base);
        const QVariant fore = index.data(Qt::ForegroundRole);
        look.textColour = fore.isValid() ? fore.value<QColor>() : palette.color(QPalette::Text);
    }
    GridCellOverlay overlay;
    if (m_grid->CellOverlay() && !fixed)
        overlay = m_grid->CellOverlay()(index.row() + m_grid->GetFixedRowCount(), index.column());
    if (!selected && overlay.tint.isValid())
        look.background = overlay.tint;
    PaintGridCell(*painter, option.rect, look);
    if (!overlay.mark.isEmpty())
        PaintOverlayMark(*painter, option.rect, look, selected ? look.textColour : overlay.markColour, overlay.mark);

    if (option.state & QStyle::State_HasFocus) {
        painter->save();
        QPen pen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        pen.setStyle(Qt::DotLine);
        painter->setPen(pen);
        painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -1.5, -1.5));
        painter->restore();
    }
}

QWidget* CGridItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    switch (static_cast<GridCellType>(index.data(GridRole::CellType).toInt())) {
    case GridCellType::DropDown: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(index.data(GridRole::FreeText).toBool());
        combo->addItems(index.data(GridRole::Options).toStringList());
        combo->setFrame(false);
        // Choosing an option ends the edit at once, as a drop-down list in a grid does.
        connect(combo, &QComboBox::activated, this, [this, combo](int) {
            auto* self = const_cast<CGridItemDelegate*>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        return combo;
    }
    case GridCellType::DateTime: {
        auto* edit = new QDateTimeEdit(parent);
        const bool time = index.data(GridRole::TimeDisplay).toBool();
        edit->setDisplayFormat(time ? GridTimeFormat() : GridDateFormat());
        edit->setCalendarPopup(!time);
        edit->setFrame(false);
        return edit;
    }
    case GridCellType::Plain:
        break;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void CGridItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        const int found = combo->findText(text, Qt::MatchExactly);
        if (found >= 0)
            combo->setCurrentIndex(found);
        else if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(-1);
        return;
    }
    if (auto* edit = qobject_cast<QDateTimeEdit*>(editor)) {
        const QDateTime value = index.data(Qt::EditRole).toDateTime();
        edit->setDateTime(value.isValid() ? value : QDateTime::currentDateTime());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CGridItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable() || combo->currentIndex() >= 0)
            model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    if (auto* edit = qobject_cast<QDateTimeEdit*>(editor)) {
        model->setData(index, edit->dateTime(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void CGridItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}
