#pragma once
// Numbers of the texts of the exports and of the live logger in the string table
// (resources/strings/export.inc).

namespace ExportStrings {
constexpr int NotALog = 61700;          // an existing -o file that is not a measurement log
constexpr int ExportCsvFilter = 61701;  // file dialog filter of the CSV export
constexpr int ExportFailed = 61702;     // "Unable to export to \"%1\":\n%2"
// The live logger (scleron-cli watch).
constexpr int ImpactLine = 61710;       // "%1.%2  %3  %4  (L %5, %6°)": series.measurement, time, value, raw, angle
constexpr int HiddenImpact = 61711;     // "%1  hidden": an impact line of a measurement that arrived hidden
constexpr int DiscardLine = 61712;      // "%1.%2  discarded"
constexpr int Watching = 61713;         // "Watching %1 %2 on COM%3: %4 measurements ..."
constexpr int ConnectionLost = 61714;   // "The connection to the tester was lost; trying again ..."
constexpr int ConnectionBack = 61715;   // "The tester answers again."
constexpr int AnotherTester = 61716;    // "Another tester (%1 %2) answers on COM%3; watching ends."
constexpr int CannotWrite = 61717;      // "Unable to write to \"%1\": %2"
constexpr int Ended = 61718;            // "Ended: %1 new impacts, %2 discards."
} // namespace ExportStrings
