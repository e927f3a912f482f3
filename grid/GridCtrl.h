#pragma once
// CGridCtrl: the grid widget the measurement table is drawn on.
//
// A grid of rows and columns of cells. Row 0 .. fixedRows-1 are title rows (at most one: it is
// shown as the grid's column header and never scrolls away); the other rows form the body. Every
// cell has a text, an image index into the image list handed in by the caller, a text and a
// background colour, a font, a horizontal alignment (always vertically centred, one line), a
// read-only state, a selected state and a type: plain text, drop-down list or date-time.
//
// All row and column numbers in this interface are grid numbers: row 0 is the title row when
// the grid has one, the first body row is row fixedRows. Indices outside the grid are ignored by
// setters (they return false and change nothing) and give an empty or default value from
// getters; nothing here throws.
//
// Storage is compact: each row keeps its cell texts in one string and its cell attributes in one
// small array; fonts and drop-down option lists are shared between cells. No widget or heap
// object exists per cell; the only editor widget is the one open in-place editor.
//
// Rows appended at the end reach the underlying Qt view together at the next turn of the event
// loop (a rebuild of 100,000 rows thus costs the view one change); every function of this class
// sees them at once. Use this interface, not model(), to read or change cells.
//
// Notifications are Qt signals. Each notification is sent twice: once through the specific
// signal and once through notify(code, row, column) with one of the GridNotify codes.

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTableView>

#include <cstdint>
#include <functional>
#include <vector>

class CGridModel;
class CGridItemDelegate;
class CGridHeader;
class QIODevice;
class QPainter;

// Notification codes carried by CGridCtrl::notify.
namespace GridNotify {
constexpr int Click = -2;           // left button released on a cell
constexpr int RightClick = -5;      // right button released; row and column -1 when no cell was hit
constexpr int EndInPlaceEdit = -102;// an in-place editor closed after storing a changed value
constexpr int Key = -103;           // key notification, see CGridCtrl::keyNotification
} // namespace GridNotify

// Key codes the key notification carries in its row field.
namespace GridKey {
constexpr int Delete = 0x2E;  // column field 1
constexpr int Space = 0x20;   // column field: the focus row (only while the focus cell is in column 0)
constexpr int CtrlS = 0x53;   // column field 2
} // namespace GridKey

// Cell state bits (GetItemState / SetItemState).
namespace GridState {
constexpr unsigned ReadOnly = 0x1;  // no in-place editing of this cell
constexpr unsigned Selected = 0x2;  // the cell is part of the selection
constexpr unsigned Focused = 0x4;   // the cell is the focus cell (read only: use SetFocusCell)
} // namespace GridState

enum class GridCellType : std::uint8_t {
    Plain,     // plain text, edited with a line editor unless read-only
    DropDown,  // drop-down list: the text is one of the cell's options
    DateTime,  // one date-time value shown as a date or as a time, edited with a date-time picker
};

// Style of a drop-down cell: a fixed list (the default; no free text) or a list with free text.
enum class GridComboStyle : std::uint8_t { DropDownList, DropDown };

// What a date-time cell shows and edits of its value.
enum class GridDateTimeDisplay : std::uint8_t { Date, Time };

struct GridCellId {
    int row = -1;
    int column = -1;
    bool IsValid() const { return row >= 0 && column >= 0; }
    bool operator==(const GridCellId&) const = default;
};

// An inclusive rectangle of cells; invalid (all -1) when empty.
struct GridRange {
    int minRow = -1;
    int minColumn = -1;
    int maxRow = -1;
    int maxColumn = -1;
    bool IsValid() const { return minRow >= 0 && minColumn >= 0 && maxRow >= minRow && maxColumn >= minColumn; }
    bool operator==(const GridRange&) const = default;
};

// What the screen shows over a body cell without it being part of the cell (see
// CGridCtrl::SetCellOverlay): a background tint and a short mark at the cell's left edge.
struct GridCellOverlay {
    QColor tint;        // invalid: the cell's own background
    QString mark;       // empty: none; drawn bold, in markColour, at the left edge
    QColor markColour;
};

class CGridCtrl;

// A light handle on one cell (grid pointer, row, column). Copy it freely; it owns nothing and
// stays usable as long as the grid exists. On a cell outside the grid every setter does nothing
// and every getter gives the default value.
class CGridCell {
public:
    CGridCell(CGridCtrl* grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) {}

    int Row() const { return m_row; }
    int Column() const { return m_column; }
    bool IsValid() const;

