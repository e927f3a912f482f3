// What the display lights for codes and modes: the cases worth knowing, the shape of the tables,
// and the codes outside the set.
#include "mirror/DisplaySegments.h"

#include <gtest/gtest.h>

#include <string>

using namespace Display;

namespace {

struct DisplayCase {
    const char* what;
    std::uint8_t codes[4];
    std::uint8_t mode;
    const char* cells[4]; // lit segments as letters
    bool point;
};

void ExpectLit(const DisplayCase& c)
{
    const SLitDisplay lit = LightDisplay(c.codes, c.mode);
    for (int cell = 0; cell < kCells; ++cell)
        EXPECT_EQ(SegmentLetters(lit.cells[cell]), SegmentLetters(ParseSegments(c.cells[cell])))
            << c.what << ", cell " << cell + 1;
    EXPECT_EQ(lit.point, c.point) << c.what;
}

TEST(DisplaySegments, DisplayCases)
{
    const DisplayCase cases[] = {
        {"1 2 5 and blank with the decimal point", {0x31, 0x32, 0x35, 0x20}, 0x04,
            {"r", "a b d e g", "a c d f g", ""}, true},
        {"display test: everything, the other codes ignored", {0, '8', '8', '8'}, 0x02,
            {"a d e f g r u l", "a b c d e f g", "a b c d e f g x", "a b c d e f g"}, true},
        {"symbol 5 in cell 1, characters in the others", {5, '5', '5', '5'}, 0x01,
            {"a r f g", "a c d f g", "a c d f g", "a c d f g"}, false},
        {"the character 5 in cell 1 without the symbol bit", {'5', ' ', ' ', ' '}, 0x00,
            {"a l d f g", "", "", ""}, false},
        {"after a disconnect: four spaces, mode 0", {' ', ' ', ' ', ' '}, 0x00, {"", "", "", ""}, false},
        {"fixed screen 1", {1, 'x', 'x', 'x'}, 0x02, {"a e f g u", "a f", "a f g", "a b c f g"}, false},
        {"fixed screen 2", {2, 0, 0, 0}, 0x03, {"", "d e f", "e f g x", ""}, false},
        {"an unknown fixed screen shows the picture only", {3, '8', '8', '8'}, 0x06, {"", "", "", ""}, false},
        {"mode bits above 0x04 are ignored", {'H', 'E', 'L', 'P'}, 0xF8,
            {"u l e f g", "a d e f g", "d e f", "a b e f g"}, false},
        {"M, N, Q, R, V and v take the diagonal in cell 3", {'N', 'V', 'v', 'Q'}, 0x00,
            {"u r l e f", "b c f", "c x", "a b c d e f"}, false},
        {"symbol 41 lights all of cell 1", {41, 0, 0, 0}, 0x01, {"a d e f g r u l", "", "", ""}, false},
    };
    for (const DisplayCase& c : cases)
        ExpectLit(c);
    EXPECT_EQ(SymbolSegments(15), 0);
    EXPECT_EQ(SymbolSegments(19), 0);
    EXPECT_EQ(SymbolSegments(34), 0);
    EXPECT_EQ(SymbolSegments(40), 0);
    EXPECT_EQ(SymbolSegments(42), 0);
    EXPECT_EQ(SegmentLetters(SymbolSegments(20)), "d e f u");
    EXPECT_EQ(SegmentLetters(SymbolSegments(33)), "a d r");
}

TEST(DisplaySegments, CodesOutsideTheSetLightNothing)
{
    for (std::uint8_t code : {std::uint8_t('D'), std::uint8_t('T'), std::uint8_t('W'), std::uint8_t('X'),
             std::uint8_t('Z'), std::uint8_t(' '), std::uint8_t(0), std::uint8_t(0x7F), std::uint8_t(0xFF)})
        for (int cell = 1; cell <= kCells; ++cell)
            EXPECT_EQ(CharacterSegments(code, cell), 0) << int(code) << " in cell " << cell;
    // K lights only in cell 1, k only in cell 3.
    EXPECT_NE(CharacterSegments('K', 1), 0);
    EXPECT_EQ(CharacterSegments('K', 2) | CharacterSegments('K', 3) | CharacterSegments('K', 4), 0);
    EXPECT_EQ(SegmentLetters(CharacterSegments('k', 3)), "e f g x");
    EXPECT_EQ(CharacterSegments('k', 1) | CharacterSegments('k', 2) | CharacterSegments('k', 4), 0);
    EXPECT_EQ(CharacterSegments('8', 0), 0);
    EXPECT_EQ(CharacterSegments('8', 5), 0);
}

TEST(DisplaySegments, EveryCodeLightsOnlySegmentsItsCellHas)
{
    int listed = 0;
    for (int code = 0; code < 256; ++code) {
        bool any = false;
        for (int cell = 1; cell <= kCells; ++cell) {
            const std::uint16_t lit = CharacterSegments(static_cast<std::uint8_t>(code), cell);
            EXPECT_EQ(lit & ~CellSegments(cell), 0) << "code " << code << " cell " << cell;
            any = any || lit != 0;
        }
        // Cells 2 and 4 are the same seven segments and show every character alike.
        EXPECT_EQ(CharacterSegments(static_cast<std::uint8_t>(code), 2), CharacterSegments(static_cast<std::uint8_t>(code), 4))
            << code;
        listed += any ? 1 : 0;
        EXPECT_EQ(SymbolSegments(static_cast<std::uint8_t>(code)) & ~CellSegments(1), 0) << code;
    }
    EXPECT_EQ(listed, 47); // the character set
}

} // namespace
