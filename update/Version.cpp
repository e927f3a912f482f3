#include "update/Version.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kMaxSingleNumberChars = 19;
constexpr std::int64_t kMax16 = 0xFFFF;
constexpr std::int64_t kMax32 = 0xFFFFFFFFLL;

// Reads up to four signed 64-bit numbers separated by '.', the way a scanf pattern
// "%I64d.%I64d.%I64d.%I64d" would: white space before a number is skipped, reading stops at the
// first character that does not fit. A number too large for 64 bits ends the reading before it.
int ScanNumbers(const QByteArray& text, std::int64_t (&numbers)[4])
{
    const char* p = text.constData();
    int count = 0;
    while (count < 4) {
        if (count > 0) {
            if (*p != '.')
                break;
            ++p;
        }
        while (std::isspace(static_cast<unsigned char>(*p)))
            ++p;
        if (!std::isdigit(static_cast<unsigned char>(*p))
            && !((*p == '+' || *p == '-') && std::isdigit(static_cast<unsigned char>(p[1]))))
            break;
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(p, &end, 10);
        if (errno == ERANGE)
            break;
        numbers[count++] = value;
        p = end;
    }
    return count;
}

bool AllIn(const std::int64_t* numbers, int count, std::int64_t max)
{
    for (int i = 0; i < count; ++i)
        if (numbers[i] < 0 || numbers[i] > max)
            return false;
    return true;
}

std::uint64_t ParseVersion(const QString& input)
{
    QString text = input;
    text.remove(QLatin1Char(' '));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    std::int64_t n[4] = {0, 0, 0, 0};
    const int count = ScanNumbers(text.toLatin1(), n);
    switch (count) {
    case 1:
        // A negative single number is no version either (it would wrap to a huge value).
        return (text.size() <= kMaxSingleNumberChars && n[0] >= 0) ? static_cast<std::uint64_t>(n[0]) : 0;
    case 2:
        return AllIn(n, 2, kMax32) ? (static_cast<std::uint64_t>(n[0]) << 32) | static_cast<std::uint64_t>(n[1]) : 0;
    case 3:
    case 4:
        if (!AllIn(n, 4, kMax16))
            return 0;
        return (static_cast<std::uint64_t>(n[0]) << 48) | (static_cast<std::uint64_t>(n[1]) << 32)
            | (static_cast<std::uint64_t>(n[2]) << 16) | static_cast<std::uint64_t>(n[3]);
    default:
        return 0;
    }
}

bool DigitsOnly(const QString& piece)
{
    for (QChar c : piece)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

CVersion::CVersion(const QString& text)
    : m_value(ParseVersion(text))
{
}

CVersion CVersion::FromValue(std::uint64_t value)
{
    CVersion v;
    v.m_value = value;
    return v;
}

CVersion CVersion::FromInstallerName(const QString& fileName)
{
    if (fileName.size() <= 5 || !fileName.endsWith(QLatin1String(".exe")))
        return {};
    const qsizetype marker = fileName.indexOf(QLatin1String("_V_"));
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    if (marker < 0 || dot < 0)
        return {};
    const qsizetype from = marker + 3;
    if (dot < from)
        return {};
    QString text = fileName.mid(from, dot - from);
    text.replace(QLatin1Char('_'), QLatin1Char('.'));
    return CVersion(text);
}

CVersion CVersion::FromFirmwareName(const QString& fileName, int kind)
{
    if (fileName.size() <= 3 || !fileName.endsWith(QLatin1String("lod")))
        return {};
    const qsizetype marker = fileName.indexOf(QLatin1String("-V"));
    if (marker < 0)
        return {};
    QString rest = fileName.mid(marker + 2);
    QString versionText;
    QString kindText;
    bool kindKnown = false;
    for (;;) {
        qsizetype sep = -1;
        for (qsizetype i = 0; i < rest.size(); ++i)
            if (rest[i] == QLatin1Char('.') || rest[i] == QLatin1Char('_')) {
                sep = i;
                break;
            }
        if (sep < 0) {
            // Only "lod" may stand after the version without a kind between them.
            kindKnown = rest == QLatin1String("lod");
            break;
        }
        const QString piece = rest.left(sep);
        if (!DigitsOnly(piece)) {
            kindText = piece;
            kindKnown = true;
            break;
        }
        versionText += piece + QLatin1Char('.');
        rest = rest.mid(sep + 1);
    }
    if (!kindKnown)
        return {};
    bool accepted = kindText.isEmpty();
    if (kind == kApplicationFirmware)
        accepted = accepted || kindText == QLatin1String("FW") || kindText == QLatin1String("APP");
    else if (kind == kOperatingSystem)
        accepted = accepted || kindText == QLatin1String("OS");
    else
        accepted = false;
    return accepted ? CVersion(versionText) : CVersion();
}

QString CVersion::Format(int style) const
{
    const auto part = [this](int k) { return QString::number(static_cast<qint64>(GetPart(k))); };
    switch (style) {
    case 2:
        return QString::number(static_cast<qint64>(m_value >> 32)) + QLatin1Char('.')
            + QString::number(static_cast<qint64>(m_value & 0xFFFFFFFFULL));
    case 3:
        return part(0) + QLatin1Char('.') + part(1) + QLatin1Char('.') + part(2);
    case 4:
        return part(0) + QLatin1Char('.') + part(1) + QLatin1Char('.') + part(2) + QLatin1Char('.') + part(3);
    default:
        // Printed as a signed number, as every other style's numbers are.
        return QString::number(static_cast<qint64>(m_value));
    }
}

std::uint16_t CVersion::GetPart(int k) const
{
    if (k < 0 || k > 3)
        return 0;
    return static_cast<std::uint16_t>(m_value >> (16 * (3 - k)));
}
