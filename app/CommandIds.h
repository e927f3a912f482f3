#pragma once
// Command identifiers of the menu bar and toolbar, and the identifiers of the main window's
// controls. Menu and toolbar items carry their command id; widgets carry their control id (see
// ControlIds.h).

namespace Cmd {
// File
constexpr int Save = 32733;
constexpr int Open = 32734;
constexpr int Export = 32701;
constexpr int Print = 32702;
constexpr int ExportCsv = 32741;
constexpr int ExportCsvStatistics = 32742;
constexpr int Report = 33160;
constexpr int Archive = 33162;
constexpr int Exit = 57665;
// The recent files listed above "Exit", newest first.
constexpr int RecentFile1 = 57616;
constexpr int RecentFileCount = 4;
// Device
constexpr int ConnectDevice = 32703;
constexpr int DeviceSettings = 32704;
constexpr int ClearDeviceMemory = 58456;
constexpr int FirmwareUpgrade = 32730;
// Edit: table commands, "All" and "Selected" of each popup
constexpr int ExpandAll = 33000;
constexpr int ExpandSelected = 33001;
constexpr int CollapseAll = 33003;
constexpr int CollapseSelected = 33004;
constexpr int CopyAll = 33006;
constexpr int CopySelected = 33007;
constexpr int ShowAll = 33009;
constexpr int ShowSelected = 33011;
constexpr int HideAll = 33012;
constexpr int HideSelected = 33013;
constexpr int DeleteAll = 33015;
constexpr int DeleteSelected = 33016;
// View: the chart dock shown or closed
constexpr int SeriesChart = 33170;
// Settings
constexpr int LanguageEnglish = 32705;
constexpr int LanguageGerman = 32706;
constexpr int LanguageFrench = 32707;
constexpr int LanguageItalian = 32708;
constexpr int LanguageSpanish = 32709;
constexpr int LanguagePortuguese = 32710;
constexpr int LanguageRussian = 32711;
constexpr int LanguageChinese = 32713;
constexpr int StandardDefault = 58464;
constexpr int StandardCustomJ = 58465;
constexpr int ToleranceLimits = 33161;
constexpr int ArchiveSettings = 33163;
// Help
constexpr int CheckForUpdates = 58466;
constexpr int Help = 57670;
constexpr int ProductRegistration = 2100;
constexpr int CustomerFeedback = 2101;
constexpr int About = 57664;
// Toolbar only
constexpr int Copy = 58452;
} // namespace Cmd

namespace CtrlId {
constexpr int View = 59648;      // the main view, the frame's first pane
constexpr int ToolBar = 59392;
constexpr int StatusBar = 59393;
constexpr int DeviceList = 1008;
constexpr int Table = 1009;
} // namespace CtrlId

// Resource numbers of the main window.
namespace ResId {
constexpr int MainFrame = 128; // menu, toolbar, icon and title
constexpr int AboutBox = 160;
constexpr int AboutArtwork = 170;
} // namespace ResId
