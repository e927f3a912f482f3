#pragma once
// Menu 128, the main window's menu bar: popups, items and separators in their order.

#include <functional>
#include <vector>

class CommandActions;
class QMenuBar;
class QMenu;

struct MenuEntry {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    int command = 0;                // Command
    const char* popup = nullptr;    // Popup: key of its title (ResPopupText)
    std::vector<MenuEntry> items;   // Popup: its entries
};

// The top-level popups of menu 128.
const std::vector<MenuEntry>& MainMenuLayout();

// Fills the menu bar from the layout; items get their actions from actions. Every popup created
// is passed to onPopup (the frame refreshes the command states when one is about to show).
void BuildMainMenu(QMenuBar* bar, CommandActions& actions, const std::function<void(QMenu*)>& onPopup);

// Gives Open, Save, Print, Copy and Help the desktop's standard keys (Ctrl+O, Ctrl+S, Ctrl+P,
// Ctrl+C, F1), Connect device Ctrl+K and Device settings Ctrl+D, shown in the menus beside their
// texts.
void ApplyStandardShortcuts(CommandActions& actions);
