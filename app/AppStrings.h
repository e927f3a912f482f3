#pragma once
// Numbers of the application shell's texts in the string table.

namespace AppText {
constexpr int Title = 128;              // "Scleron"
constexpr int Offline = 58153;
constexpr int AskSaveMeasurements = 58179;
constexpr int VersionLine = 61003;      // "Scleron Version %1"
constexpr int RightsLine = 61004;
constexpr int CapsIndicator = 61005;    // "CAP"
constexpr int NumIndicator = 61006;     // "NUM"
constexpr int AboutTitle = 61007;       // "About Scleron"
} // namespace AppText
