#include "mirror/DisplaySegments.h"

#include <QStringList>

#include <array>

namespace Display {
namespace {

// The character set: the segments each code lights in cells 1, 2, 3 and 4.
struct CharacterRow {
    char code;
    const char* cell1;
    const char* cell2;
    const char* cell3;
    const char* cell4;
};

constexpr CharacterRow kCharacterSet[] = {
    // code   cell 1           cell 2            cell 3             cell 4
    {'#',    "d g",           "d g",            "d g",             "d g"},
    {'-',    "g",             "g",              "g",               "g"},
    {'0',    "a r d e f",     "a b c d e f",    "a b c d e f",     "a b c d e f"},
    {'1',    "r",             "b c",            "b c",             "b c"},
    {'2',    "a u d e g",     "a b d e g",      "a b d e g",       "a b d e g"},
    {'3',    "a r d g",       "a b c d g",      "a b c d g",       "a b c d g"},
    {'4',    "r f g",         "b c f g",        "b c f g",         "b c f g"},
    {'5',    "a l d f g",     "a c d f g",      "a c d f g",       "a c d f g"},
    {'6',    "a l d e f g",   "a c d e f g",    "a c d e f g",     "a c d e f g"},
    {'7',    "a r",           "a b c",          "a b c",           "a b c"},
    {'8',    "a r d e f g",   "a b c d e f g",  "a b c d e f g",   "a b c d e f g"},
    {'9',    "a r d f g",     "a b c d f g",    "a b c d f g",     "a b c d f g"},
    {'=',    "a",             "a",              "a",               "a"},
    {'A',    "a u l e f g",   "a b c e f g",    "a b c e f g",     "a b c e f g"},
    {'B',    "a u l d e f g", "a b c d e f g",  "a b c d e f g",   "a b c d e f g"},
    {'C',    "a d e f",       "a d e f",        "a d e f",         "a d e f"},
    {'E',    "a d e f g",     "a d e f g",      "a d e f g",       "a d e f g"},
    {'F',    "a e f g",       "a e f g",        "a e f g",         "a e f g"},
    {'G',    "a l d e f",     "a c d e f",      "a c d e f",       "a c d e f"},
    {'H',    "u l e f g",     "b c e f g",      "b c e f g",       "b c e f g"},
    {'I',    "e f",           "e f",            "e f",             "e f"},
    {'J',    "r d",           "b c d",          "b c d",           "b c d"},
    {'K',    "u l e f g",     "",               "",                ""},
    {'L',    "d e f",         "d e f",          "d e f",           "d e f"},
    {'M',    "a u r e f",     "a b e f",        "a b e f x",       "a b e f"},
    {'N',    "u r l e f",     "a b c e f",      "b c e f x",       "a b c e f"},
    {'O',    "a u l d e f",   "a b c d e f",    "a b c d e f",     "a b c d e f"},
    {'P',    "a u e f g",     "a b e f g",      "a b e f g",       "a b e f g"},
    {'Q',    "a r l d e f",   "a b c d e f",    "a b c d e f x",   "a b c d e f"},
    {'R',    "a u r e f g",   "a b e f g",      "a b e f g x",     "a b e f g"},
    {'S',    "a l d f g",     "a c d f g",      "a c d f g",       "a c d f g"},
    {'U',    "u l d e f",     "b c d e f",      "b c d e f",       "b c d e f"},
    {'V',    "u r l f",       "b c f",          "b c f x",         "b c f"},
    {'Y',    "r d f g",       "b c d f g",      "b c d f g",       "b c d f g"},
    {'_',    "d",             "d",              "d",               "d"},
    {'b',    "l d e f g",     "c d e f g",      "c d e f g",       "c d e f g"},
    {'c',    "d e g",         "d e g",          "d e g",           "d e g"},
    {'d',    "u l d e g",     "b c d e g",      "b c d e g",       "b c d e g"},
    {'h',    "l e f g",       "c e f g",        "c e f g",         "c e f g"},
    {'k',    "",              "",               "e f g x",         ""},
    {'m',    "l e g",         "c e g",          "c e g",           "c e g"},
    {'n',    "l e g",         "c e g",          "c e g",           "c e g"},
    {'o',    "l d e g",       "c d e g",        "c d e g",         "c d e g"},
    {'r',    "e g",           "e g",            "e g",             "e g"},
    {'t',    "d e f g",       "d e f g",        "d e f g",         "d e f g"},
    {'u',    "l d e",         "c d e",          "c d e",           "c d e"},
    {'v',    "r l",           "c",              "c x",             "c"},
};

// The symbol codes of cell 1; codes not listed (15..19, 34..40, above 41) light nothing.
struct SymbolRow {
    int code;
    const char* cell1;
};

constexpr SymbolRow kSymbols[] = {
    {0, "a r d e f"},   {1, "r"},           {2, "a u d e g"},    {3, "a r d g"},
    {4, "r f g"},       {5, "a r f g"},     {6, "a l d e f g"},  {7, "a r"},
    {8, "a r d e f g"}, {9, "a r d f g"},   {10, "a r d e f"},   {11, "a r e f g"},
    {12, "r d"},        {13, "a u r e f"},  {14, "a r e f"},
    {20, "u d e f"},    {21, "a u l e f g"}, {22, "a u l e f"},  {23, "u f g"},
    {24, "l d e g"},    {25, "a d g"},      {26, "r l d e g"},   {27, "a d"},
    {28, "d"},          {29, "a"},          {30, "u l g"},       {31, "e f g"},
    {32, "a r d g"},    {33, "a r d"},
    {41, "a d e f g r u l"}, // every segment of cell 1
};

// The fixed screens: the segments of cells 1..4 and the decimal point.
struct FixedScreenRow {
    int code;
    const char* cell1;
    const char* cell2;
    const char* cell3;
    const char* cell4;
    bool point;
};

constexpr FixedScreenRow kFixedScreens[] = {
    // the display test: everything
    {0, "a d e f g r u l", "a b c d e f g", "a b c d e f g x", "a b c d e f g", true},
    {1, "a f g u e",       "a f",           "a f g",           "a f g b c",     false},
    {2, "",                "f d e",         "e f g x",         "",              false},
};

constexpr const char* kLetters = "abcdefgrulx";

using CharacterTable = std::array<std::array<std::uint16_t, kCells>, 256>;

const CharacterTable& Characters()
{
    static const CharacterTable table = [] {
        CharacterTable t{};
        for (const CharacterRow& row : kCharacterSet) {
            auto& cells = t[static_cast<std::uint8_t>(row.code)];
            cells = {ParseSegments(row.cell1), ParseSegments(row.cell2), ParseSegments(row.cell3),
                ParseSegments(row.cell4)};
        }
        return t;
    }();
    return table;
}

} // namespace

std::uint16_t ParseSegments(const char* letters)
{
    std::uint16_t segments = 0;
    for (const char* p = letters; *p; ++p)
        for (int bit = 0; kLetters[bit]; ++bit)
            if (*p == kLetters[bit])
                segments |= static_cast<std::uint16_t>(1u << bit);
    return segments;
}

QString SegmentLetters(std::uint16_t segments)
{
    QStringList letters;
    for (int bit = 0; kLetters[bit]; ++bit)
        if (segments & (1u << bit))
            letters << QString(QLatin1Char(kLetters[bit]));
    return letters.join(QLatin1Char(' '));
}

std::uint16_t CellSegments(int cell)
{
    switch (cell) {
    case 1:
        return ParseSegments("a d e f g r u l");
    case 3:
        return ParseSegments("a b c d e f g x");
    case 2:
    case 4:
        return ParseSegments("a b c d e f g");
    default:
        return 0;
    }
}

std::uint16_t CharacterSegments(std::uint8_t code, int cell)
{
    if (cell < 1 || cell > kCells)
        return 0;
    return Characters()[code][static_cast<std::size_t>(cell - 1)];
}

std::uint16_t SymbolSegments(std::uint8_t code)
{
    for (const SymbolRow& row : kSymbols)
        if (row.code == code)
            return ParseSegments(row.cell1);
    return 0;
}

SLitDisplay FixedScreen(std::uint8_t code)
{
    SLitDisplay lit;
    for (const FixedScreenRow& row : kFixedScreens) {
        if (row.code != code)
            continue;
        lit.cells[0] = ParseSegments(row.cell1);
        lit.cells[1] = ParseSegments(row.cell2);
        lit.cells[2] = ParseSegments(row.cell3);
        lit.cells[3] = ParseSegments(row.cell4);
        lit.point = row.point;
    }
    return lit;
}

SLitDisplay LightDisplay(const std::uint8_t codes[kCells], std::uint8_t mode)
{
    if (mode & modeFixedScreen)
        return FixedScreen(codes[0]);
    SLitDisplay lit;
    lit.point = (mode & modeDecimalPoint) != 0;
    for (int cell = 1; cell <= kCells; ++cell) {
        const std::uint8_t code = codes[cell - 1];
        lit.cells[cell - 1] = (cell == 1 && (mode & modeSymbol)) ? SymbolSegments(code) : CharacterSegments(code, cell);
    }
    return lit;
}

} // namespace Display
