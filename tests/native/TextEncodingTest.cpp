// Texts in any script: decoding UTF-8 and the Western code page, cutting
// between characters, and the wide names of paths.
#include <gtest/gtest.h>

#include "files/TextEncoding.h"
#include "files/Utf8Path.h"

namespace {

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

// Names from a damaged settings file reach the wide names of paths: nothing
// may be lost from a good name, and a bad sequence becomes U+FFFD.
TEST(Utf8Path, GoodNamesRoundTripAndBadSequencesBecomeReplacementCharacters) {
    const std::string good = "J\xC3\xBC \xDF\xBF \xE0\xA0\x80 \xE3\x83\x97 \xEF\xBF\xBF " + fourBytes;
    EXPECT_EQ(utf16FromUtf8(good), u"J\u00FC \u07FF \u0800 \u30D7 \uFFFF \U0001F004");
    EXPECT_EQ(utf8FromUtf16(utf16FromUtf8(good)), good);
    EXPECT_EQ(utf8FromPath(pathFromUtf8(good)), good);
    EXPECT_EQ(utf8FromUtf16(u"\u0080\u0800\uE000"), "\xC2\x80\xE0\xA0\x80\xEE\x80\x80");
    EXPECT_EQ(utf16FromUtf8("a\x80\xC1\xBF\xE3\x83Z"), u"a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDZ");
    EXPECT_EQ(utf8FromUtf16(std::u16string{0xD800, u'x', 0xDC00, 0xDBFF}), "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
}
