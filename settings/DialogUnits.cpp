#include "settings/DialogUnits.h"

#include <QFontMetrics>

namespace {
// value * numerator / denominator rounded to the nearest integer, halves away from zero.
int ScaleRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}
} // namespace

SDialogBaseUnits DialogBaseUnits(const QFontMetrics& metrics)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(letters);
    return SDialogBaseUnits{(width / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(int x, SDialogBaseUnits base)
{
    return ScaleRounded(x, base.x, 4);
}

int DialogUnitsToPixelsY(int y, SDialogBaseUnits base)
{
    return ScaleRounded(y, base.y, 8);
}

QRect DialogUnitsToPixels(const QRect& units, SDialogBaseUnits base)
{
    const int left = DialogUnitsToPixelsX(units.x(), base);
    const int top = DialogUnitsToPixelsY(units.y(), base);
    const int right = DialogUnitsToPixelsX(units.x() + units.width(), base);
    const int bottom = DialogUnitsToPixelsY(units.y() + units.height(), base);
    return QRect(left, top, right - left, bottom - top);
}
