// The language file: reading texts into their slots, hints, cutting, and
// switching from one language to another.
#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "game/App.h"
#include "files/LanguageFile.h"
#include "game/Language.h"

namespace {

LanguageTable parsed(const std::string& text, LanguageTable table = {}) {
    parseLanguageText(std::vector<uint8_t>(text.begin(), text.end()), table);
    return table;
}

}  // namespace

// Each rule as a text read over a table that holds "old" everywhere, and one slot afterwards.
TEST(LanguageReading, Rules) {
    using T = LanguageTable;
    struct Rule {
        std::string text;
        std::string T::*slot;
        std::string expected;
    };
    const std::string longText(300, 'x');
    const Rule rules[] = {
        // Menu texts get their function key hints, other texts none.
        {"EXIT \"Quit\"\n", &T::EXIT, "Quit\tF12"},
        {"HELP_FILE \"Help\"\n", &T::HELP_FILE, "Help\tF1"},
        {"SHADOWS \"Shadows\"\n", &T::SHADOWS, "Shadows\tF9"},
        {"GAME \"Game\"\n", &T::GAME, "Game"},
        {"GAME \"Game\"\n", &T::HINT, "old"},
        {"T_EXIT \"Quit the game\"\n", &T::T_EXIT, "Quit the game"},
        // Texts are taken verbatim between the first two quotes; the key is the whole first word.
        {"MesUndo = \" Undo; all = gone \" trailing words\r\n", &T::MesUndo, " Undo; all = gone "},
        {"Tiles\"tiles\"\n", &T::Tiles, "old"},
        {"Chrono whatever here \"Time\" \"second\"\n", &T::Chrono, "Time"},
        {"Sol \"\"\n", &T::Sol, ""},
        // Comments, short lines, other cases and unknown keys are skipped.
        {";UNDO \"commented\"\n; UNDO \"commented\"\nundo \"lower\"\nUndo \"mixed\"\nUNDO\nUNDO no quote\n\nOK\n"
         "UNKNOWN \"x\"\n",
         &T::UNDO, "old"},
        // An open quote runs to the line end and no further.
        {"MesUndo \"no closing quote\r\nMesScores \"next\"\n", &T::MesUndo, "no closing quote"},
        {"MesUndo \"no closing quote\r\nMesScores \"next\"\n", &T::MesScores, "next"},
        {"HINT \"h", &T::HINT, "h\tF6"},
        {"HINT \"\n", &T::HINT, "\tF6"},
        // Duplicated keys take the last text.
        {"OK \"first\"\nOK \"second\"\n", &T::OK, "second"},
        // Long texts are cut to their slots; the hint always shows.
        {"EXIT \"" + longText + "\"\n", &T::EXIT, std::string(123, 'x') + "\tF12"},
        {"T_UNDO \"" + longText + "\"\n", &T::T_UNDO, std::string(127, 'x')},
        {"GAME \"" + std::string(127, 'g') + "\"\n", &T::GAME, std::string(127, 'g')},
        {"MesUndo \"" + longText + "\"\n", &T::MesUndo, longText},
        // Lines are read in pieces of 1023 characters: a text longer than a piece ends with it.
        {std::string(1023, ';') + "OK \"yes\"\n", &T::OK, "yes"},
        {std::string(1022, ';') + "OK \"yes\"\n", &T::OK, "old"},
        {"MesUndo \"" + std::string(5000, 'u') + "\"\nOK \"fine\"\n", &T::MesUndo, std::string(1023 - 9, 'u')},
        {"MesUndo \"" + std::string(5000, 'u') + "\"\nOK \"fine\"\n", &T::OK, "fine"},
    };
    T old;
    for (const LanguageKey& key : languageKeys()) old.*(key.slot) = "old";
    for (const Rule& rule : rules) EXPECT_EQ(parsed(rule.text, old).*(rule.slot), rule.expected) << rule.text;
}

