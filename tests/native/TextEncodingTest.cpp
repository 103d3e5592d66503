// Texts in any script: decoding UTF-8 and the Western code page, cutting
// between characters, language files with and without the byte-order mark,
// and winners' names in the fixed-width name field.
#include <gtest/gtest.h>

#include "files/HallOfFameFile.h"
#include "files/LanguageFile.h"
#include "files/TextEncoding.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

const std::string japanese = "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E";  // 山田太郎, 3 bytes each
const std::string greek = "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7";              // Ελένη, 2 bytes each
const std::string fourBytes = "\xF0\x9F\x80\x84";                                   // U+1F004, a mahjong tile

// Every decoded character with the position after it.
std::vector<std::pair<char32_t, size_t>> decodedSteps(std::string_view text) {
    std::vector<std::pair<char32_t, size_t>> steps;
    for (size_t at = 0; at < text.size();) {
        const char32_t c = decodeUtf8(text, at);
        steps.push_back({c, at});
    }
    return steps;
}

}  // namespace

// Well-formed sequences of every length decode whole; each malformed one
// gives U+FFFD for its first byte and goes on with the next, so no byte is
// read past the end and the text after a fault still shows.
TEST(Utf8Decoding, WellFormedCharactersAndEveryKindOfMalformedSequence) {
    using Steps = std::vector<std::pair<char32_t, size_t>>;
    EXPECT_EQ(decodedSteps("A\xC3\xA9" "\xE5\xB1\xB1" + fourBytes),
              (Steps{{'A', 1}, {0xE9, 3}, {0x5C71, 6}, {0x1F004, 10}}));
    EXPECT_EQ(decodedSteps("\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF"),
              (Steps{{0x80, 2}, {0x7FF, 4}, {0x800, 7}, {0xFFFF, 10}, {0x10FFFF, 14}}));
    constexpr char32_t bad = replacementCharacter;
    const struct { std::string text; Steps steps; } malformed[] = {
        {"\x80" "A", {{bad, 1}, {'A', 2}}},                        // a stray continuation byte
        {"\xC3", {{bad, 1}}},                                       // cut at the end of the text
        {"\xE5\xB1", {{bad, 1}, {bad, 2}}},                         // cut inside a longer one
        {"\xE5" "AB", {{bad, 1}, {'A', 2}, {'B', 3}}},              // a continuation missing
        {"\xC0\xAF", {{bad, 1}, {bad, 2}}},                         // overlong forms
        {"\xC1\xBF", {{bad, 1}, {bad, 2}}},
        {"\xE0\x9F\xBF", {{bad, 1}, {bad, 2}, {bad, 3}}},
        {"\xF0\x8F\xBF\xBF", {{bad, 1}, {bad, 2}, {bad, 3}, {bad, 4}}},
        {"\xED\xA0\x80", {{bad, 1}, {bad, 2}, {bad, 3}}},           // a surrogate
        {"\xF4\x90\x80\x80", {{bad, 1}, {bad, 2}, {bad, 3}, {bad, 4}}},  // beyond U+10FFFF
        {"\xF5\x80", {{bad, 1}, {bad, 2}}}, {"\xFF", {{bad, 1}}},   // bytes that never start one
    };
    for (const auto& m : malformed) EXPECT_EQ(decodedSteps(m.text), m.steps) << m.text;
    EXPECT_EQ(wellFormedUtf8("a\xE5\xB1" "b" + greek), "a\xEF\xBF\xBD\xEF\xBF\xBD" "b" + greek);
}

// Counting and cutting never split a character.
TEST(Utf8Decoding, CutsFallBetweenCharacters) {
    const std::string mixed = "A" + greek + japanese + fourBytes;  // 1 + 10 + 12 + 4 bytes, 11 characters
    EXPECT_EQ(characterCount(mixed), 11u);
    EXPECT_EQ(firstCharacters(mixed, 3), "A\xCE\x95\xCE\xBB");
    EXPECT_EQ(firstCharacters(mixed, 11), mixed);
    EXPECT_EQ(firstCharacters(mixed, 50), mixed);
    EXPECT_EQ(firstCharacters(mixed, 0), "");
    const struct { size_t maxBytes, whole; } cuts[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3}, {11, 11}, {12, 11},
                                                      {13, 11}, {14, 14}, {26, 23}, {27, 27}, {40, 27}};
    for (const auto& cut : cuts) EXPECT_EQ(wholeCharacterBytes(mixed, cut.maxBytes), cut.whole) << cut.maxBytes;
    EXPECT_TRUE(isPlainAscii("Tavrek 3.2 ~"));
    EXPECT_FALSE(isPlainAscii("Tavrek\x7F\x80"));
}

