#pragma once
// Identifiers of the table commands (context menus of the table and the Edit menu) and of the two
// context menus. The conversion commands 32800..32898 are listed with their scale and material in
// ConversionCommands.h.

namespace TableCmd {
constexpr int First = 32800;            // every table command lies in First..Last
constexpr int Last = 33017;
constexpr int ConversionFirst = 32800;
constexpr int ConversionLast = 32898;

constexpr int ExpandAll = 33000;
constexpr int ExpandSelected = 33001;
constexpr int ExpandThis = 33002;
constexpr int CollapseAll = 33003;
constexpr int CollapseSelected = 33004;
constexpr int CollapseThis = 33005;
constexpr int CopyAll = 33006;
constexpr int CopySelected = 33007;
constexpr int CopyThis = 33008;
constexpr int ShowAll = 33009;
constexpr int ShowThis = 33010;
constexpr int ShowSelected = 33011;
constexpr int HideAll = 33012;
constexpr int HideSelected = 33013;
constexpr int HideThis = 33014;
constexpr int DeleteAll = 33015;
constexpr int DeleteSelected = 33016;
constexpr int DeleteThis = 33017;
} // namespace TableCmd

// The context menus of the table, by the probe of the selected series.
namespace TableMenu {
constexpr int LeebD = 156;   // every command
constexpr int LeebDL = 157;  // only the conversions a Leeb DL series can take
} // namespace TableMenu
