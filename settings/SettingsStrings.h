#pragma once
// Numbers of the device settings dialog's texts in the string table
// (resources/strings/settings.inc, 61600..61649).

namespace SettingsText {
constexpr int Title = 61600;              // "Device Settings"
constexpr int TesterPlaceholder = 61601;  // "Kestrel", replaced by the tester's name at refresh
constexpr int ImpactCounter = 61602;      // "Impact counter:"
constexpr int MeasurementCounter = 61603; // "Measurement counter:"
constexpr int FixedImpacts = 61604;       // "Fixed number of impacts:"
constexpr int LockKeys = 61605;           // "Lock Keys"
constexpr int ConversionStandard = 61606; // "Conversion Standard:"
constexpr int ImpactBody = 61607;         // "Impact Body:"
constexpr int Custom1 = 61608;            // "HC1 Custom1"
constexpr int Custom2 = 61609;            // "HC2 Custom2"
constexpr int Custom3 = 61610;            // "HC3 Custom3"
constexpr int Receive = 61611;            // "Receive Settings"
constexpr int Send = 61612;               // "Send Settings"
constexpr int Exit = 61613;               // "Exit"
constexpr int StandardDefault = 61614;    // "default"
constexpr int StandardCustomJ = 61615;    // "Custom J"
constexpr int ProbeD = 61616;             // "D"
constexpr int ProbeDL = 61617;            // "DL"
// Entries the dialog refuses, told in its notice line.
constexpr int FixedImpactsRefused = 61618; // "Fixed number of impacts: %1 ..."
constexpr int CounterRefused = 61619;      // "Measurement counter: %1 ..."
constexpr int OffsetRefused = 61620;       // "HC%1 offset: %2 ..."
} // namespace SettingsText
