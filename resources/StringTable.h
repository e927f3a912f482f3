#pragma once
// String resources. Every user-visible text is looked up by its resource number; a loaded
// translation (an ID-based Qt translation whose ids are "ids.<number>", "menu.<command>" and
// "popup.<name>") replaces the built-in English text.

#include <QString>

// The text of string resource id; empty when neither a translation nor the built-in table has it.
QString ResString(int id);
// The status-bar prompt of a command: the part of its string resource before the first line feed.
QString ResPrompt(int id);
// The tooltip of a command: the part of its string resource after the first line feed.
QString ResTooltip(int id);
// The text of a menu item (with "&" before the access key), by its command id.
QString ResMenuText(int commandId);
// The title of a popup menu, by its key (e.g. "file", "edit.expand").
QString ResPopupText(const char* key);

// Numbers of the texts this program added to its string table (ids 61000 and up).
namespace Ids {
constexpr int SaveFailed = 61001;      // "Unable to save measurements to \"%1\":\n%2"
constexpr int NoDisplay = 61002;       // message when the desktop program has no display
constexpr int FileTooLarge = 61010;    // "\"%1\" is too large to be a measurement file."
} // namespace Ids
