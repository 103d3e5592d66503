#include <gtest/gtest.h>

#include <set>

#include "BoardBuilder.h"
#include "engine/FreeTiles.h"

namespace {

using Cells = std::set<std::pair<int, int>>;

// (row, column) of the free tiles of one layer of this heap.
Cells freeOn(const std::vector<Corner>& corners, int layer = 0) {
    GameModel game;
    buildBoard(game, corners);
    computeFreeTiles(game);
    Cells found;
    for (const TileRecord& tile : game.tiles)
        if (tile.freeFlag == 1 && tile.layer == layer) found.insert({tile.row, tile.column});
    return found;
}

// Lone tiles with these faces, in this order of tile numbers, all free.
void buildLoneTiles(GameModel& game, const std::vector<uint8_t>& faces) {
    std::vector<Corner> corners;
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) corners.push_back({0, 4 * (i / 9), 32 - 4 * (i % 9)});
    buildBoard(game, corners);
    for (std::size_t i = 0; i < faces.size(); ++i) game.tiles[i].face = faces[i];
    computeFreeTiles(game);
}

std::vector<std::pair<int, int>> listed(const GameModel& game) {
    std::vector<std::pair<int, int>> pairs;
    for (int k = 0; k < game.moveList.moveCount; ++k) pairs.push_back({game.moveList.pairs[k].first, game.moveList.pairs[k].second});
    return pairs;
}

}  // namespace

TEST(FreeTiles, SidesOpenAtTheBordersOrWhereBothCellsAreEmpty) {
    std::vector<Corner> row;
    addBlock(row, 0, 6, 1, 0, 17);
    EXPECT_EQ(freeOn(row), (Cells{{6, 0}, {6, 32}})) << "column 0 and column 33";
    row.pop_back();
    for (Corner& c : row) c.column += 1;
    EXPECT_EQ(freeOn(row), (Cells{{6, 1}, {6, 31}}));
    // The middle tile (6, 10) has a right neighbour; its left decides.
    const Corner middle{0, 6, 10}, right{0, 6, 12}, left{0, 6, 8};
    EXPECT_EQ(freeOn({middle, right, {0, 7, 8}}).count({6, 10}), 0u) << "neighbour half a tile lower";
    EXPECT_EQ(freeOn({middle, right, {0, 5, 8}}).count({6, 10}), 0u) << "neighbour half a tile higher";
    EXPECT_EQ(freeOn({middle, right, {0, 8, 8}}).count({6, 10}), 1u) << "a whole tile lower";
    EXPECT_EQ(freeOn({middle, right, {0, 6, 7}}).count({6, 10}), 1u) << "half a tile of gap";
    EXPECT_EQ(freeOn({left, middle, {0, 7, 12}}).count({6, 10}), 0u);
    EXPECT_EQ(freeOn({left, middle, {0, 4, 12}}).count({6, 10}), 1u);
}

TEST(FreeTiles, OnlyTheLayerDirectlyAboveCovers) {
    const std::vector<Corner> heap = {{0, 0, 0}, {0, 0, 2}, {0, 0, 4}, {1, 0, 1}};
    EXPECT_EQ(freeOn(heap, 0), (Cells{{0, 4}}));
    EXPECT_EQ(freeOn(heap, 1), (Cells{{0, 1}}));
    EXPECT_TRUE(freeOn({{0, 6, 10}, {1, 7, 11}}).empty()) << "one covered cell is enough";
    EXPECT_TRUE(freeOn({{0, 6, 10}, {1, 5, 9}}).empty());
    EXPECT_EQ(freeOn({{0, 6, 10}, {2, 6, 10}}).size(), 1u) << "two layers up covers nothing";

    GameModel game;
    buildBoard(game, {{0, 6, 4}, {0, 6, 6}, {1, 6, 6}});
    game.tiles[2].face = 0;  // removed, though its cells still name it
    computeFreeTiles(game);
    EXPECT_EQ(game.tiles[2].freeFlag, 0) << "a removed tile is never free";
    EXPECT_EQ(game.tiles[1].freeFlag, 1);
}

TEST(FreeTiles, MatchesNeedTwoFreeTilesOfOneFaceOrGroup) {
    GameModel game;
    buildLoneTiles(game, {28, 31, 32, 36, 5, 5, 7, 30, 39, 2, 7});
    EXPECT_TRUE(tilesMatch(game, 0, 1));
    EXPECT_FALSE(tilesMatch(game, 0, 0));
    EXPECT_FALSE(tilesMatch(game, 0, 2));
    EXPECT_FALSE(tilesMatch(game, 1, 3));
    EXPECT_FALSE(tilesMatch(game, 4, noTile));
    EXPECT_FALSE(tilesMatch(game, -1, 1));
    EXPECT_FALSE(tilesMatch(game, 1, -1));
    game.state.hintIndex = 5;
    buildMoveList(game, false, 50);
    using Pairs = std::vector<std::pair<int, int>>;
    EXPECT_EQ(listed(game), (Pairs{{0, 1}, {0, 7}, {1, 7}, {3, 8}, {4, 5}, {6, 10}}));
    EXPECT_EQ(game.state.hintIndex, 0);
    game.tiles[5].freeFlag = 0;
    EXPECT_FALSE(tilesMatch(game, 4, 5));

    buildLoneTiles(game, {1, 2, 3});
    buildMoveList(game, false, 50);
    EXPECT_EQ(game.moveList.moveCount, 0);
    EXPECT_EQ(game.moveList.pairs[0].first + game.moveList.pairs[0].second, 2 * noTile);
}

TEST(FreeTiles, StopEarlyKeepsTheFirstPairsPastTheLimit) {
    std::vector<uint8_t> faces(11, 1);  // 55 pairs, then 3 + 1 + 1: 60 in all
    for (uint8_t face : {2, 2, 2, 3, 3, 4, 4}) faces.push_back(face);
    GameModel game;
    buildLoneTiles(game, faces);
    buildMoveList(game, false, 50);
    const auto complete = listed(game);
    ASSERT_EQ(complete.size(), 60u);
    buildMoveList(game, true, 50);
    EXPECT_EQ(listed(game), decltype(complete)(complete.begin(), complete.begin() + 51));
    buildMoveList(game, true, 0);
    EXPECT_EQ(game.moveList.moveCount, 1);

    // 90 free tiles of one face would make 4005 pairs: the list stops when full.
    std::vector<Corner> spaced;
    addBlock(spaced, 0, 0, 10, 0, 9);
    for (Corner& c : spaced) c.column *= 2;
    buildBoard(game, spaced);
    computeFreeTiles(game);
    buildMoveList(game, false, 50);
    EXPECT_EQ(game.moveList.moveCount, moveListCapacity);
    EXPECT_EQ(game.moveList.pairs[moveListCapacity - 1].first, 2) << "after 89 + 88 pairs of tiles 0 and 1";
}