TEST(LanguageReading, ThreeDimensionalKeysOnlyInTheFullProgram) {
    const std::string text = "GO2D \"Flat\"\nCOLORS3DTILE4 \"Winds\"\nSTEP3D \"Step\"\nGO3D \"Deep\"\n";
    const std::vector<LanguageLine> lines = readLanguageLines(std::vector<uint8_t>(text.begin(), text.end()));
#if TAVREK_3D
    ASSERT_EQ(lines.size(), 4u);
    const LanguageTable t = parsed(text);
    EXPECT_EQ(t.GO2D, "Flat");
    EXPECT_EQ(t.COLORS3DTILE4, "Winds");
    EXPECT_EQ(t.STEP3D, "Step");
#else
    EXPECT_TRUE(lines.empty());
#endif
}

TEST(LanguageReading, EveryKeyReachesItsOwnSlot) {
    // Each key gets its own name as text: a slot bound to the wrong key shows.
    std::string text;
    for (const LanguageKey& key : languageKeys()) text += std::string(key.key) + " \"" + key.key + "\"\n";
    const LanguageTable t = parsed(text);
    for (const LanguageKey& key : languageKeys()) EXPECT_EQ(t.*(key.slot), key.key + std::string(key.hint));
    EXPECT_EQ(t.UNDO, "UNDO\tF7");
    EXPECT_EQ(t.MesNoTileSet, "MesNoTileSet");
    EXPECT_EQ(t.HALLFAMETIME, "HALLFAMETIME");
#if TAVREK_3D
    EXPECT_EQ(languageKeys().size(), 108u);
#else
    EXPECT_EQ(languageKeys().size(), 91u);
#endif
}

namespace {

struct LanguageDirectory {
    LanguageDirectory() : app(host) { initDataDirectories(app.dirs, scratch.path); }
    void write(const std::string& name, const std::string& text) const { scratch.write("LANGUAGE/" + name, text); }
    bool load(const std::string& name) {
        app.settings.Language = name;
        return loadLanguage(app);
    }

    ScratchDirectory scratch;
    RecordingHost host;
    App app;
};

}  // namespace

TEST(LanguageLoading, SwitchingKeepsTheTextsTheNewLanguageLacks) {
    LanguageDirectory dir;
    dir.write("ENGLISH.TXT", "HINT \"Hint\"\nUNDO \"Undo\"\n");
    dir.write("FRANCAIS.TXT", "UNDO \"Annuler\"\n");
    EXPECT_TRUE(dir.load("ENGLISH.TXT"));
    EXPECT_TRUE(dir.load("FRANCAIS.TXT"));
    EXPECT_EQ(dir.app.language.UNDO, "Annuler\tF7");
    EXPECT_EQ(dir.app.language.HINT, "Hint\tF6");
}

TEST(LanguageLoading, AMissingFileChangesNoText) {
    LanguageDirectory dir;
    dir.write("ENGLISH.TXT", "UNDO \"Undo\"\n");
    EXPECT_TRUE(dir.load("ENGLISH.TXT"));
    EXPECT_FALSE(dir.load("KLINGON.TXT"));
    EXPECT_FALSE(dir.load(""));
    EXPECT_EQ(dir.app.language.UNDO, "Undo\tF7");
}

TEST(LanguageLoading, TheHelpPageFollowsTheLanguage) {
    LanguageDirectory dir;
    dir.write("FRANCAIS.TXT", "UNDO \"Annuler\"\n");
    EXPECT_TRUE(dir.load("FRANCAIS.TXT"));
    EXPECT_EQ(dir.app.language.helpFileName, "");

    dir.write("Zulu.htm", "<p>");
    dir.write("Basque.htm", "<p>");
    EXPECT_TRUE(dir.load("FRANCAIS.TXT"));
    EXPECT_EQ(dir.app.language.helpFileName, "BASQUE.HTM");

    dir.write("english.htm", "<p>");
    EXPECT_TRUE(dir.load("FRANCAIS.TXT"));
    EXPECT_EQ(dir.app.language.helpFileName, "ENGLISH.HTM");

    dir.write("Francais.htm", "<p>");
    EXPECT_TRUE(dir.load("FRANCAIS.TXT"));
    EXPECT_EQ(dir.app.language.helpFileName, "FRANCAIS.HTM");

    // Also without the language file, the help page is looked for.
    EXPECT_FALSE(dir.load("ZULU.TXT"));
    EXPECT_EQ(dir.app.language.helpFileName, "ZULU.HTM");
}
