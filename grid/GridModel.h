#pragma once
// CGridModel: presents the body rows of a CGridRows to the view (model row m is grid row
// m + fixed rows) and the title row as the horizontal header. It owns the storage; every change
// of structure goes through it so that the view hears of it.
//
// A rebuild appends rows one by one and then writes dozens of attributes per row. Telling the
// view of each would cost more than the work itself, so rows appended at the end reach the view
// together (at the next turn of the event loop, or at once when Sync is called), and changed
// cells only ask for one repaint. Everything that hands model indexes to the view calls Sync.

#include "grid/GridRows.h"

#include <QAbstractTableModel>

class CGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CGridModel(CGridCtrl* grid);

    CGridRows& Rows() { return m_rows; }
    const CGridRows& Rows() const { return m_rows; }
    int FixedRows() const { return m_fixedRows; }
    int FixedColumns() const { return m_fixedColumns; }

    // Structure (grid row numbers).
    void Clear();
    void SetColumnCount(int columns);
    void SetFixedRows(int rows);
    void SetFixedColumns(int columns);
    void InsertGridRows(int row, int count, int height);
    void RemoveGridRows(int row, int count);

    // Tells the view of rows appended since it last heard.
    void Sync();
    // Tells the view that the look of a cell changed (one repaint for many changes).
    void CellChanged(int row, int column);

    // The text a cell shows (date-time cells: their formatted value).
    QString DisplayText(int row, int column) const;
    QDateTime DateTimeValue(int row, int column) const;
    // Cell attributes resolved against the grid's defaults.
    QFont EffectiveFont(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The way in-place editors store their value: text for plain and drop-down cells, a
    // QDateTime for date-time cells. Returns true only when the cell changed.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QVariant CellData(int row, int column, int role) const;
    int BodyRows() const { return std::max(m_rows.RowCount() - m_fixedRows, 0); }
    void ScheduleRepaint();

    CGridCtrl* m_grid;
    CGridRows m_rows;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    int m_viewRows = 0;          // body rows the view knows of
    bool m_syncQueued = false;
    bool m_repaintQueued = false;
};

// Roles beyond Qt's own that the delegate reads.
namespace GridRole {
constexpr int CellType = Qt::UserRole + 1;      // int of GridCellType
constexpr int Options = Qt::UserRole + 2;       // QStringList of a drop-down cell
constexpr int FreeText = Qt::UserRole + 3;      // bool: drop-down accepts free text
constexpr int TimeDisplay = Qt::UserRole + 4;   // bool: date-time cell shows the time
constexpr int ImageIndex = Qt::UserRole + 5;    // int
constexpr int Fixed = Qt::UserRole + 6;         // bool: a fixed (title-style) cell
} // namespace GridRole
