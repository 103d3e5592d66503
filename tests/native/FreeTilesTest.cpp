#include <gtest/gtest.h>

#include <set>

#include "BoardBuilder.h"
#include "engine/FreeTiles.h"

namespace {

// The corners of the free tiles after computing the rule on these tiles.
std::set<std::pair<int, int>> freeCorners(const std::vector<Corner>& corners, int onLayer = 0) {
    GameModel game;
    buildBoard(game, corners);
    computeFreeTiles(game);
    std::set<std::pair<int, int>> found;
    for (int t = 0; t < static_cast<int>(corners.size()); ++t) {
        const TileRecord& tile = game.tiles[t];
        EXPECT_LE(tile.freeFlag, 1) << "the working value never survives";
        if (tile.freeFlag == 1 && tile.layer == onLayer) found.insert({tile.row, tile.column});
    }
    return found;
}

using Cells = std::set<std::pair<int, int>>;

// Free tiles spaced apart on the floor, with the given faces in order.
void buildSpacedTiles(GameModel& game, const std::vector<uint8_t>& faces) {
    std::vector<Corner> corners;
    for (std::size_t i = 0; i < faces.size(); ++i)
        corners.push_back({0, 4 * static_cast<int>(i / 9), 4 * static_cast<int>(i % 9)});
    buildBoard(game, corners);
    for (std::size_t i = 0; i < faces.size(); ++i) game.tiles[tileAtCorner(game, corners[i])].face = faces[i];
    computeFreeTiles(game);
}

std::vector<std::pair<int, int>> listed(const GameModel& game) {
    std::vector<std::pair<int, int>> pairs;
    for (int k = 0; k < game.moveList.moveCount; ++k)
        pairs.push_back({game.moveList.pairs[k].first, game.moveList.pairs[k].second});
    return pairs;
}

}  // namespace

TEST(FreeTiles, BordersOpenTheirSide) {
    // A full row: only the tiles touching column 0 and column 33 are free.
    std::vector<Corner> row;
    addBlock(row, 0, 6, 1, 0, 17);
    EXPECT_EQ(freeCorners(row), (Cells{{6, 0}, {6, 32}}));
    // Shifted by one column, both ends are open through empty cells instead.
    row.pop_back();
    for (Corner& c : row) c.column += 1;
    EXPECT_EQ(freeCorners(row), (Cells{{6, 1}, {6, 31}}));
    // A middle tile between neighbours is blocked on both sides.
    EXPECT_EQ(freeCorners({{0, 6, 4}, {0, 6, 6}, {0, 6, 8}}), (Cells{{6, 4}, {6, 8}}));
}

TEST(FreeTiles, HalfTileNeighboursBlockWhenTheyShareARow) {
    // Middle tile at (6, 10) with a right neighbour, so only its left side decides.
    const Corner middle{0, 6, 10}, right{0, 6, 12};
    EXPECT_EQ(freeCorners({middle, right, {0, 7, 8}}).count({6, 10}), 0u) << "neighbour half a tile lower";
    EXPECT_EQ(freeCorners({middle, right, {0, 5, 8}}).count({6, 10}), 0u) << "neighbour half a tile higher";
    EXPECT_EQ(freeCorners({middle, right, {0, 8, 8}}).count({6, 10}), 1u) << "a whole tile lower leaves it open";
    EXPECT_EQ(freeCorners({middle, right, {0, 4, 8}}).count({6, 10}), 1u);
    // The same on the right side.
    const Corner left{0, 6, 8};
    EXPECT_EQ(freeCorners({left, middle, {0, 7, 12}}).count({6, 10}), 0u);
    EXPECT_EQ(freeCorners({left, middle, {0, 8, 12}}).count({6, 10}), 1u);
    // A gap of half a tile still blocks nothing: both cells beside it are empty.
    EXPECT_EQ(freeCorners({{0, 6, 7}, middle, right}).count({6, 10}), 1u);
}

TEST(FreeTiles, OnlyTheLayerDirectlyAboveCovers) {
    // Three floor tiles and one above resting across the first two.
    const std::vector<Corner> heap = {{0, 0, 0}, {0, 0, 2}, {0, 0, 4}, {1, 0, 1}};
    EXPECT_EQ(freeCorners(heap, 0), (Cells{{0, 4}}));
    EXPECT_EQ(freeCorners(heap, 1), (Cells{{0, 1}}));
    // Any one of the four cells covered is enough.
    EXPECT_TRUE(freeCorners({{0, 6, 10}, {1, 7, 11}}, 0).empty());
    EXPECT_TRUE(freeCorners({{0, 6, 10}, {1, 5, 9}}, 0).empty());
    EXPECT_EQ(freeCorners({{0, 6, 10}, {1, 4, 9}}, 0).size(), 1u) << "beside, not over";
    // A tile two layers up over empty cells covers nothing.
    EXPECT_EQ(freeCorners({{0, 6, 10}, {2, 6, 10}}, 0).size(), 1u);
}

