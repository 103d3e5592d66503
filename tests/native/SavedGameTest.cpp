#include <gtest/gtest.h>

#include <functional>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "engine/App.h"
#include "engine/Deal.h"
#include "engine/Play.h"
#include "TestFiles.h"
#include "engine/FreeTiles.h"
#include "engine/Layout.h"
#include "files/SavedGame.h"
#include "game/SaveLayout.h"
#include "game/SavedGames.h"
#include "view2d/BoardView.h"

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t littleEndian(const Bytes& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int k = width - 1; k >= 0; --k) value = value << 8 | bytes[offset + static_cast<size_t>(k)];
    return value;
}

// A dealt game with one pair removed, a tile selected and the clock running.
struct SavedGameFile : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameModel& game = app.game;
    int first = 0, second = 0, selected = 0;

    void SetUp() override {
        buildBoard(game, staggeredLayout(), 0);
        dealNewGame(app);
        first = game.state.removalOrder[0];
        second = game.state.removalOrder[1];
        removePair(app, first, second);
        selected = game.state.removalOrder[2];
        game.state.selectedTile = static_cast<int16_t>(selected);
        game.state.elapsedSeconds = 0x01020304;
        game.tiles[5].screenX = -2;
        app.hallOfFame.entries[0].playerName = "Ada";
    }
    Bytes bytes() const { return encodeSavedGame(savedGameOf(game, app.hallOfFame)); }
};

TEST_F(SavedGameFile, BlocksStandAtTheirOffsetsLittleEndianAndReadBack) {
    const Bytes file = bytes();
    ASSERT_EQ(file.size(), 9445u);
    const TileRecord& tile = game.tiles[static_cast<size_t>(first)];
    const size_t record = 14 * static_cast<size_t>(first);
    EXPECT_EQ(littleEndian(file, 14 * 5, 2), 0xFFFEu);
    EXPECT_EQ(Bytes(file.begin() + record + 8, file.begin() + record + 13),
              (Bytes{0, tile.freeFlag, tile.layer, tile.row, tile.column}));
    const size_t corner = static_cast<size_t>(cellIndex(tile.layer, tile.row, tile.column));
    EXPECT_EQ(file[2016 + corner], noTile);
    EXPECT_EQ(file[5416 + corner], 1);
    EXPECT_EQ(Bytes(file.begin() + 8816, file.begin() + 8819),
              (Bytes{game.state.undoList[0].face, uint8_t(first), uint8_t(second)}));
    EXPECT_EQ(std::string(file.begin() + 9035, file.begin() + 9038), "Ada");
    EXPECT_EQ(littleEndian(file, 9435, 2), 142u);
    EXPECT_EQ(littleEndian(file, 9437, 2), 1u);
    EXPECT_EQ(littleEndian(file, 9439, 2), uint32_t(selected));
    EXPECT_EQ(littleEndian(file, 9441, 4), 0x01020304u);

    SavedGame read{};
    ASSERT_TRUE(decodeSavedGame(file.data(), file.size(), read));
    EXPECT_EQ(encodeSavedGame(read), file);
    EXPECT_EQ(read.hallOfFame.entries[0].playerName, "Ada");
}

TEST_F(SavedGameFile, AllSeventyThreeUndoSlotsAreStoredForAGameWithNoMove) {
    undoMove(app);
    game.state.undoList[72] = {7, 8, 9};
    const Bytes file = bytes();
    EXPECT_EQ(littleEndian(file, 9437, 2), 0u);
    EXPECT_EQ(Bytes(file.begin() + 8816 + 216, file.begin() + 9035), (Bytes{7, 8, 9}));
    SavedGame read{};
    EXPECT_TRUE(decodeSavedGame(file.data(), file.size(), read));
}

