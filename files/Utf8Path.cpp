#include "files/Utf8Path.h"

namespace fs = std::filesystem;

namespace {

constexpr char32_t replacement = 0xFFFD;

// The length of the sequence a lead byte starts and the bits it carries; 0 for
// a byte that cannot start one.
int sequenceLength(unsigned char lead, char32_t& bits) {
    if (lead < 0x80) return bits = lead, 1;
    if (lead >= 0xC2 && lead < 0xE0) return bits = lead & 0x1Fu, 2;
    if (lead >= 0xE0 && lead < 0xF0) return bits = lead & 0x0Fu, 3;
    if (lead >= 0xF0 && lead < 0xF5) return bits = lead & 0x07u, 4;
    return 0;
}

// Decodes the code point at `at` and moves past it; overlong forms, surrogates
// and values past U+10FFFF give the replacement character for their lead byte.
char32_t decodeUtf8(const std::string& text, size_t& at) {
    char32_t value = 0;
    const int length = sequenceLength(static_cast<unsigned char>(text[at]), value);
    const size_t start = at++;
    if (length == 0) return replacement;
    for (int k = 1; k < length; ++k) {
        if (start + k >= text.size()) return at = start + 1, replacement;
        const unsigned char next = static_cast<unsigned char>(text[start + k]);
        if ((next & 0xC0u) != 0x80) return at = start + 1, replacement;
        value = (value << 6) | (next & 0x3Fu);
    }
    static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000))
        return at = start + 1, replacement;
    at = start + static_cast<size_t>(length);
    return value;
}

void appendUtf8(std::string& out, char32_t value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

}  // namespace

std::u16string utf16FromUtf8(const std::string& text) {
    std::u16string out;
    for (size_t at = 0; at < text.size();) {
        const char32_t value = decodeUtf8(text, at);
        if (value < 0x10000) {
            out += static_cast<char16_t>(value);
        } else {
            out += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (isHighSurrogate(unit) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[at + 1] - 0xDC00));
            ++at;
        } else {
            appendUtf8(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? replacement : unit);
        }
    }
    return out;
}

#ifdef _WIN32
fs::path pathFromUtf8(const std::string& text) {
    const std::u16string wide = utf16FromUtf8(text);
    return fs::path(std::wstring(wide.begin(), wide.end()));
}

std::string utf8FromPath(const fs::path& path) {
    const std::wstring& wide = path.native();
    return utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}
#else
// Where paths are bytes, names pass through untouched.
fs::path pathFromUtf8(const std::string& text) { return fs::path(text); }

std::string utf8FromPath(const fs::path& path) { return path.native(); }
#endif
