// Any bytes read as a language file: no crash, and no slot over its length.
#include <cstdlib>

#include "files/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LanguageTable table;
    parseLanguageText(std::vector<uint8_t>(data, data + size), table);
    for (const LanguageKey& key : languageKeys())
        if ((table.*(key.slot)).size() > key.slotLength) std::abort();
    return 0;
}
