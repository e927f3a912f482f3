#pragma once
// Numbers of the archive's texts in the string table (resources/strings/archive.inc).

namespace ArchiveStrings {
constexpr int Imported = 62500;        // "%1: %2 new series, %3 new measurements."
constexpr int Unreadable = 62501;      // "%1: the file cannot be read; nothing imported."
constexpr int UnknownVersion = 62502;  // "%1: not a measurement file of a known version; ..."
constexpr int TooLarge = 62503;        // "%1: larger than 256 MiB; nothing imported."
constexpr int Malformed = 62504;       // "%1: the file is damaged ...; nothing imported."
constexpr int NotRecorded = 62505;     // "%1: the archive did not take the file; nothing imported: %2"
constexpr int SwitchedOff = 62506;     // "The archive is switched off."
constexpr int CannotOpen = 62507;      // "The archive %1 cannot be opened: %2"
constexpr int BadSetting = 62508;      // "The archive setting is not valid: %1"
constexpr int Exported = 62509;        // "%1 series written to %2."
constexpr int Unreachable = 62510;     // "Archive unreachable: new measurements are kept ..."
constexpr int Reachable = 62511;       // "The archive answers again; everything kept was written."
constexpr int NoSqliteFile = 62512;    // "no file is named after \"sqlite:\""
constexpr int NotAnAddress = 62513;    // "not an archive address: ..."
constexpr int HasPassword = 62514;     // "the address holds a password: ..."
constexpr int NeedsHost = 62515;       // "the address needs a host and a database: ..."
constexpr int NotWritten = 62516;      // "%1 series not written to the archive, which did not answer."
} // namespace ArchiveStrings

// Texts of the archive window and the archive settings dialog.
namespace ArchiveWindowStrings {
constexpr int Title = 62520;
constexpr int Tester = 62521;
constexpr int Serial = 62522;
constexpr int From = 62523;
constexpr int Until = 62524;
constexpr int Scale = 62525;
constexpr int Material = 62526;
constexpr int Verdict = 62527;
constexpr int Text = 62528;
constexpr int Search = 62529;
constexpr int Open = 62530;
constexpr int Any = 62531;
constexpr int FirstColumn = 62532; // "Tester" .. "Origin": the eleven column titles
constexpr int ColumnCount = 11;
constexpr int Found = 62543;       // "%1 series found."
constexpr int TrendTitle = 62544;  // "Series means of %1 in %2"
constexpr int Downloaded = 62545;  // "downloaded on %1"
constexpr int FromFile = 62546;    // "file %1"
constexpr int TrendHint = 62547;
constexpr int SettingsTitle = 62550;
constexpr int DefaultFile = 62551;
constexpr int Off = 62552;
constexpr int Other = 62553;
constexpr int EnvironmentWins = 62554;
constexpr int SettingsNotSaved = 62555;
constexpr int Examples = 62556;
} // namespace ArchiveWindowStrings
