#include "grid/GridRows.h"

#include <algorithm>
#include <limits>

namespace {

std::unique_ptr<GridCellData[]> NewCells(int columns, quint32 textEnd)
{
    auto cells = std::make_unique<GridCellData[]>(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c)
        cells[static_cast<std::size_t>(c)].textEnd = textEnd;
    return cells;
}

quint32 TextStart(const GridRow& row, int column)
{
    return column == 0 ? 0 : row.cells[static_cast<std::size_t>(column - 1)].textEnd;
}

} // namespace

void CGridRows::Clear()
{
    m_rows.clear();
    m_columns = 0;
    m_fonts.clear();
    m_fontNumbers.clear();
    m_optionLists = {QStringList()};
    m_optionNumbers.clear();
}

void CGridRows::SetColumnCount(int columns)
{
    columns = std::max(columns, 0);
    if (columns == m_columns)
        return;
    const int kept = std::min(columns, m_columns);
    for (auto& row : m_rows) {
        auto cells = NewCells(columns, 0);
        std::copy_n(row->cells.get(), kept, cells.get());
        const quint32 end = kept == 0 ? 0 : cells[static_cast<std::size_t>(kept - 1)].textEnd;
        row->text.truncate(static_cast<qsizetype>(end));
        for (int c = kept; c < columns; ++c)
            cells[static_cast<std::size_t>(c)].textEnd = end;
        row->cells = std::move(cells);
    }
    m_columns = columns;
}

void CGridRows::InsertRows(int row, int count, int height)
{
    if (count <= 0)
        return;
    std::vector<std::unique_ptr<GridRow>> fresh;
    fresh.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto r = std::make_unique<GridRow>();
        r->cells = NewCells(m_columns, 0);
        r->height = height;
        fresh.push_back(std::move(r));
    }
    m_rows.insert(m_rows.begin() + row, std::make_move_iterator(fresh.begin()),
                  std::make_move_iterator(fresh.end()));
}

void CGridRows::RemoveRows(int row, int count)
{
    if (count <= 0)
        return;
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
}

QStringView CGridRows::TextView(int row, int column) const
{
    const GridRow& r = Row(row);
    const quint32 start = TextStart(r, column);
    const quint32 end = r.cells[static_cast<std::size_t>(column)].textEnd;
    return QStringView(r.text).mid(start, end - start);
}

QString CGridRows::Text(int row, int column) const
{
    return TextView(row, column).toString();
}

bool CGridRows::SetText(int row, int column, const QString& text)
{
    GridRow& r = Row(row);
    const quint32 start = TextStart(r, column);
    const quint32 end = r.cells[static_cast<std::size_t>(column)].textEnd;
    if (QStringView(r.text).mid(start, end - start) == text)
        return false;
    r.text.replace(static_cast<qsizetype>(start), static_cast<qsizetype>(end - start), text);
    const qint64 delta = static_cast<qint64>(text.size()) - static_cast<qint64>(end - start);
    for (int c = column; c < m_columns; ++c) {
        quint32& e = r.cells[static_cast<std::size_t>(c)].textEnd;
        e = static_cast<quint32>(static_cast<qint64>(e) + delta);
    }
    return true;
}

quint16 CGridRows::FontNumber(const QFont& font)
{
    const auto found = m_fontNumbers.constFind(font);
    if (found != m_fontNumbers.cend())
        return found.value();
    if (m_fonts.size() >= std::numeric_limits<quint16>::max())
        return 0;
    m_fonts.append(font);
    const auto number = static_cast<quint16>(m_fonts.size());
    m_fontNumbers.insert(font, number);
    return number;
}

const QFont* CGridRows::Font(quint16 number) const
{
    if (number == 0 || number > m_fonts.size())
        return nullptr;
    return &m_fonts[number - 1];
}

qint64 CGridRows::OptionListNumber(const QStringList& options)
{
    if (options.isEmpty())
        return 0;
    const auto found = m_optionNumbers.constFind(options);
    if (found != m_optionNumbers.cend())
        return found.value();
    m_optionLists.append(options);
    const qint64 number = m_optionLists.size() - 1;
    m_optionNumbers.insert(options, number);
    return number;
}

const QStringList& CGridRows::OptionList(qint64 number) const
{
    if (number <= 0 || number >= m_optionLists.size())
        return m_optionLists.front();
    return m_optionLists[number];
}
