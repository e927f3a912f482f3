#pragma once
// Numbers of the application shell's texts in the string table.

namespace AppText {
constexpr int Title = 128;              // "Scleron"
constexpr int UpdateProgramTo = 2102;   // "Update Scleron to version %s"
constexpr int UpdateTesterTo = 2103;    // "Update Kestrel to version %s"
constexpr int NewVersionAvailable = 2104;
constexpr int RegistrationPage = 2106;  // web address
constexpr int FeedbackPage = 2107;      // web address
constexpr int Offline = 58153;
constexpr int Online = 58154;
constexpr int Connecting = 58155;       // "Connect..."
constexpr int SettingsBusy = 58156;     // "Settings..."
constexpr int Saving = 58157;           // "Save..."
constexpr int Opening = 58158;          // "Open..."
constexpr int Exporting = 58159;        // "Export..."
constexpr int NoConnection = 58162;     // "No connection!"
constexpr int KeyLeft = 58163;          // "Kestrel button left"
constexpr int KeyRight = 58164;         // "Kestrel button right"
constexpr int KeyDown = 58165;          // "Kestrel button down"
constexpr int SearchDevice = 58166;     // "Search device..."
constexpr int KeysLocked = 58173;       // "Keys locked"
constexpr int KeysUnlocked = 58174;     // "Keys unlocked"
constexpr int AskSaveMeasurements = 58179;
constexpr int VersionLine = 61003;      // "Scleron Version %1"
constexpr int RightsLine = 61004;
constexpr int CapsIndicator = 61005;    // "CAP"
constexpr int NumIndicator = 61006;     // "NUM"
constexpr int AboutTitle = 61007;       // "About Scleron"
constexpr int BootloaderSuffix = 61020;      // " BOOTLOADER!"
constexpr int BootloaderResetSuffix = 61021; // " BOOTLOADER! Reset or Upgrade Device"
constexpr int DownloadProgress = 61022;      // "Downloading measurements: %1 of %2"
constexpr int PortsNotOpened = 61023;        // no tester found, ports that could not be opened
constexpr int SerialPortsForbidden = 62800;  // serial ports exist, none may be opened: "%1" the group
constexpr int WaitingForTester = 61030;      // "Waiting for the tester..."
constexpr int NoticeClose = 61031;           // "Close" (the notice line's button)
constexpr int ConnectionLostNotice = 61032;  // the notice of a lost connection
constexpr int UnfinishedTransferDropped = 61033; // ... and of the download it cut short
constexpr int UpgradeToolRunning = 61500;    // "Firmware upgrade tool is running..."
// The identity texts of the device area, labels of its six lines.
constexpr int ProductNameLabel = 61060;      // "Product name:"
constexpr int SerialNumberLabel = 61061;     // "Serial number:"
constexpr int FirmwareLabel = 61062;         // "Firmware:"
constexpr int BootloaderLabel = 61063;       // "Bootloader:"
constexpr int HardwareRevisionLabel = 61064; // "Hardware Revision:"
constexpr int MeasurementsLabel = 61065;     // "Measurements:"
constexpr int MeasurementsValue = 61066;     // "%1 (memory: %2% used)"
constexpr int AskClearDeviceMemory = 61067;
constexpr int RecentFileMissing = 61068;     // a recent file that is gone
constexpr int HelpMissing = 61069;           // the operating instructions are not there
constexpr int CannotOpen = 61070;            // no program opened a document or web address
constexpr int RestartForLanguage = 61080;    // "Restart application to change language."
} // namespace AppText
