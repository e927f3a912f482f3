// CGridCtrl: structure, sizes, modes and the widget's event handling.
#include "grid/GridCtrl.h"

#include "grid/GridHeader.h"
#include "grid/GridItemDelegate.h"
#include "grid/GridModel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

CGridCtrl::CGridCtrl(QWidget* parent)
    : QTableView(parent), m_model(new CGridModel(this)), m_delegate(new CGridItemDelegate(this))
{
    setHorizontalHeader(new CGridHeader(this));
    setModel(m_model);
    setItemDelegate(m_delegate);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(m_defaultHeight);
    horizontalHeader()->setDefaultSectionSize(m_defaultWidth);
    horizontalHeader()->hide();

    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    // Tab goes on to the window's next control; the arrow keys move within the table.
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(m_model, &QAbstractItemModel::modelReset, this, &CGridCtrl::ModelWasReset);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        // A column the user dragged keeps its new width.
        if (!m_applyingWidths && column >= 0 && static_cast<std::size_t>(column) < m_columnWidths.size())
            m_columnWidths[static_cast<std::size_t>(column)] = size;
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        const int row = section + m_model->FixedRows();
        if (!m_applyingWidths && m_model->Rows().IsCell(row, 0) && size > 0)
            m_model->Rows().Row(row).height = size;
    });
}

CGridCtrl::~CGridCtrl() = default;

CGridHeader* CGridCtrl::Header() const
{
    return static_cast<CGridHeader*>(horizontalHeader());
}

QModelIndex CGridCtrl::IndexOf(int row, int column) const
{
    m_model->Sync();
    const int fixed = m_model->FixedRows();
    if (row < fixed || !m_model->Rows().IsCell(row, column))
        return {};
    return m_model->index(row - fixed, column);
}

void CGridCtrl::Emit(int code, int row, int column)
{
    switch (code) {
    case GridNotify::Click:
        emit cellClicked(row, column);
        break;
    case GridNotify::RightClick:
        emit cellRightClicked(row, column);
        break;
    case GridNotify::EndInPlaceEdit:
        emit inPlaceEditEnded(row, column);
        break;
    case GridNotify::Key:
        emit keyNotification(row, column);
        break;
    default:
        break;
    }
    emit notify(code, row, column);
}

// ---- images ---------------------------------------------------------------------------------

void CGridCtrl::SetImageList(const QList<QPixmap>& images)
{
    m_images = images;
    Invalidate();
}

const QList<QPixmap>& CGridCtrl::GetImageList() const
{
    return m_images;
}

// ---- size and structure ---------------------------------------------------------------------

void CGridCtrl::DeleteAllItems()
{
    m_columnWidths.clear();
    m_model->Clear();
}

bool CGridCtrl::SetRowCount(int rows)
{
    const int current = GetRowCount();
    if (rows < 0 || rows < m_model->FixedRows())
        return false;
    if (rows > current)
        m_model->InsertGridRows(current, rows - current, m_defaultHeight);
    else if (rows < current)
        m_model->RemoveGridRows(rows, current - rows);
    return true;
}

int CGridCtrl::GetRowCount() const
{
    return m_model->Rows().RowCount();
}

bool CGridCtrl::SetColumnCount(int columns)
{
    if (columns < 0 || columns < m_model->FixedColumns())
        return false;
    m_columnWidths.resize(static_cast<std::size_t>(columns), m_defaultWidth);
    m_model->SetColumnCount(columns);
    return true;
}

int CGridCtrl::GetColumnCount() const
{
    return m_model->Rows().ColumnCount();
}

bool CGridCtrl::SetFixedRowCount(int rows)
{
    if (rows < 0 || rows > 1)
        return false;
    if (GetRowCount() < rows)
        SetRowCount(rows);
    m_model->SetFixedRows(rows);
    return true;
}

int CGridCtrl::GetFixedRowCount() const
{
    return m_model->FixedRows();
}

bool CGridCtrl::SetFixedColumnCount(int columns)
{
    if (columns < 0)
        return false;
    if (GetColumnCount() < columns)
        SetColumnCount(columns);
    m_model->SetFixedColumns(columns);
    return true;
}

int CGridCtrl::GetFixedColumnCount() const
{
    return m_model->FixedColumns();
}

int CGridCtrl::InsertRow(int row)
{
    return InsertRows(row, 1);
}

int CGridCtrl::InsertRows(int row, int count)
{
    const int rows = GetRowCount();
    if (row == -1)
        row = rows;
    if (row < m_model->FixedRows() || row > rows || count < 1)
        return -1;
    m_model->InsertGridRows(row, count, m_defaultHeight);
    return row;
}

