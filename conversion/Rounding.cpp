// Single-precision rounding shared by the conversion, the statistics and the settings dialog.
#include "conversion/ConversionEngine.h"

#include <array>
#include <cmath>

namespace {

// Powers of ten for whole exponents. Each is computed once with std::pow, so a look-up gives
// exactly what std::pow gives, only faster.
constexpr int kPowerSpan = 64;

double PowerOfTen(double exponent)
{
    static const std::array<double, 2 * kPowerSpan + 1> powers = [] {
        std::array<double, 2 * kPowerSpan + 1> table{};
        for (int k = -kPowerSpan; k <= kPowerSpan; ++k)
            table[static_cast<std::size_t>(k + kPowerSpan)] = std::pow(10.0, static_cast<double>(k));
        return table;
    }();
    if (exponent >= -kPowerSpan && exponent <= kPowerSpan && exponent == std::floor(exponent))
        return powers[static_cast<std::size_t>(static_cast<int>(exponent) + kPowerSpan)];
    return std::pow(10.0, exponent);
}

} // namespace

float RoundDecimals(float x, int n)
{
    float y = static_cast<float>(x * PowerOfTen(n + 1.0));
    y = x >= 0 ? y + 5 : y - 5;
    y = y / 10;
    const float whole = std::trunc(y); // stays a float: no overflow for large values
    return static_cast<float>(whole / PowerOfTen(n));
}

float RoundSignificant(float x, int n)
{
    if (n < 1 || x == 0)
        return x;
    const float sign = x > 0 ? 1.0f : -1.0f;
    const float magnitude = std::fabs(x);
    // log10 and floor act on the float itself.
    const float exponent = std::floor(std::log10(magnitude)) + 1.0f;
    const float power = static_cast<float>(PowerOfTen(exponent));
    return RoundDecimals(magnitude / power, n) * sign * power;
}
