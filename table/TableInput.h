#pragma once
// CTableInput: the table's answer to its grid's notifications. A left click and the key
// notification run the toggles and Delete, an in-place edit that ended goes to the store, and a
// right click (or the keyboard's context-menu key, on the focus cell) opens context menu 156 or 157
// at the centre of the cell (of the grid when no cell was hit) and runs the chosen command.
//
// It lives as a child of the grid; the store must outlive the grid, as it does when it owns it.

#include <QObject>
#include <QPoint>

#include <functional>

class CGridCtrl;
class CMeasurementStore;
class QMenu;

class CTableInput : public QObject {
    Q_OBJECT
public:
    // Shows the menu at a global position and returns the identifier of the chosen command (the
    // chosen action's data), 0 when the menu was cancelled.
    using MenuTracker = std::function<int(QMenu& menu, const QPoint& globalPos)>;

    CTableInput(CMeasurementStore& store, CGridCtrl& grid);

    // Replaces how the context menu is shown (tests answer it without a pointer).
    void SetMenuTracker(MenuTracker tracker);

    // The context menu for a cell, as a right click opens it (row and column -1: no cell).
    void OpenContextMenu(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint MenuPosition(int row, int column) const;

    CMeasurementStore& m_store;
    CGridCtrl& m_grid;
    MenuTracker m_track;
};
