#pragma once
// Numbers of the texts of the device link and of the command-line tool's tester commands.

namespace LinkStrings {
constexpr int MemoryDeleted = 61400;    // "Memory deleted!"
constexpr int NoTesterFound = 61401;    // "No tester found."
constexpr int NoTesterOnPort = 61402;   // "No tester answers on COM%1."
constexpr int PortNotOpened = 61403;    // "COM%1 could not be opened."
constexpr int Bootloader = 61404;       // "The tester is in its boot loader ..."
constexpr int ConnectionLost = 61405;   // "The connection to the tester was lost ..."
constexpr int TesterLine = 61406;       // "Tester: %1"
constexpr int SerialLine = 61407;       // "Serial number: %1"
constexpr int FirmwareLine = 61408;     // "Firmware: %1"
constexpr int SeriesLine = 61409;       // "Series: %1"
constexpr int MeasurementsLine = 61410; // "Measurements: %1"
constexpr int SavedTo = 61411;          // "Saved to %1"
constexpr int KeyLockNotConfirmed = 61412; // the tester did not confirm a key-lock request
constexpr int SettingsNotAcknowledged = 61413; // a settings send that was not acknowledged
constexpr int CurveNotAcknowledged = 61414;    // a custom-curve register that was not acknowledged
} // namespace LinkStrings
