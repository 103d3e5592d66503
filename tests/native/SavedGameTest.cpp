#include <gtest/gtest.h>

#include <algorithm>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "engine/FreeTiles.h"
#include "engine/Moves.h"
#include "files/SavedGame.h"
#include "game/App.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Play.h"
#include "game/SaveLayout.h"
#include "game/SavedGames.h"
#include "view2d/BoardView.h"

using Bytes = std::vector<uint8_t>;

static uint32_t littleEndian(const Bytes& bytes, size_t offset, int width) {
    uint32_t value = 0;
    for (int k = width - 1; k >= 0; --k) value = value << 8 | bytes[offset + static_cast<size_t>(k)];
    return value;
}

// A dealt game in a scratch start directory, one pair removed, a tile
// selected and the clock running, as it stands between two commands.
struct SavedGames : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameModel& game = app.game;
    ScratchDirectory start;
    size_t first = 0, selected = 0;
    void SetUp() override {
        for (const char* directory : {"SAVEGAME", "LAYOUTS"}) start.makeDirectory(directory);
        initDataDirectories(app.dirs, start.path);
        app.language.FilterSaveGame = "Saved games", app.language.MesSizeError = "not a saved game";
        app.language.MesReadError = "cannot read", app.language.MesWriteError = "cannot write";
        buildBoard(game, staggeredLayout(), 0);
        dealNewGame(app);
        first = game.state.removalOrder[0];
        removePair(game, int(first), game.state.removalOrder[1]);
        selected = game.state.removalOrder[2];
        game.state.selectedTile = int16_t(selected), game.state.elapsedSeconds = 0x01020304;
        app.hallOfFame.entries[0].playerName = "Ada", app.hallOfFame.entries[1].playerName = "\xE5\xB1\xB1\xE7\x94\xB0";
        computeFreeTiles(game);
        layoutTiles(app.view, game);
    }
    Bytes bytes() const { return encodeSavedGame(savedGameOf(game, app.hallOfFame)); }
    void run(void (*command)(App&), const std::string& name) {
        host.fileAnswers = {name};
        command(app);
    }
};

