#include <gtest/gtest.h>

#include "files/Utf8Path.h"

// Names from a damaged settings file reach these conversions: nothing may be
// lost from a good name, and a bad sequence becomes U+FFFD instead of a failure.
TEST(Utf8Path, GoodNamesRoundTripAndBadSequencesBecomeReplacementCharacters) {
    const std::string good = "J\xC3\xBC \xDF\xBF \xE0\xA0\x80 \xE3\x83\x97 \xEF\xBF\xBF \xF0\x9F\x80\x84";
    EXPECT_EQ(utf16FromUtf8(good), u"J\u00FC \u07FF \u0800 \u30D7 \uFFFF \U0001F004");
    EXPECT_EQ(utf8FromUtf16(utf16FromUtf8(good)), good);
    EXPECT_EQ(utf8FromPath(pathFromUtf8(good)), good);
    EXPECT_EQ(utf8FromUtf16(u"\u0080\u0800\uE000"), "\xC2\x80\xE0\xA0\x80\xEE\x80\x80");
    // A stray byte, overlong forms, an encoded surrogate, past U+10FFFF, cut short.
    EXPECT_EQ(utf16FromUtf8("a\x80\xC1\xBF"), u"a\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf16FromUtf8("\xE0\x9F\xBF\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf16FromUtf8("\xF4\x90\x80\x80\xE3\x83Z\xE3"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDZ\uFFFD");
    EXPECT_EQ(utf8FromUtf16(std::u16string{0xD800, u'x', 0xDC00, 0xDBFF}), "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
}
