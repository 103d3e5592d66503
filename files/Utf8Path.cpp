#include "files/Utf8Path.h"

#include "files/TextEncoding.h"

namespace fs = std::filesystem;

namespace {

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
            appendUtf8(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? replacementCharacter : unit);
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
