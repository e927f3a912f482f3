#pragma once
// Where the tolerance limits are kept: the text value "Limits" of the user's registry key
// "Software\Halvex\Kestrel\Tolerance limits" (CToleranceTable::ToText's form), so they hold for
// every series and every file the user opens.

#include "quality/ToleranceLimits.h"

namespace LimitsSettings {
inline constexpr const char* kKey = "Software\\Halvex\\Kestrel\\Tolerance limits";
inline constexpr const char* kValue = "Limits";

// The limits kept for the user; an empty table when none are (or the key is missing).
CToleranceTable Load();
// Keeps the table for the user (the key is created when needed). False when it could not be
// written; the limits kept before stay as they were then.
bool Save(const CToleranceTable& table);
} // namespace LimitsSettings
