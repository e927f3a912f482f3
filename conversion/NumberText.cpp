#include "conversion/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kMaxDecimals = 12;

// Whole-number digits of a non-negative integral double.
std::string IntegerDigits(double whole)
{
    char buffer[400]; // the largest double has 309 digits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

} // namespace

QString FixedText(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > kMaxDecimals)
        decimals = kMaxDecimals;
    if (!std::isfinite(value)) {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    }

    // value * 10^decimals is exact for a float value (24 + 29 bits fit a double), so the halfway
    // test below sees the true fraction.
    const bool negative = std::signbit(value);
    double scaled = std::fabs(value) * std::pow(10.0, decimals);
    if (scaled < 4503599627370496.0) { // 2^52: beyond it every double is whole
        const double whole = std::trunc(scaled);
        scaled = scaled - whole >= 0.5 ? whole + 1 : whole;
    }

    std::string digits = IntegerDigits(scaled);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    if (negative)
        digits.insert(0, 1, '-');
    return QString::fromLatin1(digits.data(), static_cast<int>(digits.size()));
}

QString FormatPattern(const QString& pattern, double number, const QString& unit)
{
    QString text;
    const int length = static_cast<int>(pattern.size());
    for (int i = 0; i < length; ++i) {
        const QChar ch = pattern[i];
        if (ch != QLatin1Char('%') || i + 1 >= length) {
            text += ch;
            continue;
        }
        // %[width][.precision]conversion
        int j = i + 1;
        while (j < length && pattern[j].isDigit())
            ++j;
        int precision = 6;
        if (j < length && pattern[j] == QLatin1Char('.')) {
            int k = j + 1;
            precision = 0;
            while (k < length && pattern[k].isDigit()) {
                precision = qMin(precision * 10 + pattern[k].digitValue(), kMaxDecimals);
                ++k;
            }
            j = k;
        }
        const QChar conversion = j < length ? pattern[j] : QChar();
        if (conversion == QLatin1Char('f'))
            text += FixedText(number, precision);
        else if (conversion == QLatin1Char('d'))
            text += FixedText(std::trunc(number), 0);
        else if (conversion == QLatin1Char('s'))
            text += unit;
        else if (conversion == QLatin1Char('%') && j == i + 1)
            text += QLatin1Char('%');
        else {
            text += ch; // not a conversion this formatter knows: copied as it stands
            continue;
        }
        i = j;
    }
    return text;
}
