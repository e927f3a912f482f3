#pragma once
// The colours of the verdicts, the same wherever a verdict is shown: the table's cell tints, the
// chart's points and the report's values and marks. Plain red, green and blue components, so that
// this library needs no GUI module.

#include "quality/Verdicts.h"

namespace VerdictColours {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Backgrounds of the table's value cells.
constexpr Rgb kInsideTint{205, 240, 205};
constexpr Rgb kBelowTint{255, 224, 160};
constexpr Rgb kAboveTint{250, 195, 195};

// Points, texts and marks on a white ground: below a limit amber, above red (the darker shades
// of the tints), and the series' "OK" green, "NOT OK" red.
constexpr Rgb kBelowMark{215, 135, 0};
constexpr Rgb kAboveMark{200, 30, 30};
constexpr Rgb kOkMark{20, 130, 40};
constexpr Rgb kNotOkMark{200, 30, 30};

// The mark colour of a value outside the limits; `fallback` for inside and not judged.
constexpr Rgb MarkOf(Verdict verdict, Rgb fallback)
{
    return verdict == Verdict::Below ? kBelowMark : verdict == Verdict::Above ? kAboveMark : fallback;
}

} // namespace VerdictColours
