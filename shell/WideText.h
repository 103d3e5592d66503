// Inside the game every text is UTF-8; Windows takes texts in their wide
// (UTF-16) form, and older files hold texts in the player's ANSI code page.
#pragma once

#include <string>
#include <string_view>

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);
std::string utf8FromAnsi(std::string_view text);
