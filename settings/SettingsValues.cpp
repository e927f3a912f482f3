#include "settings/SettingsValues.h"

#include "conversion/ConversionEngine.h"
#include "conversion/NumberText.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <string>

namespace {
constexpr int kRockwellA = 6;
constexpr int kCustomCurve = 9;
constexpr long long kWholeNumberLimit = 1000000000000LL;

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int SkipBlanks(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}
} // namespace

int ModeListPosition(int scale)
{
    if (scale < 0 || scale > kCustomCurve || scale == kRockwellA)
        return -1;
    return scale < kRockwellA ? scale : scale - 1;
}

int CurveListPosition(int scale)
{
    return scale == kCustomCurve ? -1 : ModeListPosition(scale);
}

int ScaleAtListPosition(int position)
{
    return position <= 5 ? position : position + 1;
}

namespace {
bool OffsetInTenths(int baseScale)
{
    return baseScale >= 4 && baseScale <= 7;
}
} // namespace

float CurveOffsetLimit(int baseScale)
{
    return OffsetInTenths(baseScale) ? 10.0f : 50.0f;
}

bool CurveOffsetFits(float offset, int baseScale)
{
    const float limit = CurveOffsetLimit(baseScale);
    if (std::isnan(offset) || std::fabs(offset) > 2.0f * limit)
        return false;
    return std::fabs(RoundDecimals(offset, OffsetInTenths(baseScale) ? 1 : 0)) <= limit;
}

float RoundCurveOffset(float offset, int baseScale)
{
    if (std::isnan(offset))
        return 0.0f;
    const bool tenths = OffsetInTenths(baseScale);
    const float limit = CurveOffsetLimit(baseScale);
    // Far beyond the limit the rounding itself would overflow; the limit holds anyway.
    const float bounded = std::clamp(offset, -2.0f * limit, 2.0f * limit);
    const float rounded = std::clamp(RoundDecimals(bounded, tenths ? 1 : 0), -limit, limit);
    return rounded + 0.0f; // -0 shows as +0.0
}

QString OffsetText(float offset)
{
    QString text = FixedText(offset, 1);
    if (!text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char('+'));
    return text;
}

float ReadOffsetText(const QString& text)
{
    // The longest prefix that reads as [sign] digits [. digits] [e [sign] digits].
    std::string number;
    int i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    int digits = 0;
    const auto takeDigits = [&] {
        while (i < text.size() && IsDigit(text[i])) {
            number += static_cast<char>(text[i++].unicode());
            ++digits;
        }
    };
    takeDigits();
    const bool point = i < text.size() && (text[i] == QLatin1Char('.') || text[i] == QLatin1Char(','));
    if (point && (digits > 0 || (i + 1 < text.size() && IsDigit(text[i + 1])))) {
        // A comma only counts as the decimal point when digits follow it.
        if (text[i] == QLatin1Char('.') || (i + 1 < text.size() && IsDigit(text[i + 1]))) {
            number += '.';
            ++i;
            takeDigits();
        }
    }
    if (digits == 0)
        return 0.0f;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += static_cast<char>(text[j++].unicode());
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]) && exponent.size() < 8)
                exponent += static_cast<char>(text[j++].unicode());
            number += exponent;
        }
    }
    // Read without the C library's locale, which may want a comma.
    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = number.find("e-") != std::string::npos ? 0.0f : HUGE_VALF;
    else if (error != std::errc())
        value = 0.0f;
    return negative ? -value : value;
}

long long ReadWholeNumber(const QString& text)
{
    int i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(kWholeNumberLimit, value * 10 + (text[i].unicode() - '0'));
    return negative ? -value : value;
}
