#include "dialogs/WideText.h"

#include <windows.h>

namespace {

std::wstring wideFrom(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::wstring wideFromUtf8(std::string_view text) { return wideFrom(CP_UTF8, text); }

std::string utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string utf8FromAnsi(std::string_view text) { return utf8FromWide(wideFrom(CP_ACP, text)); }

std::wstring_view firstCharacters(std::wstring_view text, size_t count) {
    size_t end = 0;
    for (size_t k = 0; k < count && end < text.size(); ++k)
        end += IS_HIGH_SURROGATE(text[end]) && end + 1 < text.size() && IS_LOW_SURROGATE(text[end + 1]) ? 2 : 1;
    return text.substr(0, end);
}
