// The language file: reading texts into their slots, hints, cutting,
// switching from one language to another, and the files shipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "files/LanguageFile.h"
#include "game/App.h"
#include "game/Language.h"

static LanguageTable parsed(const std::string& text, LanguageTable table = {}) {
    parseLanguageText(std::vector<uint8_t>(text.begin(), text.end()), utf8FromWindows1252, table);
    return table;
}

// Each rule as a text read over a table that holds "old" everywhere, and one slot afterwards.
TEST(LanguageReading, Rules) {
    using T = LanguageTable;
    const std::string longText(300, 'x'), mark = "\xEF\xBB\xBF";
    const auto kanji = [](int count) {  // 漢, three bytes each
        std::string text;
        while (count-- > 0) text += "\xE6\xBC\xA2";
        return text;
    };
    const struct { std::string text; std::string T::*slot; std::string expected; } rules[] = {
        // Menu texts get their function key hints, other texts none.
        {"EXIT \"Quit\"\n", &T::EXIT, "Quit\tF12"}, {"HELP_FILE \"Help\"\n", &T::HELP_FILE, "Help\tF1"},
        {"SHADOWS \"Shadows\"\n", &T::SHADOWS, "Shadows\tF9"}, {"GAME \"Game\"\n", &T::GAME, "Game"},
        {"GAME \"Game\"\n", &T::HINT, "old"}, {"T_EXIT \"Quit the game\"\n", &T::T_EXIT, "Quit the game"},
        // Texts are taken verbatim between the first two quotes; the key is the whole first word.
        {"MesUndo = \" Undo; all = gone \" trailing words\r\n", &T::MesUndo, " Undo; all = gone "},
        {"Tiles\"tiles\"\n", &T::Tiles, "old"}, {"Chrono whatever here \"Time\" \"second\"\n", &T::Chrono, "Time"},
        {"Sol \"\"\n", &T::Sol, ""},
        // Comments, short lines, other cases and unknown keys are skipped.
        {";UNDO \"commented\"\n; UNDO \"commented\"\nundo \"lower\"\nUndo \"mixed\"\nUNDO\nUNDO no quote\n\nOK\n"
         "UNKNOWN \"x\"\n", &T::UNDO, "old"},
        // An open quote runs to the line end and no further; duplicated keys take the last text.
        {"MesUndo \"no closing quote\r\nMesScores \"next\"\n", &T::MesUndo, "no closing quote"},
        {"MesUndo \"no closing quote\r\nMesScores \"next\"\n", &T::MesScores, "next"},
        {"HINT \"h", &T::HINT, "h\tF6"}, {"HINT \"\n", &T::HINT, "\tF6"},
        {"OK \"first\"\nOK \"second\"\n", &T::OK, "second"},
        // Long texts are cut to their slots; the hint always shows.
        {"EXIT \"" + longText + "\"\n", &T::EXIT, std::string(123, 'x') + "\tF12"},
        {"T_UNDO \"" + longText + "\"\n", &T::T_UNDO, std::string(127, 'x')},
        {"GAME \"" + std::string(127, 'g') + "\"\n", &T::GAME, std::string(127, 'g')},
        {"MesUndo \"" + longText + "\"\n", &T::MesUndo, longText},
        // The byte-order mark makes the file UTF-8, whose slots count characters and whose damage shows as
        // U+FFFD; without it the player's code page is read. An empty file changes nothing.
        {mark + "GAME \"" + kanji(128) + "\"\n", &T::GAME, kanji(127)},
        {mark + "EXIT \"" + kanji(128) + "\"\n", &T::EXIT, kanji(123) + "\tF12"},
        {mark + "OK \"\xE5\xB1\xE9\"\n", &T::OK, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"GAME \"&Partie d\xE9j\xE0\"\n", &T::GAME, "&Partie d\xC3\xA9j\xC3\xA0"}, {"", &T::OK, "old"},
        // Lines are read in pieces of 1023 characters: a text longer than a piece ends with it.
        {std::string(1023, ';') + "OK \"yes\"\n", &T::OK, "yes"},
        {std::string(1022, ';') + "OK \"yes\"\n", &T::OK, "old"},
        {"MesUndo \"" + std::string(5000, 'u') + "\"\nOK \"fine\"\n", &T::MesUndo, std::string(1023 - 9, 'u')},
        {"MesUndo \"" + std::string(5000, 'u') + "\"\nOK \"fine\"\n", &T::OK, "fine"},
    };
    T old;
    for (const LanguageKey& key : languageKeys()) old.*(key.slot) = "old";
    for (const auto& rule : rules) EXPECT_EQ(parsed(rule.text, old).*(rule.slot), rule.expected) << rule.text;
}

