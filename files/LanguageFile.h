// The language file: a key and a double-quoted text per line, read into the
// LanguageTable. Only the slots whose keys the file holds change, so a key
// the new language lacks keeps the previous language's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/DataDirectories.h"
#include "files/LanguageKeys.h"
#include "files/LanguageTable.h"
#include "files/TextEncoding.h"

// The file is read as UTF-8 when it starts with the byte-order mark, else
// in the player's code page (`ansiToUtf8`), as older files are; the slots
// hold UTF-8. Lines are read at most this many characters at a time.
constexpr size_t languagePieceLength = 1023;

// One line that names a known key, with its text as the file holds it.
struct LanguageLine {
    const LanguageKey* key;
    std::string text;
};

// The lines with a known key and a double quote, in file order.
std::vector<LanguageLine> readLanguageLines(const std::vector<uint8_t>& bytes, AnsiToUtf8 ansiToUtf8);

// What the slot holds for that text: the text, cut between characters so
// that it fits the slot together with its function-key hint, then the hint.
std::string slotText(const LanguageKey& key, const std::string& text);

void parseLanguageText(const std::vector<uint8_t>& bytes, AnsiToUtf8 ansiToUtf8, LanguageTable& table);

// The help page for a language file: its name with ".HTM" when that page
// exists in the LANGUAGE directory, else "ENGLISH.HTM", else the first page
// there, else "".
std::string helpPageFor(const DataDirectories& dirs, const std::string& languageFile);
