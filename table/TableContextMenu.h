#pragma once
// The table's context menus: 156 for Leeb D and 157 for Leeb DL. One popup with the submenus
// "Conversion" (a submenu per scale, and per material where the scale has materials, each ending in
// "All", "Selected", "This"), "Expand", "Collapse", "Copy", "Show", "Hide" and "Delete". Every item
// carries its command identifier as the action's data. Texts come from the string resources: the
// popup titles, the item texts by command, the scale and material names of the conversion tables.

#include <QList>

#include <memory>

class CMeasurementStore;
class QMenu;
class QWidget;

// The menu for the current selection: 157 when the selected series rows are all Leeb DL series
// (and there is at least one), else 156 (also when no series row is selected).
int ChooseContextMenu(CMeasurementStore& store);

// Builds context menu 156 or 157. The store's conversion tables give the scale and material names
// (the scale names of the menu's probe).
std::unique_ptr<QMenu> CreateContextMenu(const CMeasurementStore& store, int menuId, QWidget* parent = nullptr);

// Every command identifier a menu offers, in menu order (submenus included).
QList<int> MenuCommands(const QMenu& menu);