// Each change makes a file this program never writes; none may get through,
// and the record handed in stays as it was.
TEST_F(SavedGameFile, RefusesWrongLengthsAndEveryFieldOutOfRangeOrAtOddsWithTheBoard) {
    const Bytes good = bytes();
    const TileRecord& removed = game.tiles[static_cast<size_t>(first)];
    const size_t removedCorner = static_cast<size_t>(cellIndex(removed.layer, removed.row, removed.column));
    const size_t onBoard = static_cast<size_t>(selected);
    const size_t unmarked = static_cast<size_t>(cellIndex(4, 19, 33));
    const std::vector<std::function<void(Bytes&)>> damages = {
        [](Bytes& b) { b.pop_back(); },
        [](Bytes& b) { b.push_back(0); },
        [&](Bytes& b) { b[14 * onBoard + 8] = 43; },                  // face
        [&](Bytes& b) { b[14 * onBoard + 10] = 5; },                  // layer
        [&](Bytes& b) { b[14 * onBoard + 11] = 19; },                 // row
        [&](Bytes& b) { b[14 * onBoard + 12] = 33; },                 // column
        [&](Bytes& b) { b[2016 + removedCorner] = 144; },             // grid index
        [&](Bytes& b) { b[2016 + removedCorner] = uint8_t(first); },  // grid names a removed tile
        [&](Bytes& b) { b[2016 + unmarked] = uint8_t(selected); },    // grid cell its tile does not cover
        [&](Bytes& b) { b[5416 + unmarked] = 1; },                    // a 145th mark
        [&](Bytes& b) { b[5416 + removedCorner] = 2; },
        [&](Bytes& b) { b[5416 + removedCorner] = 0; },
        [&](Bytes& b) { b[8817] = uint8_t(selected); },  // undo names a tile on the board
        [&](Bytes& b) { b[8818] = 200; },                // undo names no tile
        [&](Bytes& b) { b[8818] = b[8817]; },            // the same tile twice
        [&](Bytes& b) { b[8816] = 43; },                 // undo face
        [](Bytes& b) { b[9435] = 140; },                 // tilesLeft
        [](Bytes& b) { b[9437] = 2; },                   // movesMade
        [](Bytes& b) { b[9439] = 144; },                 // selectedTile
        [&](Bytes& b) { b[9439] = uint8_t(first); },     // a removed tile selected
        [](Bytes& b) { b[9444] = 0x80; },                // a clock below zero
    };
    for (size_t k = 0; k < damages.size(); ++k) {
        Bytes bad = good;
        damages[k](bad);
        SavedGame kept{};
        kept.elapsedSeconds = 77;
        EXPECT_FALSE(decodeSavedGame(bad.data(), bad.size(), kept)) << "damage " << k;
        EXPECT_EQ(kept.elapsedSeconds, 77) << "damage " << k;
    }
}

}  // namespace

namespace {

// The commands on a dealt game in a scratch start directory.
struct SavedGames : SavedGameFile {
    ScratchDirectory start;

    void SetUp() override {
        start.makeDirectory("SAVEGAME");
        start.makeDirectory("LAYOUTS");
        initDataDirectories(app.dirs, start.path);
        app.language.FilterSaveGame = "Saved games";
        app.language.FilterLayout = "Layouts";
        app.language.MesSizeError = "not a saved game";
        app.language.MesReadError = "cannot read";
        app.language.MesWriteError = "cannot write";
        SavedGameFile::SetUp();
        // As the board stands between two commands.
        computeFreeTiles(game);
        layoutTiles(app);
    }
    void save(const std::string& name) {
        host.fileAnswers = {name};
        saveGame(app);
    }
    void load(const std::string& name) {
        if (!name.empty()) host.fileAnswers = {name};
        loadGame(app);
    }
    Bytes fileBytes(const std::string& name) const {
        Bytes bytes;
        readWholeFile(filePath(app.dirs.saveGame, name), bytes);
        return bytes;
    }
    void expectDialog(FileDialogMode mode, const std::string& directory, const std::string& pattern,
                      const std::string& filter) const {
        ASSERT_FALSE(host.fileDialogs.empty());
        const FileChoice& shown = host.fileDialogs.back();
        EXPECT_TRUE(shown.mode == mode);
        EXPECT_EQ(shown.directory, directory);
        EXPECT_EQ(shown.pattern, pattern);
        EXPECT_EQ(shown.filterText, filter);
    }
};

}  // namespace

TEST_F(SavedGames, SaveThenLoadRestoresTheGameWhilePairCounterAndHintStartAfresh) {
    save("Level7.tvm");
    expectDialog(FileDialogMode::save, app.dirs.saveGame, "*.TVM", "Saved games");
    EXPECT_EQ(fileBytes("LEVEL7.TVM"), bytes());
    const GameModel saved = game;
    removePair(app, game.state.removalOrder[2], game.state.removalOrder[3]);
    game.state.selectedTile = noTile;
    game.state.elapsedSeconds = 5;
    game.state.showMoves = 1;
    game.state.hintIndex = 3;
    const int frames = host.framesPresented;
    load("LEVEL7.TVM");
    expectDialog(FileDialogMode::open, app.dirs.saveGame, "*.TVM", "Saved games");
    EXPECT_EQ(bytes(), encodeSavedGame(savedGameOf(saved, app.hallOfFame)));
    for (int t = 0; t < tileCount; ++t)
        EXPECT_EQ(game.tiles[t].freeFlag, saved.tiles[t].freeFlag) << "free tiles recomputed";
    EXPECT_EQ(game.state.gameWasLoaded, 1);
    EXPECT_EQ(game.state.showMoves, 0);
    EXPECT_EQ(game.state.hintIndex, 0);
    EXPECT_EQ(host.titles.back(), "Tavrek v3.2 - Level7.tvm");
    EXPECT_GT(host.framesPresented, frames);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(app.savedGameName, "LEVEL7.TVM");
}

