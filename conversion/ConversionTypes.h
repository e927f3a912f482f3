#pragma once
// Numbers shared by everything that converts hardness values: scale types (the index into a scale
// catalogue), probe types, material indices and the string resources of the conversion.

namespace ScaleType {
constexpr int RawLeeb = 0;        // raw Leeb value, uncorrected
constexpr int CorrectedLeeb = 1;  // Leeb value corrected for the impact direction
constexpr int Vickers = 2;
constexpr int Brinell = 3;
constexpr int RockwellC = 4;
constexpr int RockwellB = 5;
constexpr int RockwellA = 6;      // catalogued, never convertible
constexpr int Shore = 7;
constexpr int TensileStrength = 8;
constexpr int Custom = 9;         // custom curves HC1..HC3
constexpr int Count = 10;         // entries of each scale catalogue
// Scales that have curve tables: Vickers .. tensile strength.
constexpr int FirstCurve = Vickers;
constexpr int LastCurve = TensileStrength;
constexpr int CurveScaleCount = LastCurve - FirstCurve + 1; // 7 per probe
} // namespace ScaleType

namespace ProbeType {
constexpr int LeebD = 0;
constexpr int LeebDL = 1; // any value other than LeebDL is treated as Leeb D
} // namespace ProbeType

namespace MaterialIndex {
constexpr int None = 0;
constexpr int FirstGroup = 1;        // 1..10 material groups of the hardness scales
constexpr int FirstTensile = 11;     // 11..13 tensile-strength groups
constexpr int FirstCustom = 14;      // 14..16 custom curves HC1..HC3
constexpr int LastCustom = 16;
constexpr int Count = 17;            // entries of materialNames
} // namespace MaterialIndex

namespace ConversionIds {
constexpr int ScaleNamesD = 58100;     // 58100..58109: scale names of the Leeb D catalogue
constexpr int RawLeebDL = 58182;       // "HLDL Leeb DL raw"
constexpr int CorrectedLeebDL = 58183; // "HLDL  Leeb DL"
constexpr int ColumnTitles = 58130;    // 58130..58137: "Index" .. "Impact body"
constexpr int ColumnTitleCount = 8;
constexpr int OutOfRange = 58150;      // "Out of range"
constexpr int NoCurve = 58152;         // "no curve"
// Statistics-row texts (each a pattern: "%0.Nf" takes the number, "%d" the count, "%s" the unit).
constexpr int MeanNone = 61100;        // "m: -"
constexpr int MeanSmall = 61101;       // "m: %0.1f %s"
constexpr int MeanLarge = 61102;       // "m: %0.0f %s"
constexpr int DeviationNone = 61103;   // "s: -"
constexpr int DeviationSmall = 61104;  // "s: %0.2f %s"
constexpr int DeviationLarge = 61105;  // "s: %0.1f %s"
constexpr int MinimumNone = 61106;     // "Min: -"
constexpr int MinimumSmall = 61107;    // "Min: %0.1f %s"
constexpr int MinimumLarge = 61108;    // "Min: %0.0f %s"
constexpr int MaximumNone = 61109;     // "Max: -"
constexpr int MaximumSmall = 61110;    // "Max: %0.1f %s"
constexpr int MaximumLarge = 61111;    // "Max: %0.0f %s"
constexpr int RangeNone = 61112;       // "R: -"
constexpr int RangeSmall = 61113;      // "R: %0.1f %s"
constexpr int RangeLarge = 61114;      // "R: %0.0f %s"
constexpr int CountNone = 61115;       // "N: -"
constexpr int CountSome = 61116;       // "N: %d"
} // namespace ConversionIds
