#pragma once
// Numbers of the string resources the table uses (texts in resources/strings/table.inc, and the
// shell's and conversion's files for the ones they own).

namespace TableStrings {
constexpr int AppTitle = 128;          // the application title
constexpr int Select = 58151;          // "select": Material cell without a chosen material
constexpr int Offline = 58153;
constexpr int Online = 58154;
constexpr int Exporting = 58159;       // "Export..."
constexpr int Printing = 58160;        // "Print..."
constexpr int PageOf = 58175;          // "Page %d of %d"
constexpr int PrintDate = 58176;       // "%c": strftime format of the footer's date
constexpr int CustomJ = 58501;         // "Custom J"
// Texts this program adds.
constexpr int Statistic = 61200;       // "Statistic": column 1 of a statistics row
constexpr int SaveGridFailed = 61201;  // "Unable to save grid list"
constexpr int CannotCreateFile = 61202; // "Cannot create \"%1\":\n%2"
constexpr int DeleteItem = 61203;      // "Delete Item": status text while rows are deleted
constexpr int WrittenTo = 61205;       // "Written to %1": a file was written, after the connection text
constexpr int PrintFailed = 61204;     // "Unable to print the table: ..." when the printer does not start
} // namespace TableStrings
