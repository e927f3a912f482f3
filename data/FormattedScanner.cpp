#include "data/FormattedScanner.h"

#include <charconv>
#include <climits>
#include <cstring>

namespace {
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
bool StartsWithNoCase(const char* text, std::size_t length, const char* word)
{
    const std::size_t n = std::strlen(word);
    if (length < n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}
} // namespace

bool CFormattedScanner::Peek(char& c) const
{
    if (pos >= static_cast<std::size_t>(data.size()))
        return false;
    c = data[static_cast<qsizetype>(pos)];
    return true;
}

void CFormattedScanner::SkipSpace()
{
    char c;
    while (Peek(c) && IsSpace(c))
        ++pos;
}

bool CFormattedScanner::AtEnd()
{
    SkipSpace();
    char c;
    return !Peek(c);
}

bool CFormattedScanner::ReadInt(std::int32_t& out)
{
    SkipSpace();
    std::size_t p = pos;
    const std::size_t size = static_cast<std::size_t>(data.size());
    bool negative = false;
    if (p < size && (data[p] == '+' || data[p] == '-'))
        negative = data[p++] == '-';
    if (p >= size || !IsDigit(data[p]))
        return false;
    long long value = 0;
    for (; p < size && IsDigit(data[p]); ++p)
        if (value <= LLONG_MAX / 10 - 10)
            value = value * 10 + (data[p] - '0');
    if (negative)
        value = -value;
    // Out-of-range numbers saturate instead of wrapping.
    out = static_cast<std::int32_t>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
    pos = p;
    return true;
}

bool CFormattedScanner::ReadFloat(float& out)
{
    SkipSpace();
    const char* begin = data.constData() + pos;
    const std::size_t size = static_cast<std::size_t>(data.size()) - pos;
    std::size_t p = 0;
    if (p < size && (begin[p] == '+' || begin[p] == '-'))
        ++p;
    const std::size_t bodyStart = p;
    if (StartsWithNoCase(begin + p, size - p, "infinity"))
        p += 8;
    else if (StartsWithNoCase(begin + p, size - p, "inf") || StartsWithNoCase(begin + p, size - p, "nan"))
        p += 3;
    else {
        std::size_t digits = 0;
        while (p < size && IsDigit(begin[p])) { ++p; ++digits; }
        if (p < size && begin[p] == '.') {
            ++p;
            while (p < size && IsDigit(begin[p])) { ++p; ++digits; }
        }
        if (digits == 0)
            return false;
        if (p < size && (begin[p] == 'e' || begin[p] == 'E')) {
            std::size_t q = p + 1;
            if (q < size && (begin[q] == '+' || begin[q] == '-'))
                ++q;
            if (q < size && IsDigit(begin[q])) {
                while (q < size && IsDigit(begin[q]))
                    ++q;
                p = q;
            }
        }
    }
    float value = 0.0f;
    const auto result = std::from_chars(begin + bodyStart, begin + p, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return false;
    if (result.ec == std::errc::result_out_of_range) {
        // Like strtof: overflow gives infinity, underflow zero.
        value = 0.0f;
        for (std::size_t i = bodyStart; i < p; ++i) {
            if (begin[i] == 'e' || begin[i] == 'E') {
                value = (begin[i + 1] == '-') ? 0.0f : __builtin_inff();
                break;
            }
        }
    }
    out = (bodyStart > 0 && begin[0] == '-') ? -value : value;
    pos += p;
    return true;
}

bool CFormattedScanner::ReadWord(QString& out, int maxChars)
{
    SkipSpace();
    const std::size_t start = pos;
    char c;
    while (Peek(c) && !IsSpace(c))
        ++pos;
    if (pos == start)
        return false;
    const qsizetype length = static_cast<qsizetype>(pos - start);
    out = QString::fromLatin1(data.constData() + start, qMin<qsizetype>(length, maxChars));
    return true;
}

bool CFormattedScanner::ReadHex64(std::int64_t& out)
{
    SkipSpace();
    const std::size_t size = static_cast<std::size_t>(data.size());
    if (pos + 1 >= size || data[pos] != '0' || (data[pos + 1] != 'x' && data[pos + 1] != 'X'))
        return false;
    std::size_t p = pos + 2;
    std::uint64_t value = 0;
    int digits = 0;
    for (; p < size && digits < 16; ++p, ++digits) {
        const int d = HexDigit(data[p]);
        if (d < 0)
            break;
        value = (value << 4) | static_cast<std::uint64_t>(d);
    }
    if (digits == 0)
        return false;
    out = static_cast<std::int64_t>(value);
    pos = p;
    return true;
}

void CFormattedScanner::SkipLineEnd()
{
    char c;
    while (Peek(c) && (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'))
        ++pos;
    if (Peek(c) && c == '\n')
        ++pos;
}

QByteArray CFormattedScanner::TakeLine()
{
    const qsizetype start = static_cast<qsizetype>(pos);
    qsizetype end = data.indexOf('\n', start);
    if (end < 0)
        end = data.size();
    pos = static_cast<std::size_t>(end < data.size() ? end + 1 : end);
    QByteArray line = data.mid(start, end - start);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}
