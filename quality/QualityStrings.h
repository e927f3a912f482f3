#pragma once
// Numbers of the quality texts in the string table (resources/strings/quality.inc).

namespace QualityIds {
constexpr int Ok = 61800;     // "OK"
constexpr int NotOk = 61801;  // "NOT OK"
constexpr int Inside = 61802; // "inside"
constexpr int Below = 61803;  // "below"
constexpr int Above = 61804;  // "above"
} // namespace QualityIds

// Texts of the tolerance limits dialog.
namespace LimitsDialogIds {
constexpr int Title = 61810;       // "Tolerance limits"
constexpr int Scale = 61811;       // "&Scale:"
constexpr int Material = 61812;    // "&Material:"
constexpr int Lower = 61813;       // "&Lower limit:"
constexpr int Upper = 61814;       // "&Upper limit:"
constexpr int None = 61815;        // "none"
constexpr int Remove = 61816;      // "&Remove these limits"
constexpr int ListTitle = 61817;   // "Limits set:"
constexpr int Invalid = 61818;     // "A limit is a number above 0, ..."
constexpr int SaveFailed = 61819;  // "The tolerance limits could not be saved in the settings file \"%1\"."
} // namespace LimitsDialogIds
