#pragma once
// CTableSheet: a window-less stand-in for the grid, for building the table where no window can
// exist (the command-line export). It answers the grid operations the table population uses
// with the same names and meanings, but keeps only what the text export reads: the cell texts,
// with date-time cells shown exactly as the grid shows them. Colours, fonts, images, alignment and
// read-only states are accepted and forgotten.

#include "grid/GridCtrl.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QIODevice;

class CTableSheet {
public:
    void DeleteAllItems();
    bool SetRowCount(int rows);
    int GetRowCount() const { return m_rows; }
    bool SetColumnCount(int columns);
    int GetColumnCount() const { return m_columns; }
    bool SetFixedRowCount(int rows);
    int GetFixedRowCount() const { return m_fixedRows; }
    bool SetFixedColumnCount(int columns);
    // Inserts an empty body row before row (-1 or the row count appends); the new row or -1.
    int InsertRow(int row = -1);
    // The same for `count` rows; the first new row or -1.
    int InsertRows(int row, int count);
    bool DeleteRow(int row);

    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;
    bool SetItem(int row, int column, const QString& text, int image, const QColor& background);
    bool SetCellType(int row, int column, GridCellType type);
    bool SetDateTimeDisplay(int row, int column, GridDateTimeDisplay display);
    bool SetDateTime(int row, int column, const QDateTime& value);

    // Looks only: accepted and forgotten.
    void SetDefaultCellWidth(int) {}
    void SetDefaultCellHeight(int) {}
    void SetFullRowSelection(bool) {}
    void SetColumnResize(bool) {}
    void SetRowResize(bool) {}
    bool SetColumnWidth(int, int) { return true; }
    bool SetItemFormat(int, int, Qt::Alignment) { return true; }
    bool SetItemState(int, int, unsigned) { return true; }
    bool SetItemFont(int, int, const QFont&) { return true; }
    bool SetItemFgColour(int, int, const QColor&) { return true; }
    bool SetComboStyle(int, int, GridComboStyle) { return true; }
    bool SetComboOptions(int, int, const QStringList&) { return true; }
    void Invalidate() {}

    // The same text as CGridCtrl::WriteText: the header line when not empty, then every row with
    // the texts of columns 1 .. last joined by the delimiter, lines ended by "\r\n", UTF-8.
    bool WriteText(QIODevice& out, const QString& header, QChar delimiter = QLatin1Char('\t')) const;

private:
    enum Kind : std::uint8_t { Plain, Date, Time };
    bool IsCell(int row, int column) const { return row >= 0 && row < m_rows && column >= 0 && column < m_columns; }
    std::size_t Index(int row, int column) const { return std::size_t(row) * std::size_t(m_columns) + std::size_t(column); }
    void Reshape(int rows, int columns);

    int m_rows = 0;
    int m_columns = 0;
    int m_fixedRows = 0;
    std::vector<QString> m_texts;     // row by row
    std::vector<Kind> m_kinds;        // row by row; a date-time cell's text is its formatted value
};
