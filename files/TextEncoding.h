// Texts inside the game are UTF-8. These are the few operations that read
// them character by character, and the decoding of texts written in a
// Windows code page, as older files are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Decodes bytes of the player's ANSI code page into UTF-8. The portable
// layer cannot ask Windows, so the program hands its decoder in.
using AnsiToUtf8 = std::string (*)(std::string_view);

// The Western code page: what the decoder is where no Windows is asked.
std::string utf8FromWindows1252(std::string_view bytes);

// The UTF-8 byte-order mark, which a file or a name field starts with to
// say that UTF-8 follows.
constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

constexpr char32_t replacementCharacter = 0xFFFD;

// Decodes the character at `at` and moves past it. A malformed sequence (a
// stray or missing continuation byte, an overlong form, a surrogate, a value
// beyond U+10FFFF) gives U+FFFD for its first byte and moves one byte on.
char32_t decodeUtf8(std::string_view text, size_t& at);
void appendUtf8(std::string& text, char32_t character);

// The text with every malformed sequence shown as U+FFFD.
std::string wellFormedUtf8(std::string_view text);

// The characters of a well-formed UTF-8 text.
size_t characterCount(std::string_view text);
// The first `count` characters, or the whole text when it has fewer.
std::string firstCharacters(std::string_view text, size_t count);
// The bytes of the longest start of the text that holds only whole
// characters and has at most `maxBytes` bytes.
size_t wholeCharacterBytes(std::string_view text, size_t maxBytes);

bool isPlainAscii(std::string_view text);

// A file's bytes seen as the text they hold.
inline std::string_view bytesAsText(const std::vector<uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A text file's contents as UTF-8: after the byte-order mark, which is
// dropped, the bytes are UTF-8; without it they are in the player's code page.
std::string utf8OfTextFile(const std::vector<uint8_t>& bytes, AnsiToUtf8 ansiToUtf8);
