#include <gtest/gtest.h>

#include "files/Utf8Path.h"

// Names from a damaged settings file reach these conversions: nothing may be
// lost from a good name, and a bad byte becomes U+FFFD instead of a failure.
TEST(Utf8Path, GoodNamesRoundTripAndBadBytesBecomeReplacementCharacters) {
    const std::string good = "J\xC3\xBCrgen \xE3\x83\x97 \xF0\x9F\x80\x84.BMP";  // ü, プ, a tile outside the BMP
    const std::u16string wide = utf16FromUtf8(good);
    EXPECT_EQ(wide, u"J\u00FCrgen \u30D7 \U0001F004.BMP");
    EXPECT_EQ(utf8FromUtf16(wide), good);
    EXPECT_EQ(utf8FromPath(pathFromUtf8(good)), good);
    EXPECT_EQ(utf16FromUtf8("a\x80z"), u"a\uFFFDz");
    EXPECT_EQ(utf16FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong "/"
    EXPECT_EQ(utf16FromUtf8("\xE0\x80\xAF"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf16FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
    EXPECT_EQ(utf16FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
    EXPECT_EQ(utf16FromUtf8("\xE3\x83"), u"\uFFFD\uFFFD");  // cut short
    EXPECT_EQ(utf16FromUtf8("\xE3\x83Z"), u"\uFFFD\uFFFDZ");
    EXPECT_EQ(utf16FromUtf8("\xC3\xBF\xDF\xBF\xEF\xBF\xBF"), u"\u00FF\u07FF\uFFFF");
    EXPECT_EQ(utf8FromUtf16(u"\u00FF\u07FF\u0800\uFFFF"), "\xC3\xBF\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xDBFF))), "\xEF\xBF\xBD");
}