    void SetText(const QString& text) const;
    QString GetText() const;
    void SetImage(int image) const;
    int GetImage() const;
    // Text colour; an invalid QColor restores the grid's default (the palette's text colour).
    void SetTextClr(const QColor& colour) const;
    QColor GetTextClr() const;   // invalid when the default is in use
    // Background colour; an invalid QColor restores the default (the palette's base colour).
    void SetBackClr(const QColor& colour) const;
    QColor GetBackClr() const;   // invalid when the default is in use
    // The cell's font; GetFont gives the grid's font while the cell has none of its own.
    void SetFont(const QFont& font) const;
    QFont GetFont() const;
    // State bits of GridState (ReadOnly, Selected); see CGridCtrl::SetItemState.
    void SetState(unsigned state) const;
    unsigned GetState() const;
    // Horizontal alignment: Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight (vertical parts are
    // ignored: text is always vertically centred on one line).
    void SetFormat(Qt::Alignment alignment) const;
    Qt::Alignment GetFormat() const;
    GridCellType GetType() const;

protected:
    CGridCtrl* m_grid;
    int m_row;
    int m_column;
};

// Handle on a drop-down list cell (obtain with CGridCtrl::GetComboCell).
class CGridCellCombo : public CGridCell {
public:
    using CGridCell::CGridCell;
    void SetOptions(const QStringList& options) const;
    QStringList GetOptions() const;
    void SetStyle(GridComboStyle style) const;
    GridComboStyle GetStyle() const;
};

// Handle on a date-time cell (obtain with CGridCtrl::GetDateTimeCell).
class CGridCellDateTime : public CGridCell {
public:
    using CGridCell::CGridCell;
    void SetDisplay(GridDateTimeDisplay display) const;
    GridDateTimeDisplay GetDisplay() const;
    void SetTime(const QDateTime& value) const;
    QDateTime GetTime() const;
};

class CGridCtrl : public QTableView {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // ---- images -----------------------------------------------------------------------------
    // The images cells refer to by index (copied; the caller keeps its own). An image index
    // outside the list draws nothing.
    void SetImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& GetImageList() const;

    // ---- size and structure -----------------------------------------------------------------
    // Removes every row and column and sets the fixed row and column counts to 0. Defaults
    // (cell width and height, selection mode, resizing switches) and the image list stay.
    void DeleteAllItems();
    // Sets the number of rows (including fixed rows). New rows are appended with empty default
    // cells and the default cell height; removed rows go from the bottom. Fails (false) when rows
    // is below the fixed row count or negative.
    bool SetRowCount(int rows);
    int GetRowCount() const;
    // Sets the number of columns. New columns get the default cell width; cells of new columns
    // are empty default cells. Fails when columns is negative or below the fixed column count.
    bool SetColumnCount(int columns);
    int GetColumnCount() const;
    // Number of title rows: 0 or 1 (anything else fails). Raises the row count when needed.
    bool SetFixedRowCount(int rows);
    int GetFixedRowCount() const;
    // Number of fixed columns at the left: they are drawn like title cells, are never selected
    // and never edited (they scroll with the body). Raises the column count when needed.
    bool SetFixedColumnCount(int columns);
    int GetFixedColumnCount() const;
    // Inserts an empty body row before grid row `row`; row -1 or row == GetRowCount() appends.
    // Returns the new row's number, or -1 when row is inside the fixed rows or beyond the end.
    int InsertRow(int row = -1);
    // Deletes one body row (not a fixed row). Returns false for a bad index.
    bool DeleteRow(int row);
    // The same for `count` rows at once (one change for the view however many rows: use these
    // to expand or collapse a large block). InsertRows returns the first new row's number or -1;
    // DeleteRows deletes nothing and returns false unless every row of the block is a body row.
    int InsertRows(int row, int count);
    bool DeleteRows(int row, int count);

    // ---- sizes ------------------------------------------------------------------------------
    // Width and height given to columns and rows created afterwards (start values 100 and 22).
    void SetDefaultCellWidth(int width);
    int GetDefaultCellWidth() const;
    void SetDefaultCellHeight(int height);
    int GetDefaultCellHeight() const;
    // Width of a column and height of a row in pixels (0 hides it). Row 0 of a grid with a title
    // row sets the header's height.
    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;   // 0 for a bad index
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;        // 0 for a bad index
    // Sum of all column widths / of all row heights.
    int GetVirtualWidth() const;
    int GetVirtualHeight() const;

