#include "tools/kestrel-sim/TextTools.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Sim {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

bool SplitCommandLine(const std::string& line, std::vector<std::string>* words, std::string* error)
{
    words->clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                word += line[i++];
            words->push_back(word);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size()) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                word += c;
                continue;
            }
            if (i >= line.size())
                break;
            const char e = line[i++];
            switch (e) {
            case 'r': word += '\r'; break;
            case 'n': word += '\n'; break;
            case 't': word += '\t'; break;
            case '\\': word += '\\'; break;
            case '"': word += '"'; break;
            case 'x': {
                const int high = i < line.size() ? HexDigit(line[i]) : -1;
                const int low = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
                if (high < 0 || low < 0) {
                    *error = "\\x needs two hexadecimal digits";
                    return false;
                }
                word += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                *error = std::string("unknown escape \\") + e;
                return false;
            }
        }
        if (!closed) {
            *error = "unterminated quote";
            return false;
        }
        words->push_back(word);
    }
    return true;
}

bool ParseInteger(const std::string& text, long long* value)
{
    if (text.empty())
        return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || !end || *end != '\0' || end == text.c_str())
        return false;
    *value = parsed;
    return true;
}

bool ParseFloat(const std::string& text, float* value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const float parsed = std::strtof(text.c_str(), &end);
    if (!end || *end != '\0' || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes, std::size_t limit)
{
    std::string text;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
        if (!text.empty())
            text += ' ';
        text += buffer;
    }
    if (bytes.size() > limit)
        text += " ... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

bool ParseHexBytes(const std::vector<std::string>& words, std::vector<std::uint8_t>* bytes)
{
    bytes->clear();
    for (std::string word : words) {
        if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
            word = word.substr(2);
        if (word.empty() || word.size() % 2 != 0)
            return false;
        for (std::size_t i = 0; i < word.size(); i += 2) {
            const int high = HexDigit(word[i]);
            const int low = HexDigit(word[i + 1]);
            if (high < 0 || low < 0)
                return false;
            bytes->push_back(static_cast<std::uint8_t>(high * 16 + low));
        }
    }
    return !bytes->empty();
}

} // namespace Sim
