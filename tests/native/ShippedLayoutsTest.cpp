// The layouts that come with the game: each is a heap the game can play, in
// the form the game itself saves, and every deal on it can be cleared.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "TestFiles.h"
#include "game/App.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "engine/Layout.h"
#include "files/DataDirectories.h"
#include "game/DealGame.h"

namespace {

std::string layoutsDirectory() { return shippedDataDirectory() + "/LAYOUTS"; }

std::vector<uint8_t> layoutBytes(const std::string& name) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(readWholeFile(filePath(layoutsDirectory(), name), bytes)) << name;
    return bytes;
}

// Builds the board of a shipped layout the way loading it does.
bool readShippedLayout(const std::string& name, GameModel& game) {
    clearGameModel(game);
    const LayoutFormat format = readLayoutBytes(layoutBytes(name), true, game.layoutMask);
    return format == LayoutFormat::line && layoutHas144Tiles(game.layoutMask) &&
           numberAndOrderTiles(game) == tileCount;
}

std::vector<std::string> textLines(const std::vector<uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (uint8_t byte : bytes) {
        line += static_cast<char>(byte);
        if (byte == '\n') lines.push_back(line), line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The lines the game would write for this mask when saving it.
std::vector<std::string> savedLines(const LayoutMask& mask) {
    std::vector<std::string> lines;
    for (int layer = 0; layer < layerCount; ++layer)
        for (int row = 0; row < rowCount; ++row)
            for (int column = 0; column < columnCount; ++column)
                if (mask[cellIndex(layer, row, column)] == 1)
                    lines.push_back(std::to_string(row) + " " + std::to_string(column) + " " +
                                    std::to_string(layer) + "\r\n");
    return lines;
}

int cellsResting(const GameModel& game, const TileRecord& t) {
    int resting = 0;
    for (int dr = 0; dr < 2; ++dr)
        for (int dc = 0; dc < 2; ++dc)
            resting += game.boardGrid[cellIndex(t.layer - 1, t.row + dr, t.column + dc)] != noTile;
    return resting;
}

// Tiles that overlap share cells, so fewer than four cells a tile are covered.
int coveredCells(const GameModel& game) {
    return static_cast<int>(std::count_if(game.boardGrid.begin(), game.boardGrid.end(),
                                          [](uint8_t cell) { return cell != noTile; }));
}

// Plays the deal's removal order back; fails at the first pair that is not
// two free matching tiles.
void replayRemovalOrder(GameModel& game) {
    for (int k = 0; k < tileCount; k += 2) {
        const int a = game.state.removalOrder[k];
        const int b = game.state.removalOrder[k + 1];
        computeFreeTiles(game);
        ASSERT_TRUE(tilesMatch(game, a, b)) << "pair " << k / 2 << ": tiles " << a << " and " << b;
        for (int tile : {a, b}) {
            clearTileCells(game, tile);
            game.tiles[tile].face = 0;
        }
    }
}

std::vector<std::string> shippedLayouts() { return listFiles(layoutsDirectory(), "*.TVL"); }

}  // namespace

TEST(ShippedLayouts, TheDefaultAndThirtyNineMoreAreShipped) {
    const std::vector<std::string> names = shippedLayouts();
    EXPECT_GE(names.size(), 40u);
    EXPECT_NE(std::find(names.begin(), names.end(), "DEFAULT.TVL"), names.end());
}

TEST(ShippedLayouts, EachIsA144TileHeapWithoutOverlapsAndEveryRaisedTileResting) {
    for (const std::string& name : shippedLayouts()) {
        SCOPED_TRACE(name);
        GameModel game;
        ASSERT_TRUE(readShippedLayout(name, game));
        EXPECT_EQ(coveredCells(game), 4 * tileCount) << "tiles overlap";
        int highestLayer = 0;
        for (int tile = 0; tile < tileCount; ++tile) {
            const TileRecord& t = game.tiles[tile];
            if (t.layer > 0) {
                EXPECT_GE(cellsResting(game, t), 2) << "tile " << tile << " hangs in the air";
            }
            highestLayer = std::max<int>(highestLayer, t.layer);
        }
        EXPECT_GE(highestLayer, 2) << "a heap of at least three layers";
        EXPECT_EQ(game.tiles[0].layer, 0);
        EXPECT_EQ(game.tiles[tileCount - 1].layer, highestLayer);
    }
}

TEST(ShippedLayouts, EachNamesItselfAndListsItsTilesAsTheGameSavesThem) {
    for (const std::string& name : shippedLayouts()) {
        SCOPED_TRACE(name);
        GameModel game;
        ASSERT_TRUE(readShippedLayout(name, game));
        std::vector<std::string> lines = textLines(layoutBytes(name));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind("; Tavrek layout: ", 0), 0u) << lines[0];
        lines.erase(std::remove_if(lines.begin(), lines.end(), [](const std::string& l) { return l[0] == ';'; }),
                    lines.end());
        EXPECT_EQ(lines, savedLines(game.layoutMask));
    }
}

TEST(ShippedLayouts, SolvableDealsOnEachReplayToAnEmptyBoard) {
    for (const std::string& name : shippedLayouts()) {
        SCOPED_TRACE(name);
        RecordingHost host;
        App app(host);
        ASSERT_TRUE(readShippedLayout(name, app.game));
        for (int deal = 0; deal < 5; ++deal) {
            ++host.now;
            const DealReport report = dealNewGame(app);
            EXPECT_FALSE(report.fellBack);
            EXPECT_GE(report.removalAttempts, 1);
            GameModel replay = app.game;
            replayRemovalOrder(replay);
            EXPECT_TRUE(std::all_of(replay.boardGrid.begin(), replay.boardGrid.end(),
                                    [](uint8_t cell) { return cell == noTile; }));
        }
    }
}