bool CGridCtrl::DeleteRow(int row)
{
    return DeleteRows(row, 1);
}

bool CGridCtrl::DeleteRows(int row, int count)
{
    if (row < m_model->FixedRows() || count < 1 || count > GetRowCount() - row)
        return false;
    m_model->RemoveGridRows(row, count);
    return true;
}

// A model reset forgets the view's section sizes: give them back.
void CGridCtrl::ModelWasReset()
{
    m_editedCell = {};
    horizontalHeader()->setVisible(m_model->FixedRows() > 0);
    if (m_model->FixedRows() > 0)
        Header()->SetRowHeight(m_model->Rows().Row(0).height);
    ApplyColumnWidths();
    ApplyRowHeights();
    updateGeometries();
}

// ---- sizes ----------------------------------------------------------------------------------

void CGridCtrl::SetDefaultCellWidth(int width)
{
    if (width < 0)
        return;
    m_defaultWidth = width;
    m_applyingWidths = true;
    horizontalHeader()->setDefaultSectionSize(width);   // resizes every column: restore them
    m_applyingWidths = false;
    ApplyColumnWidths();
}

int CGridCtrl::GetDefaultCellWidth() const
{
    return m_defaultWidth;
}

void CGridCtrl::SetDefaultCellHeight(int height)
{
    if (height < 0)
        return;
    m_defaultHeight = height;
    m_applyingWidths = true;
    verticalHeader()->setDefaultSectionSize(height);   // resizes every row: restore them
    m_applyingWidths = false;
    ApplyRowHeights();
}

int CGridCtrl::GetDefaultCellHeight() const
{
    return m_defaultHeight;
}

void CGridCtrl::ApplyColumnWidth(int column)
{
    const int width = m_columnWidths[static_cast<std::size_t>(column)];
    m_applyingWidths = true;
    if (width == 0) {
        setColumnHidden(column, true);
    } else {
        setColumnHidden(column, false);
        horizontalHeader()->resizeSection(column, width);
    }
    m_applyingWidths = false;
}

void CGridCtrl::ApplyColumnWidths()
{
    for (int c = 0; c < static_cast<int>(m_columnWidths.size()) && c < GetColumnCount(); ++c)
        ApplyColumnWidth(c);
}

void CGridCtrl::ApplyRowHeight(int row)
{
    m_model->Sync();
    const int fixed = m_model->FixedRows();
    const int height = m_model->Rows().Row(row).height;
    if (row < fixed) {
        Header()->SetRowHeight(height);
        updateGeometries();
        return;
    }
    m_applyingWidths = true;
    if (height == 0) {
        setRowHidden(row - fixed, true);
    } else {
        setRowHidden(row - fixed, false);
        verticalHeader()->resizeSection(row - fixed, height);
    }
    m_applyingWidths = false;
}

void CGridCtrl::ApplyRowHeights()
{
    m_model->Sync();
    const int defaultSize = verticalHeader()->defaultSectionSize();
    const int fixed = m_model->FixedRows();
    for (int r = 0; r < GetRowCount(); ++r) {
        if (r < fixed || m_model->Rows().Row(r).height != defaultSize || isRowHidden(r - fixed))
            ApplyRowHeight(r);
    }
}

bool CGridCtrl::SetColumnWidth(int column, int width)
{
    if (column < 0 || column >= GetColumnCount() || width < 0)
        return false;
    m_columnWidths[static_cast<std::size_t>(column)] = width;
    ApplyColumnWidth(column);
    return true;
}

int CGridCtrl::GetColumnWidth(int column) const
{
    if (column < 0 || column >= GetColumnCount())
        return 0;
    return m_columnWidths[static_cast<std::size_t>(column)];
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= GetRowCount() || height < 0)
        return false;
    m_model->Rows().Row(row).height = height;
    ApplyRowHeight(row);
    return true;
}

int CGridCtrl::GetRowHeight(int row) const
{
    if (row < 0 || row >= GetRowCount())
        return 0;
    return m_model->Rows().Row(row).height;
}

int CGridCtrl::GetVirtualWidth() const
{
    int width = 0;
    for (int w : m_columnWidths)
        width += w;
    return width;
}

int CGridCtrl::GetVirtualHeight() const
{
    int height = 0;
    for (int r = 0; r < GetRowCount(); ++r)
        height += m_model->Rows().Row(r).height;
    return height;
}

// ---- modes ----------------------------------------------------------------------------------

