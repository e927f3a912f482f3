#include "table/TableInput.h"

#include "grid/GridCtrl.h"
#include "table/TableCommands.h"
#include "table/TableContextMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

namespace {
int ExecMenu(QMenu& menu, const QPoint& globalPos)
{
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? chosen->data().toInt() : 0;
}
} // namespace

CTableInput::CTableInput(CMeasurementStore& store, CGridCtrl& grid)
    : QObject(&grid), m_store(store), m_grid(grid), m_track(ExecMenu)
{
    setObjectName(QStringLiteral("tableInput"));
    connect(&grid, &CGridCtrl::cellClicked, this, [this](int row, int column) { ClickTableCell(m_store, row, column); });
    connect(&grid, &CGridCtrl::keyNotification, this, [this](int key, int value) { TableKeyPressed(m_store, key, value); });
    connect(&grid, &CGridCtrl::inPlaceEditEnded, this, [this](int row, int column) { EndTableEdit(m_store, row, column); });
    connect(&grid, &CGridCtrl::cellRightClicked, this, &CTableInput::OpenContextMenu);
    grid.installEventFilter(this);
}

void CTableInput::SetMenuTracker(MenuTracker tracker)
{
    m_track = tracker ? std::move(tracker) : MenuTracker(ExecMenu);
}

void CTableInput::OpenContextMenu(int row, int column)
{
    const int menuId = ChooseContextMenu(m_store);
    const std::unique_ptr<QMenu> menu = CreateContextMenu(m_store, menuId, &m_grid);
    const int command = m_track(*menu, MenuPosition(row, column));
    ExecuteTableCommand(m_store, command, row, column);
}

QPoint CTableInput::MenuPosition(int row, int column) const
{
    const QRect cell = row >= 0 && column >= 0 ? m_grid.GetCellRect(row, column) : QRect();
    const QPoint centre = cell.isEmpty() ? m_grid.rect().center() : cell.center();
    return m_grid.mapToGlobal(centre);
}

bool CTableInput::eventFilter(QObject* watched, QEvent* event)
{
    // The mouse's context-menu event is the right click the grid already notifies; the keyboard's
    // (the menu key, Shift+F10) opens the menu on the focus cell.
    if (watched == &m_grid && event->type() == QEvent::ContextMenu
        && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        const GridCellId focus = m_grid.GetFocusCell();
        OpenContextMenu(focus.row, focus.column);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
