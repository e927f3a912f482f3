// CGridCtrl: selection, focus cell, cell geometry and scrolling.
#include "grid/GridCtrl.h"

#include "grid/GridHeader.h"
#include "grid/GridModel.h"

#include <QItemSelection>
#include <QScrollBar>

#include <algorithm>

GridRange CGridCtrl::GetSelectedCellRange() const
{
    const int fixedRows = m_model->FixedRows();
    const int fixedColumns = m_model->FixedColumns();
    GridRange range;
    bool any = false;
    for (const QItemSelectionRange& part : selectionModel()->selection()) {
        if (!part.isValid())
            continue;
        const int left = std::max(part.left(), fixedColumns);
        if (left > part.right())
            continue;
        const int top = part.top() + fixedRows;
        const int bottom = part.bottom() + fixedRows;
        if (!any) {
            range = {top, left, bottom, part.right()};
            any = true;
        } else {
            range.minRow = std::min(range.minRow, top);
            range.minColumn = std::min(range.minColumn, left);
            range.maxRow = std::max(range.maxRow, bottom);
            range.maxColumn = std::max(range.maxColumn, part.right());
        }
    }
    return range;
}

bool CGridCtrl::IsCellSelected(int row, int column) const
{
    const QModelIndex index = IndexOf(row, column);
    return index.isValid() && column >= m_model->FixedColumns() && selectionModel()->isSelected(index);
}

void CGridCtrl::SetSelectedRange(int minRow, int minColumn, int maxRow, int maxColumn)
{
    minRow = std::max(minRow, m_model->FixedRows());
    minColumn = std::max(minColumn, m_model->FixedColumns());
    maxRow = std::min(maxRow, GetRowCount() - 1);
    maxColumn = std::min(maxColumn, GetColumnCount() - 1);
    if (minRow > maxRow || minColumn > maxColumn) {
        selectionModel()->clearSelection();
        return;
    }
    const QItemSelection selection(IndexOf(minRow, minColumn), IndexOf(maxRow, maxColumn));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CGridCtrl::SetSelectedRange(const GridRange& range)
{
    if (!range.IsValid()) {
        selectionModel()->clearSelection();
        return;
    }
    SetSelectedRange(range.minRow, range.minColumn, range.maxRow, range.maxColumn);
}

void CGridCtrl::SelectAllCells()
{
    SetSelectedRange(m_model->FixedRows(), m_model->FixedColumns(), GetRowCount() - 1, GetColumnCount() - 1);
}

QRect CGridCtrl::GetCellRect(int row, int column) const
{
    if (!m_model->Rows().IsCell(row, column) || GetColumnWidth(column) == 0 || GetRowHeight(row) == 0)
        return {};
    if (row < m_model->FixedRows()) {
        const QHeaderView* header = horizontalHeader();
        if (header->isHidden())
            return {};
        return QRect(header->x() + header->sectionViewportPosition(column), header->y(),
                     header->sectionSize(column), header->height());
    }
    // After a change of rows the view lays itself out late; positions must be current now.
    m_model->Sync();
    const_cast<CGridCtrl*>(this)->executeDelayedItemsLayout();
    const int fixed = m_model->FixedRows();
    if (isRowHidden(row - fixed) || isColumnHidden(column))
        return {};
    return QRect(columnViewportPosition(column), rowViewportPosition(row - fixed), columnWidth(column),
                 rowHeight(row - fixed))
        .translated(viewport()->pos());
}

GridCellId CGridCtrl::GetCellFromPt(const QPoint& point) const
{
    const QHeaderView* header = horizontalHeader();
    if (m_model->FixedRows() > 0 && !header->isHidden() && header->geometry().contains(point)) {
        const int column = header->logicalIndexAt(point.x() - header->x());
        return column >= 0 ? GridCellId{0, column} : GridCellId{};
    }
    if (!viewport()->geometry().contains(point))
        return {};
    const QModelIndex index = indexAt(point - viewport()->pos());
    if (!index.isValid())
        return {};
    return {index.row() + m_model->FixedRows(), index.column()};
}

void CGridCtrl::EnsureVisible(int row, int column)
{
    if (!m_model->Rows().IsCell(row, column))
        return;
    // Scroll bar ranges are brought up to date by the delayed layout: run it first, so that a
    // row appended just now can be scrolled to at once.
    m_model->Sync();
    executeDelayedItemsLayout();
    if (row >= m_model->FixedRows()) {
        scrollTo(IndexOf(row, column), QAbstractItemView::EnsureVisible);
        return;
    }
    // A title cell never scrolls vertically: bring its column into view.
    const QHeaderView* header = horizontalHeader();
    const int left = header->sectionPosition(column);
    const int right = left + header->sectionSize(column);
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width();
    if (left < bar->value())
        bar->setValue(left);
    else if (right > bar->value() + width)
        bar->setValue(std::min(left, right - width));
}

void CGridCtrl::SetFocusCell(int row, int column)
{
    const QModelIndex index = column >= m_model->FixedColumns() ? IndexOf(row, column) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

GridCellId CGridCtrl::GetFocusCell() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return {};
    return {index.row() + m_model->FixedRows(), index.column()};
}
