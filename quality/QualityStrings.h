#pragma once
// Numbers of the quality texts in the string table (resources/strings/quality.inc).

namespace QualityIds {
constexpr int Ok = 61600;     // "OK"
constexpr int NotOk = 61601;  // "NOT OK"
constexpr int Inside = 61602; // "inside"
constexpr int Below = 61603;  // "below"
constexpr int Above = 61604;  // "above"
} // namespace QualityIds
