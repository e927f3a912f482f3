// CGridCtrl: the text of the selection for the clipboard, and the whole grid as text.
#include "grid/GridCtrl.h"

#include "grid/GridModel.h"
#include "grid/GridTextWriter.h"

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
    return WriteCellsAsText(*this, out, header, delimiter);
}
