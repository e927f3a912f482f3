#include "grid/GridModel.h"

#include "grid/GridPaint.h"

#include <QApplication>
#include <QPalette>

CGridModel::CGridModel(CGridCtrl* grid) : QAbstractTableModel(grid), m_grid(grid) {}

void CGridModel::Clear()
{
    beginResetModel();
    m_rows.Clear();
    m_fixedRows = 0;
    m_fixedColumns = 0;
    m_viewRows = 0;
    endResetModel();
}

void CGridModel::SetColumnCount(int columns)
{
    const int old = m_rows.ColumnCount();
    if (columns == old)
        return;
    if (columns > old) {
        beginInsertColumns(QModelIndex(), old, columns - 1);
        m_rows.SetColumnCount(columns);
        endInsertColumns();
    } else {
        beginRemoveColumns(QModelIndex(), columns, old - 1);
        m_rows.SetColumnCount(columns);
        endRemoveColumns();
    }
}

void CGridModel::SetFixedRows(int rows)
{
    if (rows == m_fixedRows)
        return;
    beginResetModel();
    m_fixedRows = rows;
    m_viewRows = BodyRows();
    endResetModel();
}

void CGridModel::SetFixedColumns(int columns)
{
    if (columns == m_fixedColumns)
        return;
    Sync();
    beginResetModel();
    m_fixedColumns = columns;
    endResetModel();
}

void CGridModel::InsertGridRows(int row, int count, int height)
{
    if (count <= 0)
        return;
    if (row >= m_fixedRows && row == m_rows.RowCount()) {
        m_rows.InsertRows(row, count, height);
        if (!m_syncQueued) {
            m_syncQueued = true;
            QMetaObject::invokeMethod(this, &CGridModel::Sync, Qt::QueuedConnection);
        }
        return;
    }
    Sync();
    if (row >= m_fixedRows) {
        beginInsertRows(QModelIndex(), row - m_fixedRows, row - m_fixedRows + count - 1);
        m_rows.InsertRows(row, count, height);
        m_viewRows += count;
        endInsertRows();
    } else {
        // The grid never inserts inside the title rows; should it happen, the view starts over.
        beginResetModel();
        m_rows.InsertRows(row, count, height);
        m_viewRows = BodyRows();
        endResetModel();
    }
}

void CGridModel::RemoveGridRows(int row, int count)
{
    if (count <= 0)
        return;
    Sync();
    if (row >= m_fixedRows) {
        beginRemoveRows(QModelIndex(), row - m_fixedRows, row - m_fixedRows + count - 1);
        m_rows.RemoveRows(row, count);
        m_viewRows -= count;
        endRemoveRows();
    } else {
        beginResetModel();
        m_rows.RemoveRows(row, count);
        m_viewRows = BodyRows();
        endResetModel();
    }
}

void CGridModel::Sync()
{
    m_syncQueued = false;
    const int body = BodyRows();
    if (body <= m_viewRows)
        return;
    beginInsertRows(QModelIndex(), m_viewRows, body - 1);
    m_viewRows = body;
    endInsertRows();
}

void CGridModel::ScheduleRepaint()
{
    if (m_repaintQueued)
        return;
    m_repaintQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            m_repaintQueued = false;
            m_grid->Invalidate();
        },
        Qt::QueuedConnection);
}

void CGridModel::CellChanged(int, int)
{
    ScheduleRepaint();
}

QDateTime CGridModel::DateTimeValue(int row, int column) const
{
    if (!m_rows.IsCell(row, column))
        return {};
    const GridCellData& cell = m_rows.Cell(row, column);
    if (cell.Type() != GridCellType::DateTime || !cell.Has(GridCellData::FlagDateValid))
        return {};
    return GridDateTimeOf(cell.value);
}

QString CGridModel::DisplayText(int row, int column) const
{
    if (!m_rows.IsCell(row, column))
        return {};
    const GridCellData& cell = m_rows.Cell(row, column);
    if (cell.Type() == GridCellType::DateTime) {
        if (!cell.Has(GridCellData::FlagDateValid))
            return {};
        return GridFormatWallClock(cell.value, cell.Has(GridCellData::FlagTimeDisplay));
    }
    return m_rows.Text(row, column);
}

QFont CGridModel::EffectiveFont(int row, int column) const
{
    if (m_rows.IsCell(row, column)) {
        if (const QFont* font = m_rows.Font(m_rows.Cell(row, column).font))
            return *font;
    }
    return m_grid->font();
}

int CGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_viewRows;
}

int CGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.ColumnCount();
}

QVariant CGridModel::CellData(int row, int column, int role) const
{
    if (!m_rows.IsCell(row, column))
        return {};
    const GridCellData& cell = m_rows.Cell(row, column);
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row, column);
    case Qt::EditRole:
        if (cell.Type() == GridCellType::DateTime)
            return DateTimeValue(row, column);
        return m_rows.Text(row, column);
    case Qt::FontRole:
        if (const QFont* font = m_rows.Font(cell.font))
            return *font;
        return {};
    case Qt::ForegroundRole:
        if (cell.Has(GridCellData::FlagTextColour))
            return QColor::fromRgb(cell.textColour);
        return {};
    case Qt::BackgroundRole:
        if (cell.Has(GridCellData::FlagBackColour))
            return QColor::fromRgb(cell.backColour);
        return {};
    case Qt::TextAlignmentRole: {
        static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft};
        return QVariant::fromValue(kAlign[cell.flags & GridCellData::AlignMask] | Qt::AlignVCenter);
    }
    case Qt::DecorationRole:
        if (cell.image >= 0 && cell.image < m_grid->GetImageList().size())
            return m_grid->GetImageList()[cell.image];
        return {};
    case GridRole::CellType:
        return static_cast<int>(cell.Type());
    case GridRole::Options:
        return m_rows.OptionList(cell.Type() == GridCellType::DropDown ? cell.value : 0);
    case GridRole::FreeText:
        return cell.Has(GridCellData::FlagFreeText);
    case GridRole::TimeDisplay:
        return cell.Has(GridCellData::FlagTimeDisplay);
    case GridRole::ImageIndex:
        return static_cast<int>(cell.image);
    case GridRole::Fixed:
        return row < m_fixedRows || column < m_fixedColumns;
    default:
        return {};
    }
}

QVariant CGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    return CellData(index.row() + m_fixedRows, index.column(), role);
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || m_fixedRows == 0)
        return {};
    return CellData(0, section, role);
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < m_fixedColumns)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_rows.Cell(index.row() + m_fixedRows, index.column()).Has(GridCellData::FlagReadOnly))
        f |= Qt::ItemIsEditable;
    return f;
}

bool CGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row() + m_fixedRows;
    const int column = index.column();
    GridCellData& cell = m_rows.Cell(row, column);
    bool changed = false;
    if (cell.Type() == GridCellType::DateTime) {
        const QDateTime dt = value.toDateTime();
        if (!dt.isValid())
            return false;
        const qint64 ms = GridWallClock(dt);
        changed = !cell.Has(GridCellData::FlagDateValid) || cell.value != ms;
        cell.value = ms;
        cell.Set(GridCellData::FlagDateValid, true);
    } else {
        const QString text = value.toString();
        if (cell.Type() == GridCellType::DropDown && !cell.Has(GridCellData::FlagFreeText)
            && !m_rows.OptionList(cell.value).contains(text))
            return false;
        changed = m_rows.SetText(row, column, text);
    }
    if (changed) {
        emit dataChanged(index, index);
        m_grid->NoteEditedCell(row, column);
    }
    return changed;
}