// The Western code page: ASCII as it is, the letters of 0xA0-0xFF at their
// own code points, the 0x80-0x9F block through its table, the five bytes it
// leaves undefined as the control characters of the same value.
TEST(Windows1252, EveryBlockOfTheCodePage) {
    EXPECT_EQ(utf8FromWindows1252("J\xFCrgen \xE9t\xE9 \xA0\xFF"), "J\xC3\xBCrgen \xC3\xA9t\xC3\xA9 \xC2\xA0\xC3\xBF");
    EXPECT_EQ(utf8FromWindows1252("\x80\x8A\x9F"), "\xE2\x82\xAC\xC5\xA0\xC5\xB8");  // € Š Ÿ
    EXPECT_EQ(utf8FromWindows1252("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(utf8FromWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// The mark says UTF-8 and is dropped; without it the player's code page is
// asked, as for every older file.
TEST(TextFiles, TheByteOrderMarkChoosesTheEncoding) {
    EXPECT_EQ(utf8OfTextFile(bytesOf("\xEF\xBB\xBF" + japanese + "\xE9"), utf8FromWindows1252),
              japanese + "\xEF\xBF\xBD");
    EXPECT_EQ(utf8OfTextFile(bytesOf("caf\xE9"), utf8FromWindows1252), "caf\xC3\xA9");
    EXPECT_EQ(utf8OfTextFile(bytesOf("\xEF\xBB"), utf8FromWindows1252), "\xC3\xAF\xC2\xBB");
    EXPECT_EQ(utf8OfTextFile({}, utf8FromWindows1252), "");
}

// A language file in UTF-8 fills its slots by characters: a menu text of
// 127 Japanese characters fits whole, one more is cut after the 127th, and
// the function-key hint still shows. A file without the mark reads as before.
TEST(TextFiles, LanguageSlotsCountCharactersInEitherEncoding) {
    std::string many;
    for (int k = 0; k < 128; ++k) many += "\xE6\xBC\xA2";  // 漢
    const std::string text = "\xEF\xBB\xBF" "GAME \"" + many + "\"\r\nEXIT \"" + many + "\"\r\nT_UNDO \"" +
                             many.substr(0, 3 * 127) + "\"\r\nOK \"\xE5\xB1\"\r\n";
    LanguageTable table;
    parseLanguageText(bytesOf(text), utf8FromWindows1252, table);
    EXPECT_EQ(table.GAME, many.substr(0, 3 * 127));
    EXPECT_EQ(table.EXIT, many.substr(0, 3 * 123) + "\tF12");
    EXPECT_EQ(table.T_UNDO, many.substr(0, 3 * 127));
    EXPECT_EQ(table.OK, "\xEF\xBF\xBD\xEF\xBF\xBD");
    parseLanguageText(bytesOf("GAME \"&Partie d\xE9j\xE0\"\r\n"), utf8FromWindows1252, table);
    EXPECT_EQ(table.GAME, "&Partie d\xC3\xA9j\xC3\xA0");
}

// Names: plain ASCII as ever; anything else as the mark and UTF-8, cut
// after the last whole character that fits the field with its ending zero.
TEST(WinnersNames, EveryScriptRoundTripsAndOldNamesReadAsBefore) {
    HallOfFame table{};
    const std::string long21 = japanese + japanese + japanese + japanese + japanese + "\xE5\xB1\xB1";  // 21 characters
    const std::string names[] = {"Ada Lovelace", japanese, greek + " K.", "A" + fourBytes, long21, "Ab" + long21,
                                 "abcdefghijklmnopqrst" + greek, std::string(30, 'N')};
    for (size_t k = 0; k < std::size(names); ++k) table.entries[k].playerName = names[k];
    const Bytes bytes = encodeHallOfFame(table);
    ASSERT_EQ(bytes.size(), hallOfFameFileBytes);
    const auto field = [&](size_t k) { return std::string(bytes.begin() + long(k * hallOfFameEntryBytes),
                                                          bytes.begin() + long(k * hallOfFameEntryBytes + playerNameWidth)); };
    EXPECT_EQ(field(0), "Ada Lovelace" + std::string(11, '\0'));
    EXPECT_EQ(field(1), "\xEF\xBB\xBF" + japanese + std::string(8, '\0'));
    HallOfFame back{};
    ASSERT_TRUE(decodeHallOfFame(bytes.data(), bytes.size(), utf8FromWindows1252, back));
    const std::string expected[] = {
        names[0], names[1], names[2], names[3],
        japanese + "\xE5\xB1\xB1\xE7\x94\xB0",  // 19 bytes after the mark hold six whole characters
        "Ab" + japanese + "\xE5\xB1\xB1",       // a cut that never halves a character
        "abcdefghijklmnopqrs",                  // what is left is plain ASCII, without the mark
        std::string(22, 'N')};
    for (size_t k = 0; k < std::size(expected); ++k) EXPECT_EQ(back.entries[k].playerName, expected[k]) << k;
    EXPECT_EQ(field(6), "abcdefghijklmnopqrs" + std::string(4, '\0'));

    // A file from before: names in the code page, one of them cut inside a
    // UTF-8 look-alike; a marked name whose bytes are damaged still shows.
    Bytes old = bytes;
    const std::string jurgen = "J\xFCrgen";
    std::copy(jurgen.c_str(), jurgen.c_str() + jurgen.size() + 1, old.begin());
    const std::string damaged = "\xEF\xBB\xBF" "A\xE5\xB1";
    std::copy(damaged.c_str(), damaged.c_str() + damaged.size() + 1, old.begin() + hallOfFameEntryBytes);
    ASSERT_TRUE(decodeHallOfFame(old.data(), old.size(), utf8FromWindows1252, back));
    EXPECT_EQ(back.entries[0].playerName, "J\xC3\xBCrgen");
    EXPECT_EQ(back.entries[1].playerName, "A\xEF\xBF\xBD\xEF\xBF\xBD");
}
