#pragma once
// Dialog units: dialog layouts are given in units of the dialog font, a quarter of its average
// character width across and an eighth of its character height down, so a dialog keeps its
// proportions whatever font and screen it is shown with.

#include <QRect>

class QFontMetrics;

struct SDialogBaseUnits {
    int x = 0; // average character width in pixels
    int y = 0; // character height in pixels
};

// The base units of a font: the average width of the 52 letters A..Z a..z, rounded to the nearest
// pixel, and the font's line height.
SDialogBaseUnits DialogBaseUnits(const QFontMetrics& metrics);

// Dialog units to pixels: x * base.x / 4 and y * base.y / 8, rounded to the nearest pixel (halves
// away from zero).
int DialogUnitsToPixelsX(int x, SDialogBaseUnits base);
int DialogUnitsToPixelsY(int y, SDialogBaseUnits base);
// A rectangle's four edges mapped one by one, so controls that touch in dialog units touch in
// pixels too.
QRect DialogUnitsToPixels(const QRect& units, SDialogBaseUnits base);
