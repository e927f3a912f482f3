// Single-precision rounding shared by the conversion, the statistics and the settings dialog.
#include "conversion/ConversionEngine.h"

#include <cmath>

float RoundDecimals(float x, int n)
{
    float y = static_cast<float>(x * std::pow(10.0, n + 1));
    y = x >= 0 ? y + 5 : y - 5;
    y = y / 10;
    const float whole = std::trunc(y); // stays a float: no overflow for large values
    return static_cast<float>(whole / std::pow(10.0, n));
}

float RoundSignificant(float x, int n)
{
    if (n < 1 || x == 0)
        return x;
    const float sign = x > 0 ? 1.0f : -1.0f;
    const float magnitude = std::fabs(x);
    // log10 and floor act on the float itself.
    const float exponent = std::floor(std::log10(magnitude)) + 1.0f;
    const float power = static_cast<float>(std::pow(10.0, static_cast<double>(exponent)));
    return RoundDecimals(magnitude / power, n) * sign * power;
}
