#include "files/LanguageFile.h"

#include "files/TextLines.h"

std::vector<LanguageLine> readLanguageLines(const std::vector<uint8_t>& bytes, AnsiToUtf8 ansiToUtf8) {
    std::vector<LanguageLine> lines;
    const std::string text = utf8OfTextFile(bytes, ansiToUtf8);
    for (const std::string& line : linePieces(text, languagePieceLength, PieceUnit::characters)) {
        if (isSkippedLine(line)) continue;
        const std::vector<std::string> words = wordsOf(line);
        const LanguageKey* key = words.empty() ? nullptr : findLanguageKey(words[0]);
        std::string text;
        if (key != nullptr && quotedText(line, text)) lines.push_back({key, std::move(text)});
    }
    return lines;
}

std::string slotText(const LanguageKey& key, const std::string& text) {
    const std::string hint = key.hint;
    return firstCharacters(text, key.slotLength - characterCount(hint)) + hint;
}

void parseLanguageText(const std::vector<uint8_t>& bytes, AnsiToUtf8 ansiToUtf8, LanguageTable& table) {
    for (const LanguageLine& line : readLanguageLines(bytes, ansiToUtf8)) table.*(line.key->slot) = slotText(*line.key, line.text);
}

std::string helpPageFor(const DataDirectories& dirs, const std::string& languageFile) {
    const std::string page = replaceExtension(languageFile, ".HTM");
    if (!languageFile.empty() && fileExistsIn(dirs.language, page)) return page;
    return findFileOrDefault("*.HTM", dirs.language, "ENGLISH.HTM");
}
