#include "files/TextEncoding.h"

#include <algorithm>
#include <array>

namespace {

// The length of the sequence a lead byte starts and the bits it carries; 0 for
// a byte that cannot start one.
int sequenceLength(unsigned char lead, char32_t& bits) {
    if (lead < 0x80) return bits = lead, 1;
    if (lead >= 0xC2 && lead < 0xE0) return bits = lead & 0x1Fu, 2;
    if (lead >= 0xE0 && lead < 0xF0) return bits = lead & 0x0Fu, 3;
    if (lead >= 0xF0 && lead < 0xF5) return bits = lead & 0x07u, 4;
    return 0;
}

// Bytes 0x80 to 0x9F of the Western code page; the five it leaves undefined
// stand for the control characters of the same value, as Windows decodes them.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t decodeUtf8(std::string_view text, size_t& at) {
    char32_t value = 0;
    const int length = sequenceLength(static_cast<unsigned char>(text[at]), value);
    const size_t start = at++;
    if (length == 0) return replacementCharacter;
    for (int k = 1; k < length; ++k) {
        if (start + k >= text.size()) return replacementCharacter;
        const unsigned char next = static_cast<unsigned char>(text[start + k]);
        if ((next & 0xC0u) != 0x80) return replacementCharacter;
        value = (value << 6) | (next & 0x3Fu);
    }
    static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000))
        return replacementCharacter;
    at = start + static_cast<size_t>(length);
    return value;
}

void appendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (character >> 18));
        text += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const uint8_t byte = static_cast<uint8_t>(c);
        appendUtf8(text, byte >= 0x80 && byte < 0xA0 ? windows1252High[byte - 0x80] : byte);
    }
    return text;
}

std::string wellFormedUtf8(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t at = 0; at < text.size();) appendUtf8(result, decodeUtf8(text, at));
    return result;
}

size_t characterCount(std::string_view text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<uint8_t>(c) & 0xC0) != 0x80; }));
}

std::string firstCharacters(std::string_view text, size_t count) {
    size_t at = 0;
    for (size_t taken = 0; at < text.size() && taken < count; ++taken) decodeUtf8(text, at);
    return std::string(text.substr(0, at));
}

size_t wholeCharacterBytes(std::string_view text, size_t maxBytes) {
    size_t at = 0;
    size_t whole = 0;
    while (at < text.size() && (decodeUtf8(text, at), at <= maxBytes)) whole = at;
    return whole;
}

bool isPlainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<uint8_t>(c) < 0x80; });
}

std::string utf8OfTextFile(const std::vector<uint8_t>& bytes, AnsiToUtf8 ansiToUtf8) {
    const std::string_view text = bytesAsText(bytes);
    if (text.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark)
        return wellFormedUtf8(text.substr(utf8ByteOrderMark.size()));
    return wellFormedUtf8(ansiToUtf8(text));
}
