#pragma once
// Writes a table of cells as text: the header line when not empty, then every row with columns
// 1.. joined by the delimiter, each line ended by "\r\n", as UTF-8. Works on anything that answers
// GetRowCount, GetColumnCount and GetItemText(row, column) (the grid, or a window-less sheet of the
// same cells). False when the device did not take every byte.

#include <QIODevice>
#include <QString>

template <class Cells>
bool WriteCellsAsText(const Cells& cells, QIODevice& out, const QString& header, QChar delimiter)
{
    // Written in blocks: one write per row would make a large table slow to save.
    constexpr qsizetype kBlock = 64 * 1024;
    QString block;
    auto flush = [&out, &block]() {
        const QByteArray bytes = block.toUtf8();
        block.clear();
        return out.write(bytes) == bytes.size();
    };
    if (!header.isEmpty())
        block += header + QLatin1String("\r\n");
    const int columns = cells.GetColumnCount();
    const int rows = cells.GetRowCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 1; column < columns; ++column) {
            if (column > 1)
                block += delimiter;
            block += cells.GetItemText(row, column);
        }
        block += QLatin1String("\r\n");
        if (block.size() >= kBlock && !flush())
            return false;
    }
    return block.isEmpty() || flush();
}
