// CGridCtrl: the text of the selection for the clipboard, and the whole grid as text.
#include "grid/GridCtrl.h"

#include "grid/GridModel.h"

#include <QApplication>
#include <QClipboard>
#include <QIODevice>

QString CGridCtrl::GetCopyText() const
{
    const GridRange range = GetSelectedCellRange();
    if (!range.IsValid() || GetColumnCount() < 2)
        return {};
    // The copied columns always start at column 1 (column 0 holds the row keys), whatever the
    // selection's left column is; a row counts when its column 1 cell is selected.
    QString text;
    bool firstRow = true;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (GetRowHeight(row) == 0 || !IsCellSelected(row, 1))
            continue;
        if (!firstRow)
            text += QLatin1String("\r\n");
        firstRow = false;
        bool firstColumn = true;
        for (int column = 1; column <= range.maxColumn; ++column) {
            if (GetColumnWidth(column) == 0)
                continue;
            if (!firstColumn)
                text += QLatin1Char('\t');
            firstColumn = false;
            if (IsCellSelected(row, column))
                text += GetItemText(row, column);
        }
    }
    return text;
}

bool CGridCtrl::Copy()
{
    const QString text = GetCopyText();
    if (text.isEmpty())
        return false;
    QApplication::clipboard()->setText(text);
    return true;
}

bool CGridCtrl::WriteText(QIODevice& out, const QString& header, QChar delimiter) const
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
    const int columns = GetColumnCount();
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int column = 1; column < columns; ++column) {
            if (column > 1)
                block += delimiter;
            block += GetItemText(row, column);
        }
        block += QLatin1String("\r\n");
        if (block.size() >= kBlock && !flush())
            return false;
    }
    return block.isEmpty() || flush();
}