    // ---- modes ------------------------------------------------------------------------------
    // Full-row selection: a click or key selects whole rows (on by default: off selects cells).
    void SetFullRowSelection(bool on);
    bool GetFullRowSelection() const;
    // Whether the user may resize columns / rows by dragging (both on by default).
    void SetColumnResize(bool allow);
    bool GetColumnResize() const;
    void SetRowResize(bool allow);
    bool GetRowResize() const;

    // ---- cell contents and attributes (see CGridCell for the meaning of each) ----------------
    bool SetItemText(int row, int column, const QString& text);
    // The text as shown: for a date-time cell the value formatted by FormatDateTime (empty while
    // the value is invalid); setting the text of a date-time cell is ignored (returns false).
    QString GetItemText(int row, int column) const;
    // The width column `column` needs to show every text of its cells whole, each in its cell's
    // font with its image, and for drop-down cells every option; 0 for a column outside the grid.
    int GetContentWidth(int column) const;
    // Text, image and background colour in one call.
    bool SetItem(int row, int column, const QString& text, int image, const QColor& background);
    bool SetItemImage(int row, int column, int image);
    int GetItemImage(int row, int column) const;   // -1: none
    bool SetItemFgColour(int row, int column, const QColor& colour);
    QColor GetItemFgColour(int row, int column) const;
    bool SetItemBkColour(int row, int column, const QColor& colour);
    QColor GetItemBkColour(int row, int column) const;
    bool SetItemFont(int row, int column, const QFont& font);
    QFont GetItemFont(int row, int column) const;
    bool SetItemFormat(int row, int column, Qt::Alignment alignment);
    Qt::Alignment GetItemFormat(int row, int column) const;
    // Sets ReadOnly and Selected from the bits given (Focused is ignored). Selecting or
    // unselecting here adds the cell to or removes it from the current selection.
    bool SetItemState(int row, int column, unsigned state);
    unsigned GetItemState(int row, int column) const;

    // Handles on cells (see CGridCell). Out-of-range handles are inert.
    CGridCell GetCell(int row, int column);
    CGridCellCombo GetComboCell(int row, int column);
    CGridCellDateTime GetDateTimeCell(int row, int column);

    // ---- cell types -------------------------------------------------------------------------
    // Changing the type keeps text and attributes; a new drop-down cell has no options and the
    // drop-down-list style; a new date-time cell has an invalid value and the date display.
    bool SetCellType(int row, int column, GridCellType type);
    GridCellType GetCellType(int row, int column) const;
    bool SetComboOptions(int row, int column, const QStringList& options);  // drop-down cells only
    QStringList GetComboOptions(int row, int column) const;
    bool SetComboStyle(int row, int column, GridComboStyle style);          // drop-down cells only
    GridComboStyle GetComboStyle(int row, int column) const;
    bool SetDateTimeDisplay(int row, int column, GridDateTimeDisplay display); // date-time cells only
    GridDateTimeDisplay GetDateTimeDisplay(int row, int column) const;
    bool SetDateTime(int row, int column, const QDateTime& value);        // date-time cells only
    QDateTime GetDateTime(int row, int column) const;   // invalid unless a date-time cell with a value
    // The text of a date-time value: under the C/POSIX locale "yyyy-MM-dd" or "HH:mm:ss",
    // otherwise the system locale's short date format, or its time format with seconds.
    static QString FormatDateTime(const QDateTime& value, GridDateTimeDisplay display);

    // ---- selection and focus ----------------------------------------------------------------
    // The smallest range holding every selected cell; invalid when nothing is selected.
    GridRange GetSelectedCellRange() const;
    bool IsCellSelected(int row, int column) const;
    // Replaces the selection by exactly the cells of the range (clipped to the body: fixed rows
    // and columns are never selected); also in full-row mode only these cells are selected.
    // An invalid or empty range clears the selection.
    void SetSelectedRange(int minRow, int minColumn, int maxRow, int maxColumn);
    void SetSelectedRange(const GridRange& range);
    // Selects every cell that is not fixed (Ctrl+A does the same).
    void SelectAllCells();
    // Rectangle of a cell in this widget's coordinates (the title row lies in the header);
    // empty for a bad index or a hidden row or column.
    QRect GetCellRect(int row, int column) const;
    // The cell under a point in this widget's coordinates, or an invalid id.
    GridCellId GetCellFromPt(const QPoint& point) const;
    // Scrolls so that the cell is visible (a fixed row is always visible: only the column scrolls).
    void EnsureVisible(int row, int column);
    // Makes the cell the focus cell (the current cell) without changing the selection; an
    // invalid or fixed cell clears the focus cell.
    void SetFocusCell(int row, int column);
    GridCellId GetFocusCell() const;
    // Repaints the visible cells.
    void Invalidate();

