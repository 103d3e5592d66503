// Any bytes read as a language file, with or without the byte-order mark: no
// crash, every slot well-formed UTF-8 and no slot over its length in characters.
#include <cstdlib>

#include "files/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LanguageTable table;
    parseLanguageText(std::vector<uint8_t>(data, data + size), utf8FromWindows1252, table);
    for (const LanguageKey& key : languageKeys()) {
        const std::string& text = table.*(key.slot);
        if (characterCount(text) > key.slotLength || wellFormedUtf8(text) != text) std::abort();
    }
    return 0;
}