TEST(FreeTiles, RemovedTilesAreNeverFree) {
    GameModel game;
    buildBoard(game, {{0, 6, 4}, {0, 6, 6}});
    const int left = tileAtCorner(game, {0, 6, 4});
    game.tiles[left].face = 0;  // its cells still read as its own
    computeFreeTiles(game);
    EXPECT_EQ(game.tiles[left].freeFlag, 0);
    EXPECT_EQ(game.tiles[tileAtCorner(game, {0, 6, 6})].freeFlag, 1);
}

TEST(FreeTiles, MatchNeedsTwoDifferentFreeTilesOfOneFaceOrGroup) {
    GameModel game;
    buildSpacedTiles(game, {28, 31, 32, 36, 5, 5});
    EXPECT_TRUE(tilesMatch(game, 0, 1));
    EXPECT_FALSE(tilesMatch(game, 0, 0)) << "a tile does not match itself";
    EXPECT_FALSE(tilesMatch(game, 0, 2));
    EXPECT_FALSE(tilesMatch(game, 1, 3));
    EXPECT_TRUE(tilesMatch(game, 4, 5));
    game.tiles[5].freeFlag = 0;
    EXPECT_FALSE(tilesMatch(game, 4, 5));
    EXPECT_FALSE(tilesMatch(game, 4, noTile));
    EXPECT_FALSE(tilesMatch(game, -1, 4));
}

TEST(FreeTiles, MoveListHoldsEachPairOnceInIndexOrder) {
    GameModel game;
    buildSpacedTiles(game, {7, 28, 7, 36, 30, 7, 39, 2});
    game.state.hintIndex = 5;
    buildMoveList(game, false, 50);
    // Tile numbers follow the layout order; map them back through the faces.
    const std::vector<std::pair<int, int>> pairs = listed(game);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        EXPECT_LT(pairs[k].first, pairs[k].second);
        EXPECT_TRUE(facesMatch(game.tiles[pairs[k].first].face, game.tiles[pairs[k].second].face));
        if (k > 0) {
            EXPECT_LT(pairs[k - 1], pairs[k]);
        }
    }
    EXPECT_EQ(pairs.size(), 3u + 1u + 1u) << "three of face 7, 28 with 30, 36 with 39";
    EXPECT_EQ(game.state.hintIndex, 0);

    buildSpacedTiles(game, {1, 2, 3});
    game.state.hintIndex = 2;
    buildMoveList(game, false, 50);
    EXPECT_EQ(game.moveList.moveCount, 0);
    EXPECT_EQ(game.moveList.pairs[0].first, noTile);
    EXPECT_EQ(game.moveList.pairs[0].second, noTile);
    EXPECT_EQ(game.state.hintIndex, 0);
}

TEST(FreeTiles, StopEarlyEndsAtTheFirstPairsPastTheLimit) {
    // 11 tiles of one face (55 pairs), 3 of another (3), two pairs (2): 60 pairs.
    std::vector<uint8_t> faces(11, 1);
    for (uint8_t face : {2, 2, 2, 3, 3, 4, 4}) faces.push_back(face);
    GameModel game;
    buildSpacedTiles(game, faces);
    buildMoveList(game, false, 50);
    ASSERT_EQ(game.moveList.moveCount, 60);
    const std::vector<std::pair<int, int>> complete = listed(game);
    buildMoveList(game, true, 50);
    ASSERT_EQ(game.moveList.moveCount, 51);
    const std::vector<std::pair<int, int>> early = listed(game);
    EXPECT_TRUE(std::equal(early.begin(), early.end(), complete.begin()));
    buildMoveList(game, true, 59);
    EXPECT_EQ(game.moveList.moveCount, 60);
    buildMoveList(game, true, 0);
    EXPECT_EQ(game.moveList.moveCount, 1);
}

TEST(FreeTiles, MoveListNeverOutgrowsItsCapacity) {
    // 90 free tiles of one face would make 4005 pairs.
    std::vector<Corner> corners;
    addBlock(corners, 0, 0, 10, 0, 9);
    for (Corner& c : corners) c.column *= 2;
    GameModel game;
    buildBoard(game, corners);
    computeFreeTiles(game);
    buildMoveList(game, false, 50);
    EXPECT_EQ(game.moveList.moveCount, moveListCapacity);
    // Tile 0 pairs with 89 others and tile 1 with 88, so the last room holds (2, 41).
    EXPECT_EQ(game.moveList.pairs[moveListCapacity - 1].first, 2);
    EXPECT_EQ(game.moveList.pairs[moveListCapacity - 1].second, 41);
}
