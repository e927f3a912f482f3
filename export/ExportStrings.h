#pragma once
// Numbers of the texts of the exports and of the live logger in the string table
// (resources/strings/export.inc).

namespace ExportStrings {
constexpr int NotALog = 61700;          // an existing -o file that is not a measurement log
constexpr int ExportCsvFilter = 61701;  // file dialog filter of the CSV export
constexpr int ExportFailed = 61702;     // "Unable to export to \"%1\":\n%2"
} // namespace ExportStrings
