// Inside the game every text is UTF-8; Windows shows texts in their wide
// (UTF-16) form. These are the crossings between the two, and the reading
// of old texts written in the player's ANSI code page.
#pragma once

#include <string>
#include <string_view>

// A malformed sequence becomes U+FFFD: a damaged language file still shows.
std::wstring wideFromUtf8(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string utf8FromWide(std::wstring_view text);
// Text in the player's ANSI code page, as old language files, hall-of-fame
// files and saved games hold it, brought to UTF-8.
std::string utf8FromAnsi(std::string_view text);

// The first `count` characters (code points) of the text, never half of a
// surrogate pair; the whole text when it is shorter.
std::wstring_view firstCharacters(std::wstring_view text, size_t count);