    // ---- screen overlay ---------------------------------------------------------------------
    // A function asked, while a body cell is painted on the screen, for what to show over it
    // (grid row and column). The overlay is never part of the cell: texts, colours, copies, the
    // text output and the printout stay as they are; a selected cell shows the selection instead
    // of the tint. An empty function removes the overlay. Call Invalidate when its answers change.
    using CellOverlayFn = std::function<GridCellOverlay(int row, int column)>;
    void SetCellOverlay(CellOverlayFn overlay);
    const CellOverlayFn& CellOverlay() const { return m_overlay; }

    // ---- copy and text output ---------------------------------------------------------------
    // The clipboard text of the selection: for every row of the selected range whose column 1
    // cell is selected and whose height is not 0, the texts of columns 1 .. the range's right
    // column (columns of width 0 left out; unselected cells give empty fields), separated by
    // tabs; rows joined by "\r\n" with none after the last. Empty when nothing is selected.
    QString GetCopyText() const;
    // Puts GetCopyText() on the clipboard as plain text; with nothing to copy the clipboard is
    // left as it was and the result is false. Ctrl+C does the same.
    bool Copy();
    // Writes `header` (when not empty) as its own line, then every row, title row included, with
    // the texts of columns 1 .. last joined by `delimiter`, each line ended by "\r\n", as UTF-8.
    // Returns false as soon as a write fails (the caller reports it).
    bool WriteText(QIODevice& out, const QString& header, QChar delimiter = QLatin1Char('\t')) const;

    // ---- printing ---------------------------------------------------------------------------
    // Draws one row in the painter's current coordinates with its top-left corner at topLeft,
    // using the column widths and row height of this grid as lengths: backgrounds (title cells
    // and fixed columns in the button colour), images, texts in their colours and alignments,
    // and a thin grid line round every cell; no selection or focus marks. With a base font each
    // cell's text uses that font with the cell's own weight and italic applied (the printout's
    // body font); without one the cell's own font. Columns of width 0 are skipped. Returns the
    // row height, or 0 for a bad index.
    int DrawRow(QPainter& painter, int row, const QPointF& topLeft, const QFont* baseFont = nullptr) const;
    // Draws rows first..last (inclusive) below each other; returns the total height drawn.
    int DrawRows(QPainter& painter, int firstRow, int lastRow, const QPointF& topLeft,
                 const QFont* baseFont = nullptr) const;

signals:
    // Every notification with its GridNotify code.
    void notify(int code, int row, int column);
    // Left button released on a cell (the title row included: row 0).
    void cellClicked(int row, int column);
    // Right button released; (-1, -1) when no cell was hit.
    void cellRightClicked(int row, int column);
    // An in-place editor closed after it stored a changed value in the cell (row, column).
    // Sent after the editor is gone, so a handler may rebuild the grid.
    void inPlaceEditEnded(int row, int column);
    // Key notification (code GridNotify::Key): Delete gives (GridKey::Delete, 1); Space while
    // the focus cell is in column 0 gives (GridKey::Space, focus row); Ctrl+S gives
    // (GridKey::CtrlS, 2). The grid does nothing else for these keys. Shift+F10 sends the grid a
    // keyboard context-menu event, as the menu key does; Tab leaves the grid.
    void keyNotification(int key, int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

    bool event(QEvent* event) override;

private:
    friend class CGridItemDelegate;
    friend class CGridModel;
    friend class CGridHeader;
    void HeaderMouseReleased(Qt::MouseButton button, int column);
    void ModelWasReset();
    CGridHeader* Header() const;
    void Emit(int code, int row, int column);
    void ApplyRowHeights();
    void ApplyRowHeight(int row);
    void ApplyColumnWidths();
    void ApplyColumnWidth(int column);
    QModelIndex IndexOf(int row, int column) const;
    void NoteEditedCell(int row, int column);
    // Ctrl+Home and Ctrl+End: the first or last row selected, with the focus in it.
    void SelectEdgeRow(bool first);

    CGridModel* m_model;
    CGridItemDelegate* m_delegate;
    QList<QPixmap> m_images;
    std::vector<int> m_columnWidths;
    bool m_applyingWidths = false;
    int m_defaultWidth = 100;
    int m_defaultHeight = 22;
    bool m_fullRow = true;
    bool m_columnResize = true;
    bool m_rowResize = true;
    GridCellId m_editedCell;   // cell whose editor stored a changed value, until the editor closes
    CellOverlayFn m_overlay;
};
