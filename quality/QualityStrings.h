#pragma once
// Numbers of the quality texts in the string table (resources/strings/quality.inc).

namespace QualityIds {
constexpr int Ok = 61600;     // "OK"
constexpr int NotOk = 61601;  // "NOT OK"
constexpr int Inside = 61602; // "inside"
constexpr int Below = 61603;  // "below"
constexpr int Above = 61604;  // "above"
} // namespace QualityIds

// Texts of the tolerance limits dialog.
namespace LimitsDialogIds {
constexpr int Title = 61610;       // "Tolerance limits"
constexpr int Scale = 61611;       // "&Scale:"
constexpr int Material = 61612;    // "&Material:"
constexpr int Lower = 61613;       // "&Lower limit:"
constexpr int Upper = 61614;       // "&Upper limit:"
constexpr int None = 61615;        // "none"
constexpr int Remove = 61616;      // "&Remove these limits"
constexpr int ListTitle = 61617;   // "Limits set:"
constexpr int Invalid = 61618;     // "A limit is a number above 0, ..."
constexpr int SaveFailed = 61619;  // "The tolerance limits could not be saved in the settings file \"%1\"."
} // namespace LimitsDialogIds
