#pragma once
// The settings dialog's conversions between store values and what its controls show: list
// positions of scales, the rounding and limits of a custom curve's offset, and reading the numbers
// the operator types.

#include <QString>

// The measuring-mode list offers every scale but Rockwell A (6): position of a scale in it, -1 for
// scale 6 and for anything outside 0..9.
int ModeListPosition(int scale);
// The custom-curve lists leave out Rockwell A (6) and custom curves (9): position of a base scale,
// -1 for 6, 9 and anything outside 0..8.
int CurveListPosition(int scale);
// The scale at a position of either list: positions 0..5 are scales 0..5, later ones skip scale 6.
int ScaleAtListPosition(int position);

// A custom curve's offset as the tester keeps it: on Rockwell C, B, A and Shore (base scales 4..7)
// one decimal within -10.0..+10.0, on every other base scale a whole number within -50..+50.
// Halves round away from zero; a NaN becomes 0 and -0 becomes 0.
float RoundCurveOffset(float offset, int baseScale);
// The largest offset, either way, a curve on that base scale may have (10.0 or 50).
float CurveOffsetLimit(int baseScale);
// Whether a typed offset, once rounded as above, lies within the limit of its base scale.
bool CurveOffsetFits(float offset, int baseScale);
// The offset as the dialog shows it: a sign and one decimal ("+12.0", "-7.3").
QString OffsetText(float offset);
// Reads the decimal number an offset text starts with (after blanks), 0 when it starts with none.
// A comma where the number would continue with a full stop is read as the decimal point ("12,5").
float ReadOffsetText(const QString& text);
// Reads the whole number a text starts with (after blanks, with an optional sign), 0 when it
// starts with none. Numbers beyond +-10^12 are held there.
long long ReadWholeNumber(const QString& text);