// Each key gets its own name as text: a slot bound to the wrong key shows.
// The 3D keys are read by the full program only.
TEST(LanguageReading, EveryKeyReachesItsOwnSlot) {
    std::string text;
    for (const LanguageKey& key : languageKeys()) text += std::string(key.key) + " \"" + key.key + "\"\n";
    const LanguageTable t = parsed(text);
    for (const LanguageKey& key : languageKeys()) EXPECT_EQ(t.*(key.slot), key.key + std::string(key.hint));
    EXPECT_EQ(t.UNDO + " " + t.MesNoTileSet + " " + t.HALLFAMETIME, "UNDO\tF7 MesNoTileSet HALLFAMETIME");
    const std::string keys3D = "GO2D \"Flat\"\nCOLORS3DTILE4 \"Winds\"\nSTEP3D \"Step\"\nGO3D \"Deep\"\n";
    EXPECT_EQ(readLanguageLines(std::vector<uint8_t>(keys3D.begin(), keys3D.end()), utf8FromWindows1252).size(), TAVREK_3D ? 4u : 0u);
    EXPECT_EQ(languageKeys().size(), TAVREK_3D ? 110u : 92u);
}

// Switching keeps the texts the new language lacks; a missing file changes
// none; the help page follows the language, or else the first page there is.
TEST(LanguageLoading, SwitchingLanguagesAndTheirHelpPages) {
    ScratchDirectory scratch;
    RecordingHost host;
    App app(host);
    initDataDirectories(app.dirs, scratch.path);
    const auto load = [&app](const std::string& name) {
        app.settings.Language = name;
        return loadLanguage(app);
    };
    scratch.write("LANGUAGE/ENGLISH.TXT", "HINT \"Hint\"\nUNDO \"Undo\"\n");
    scratch.write("LANGUAGE/FRANCAIS.TXT", "UNDO \"Annuler\"\n");
    EXPECT_TRUE(load("ENGLISH.TXT"));
    EXPECT_TRUE(load("FRANCAIS.TXT"));
    EXPECT_EQ(app.language.UNDO + " " + app.language.HINT, "Annuler\tF7 Hint\tF6");
    EXPECT_EQ(app.language.helpFileName, "");
    EXPECT_FALSE(load("KLINGON.TXT"));
    EXPECT_FALSE(load(""));
    EXPECT_EQ(app.language.UNDO, "Annuler\tF7");

    const std::pair<const char*, const char*> pages[] = {
        {"Zulu.htm", "ZULU.HTM"}, {"Basque.htm", "BASQUE.HTM"}, {"english.htm", "ENGLISH.HTM"},
        {"Francais.htm", "FRANCAIS.HTM"}};
    for (const auto& [page, shown] : pages) {
        scratch.write(std::string("LANGUAGE/") + page, "<p>");
        EXPECT_TRUE(load("FRANCAIS.TXT"));
        EXPECT_EQ(app.language.helpFileName, shown) << page;
    }
    EXPECT_FALSE(load("ZULU.TXT"));
    EXPECT_EQ(app.language.helpFileName, "ZULU.HTM") << "looked for without the language file too";
}

// The language files shipped in data/LANGUAGE are UTF-8 and hold every key; no text is empty or
// longer than its slot.
TEST(ShippedLanguages, EveryFileHoldsEveryKeyWithinItsSlot) {
    const std::string directory = shippedDataDirectory() + "/LANGUAGE";
    ASSERT_TRUE(std::filesystem::exists(directory + "/ENGLISH.TXT"));
    for (const auto& file : std::filesystem::directory_iterator(directory)) {
        if (file.path().extension() != ".TXT") continue;
        SCOPED_TRACE(file.path().string());
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readWholeFile(file.path().string(), bytes));
        std::set<std::string> found;
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), utf8ByteOrderMark);
        for (const LanguageLine& line : readLanguageLines(bytes, utf8FromWindows1252)) {
            found.insert(line.key->key);
            EXPECT_LE(characterCount(line.text) + std::string(line.key->hint).size(), line.key->slotLength)
                << line.key->key;
            EXPECT_FALSE(line.text.empty()) << line.key->key;
        }
        for (const LanguageKey& key : languageKeys()) EXPECT_EQ(found.count(key.key), 1u) << "lacks " << key.key;
    }
}