void CGridCtrl::SetFullRowSelection(bool on)
{
    m_fullRow = on;
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

bool CGridCtrl::GetFullRowSelection() const
{
    return m_fullRow;
}

void CGridCtrl::SetColumnResize(bool allow)
{
    m_columnResize = allow;
    horizontalHeader()->setSectionResizeMode(allow ? QHeaderView::Interactive : QHeaderView::Fixed);
}

bool CGridCtrl::GetColumnResize() const
{
    return m_columnResize;
}

void CGridCtrl::SetRowResize(bool allow)
{
    m_rowResize = allow;
    verticalHeader()->setSectionResizeMode(allow ? QHeaderView::Interactive : QHeaderView::Fixed);
}

bool CGridCtrl::GetRowResize() const
{
    return m_rowResize;
}

// ---- events ---------------------------------------------------------------------------------

bool CGridCtrl::event(QEvent* e)
{
    // Claim the keys the grid handles itself before a window shortcut takes them.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)
            || (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier)) {
            e->accept();
            return true;
        }
    }
    return QTableView::event(e);
}

void CGridCtrl::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::SelectAll)) {
        SelectAllCells();
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::Copy)) {
        Copy();
        e->accept();
        return;
    }
    const Qt::KeyboardModifiers modifiers = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        Emit(GridNotify::Key, GridKey::Delete, 1);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_S && modifiers == Qt::ControlModifier) {
        Emit(GridNotify::Key, GridKey::CtrlS, 2);
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Home || e->key() == Qt::Key_End) && modifiers == Qt::ControlModifier) {
        SelectEdgeRow(e->key() == Qt::Key_Home);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        // The keyboard's other way to the context menu, like the menu key.
        const GridCellId focus = GetFocusCell();
        const QRect cell = focus.IsValid() ? GetCellRect(focus.row, focus.column) : QRect();
        const QPoint at = cell.isEmpty() ? rect().center() : cell.center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        QCoreApplication::sendEvent(this, &menu);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        const GridCellId focus = GetFocusCell();
        if (focus.IsValid() && focus.column == 0) {
            Emit(GridNotify::Key, GridKey::Space, focus.row);
            e->accept();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

void CGridCtrl::SelectEdgeRow(bool first)
{
    const int rows = GetRowCount();
    const int fixed = m_model->FixedRows();
    if (rows <= fixed)
        return;
    const int row = first ? fixed : rows - 1;
    const int column = std::max(GetFocusCell().column, m_model->FixedColumns());
    SetSelectedRange(row, 0, row, GetColumnCount() - 1);
    SetFocusCell(row, column);
    EnsureVisible(row, column);
}

void CGridCtrl::mousePressEvent(QMouseEvent* e)
{
    // The right button opens the caller's context menu for the selection: it selects a row
    // that is not selected yet, and otherwise leaves the selection as it is (also below the
    // last row, where a left press would clear it).
    if (e->button() == Qt::RightButton) {
        const QModelIndex index = indexAt(e->position().toPoint());
        if (!index.isValid() || selectionModel()->isSelected(index)) {
            e->accept();
            return;
        }
    }
    QTableView::mousePressEvent(e);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* e)
{
    const Qt::MouseButton button = e->button();
    const QModelIndex index = indexAt(e->position().toPoint());
    QTableView::mouseReleaseEvent(e);
    const int row = index.isValid() ? index.row() + m_model->FixedRows() : -1;
    const int column = index.isValid() ? index.column() : -1;
    if (button == Qt::LeftButton && index.isValid())
        Emit(GridNotify::Click, row, column);
    else if (button == Qt::RightButton)
        Emit(GridNotify::RightClick, row, column);
}

void CGridCtrl::HeaderMouseReleased(Qt::MouseButton button, int column)
{
    const bool hit = column >= 0 && m_model->FixedRows() > 0;
    if (button == Qt::LeftButton && hit)
        Emit(GridNotify::Click, 0, column);
    else if (button == Qt::RightButton)
        Emit(GridNotify::RightClick, hit ? 0 : -1, hit ? column : -1);
}

void CGridCtrl::NoteEditedCell(int row, int column)
{
    m_editedCell = {row, column};
}

void CGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (!m_editedCell.IsValid())
        return;
    const GridCellId edited = m_editedCell;
    m_editedCell = {};
    Emit(GridNotify::EndInPlaceEdit, edited.row, edited.column);
}

void CGridCtrl::Invalidate()
{
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void CGridCtrl::SetCellOverlay(CellOverlayFn overlay)
{
    m_overlay = std::move(overlay);
    Invalidate();
}