TEST_F(SavedGames, AFileItDidNotWriteChangesNothingButTheTitleNamesIt) {
    save("GOOD.TVM");
    Bytes damaged = fileBytes("GOOD.TVM");
    start.write("SAVEGAME/SHORT.TVM", Bytes(damaged.begin(), damaged.end() - 1));
    damaged.push_back(0);
    start.write("SAVEGAME/LONG.TVM", damaged);
    damaged.pop_back();
    damaged[14 * static_cast<size_t>(selected) + 8] = 43;
    start.write("SAVEGAME/FACE.TVM", damaged);
    const Bytes before = bytes();
    const std::pair<std::string, std::string> cases[] = {{"SHORT.TVM", "Short.tvm"},
                                                         {"LONG.TVM", "Long.tvm"},
                                                         {"FACE.TVM", "Face.tvm"},
                                                         {"MISSING.TVM", "Missing.tvm"}};
    for (const auto& [name, title] : cases) {
        host.messages.clear();
        load(name);
        EXPECT_EQ(bytes(), before) << name;
        EXPECT_EQ(game.state.gameWasLoaded, 0) << name;
        ASSERT_EQ(host.messages.size(), 1u) << name;
        EXPECT_EQ(host.messages[0].text, name == "MISSING.TVM" ? name + " : cannot read" : "not a saved game");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::exclamation);
        EXPECT_EQ(host.titles.back(), "Tavrek v3.2 - " + title);
    }
}

TEST_F(SavedGames, CancelledDialogsChangeNothingAndALoadStillRedraws) {
    app.savedGameName = "KEPT.TVM";
    const Bytes before = bytes();
    saveGame(app);
    const size_t titles = host.titles.size();
    const int frames = host.framesPresented;
    loadGame(app);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(app.savedGameName, "KEPT.TVM");
    EXPECT_EQ(host.titles.size(), titles);
    EXPECT_GT(host.framesPresented, frames);
    EXPECT_TRUE(listFiles(app.dirs.saveGame, "*").empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SavedGames, AFailedSaveNamesTheFileAndLeavesTheEarlierSaveWhole) {
    save("OLD.TVM");
    const Bytes earlier = fileBytes("OLD.TVM");
    start.makeDirectory("SAVEGAME/OLD.TVM.tmp");
    removePair(app, game.state.removalOrder[2], game.state.removalOrder[3]);
    save("OLD.TVM");
    EXPECT_EQ(fileBytes("OLD.TVM"), earlier);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "OLD.TVM : cannot write");
}

// The random heap is named by no file: its positions live in the saved game,
// and in a layout file saved from it.
TEST_F(SavedGames, ARandomHeapComesBackAsTheSamePositionsFromASavedGameAndASavedLayout) {
    app.settings.Layout = "RANDOM.TVL";
    loadLayout(app);
    dealNewGame(app);
    const GameModel heap = game;
    const HallOfFame table = app.hallOfFame;
    save("HEAP.TVM");
    host.fileAnswers = {"mine.tvl"};
    ASSERT_TRUE(saveLayoutAs(app));
    expectDialog(FileDialogMode::save, app.dirs.layouts, "*.TVL", "Layouts");
    EXPECT_EQ(app.settings.Layout, "MINE.TVL");
    EXPECT_EQ(host.titles.back(), "Tavrek v3.2 - Mine.tvl");
    EXPECT_EQ(game.boardGrid, heap.boardGrid) << "saving a layout leaves the board alone";
    EXPECT_EQ(app.hallOfFame.entries[0].playerName, table.entries[0].playerName);

    App other{host};
    initDataDirectories(other.dirs, start.path);
    other.settings.Layout = "MINE.TVL";
    loadLayout(other);
    EXPECT_EQ(other.game.layoutMask, heap.layoutMask);
    host.fileAnswers = {"HEAP.TVM"};
    loadGame(other);
    EXPECT_EQ(other.game.layoutMask, heap.layoutMask);
    EXPECT_EQ(other.game.boardGrid, heap.boardGrid);
}
