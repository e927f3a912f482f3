#pragma once
// CGridRows: the cell storage behind CGridCtrl, without any widget.
//
// Each row holds its cell texts back to back in one string and its cell attributes in one array
// of small fixed-size records; fonts and drop-down option lists are kept once in shared tables
// and referred to by number. A table of 100,000 rows of 9 cells thus costs three allocations
// per row, whatever the cells hold.

#include "grid/GridCtrl.h"

#include <QHash>

#include <memory>
#include <vector>

// The attributes of one cell (32 bytes).
struct GridCellData {
    // Date-time cells: local wall-clock time, see GridWallClock (valid when FlagDateValid is set).
    // Drop-down cells: number of the option list in the shared table (0: no options).
    qint64 value = 0;
    QRgb textColour = 0;   // valid when FlagTextColour is set
    QRgb backColour = 0;   // valid when FlagBackColour is set
    quint32 textEnd = 0;   // end of this cell's text in the row string (start: previous end)
    qint16 image = -1;
    quint16 font = 0;      // 0: the grid's font; n: shared font n
    quint16 flags = 0;

    enum : quint16 {
        AlignMask = 0x0003,      // 0 left, 1 centre, 2 right
        FlagReadOnly = 0x0004,
        TypeShift = 3,
        TypeMask = 0x0018,
        FlagTextColour = 0x0020,
        FlagBackColour = 0x0040,
        FlagTimeDisplay = 0x0080, // date-time cell shows the time (else the date)
        FlagFreeText = 0x0100,    // drop-down cell accepts free text
        FlagDateValid = 0x0200,
    };

    GridCellType Type() const { return static_cast<GridCellType>((flags & TypeMask) >> TypeShift); }
    void SetType(GridCellType type)
    {
        flags = static_cast<quint16>((flags & ~TypeMask) | (static_cast<unsigned>(type) << TypeShift));
    }
    bool Has(quint16 flag) const { return (flags & flag) != 0; }
    void Set(quint16 flag, bool on) { flags = static_cast<quint16>(on ? (flags | flag) : (flags & ~flag)); }
};
static_assert(sizeof(GridCellData) == 32, "cell attributes should stay compact");

struct GridRow {
    QString text;                            // all cell texts back to back
    std::unique_ptr<GridCellData[]> cells;   // one record per column
    int height = 0;
};

class CGridRows {
public:
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const { return m_columns; }
    bool IsCell(int row, int column) const
    {
        return row >= 0 && row < RowCount() && column >= 0 && column < m_columns;
    }

    // Structure. New rows get `height` and empty default cells.
    void Clear();
    void SetColumnCount(int columns);
    void InsertRows(int row, int count, int height);
    void RemoveRows(int row, int count);

    GridRow& Row(int row) { return *m_rows[static_cast<std::size_t>(row)]; }
    const GridRow& Row(int row) const { return *m_rows[static_cast<std::size_t>(row)]; }
    GridCellData& Cell(int row, int column) { return Row(row).cells[static_cast<std::size_t>(column)]; }
    const GridCellData& Cell(int row, int column) const
    {
        return Row(row).cells[static_cast<std::size_t>(column)];
    }

    // The stored text of a cell (date-time cells store none: their text is their value).
    QString Text(int row, int column) const;
    QStringView TextView(int row, int column) const;
    // Returns false when the text was already the same.
    bool SetText(int row, int column, const QString& text);

    // Shared tables. Font 0 and option list 0 mean "none". FontNumber returns 0 when the font
    // table is full (the cell then uses the grid's font).
    quint16 FontNumber(const QFont& font);
    const QFont* Font(quint16 number) const;
    qint64 OptionListNumber(const QStringList& options);
    const QStringList& OptionList(qint64 number) const;

private:
    std::vector<std::unique_ptr<GridRow>> m_rows;
    int m_columns = 0;
    QList<QFont> m_fonts;                 // font n is m_fonts[n - 1]
    QHash<QFont, quint16> m_fontNumbers;
    QList<QStringList> m_optionLists{QStringList()};
    QHash<QStringList, qint64> m_optionNumbers;
};
