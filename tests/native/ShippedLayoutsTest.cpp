// The layouts that come with the game: each is a heap the game can play, in
// the form the game itself saves (that their deals clear is tested with dealing).
#include <gtest/gtest.h>

#include <algorithm>

#include "TestFiles.h"
#include "engine/Layout.h"
#include "files/LayoutLines.h"
#include "files/DataDirectories.h"

// How many of the four cells under a raised tile hold a tile.
static int cellsResting(const GameModel& game, const TileRecord& t) {
    int resting = 0;
    for (int dr = 0; dr < 2; ++dr)
        for (int dc = 0; dc < 2; ++dc) resting += game.boardGrid[cellIndex(t.layer - 1, t.row + dr, t.column + dc)] != noTile;
    return resting;
}

TEST(ShippedLayouts, EachIsAPlayableHeapAsTheGameSavesIt) {
    const std::string directory = shippedDataDirectory() + pathSeparator + "LAYOUTS";
    const std::vector<std::string> names = listFiles(directory, "*.TVL");
    EXPECT_GE(names.size(), 40u);
    EXPECT_NE(std::find(names.begin(), names.end(), "DEFAULT.TVL"), names.end());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        GameModel game;
        clearGameModel(game);
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readWholeFile(filePath(directory, name), bytes));
        ASSERT_EQ(readLayoutBytes(bytes, true, game.layoutMask), LayoutFormat::line);
        ASSERT_TRUE(layoutHas144Tiles(game.layoutMask));
        numberAndOrderTiles(game);
        // Comments naming the layout, then the very lines the game writes when it saves one.
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_EQ(text.rfind("; Tavrek layout: ", 0), 0u);
        size_t body = 0;
        while (body < text.size() && text[body] == ';') body = std::min(text.find('\n', body), text.size() - 1) + 1;
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + std::ptrdiff_t(body), bytes.end()), layoutLineBytes(game.layoutMask));
        EXPECT_EQ(std::count(game.boardGrid.begin(), game.boardGrid.end(), noTile), cellCount - 4 * tileCount) << "tiles overlap";
        for (int tile = 0; tile < tileCount; ++tile) {
            if (game.tiles[tile].layer > 0) {
                EXPECT_GE(cellsResting(game, game.tiles[tile]), 2) << tile << " hangs in the air";
            }
        }
        EXPECT_EQ(game.tiles[0].layer, 0);
        EXPECT_GE(game.tiles[tileCount - 1].layer, 2) << "a heap of at least three layers";
    }
}
