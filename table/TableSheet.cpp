#include "table/TableSheet.h"

#include "grid/GridTextWriter.h"

#include <QIODevice>

void CTableSheet::DeleteAllItems()
{
    m_rows = m_columns = m_fixedRows = 0;
    m_texts.clear();
    m_kinds.clear();
}

void CTableSheet::Reshape(int rows, int columns)
{
    if (columns == m_columns) {
        const std::size_t size = std::size_t(rows) * std::size_t(columns);
        m_texts.resize(size);
        m_kinds.resize(size, Plain);
    } else {
        std::vector<QString> texts(std::size_t(rows) * std::size_t(columns));
        std::vector<Kind> kinds(texts.size(), Plain);
        for (int r = 0; r < std::min(rows, m_rows); ++r)
            for (int c = 0; c < std::min(columns, m_columns); ++c) {
                const std::size_t to = std::size_t(r) * std::size_t(columns) + std::size_t(c);
                texts[to] = m_texts[Index(r, c)];
                kinds[to] = m_kinds[Index(r, c)];
            }
        m_texts.swap(texts);
        m_kinds.swap(kinds);
    }
    m_rows = rows;
    m_columns = columns;
}

bool CTableSheet::SetRowCount(int rows)
{
    if (rows < 0 || rows < m_fixedRows)
        return false;
    Reshape(rows, m_columns);
    return true;
}

bool CTableSheet::SetColumnCount(int columns)
{
    if (columns < 0)
        return false;
    Reshape(m_rows, columns);
    return true;
}

bool CTableSheet::SetFixedRowCount(int rows)
{
    if (rows < 0 || rows > 1)
        return false;
    if (m_rows < rows)
        SetRowCount(rows);
    m_fixedRows = rows;
    return true;
}

bool CTableSheet::SetFixedColumnCount(int columns)
{
    if (columns < 0)
        return false;
    if (m_columns < columns)
        SetColumnCount(columns);
    return true;
}

int CTableSheet::InsertRow(int row)
{
    return InsertRows(row, 1);
}

int CTableSheet::InsertRows(int row, int count)
{
    if (row == -1)
        row = m_rows;
    if (row < m_fixedRows || row > m_rows || count < 1)
        return -1;
    const auto at = std::ptrdiff_t(row) * m_columns;
    const auto cells = std::size_t(count) * std::size_t(m_columns);
    m_texts.insert(m_texts.begin() + at, cells, QString());
    m_kinds.insert(m_kinds.begin() + at, cells, Plain);
    m_rows += count;
    return row;
}

bool CTableSheet::DeleteRow(int row)
{
    if (row < m_fixedRows || row >= m_rows)
        return false;
    const auto at = std::ptrdiff_t(row) * m_columns;
    m_texts.erase(m_texts.begin() + at, m_texts.begin() + at + m_columns);
    m_kinds.erase(m_kinds.begin() + at, m_kinds.begin() + at + m_columns);
    --m_rows;
    return true;
}

bool CTableSheet::SetItemText(int row, int column, const QString& text)
{
    // As in the grid, the text of a date-time cell is its value and cannot be set.
    if (!IsCell(row, column) || m_kinds[Index(row, column)] != Plain)
        return false;
    m_texts[Index(row, column)] = text;
    return true;
}

QString CTableSheet::GetItemText(int row, int column) const
{
    return IsCell(row, column) ? m_texts[Index(row, column)] : QString();
}

bool CTableSheet::SetItem(int row, int column, const QString& text, int, const QColor&)
{
    return SetItemText(row, column, text);
}

bool CTableSheet::SetCellType(int row, int column, GridCellType type)
{
    if (!IsCell(row, column))
        return false;
    const std::size_t i = Index(row, column);
    const bool dateTime = type == GridCellType::DateTime;
    if (dateTime && m_kinds[i] == Plain) {
        m_kinds[i] = Date;
        m_texts[i].clear(); // a new date-time cell has no value yet
    } else if (!dateTime) {
        m_kinds[i] = Plain;
    }
    return true;
}

bool CTableSheet::SetDateTimeDisplay(int row, int column, GridDateTimeDisplay display)
{
    if (!IsCell(row, column) || m_kinds[Index(row, column)] == Plain)
        return false;
    m_kinds[Index(row, column)] = display == GridDateTimeDisplay::Time ? Time : Date;
    return true;
}

bool CTableSheet::SetDateTime(int row, int column, const QDateTime& value)
{
    if (!IsCell(row, column) || m_kinds[Index(row, column)] == Plain)
        return false;
    const std::size_t i = Index(row, column);
    m_texts[i] = value.isValid() ? CGridCtrl::FormatDateTime(
                     value, m_kinds[i] == Time ? GridDateTimeDisplay::Time : GridDateTimeDisplay::Date)
                                 : QString();
    return true;
}

bool CTableSheet::WriteText(QIODevice& out, const QString& header, QChar delimiter) const
{
    return WriteCellsAsText(*this, out, header, delimiter);
}
