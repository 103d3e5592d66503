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

TEST(LanguageReading, MenuTextsGetTheirFunctionKeyHints) {
    const LanguageTable t = parsed(
        "EXIT \"Quit\"\nHELP_FILE \"Help\"\nSHADOWS \"Shadows\"\nGAME \"Game\"\nT_EXIT \"Quit the game\"\n"
        "MesUndo \"Undone\"\n");
    EXPECT_EQ(t.EXIT, "Quit\tF12");
    EXPECT_EQ(t.HELP_FILE, "Help\tF1");
    EXPECT_EQ(t.SHADOWS, "Shadows\tF9");
    EXPECT_EQ(t.GAME, "Game");
    EXPECT_EQ(t.T_EXIT, "Quit the game");
    EXPECT_EQ(t.MesUndo, "Undone");
    EXPECT_EQ(t.HINT, "");  // a key the file lacks gets no hint
}

TEST(LanguageReading, TextsAreTakenVerbatimBetweenTheFirstTwoQuotes) {
    const LanguageTable t = parsed(
        "MesUndo = \" Undo; all = gone \" trailing words\r\n"
        "Tiles\"tiles\"\n"
        "Chrono whatever here \"Time\" \"second\"\n"
        "Sol \"\"\n");
    EXPECT_EQ(t.MesUndo, " Undo; all = gone ");
    EXPECT_EQ(t.Tiles, "");  // the key is the whole first word "Tiles\"tiles\"", which is no key
    EXPECT_EQ(t.Chrono, "Time");
    EXPECT_EQ(t.Sol, "");
}

TEST(LanguageReading, CommentsShortLinesAndUnknownKeysAreSkipped) {
    LanguageTable before;
    before.UNDO = "old\tF7";
    const LanguageTable t = parsed(
        ";UNDO \"commented\"\n"
        "; UNDO \"commented\"\n"
        "undo \"lower case\"\n"
        "Undo \"mixed case\"\n"
        "UNDO\n"
        "UNDO no quote at all\n"
        "\n"
        "OK\n"
        "UNKNOWN \"x\"\n",
        before);
    EXPECT_EQ(t.UNDO, "old\tF7");
    EXPECT_EQ(t.OK, "");
}

TEST(LanguageReading, AnOpenQuoteRunsToTheLineEndAndNoFurther) {
    const LanguageTable t = parsed("MesUndo \"no closing quote\r\nMesScores \"next\"\nHINT \"h");
    EXPECT_EQ(t.MesUndo, "no closing quote");
    EXPECT_EQ(t.MesScores, "next");
    EXPECT_EQ(t.HINT, "h\tF6");
}

TEST(LanguageReading, DuplicatedKeysTakeTheLastText) {
    EXPECT_EQ(parsed("OK \"first\"\nOK \"second\"\n").OK, "second");
}

TEST(LanguageReading, LongTextsAreCutToTheirSlots) {
    const std::string longText(300, 'x');
    const LanguageTable t = parsed("EXIT \"" + longText + "\"\nT_UNDO \"" + longText + "\"\nGAME \"" +
                                   std::string(127, 'g') + "\"\nMesUndo \"" + longText + "\"\n");
    EXPECT_EQ(t.EXIT, std::string(123, 'x') + "\tF12");  // the hint always shows
    EXPECT_EQ(t.T_UNDO, std::string(127, 'x'));
    EXPECT_EQ(t.GAME, std::string(127, 'g'));
    EXPECT_EQ(t.MesUndo, longText);
}

TEST(LanguageReading, LongLinesAreReadIn1023CharacterPieces) {
    EXPECT_EQ(parsed(std::string(1023, ';') + "OK \"yes\"\n").OK, "yes");
    EXPECT_EQ(parsed(std::string(1022, ';') + "OK \"yes\"\n").OK, "");
    // A text longer than a piece ends where the piece ends.
    const LanguageTable t = parsed("MesUndo \"" + std::string(5000, 'u') + "\"\nOK \"fine\"\n");
    EXPECT_EQ(t.MesUndo, std::string(1023 - 9, 'u'));
    EXPECT_EQ(t.OK, "fine");
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