// The file holds each block at its offset, little-endian, and all undo slots;
// loading it restores the game while the pair counter and the hint start afresh.
TEST_F(SavedGames, TheBlocksStandAtTheirOffsetsAndLoadBack) {
    run(saveGame, "Level7.tvm");
    Bytes file;
    ASSERT_TRUE(readWholeFile(filePath(app.dirs.saveGame, "LEVEL7.TVM"), file));
    ASSERT_EQ(file, bytes());
    ASSERT_EQ(file.size(), 9445u);
    const TileRecord& tile = game.tiles[first];
    EXPECT_EQ(Bytes(file.begin() + 14 * first + 8, file.begin() + 14 * first + 13),
              (Bytes{0, tile.freeFlag, tile.layer, tile.row, tile.column}));
    const size_t corner = size_t(cellIndex(tile.layer, tile.row, tile.column));
    EXPECT_EQ((Bytes{file[2016 + corner], file[5416 + corner], file[8817]}), (Bytes{noTile, 1, uint8_t(first)}))
        << "grid, mask and history";
    EXPECT_EQ(std::string(file.begin() + 9035, file.begin() + 9038), "Ada");
    EXPECT_EQ((std::vector<uint32_t>{littleEndian(file, 9435, 2), littleEndian(file, 9437, 2),
                                     littleEndian(file, 9439, 2), littleEndian(file, 9441, 4)}),
              (std::vector<uint32_t>{142, 1, uint32_t(selected), 0x01020304}));
    removePair(game, game.state.removalOrder[2], game.state.removalOrder[3]);
    game.state.showMoves = 1, game.state.hintIndex = 3;
    for (HallOfFameEntry& entry : app.hallOfFame.entries) entry.playerName = "other";
    run(loadGame, "LEVEL7.TVM");
    for (const FileChoice& shown : host.fileDialogs)
        EXPECT_EQ(shown.directory.string() + "|" + shown.pattern + "|" + shown.filterText,
                  app.dirs.saveGame.string() + "|*.TVM|Saved games");
    EXPECT_TRUE(host.fileDialogs[0].mode == FileDialogMode::save && host.fileDialogs[1].mode == FileDialogMode::open);
    EXPECT_EQ(bytes(), file);
    EXPECT_EQ((std::vector<int>{game.state.gameWasLoaded, game.state.showMoves, game.state.hintIndex}),
              (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(host.titles.back(), "Tavrek v3.2 - Level7.tvm");
    EXPECT_TRUE(host.messages.empty());
    undoMove(app);
    game.tiles[5].screenX = -2, game.state.undoList[72] = {7, 8, 9};
    file = bytes();
    EXPECT_EQ(littleEndian(file, 14 * 5, 2), 0xFFFEu);
    EXPECT_EQ(Bytes(file.begin() + 9032, file.begin() + 9035), (Bytes{7, 8, 9}));
    SavedGame read{};
    EXPECT_TRUE(decodeSavedGame(file.data(), file.size(), utf8FromWindows1252, read));
    EXPECT_EQ(encodeSavedGame(read), file);
    ASSERT_NE(read.tiles[0].face, 0) << "the first tile still lies on the board";
    read.selectedTile = 0;
    EXPECT_TRUE(savedGameIsConsistent(read)) << "the first tile may be the selected one";
}

// Each change makes a file this program never writes: the game stays exactly
// as it was, the title still names the file, and a cancelled load redraws too.
TEST_F(SavedGames, AFileItDidNotWriteIsRefusedWholeAndChangesNothing) {
    const Bytes good = bytes();
    const TileRecord& removed = game.tiles[first];
    Bytes duplicated = good;  // a removed tile at another one's corner
    std::copy_n(good.begin() + 14 * selected + 10, 3, duplicated.begin() + 14 * first + 10);
    std::vector<Bytes> damaged = {Bytes(good.begin(), good.end() - 1), good, duplicated};
    damaged[1].push_back(0);
    const size_t corner = size_t(cellIndex(removed.layer, removed.row, removed.column)), unmarked = cellCount - 1;
    const uint8_t top = game.boardGrid[size_t(cellIndex(4, 5, 14))];  // on the top layer, nothing beside or below
    ASSERT_NE(top, noTile);
    const std::pair<size_t, uint8_t> changes[] = {
        // A tile's face, layer, row or column out of range.
        {14 * selected + 8, 43}, {14 * selected + 10, 5}, {14 * selected + 11, 19}, {14 * selected + 12, 33},
        // The grid names no tile, a removed one, or one on a cell it does not cover: far off, or just
        // beside or below its own.
        {2016 + corner, 144}, {2016 + corner, uint8_t(first)}, {2016 + unmarked, uint8_t(selected)},
        {2016 + size_t(cellIndex(4, 5, 16)), top}, {2016 + size_t(cellIndex(4, 7, 14)), top},
        // A 145th mark, a mark that is no flag, a tile's mark missing.
        {5416 + unmarked, 1}, {5416 + corner, 2}, {5416 + corner, 0},
        // The history names a tile on the board, no tile, one tile twice, or a face no deal gives.
        {8817, uint8_t(selected)}, {8818, 200}, {8818, good[8817]}, {8816, 43},
        // tilesLeft, movesMade and selectedTile out of step; a clock below zero.
        {9435, 140}, {9437, 2}, {9439, 144}, {9439, uint8_t(first)}, {9444, 0x80}};
    for (const auto& [offset, value] : changes) {
        damaged.push_back(good);
        damaged.back()[offset] = value;
    }
    const Bytes before = bytes();
    for (size_t k = 0; k < damaged.size(); ++k) {
        start.write("SAVEGAME/BAD" + std::to_string(k) + ".TVM", damaged[k]);
        host.messages.clear();
        run(loadGame, "BAD" + std::to_string(k) + ".TVM");
        EXPECT_EQ(bytes(), before) << k;
        ASSERT_EQ(host.messages.size(), 1u) << k;
        EXPECT_EQ(host.messages[0].text, "not a saved game") << k;
        EXPECT_EQ(host.titles.back(), "Tavrek v3.2 - Bad" + std::to_string(k) + ".tvm");
    }
    run(loadGame, "MISSING.TVM");
    EXPECT_EQ(host.messages.back().text, "MISSING.TVM : cannot read");
    EXPECT_EQ(game.state.gameWasLoaded, 0);
    const int frames = host.framesPresented;
    loadGame(app);
    EXPECT_GT(host.framesPresented, frames);
}

// A random heap is named by no file: its positions live in the saved game,
// and in a layout file saved from it under a name of its own; its own name,
// in any case, asks for a random heap and is refused.
TEST_F(SavedGames, ARandomHeapComesBackAsTheSamePositionsFromASavedGameAndASavedLayout) {
    app.settings.Layout = "RANDOM.TVL";
    loadLayout(app);
    dealNewGame(app);
    const GameModel heap = game;
    run(saveGame, "HEAP.TVM");
    const size_t titles = host.titles.size();
    for (const std::string name : {"RANDOM.TVL", "random.tvl", "Random.Tvl"}) {
        run([](App& a) { EXPECT_FALSE(saveLayoutAs(a)); }, name);
        EXPECT_EQ(describe(host.messages.back()), name + " : cannot write|Tavrek v3.2|1");
    }
    EXPECT_EQ(host.titles.size(), titles);
    EXPECT_TRUE(std::filesystem::is_empty(start.path + "/LAYOUTS"));
    run([](App& a) { EXPECT_TRUE(saveLayoutAs(a)); }, "mine.tvl");
    EXPECT_EQ(app.settings.Layout, "MINE.TVL");
    EXPECT_EQ(host.titles.back(), "Tavrek v3.2 - Mine.tvl");
    EXPECT_EQ(game.boardGrid, heap.boardGrid) << "saving a layout leaves the board alone";
    App other{host};
    initDataDirectories(other.dirs, start.path);
    other.settings.Layout = "MINE.TVL";
    loadLayout(other);
    EXPECT_EQ(other.game.layoutMask, heap.layoutMask);
    host.fileAnswers = {"HEAP.TVM"};
    loadGame(other);
    EXPECT_EQ(other.game.boardGrid, heap.boardGrid);
}

// Tiles of one layer may overlap: whatever pairs have gone, every tile left
// still holds the cells it shares, so the program reads its own file back.
TEST_F(SavedGames, APartlyPlayedOverlappingLayoutLoadsBack) {
    buildBoard(game, overlappingLayout(), 7);
    resetGameState(game);
    const GameModel full = game;
    const auto tileAt = [this](int row, int column) {
        for (int t = 0; t < tileCount; ++t)
            if (game.tiles[size_t(t)].row == row && game.tiles[size_t(t)].column == column) return t;
        return int(noTile);
    };
    // Neighbours in a row share a column of cells, and the rows above and below.
    for (const int row : {1, 3, 6}) removePair(game, tileAt(row, row), tileAt(row, row + 1));
    for (const TileRecord& tile : game.tiles)
        for (int cell = 0; cell < 4 && tile.face != 0; ++cell)
            EXPECT_NE(game.boardGrid[size_t(cellIndex(tile.layer, tile.row + cell / 2, tile.column + cell % 2))], noTile);
    computeFreeTiles(game);
    layoutTiles(app.view, game);
    const Bytes played = bytes();
    run(saveGame, "OVERLAP.TVM");
    buildBoard(game, staggeredLayout(), 0);
    run(loadGame, "OVERLAP.TVM");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(bytes(), played);
    while (game.state.movesMade > 0) undoMove(app);
    for (size_t cell = 0; cell < size_t(cellCount); ++cell)
        EXPECT_EQ(game.boardGrid[cell] == noTile, full.boardGrid[cell] == noTile) << "undo covers every cell again";
    run(saveGame, "UNDONE.TVM");
    run(loadGame, "UNDONE.TVM");
    EXPECT_TRUE(host.messages.empty());
}

// A game saved with its board cleared is won as it loads: the name, the
// table, the loaded game's message; the clock stops and nothing is stored.
TEST_F(SavedGames, AClearedBoardIsWonWhenItLoads) {
    undoMove(app);
    for (int k = 0; k < tileCount; k += 2) removePair(game, game.state.removalOrder[k], game.state.removalOrder[k + 1]);
    game.state.selectedTile = noTile, game.state.elapsedSeconds = 100;
    run(saveGame, "CLEARED.TVM");
    dealNewGame(app);
    host.winnerName = "Lin";
    app.language.MesWinLoad = "loaded games are not stored", app.language.MesStatusWin = "Won";
    run(loadGame, "CLEARED.TVM");
    EXPECT_EQ(host.nameRequests, 1);
    ASSERT_EQ(host.hallsShown.size(), 1u);
    EXPECT_EQ(host.hallsShown[0].entries[0].playerName + " " + host.hallsShown[0].entries[0].timeText, "Lin 00:01:40");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "loaded games are not stored");
    EXPECT_EQ(game.state.winHandled, 1);
    EXPECT_NE(host.statusTexts.back().find("Won"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(start.path) / "SCORES"));
}
