#include <gtest/gtest.h>

#include "files/TextLines.h"

using Pieces = std::vector<std::string>;

// Every line keeps its line feed, an empty line is a line of its own, and a
// long line is cut after exactly as many units as a piece may hold.
TEST(LinePieces, LinesKeepTheirLineFeedAndLongLinesAreCutAtTheLimit) {
    EXPECT_EQ(linePieces("ab\n\ncd\n", 10), (Pieces{"ab\n", "\n", "cd\n"}));
    EXPECT_EQ(linePieces("\n\nx", 10), (Pieces{"\n", "\n", "x"}));
    EXPECT_EQ(linePieces("abcdefg\nh", 3), (Pieces{"abc", "def", "g\n", "h"}));
    EXPECT_EQ(linePieces("abc\nd", 3), (Pieces{"abc", "\n", "d"})) << "a full piece leaves its line feed behind";
    EXPECT_EQ(linePieces("", 3), Pieces{});
    EXPECT_EQ(linePieces("ab", 0), (Pieces{"a", "b"})) << "a piece holds at least one byte";
}

// Counted in characters, a piece never ends inside one: "é" and "日" are one
// character each but two and three bytes.
TEST(LinePieces, CharacterPiecesNeverEndInsideACharacter) {
    const std::string text = "a\xC3\xA9\xE6\x97\xA5" "b\n";
    EXPECT_EQ(linePieces(text, 2, PieceUnit::characters), (Pieces{"a\xC3\xA9", "\xE6\x97\xA5" "b", "\n"}));
    EXPECT_EQ(linePieces(text, 2), (Pieces{"a\xC3", "\xA9\xE6", "\x97\xA5", "b\n"}));
}

// A piece ends at its first NUL byte, as a C text would; the next piece starts
// where the cut put it, not after the NUL.
TEST(LinePieces, APieceEndsAtItsFirstNul) {
    EXPECT_EQ(linePieces(std::string("ab\0cd\nef\n", 9), 10), (Pieces{"ab", "ef\n"}));
    EXPECT_EQ(linePieces(std::string("a\0bcd", 5), 3), (Pieces{"a", "cd"}));
}

// The digits at the start of a word, after an optional sign; the rest of the
// word is not read.
TEST(LeadingInteger, DigitsAfterAnOptionalSignUpToTheFirstOtherCharacter) {
    const struct { const char* word; bool read; int64_t value; } cases[] = {
        {"12abc", true, 12}, {"-7", true, -7}, {"+30x", true, 30}, {"007", true, 7},
        {"-", false, 0},    {"+-1", false, 0}, {"x1", false, 0},  {"", false, 0}};
    for (const auto& c : cases) {
        int64_t value = 0;
        EXPECT_EQ(readLeadingInteger(c.word, value), c.read) << c.word;
        EXPECT_EQ(value, c.value) << c.word;
    }
}
