// Bare file names are UTF-8 text (what settings, menus and scores hold);
// paths are whatever the platform's file names are (UTF-16 on Windows). The
// library's own conversions either read narrow text in the ANSI code page or
// throw on a malformed name, and a damaged settings file must not do either:
// these never fail, and a malformed sequence becomes U+FFFD, a name no file has.
#pragma once

#include <filesystem>
#include <string>

std::filesystem::path pathFromUtf8(const std::string& text);
std::string utf8FromPath(const std::filesystem::path& path);

// The conversions themselves, portable so they are tested everywhere.
std::u16string utf16FromUtf8(const std::string& text);
std::string utf8FromUtf16(const std::u16string& text);
