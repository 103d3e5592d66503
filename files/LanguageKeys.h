// The keys of the language file, each bound to its slot of the LanguageTable
// with the slot's length and the function-key hint its menu text carries.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "files/LanguageTable.h"

struct LanguageKey {
    const char* key;
    std::string LanguageTable::*slot;
    size_t slotLength;  // characters, the hint included
    const char* hint;   // appended on loading; "" for none
};

const std::vector<LanguageKey>& languageKeys();

// The key of that name, or nullptr when the language file has no such key.
const LanguageKey* findLanguageKey(const std::string& key);
