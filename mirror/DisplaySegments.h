#pragma once
// What the tester's four-cell display lights for the display codes and mode it reports: the
// character set of each cell, the symbol codes of cell 1, the fixed screens and the decimal point.
// Cells are numbered 1..4 from the left.

#include <QString>

#include <cstdint>

namespace Display {

// Segments of a cell. Cell 1 has a, d, e, f, g, the full-height right bar r and the diagonals u
// (centre to upper right) and l (centre to lower right); cells 2 and 4 have a..g; cell 3 has a..g
// and the diagonal x (left middle to lower right). The decimal point right of cell 3 is apart.
enum Segment : std::uint16_t {
    SegA = 1u << 0, // top bar
    SegB = 1u << 1, // upper right
    SegC = 1u << 2, // lower right
    SegD = 1u << 3, // bottom bar
    SegE = 1u << 4, // lower left
    SegF = 1u << 5, // upper left
    SegG = 1u << 6, // middle bar
    SegR = 1u << 7, // right bar, full height
    SegU = 1u << 8, // diagonal from the centre to the upper right
    SegL = 1u << 9, // diagonal from the centre to the lower right
    SegX = 1u << 10, // diagonal from the left middle to the lower right
};

constexpr int kCells = 4;

// Bits of the display mode; the others are ignored.
constexpr std::uint8_t modeSymbol = 0x01;      // cell 1 shows a symbol code instead of a character
constexpr std::uint8_t modeFixedScreen = 0x02; // the first code selects a fixed screen
constexpr std::uint8_t modeDecimalPoint = 0x04;

// The segments each cell has.
std::uint16_t CellSegments(int cell);

// What the display lights: the segments of each cell (cells[0] is cell 1) and the decimal point.
struct SLitDisplay {
    std::uint16_t cells[kCells] = {};
    bool point = false;

    bool operator==(const SLitDisplay&) const = default;
};

// The segments a character code lights in a cell; nothing for a code outside the set (the
// space among them).
std::uint16_t CharacterSegments(std::uint8_t code, int cell);
// The segments a symbol code lights in cell 1; nothing outside 0..41.
std::uint16_t SymbolSegments(std::uint8_t code);
// The fixed screen a first code selects; nothing lit for an unknown screen.
SLitDisplay FixedScreen(std::uint8_t code);
// The whole display for four codes (cell 1 first) and a mode.
SLitDisplay LightDisplay(const std::uint8_t codes[kCells], std::uint8_t mode);

// "a r d e f" -> SegA | SegR | SegD | SegE | SegF; unknown letters are ignored.
std::uint16_t ParseSegments(const char* letters);
// The letters of a set of segments in the order a b c d e f g r u l x, blank-separated.
QString SegmentLetters(std::uint16_t segments);

} // namespace Display
