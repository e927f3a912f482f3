#pragma once
// CGridItemDelegate: paints body cells from their attributes and provides the in-place editors:
// a line editor for plain cells, a fixed option list for drop-down cells and a date-time picker
// showing the date or the time for date-time cells.

#include <QStyledItemDelegate>

class CGridCtrl;

class CGridItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CGridItemDelegate(CGridCtrl* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CGridCtrl* m_grid;
};
