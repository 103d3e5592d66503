// The faces and their match rule, and which tiles are free.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BoardBuilder.h"
#include "engine/FreeTiles.h"
#include "engine/Moves.h"

using Cells = std::set<std::pair<int, int>>;
using Pairs = std::vector<std::pair<int, int>>;

// (row, column) of the free tiles of one layer of this heap.
static Cells freeOn(const std::vector<Corner>& corners, int layer = 0) {
    GameModel game;
    buildBoard(game, corners);
    computeFreeTiles(game);
    Cells found;
    for (const TileRecord& tile : game.tiles)
        if (tile.freeFlag == 1 && tile.layer == layer) found.insert({tile.row, tile.column});
    return found;
}

// Lone tiles with these faces, in this order of tile numbers, all free.
static void buildLoneTiles(GameModel& game, const std::vector<uint8_t>& faces) {
    std::vector<Corner> corners;
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) corners.push_back({0, 4 * (i / 9), 32 - 4 * (i % 9)});
    buildBoard(game, corners);
    for (std::size_t i = 0; i < faces.size(); ++i) game.tiles[i].face = faces[i];
    computeFreeTiles(game);
}

static Pairs listed(const GameModel& game) {
    Pairs pairs;
    for (int k = 0; k < game.moveList.moveCount; ++k)
        pairs.emplace_back(game.moveList.pairs[k].first, game.moveList.pairs[k].second);
    return pairs;
}

// Dealt faces pair up half and half; faces match themselves or within their group.
TEST(Faces, DealFacesAndTheMatchRuleAndTileNumbersUpTo143) {
    int countOfFace[43] = {};
    for (int k = 0; k < pairCount; ++k) EXPECT_TRUE(facesMatch(dealFaces[k], dealFaces[k + 72])) << "entry " << k;
    for (uint8_t face : dealFaces) ++countOfFace[face];
    for (int face = 0; face <= 42; ++face) {
        const bool groupFace = (face >= 28 && face <= 31) || (face >= 36 && face <= 39);
        EXPECT_EQ(countOfFace[face], face == 0 ? 0 : groupFace ? 1 : 4) << "face " << face;
    }
    EXPECT_EQ((std::vector<int>{dealFaces[54], dealFaces[126], dealFaces[143]}), (std::vector<int>{28, 30, 42}));
    const struct { int a, b; bool match; } cases[] = {{5, 5, true},    {5, 6, false},   {28, 31, true},
                                                      {36, 39, true},  {28, 32, false}, {31, 36, false},
                                                      {27, 28, false}, {39, 40, false}};
    for (const auto& c : cases) EXPECT_EQ(facesMatch(c.a, c.b), c.match) << c.a << " with " << c.b;
    for (int tile : {-1, 0, tileCount - 1, tileCount, int(noTile)})
        EXPECT_EQ(isTile(tile), tile == 0 || tile == tileCount - 1) << tile;
}

TEST(FreeTiles, SidesOpenAtTheBordersOrWhereBothCellsAreEmpty) {
    std::vector<Corner> row;
    addBlock(row, 0, 6, 1, 0, 17);
    EXPECT_EQ(freeOn(row), (Cells{{6, 0}, {6, 32}})) << "column 0 and column 33";
    row.pop_back();
    for (Corner& c : row) c.column += 1;
    EXPECT_EQ(freeOn(row), (Cells{{6, 1}, {6, 31}}));
    // The middle tile (6, 10) beside one tile; the other side decides.
    const struct { Corner beside, other; size_t free; } cases[] = {
        {{0, 6, 12}, {0, 7, 8}, 0}, {{0, 6, 12}, {0, 5, 8}, 0},  // half a tile lower or higher
        {{0, 6, 12}, {0, 8, 8}, 1}, {{0, 6, 12}, {0, 6, 7}, 1},  // a whole tile lower, half a tile of gap
        {{0, 6, 8}, {0, 7, 12}, 0},  {{0, 6, 8}, {0, 4, 12}, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(freeOn({c.beside, {0, 6, 10}, c.other}).count({6, 10}), c.free) << c.other.row << c.other.column;
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
    EXPECT_EQ((Pairs{{game.tiles[2].freeFlag, game.tiles[1].freeFlag}}), (Pairs{{0, 1}}))
        << "a removed tile is never free, nor does it cover";
}

TEST(FreeTiles, MatchesNeedTwoFreeTilesOfOneFaceOrGroup) {
    GameModel game;
    buildLoneTiles(game, {28, 31, 32, 36, 5, 5, 7, 30, 39, 2, 7});
    const struct { int a, b; bool match; } cases[] = {{0, 1, true},       {0, 0, false}, {0, 2, false}, {1, 3, false},
                                                      {4, noTile, false}, {-1, 1, false}, {1, -1, false}};
    for (const auto& c : cases) EXPECT_EQ(tilesMatch(game, c.a, c.b), c.match) << c.a << " with " << c.b;
    game.state.hintIndex = 5;
    buildMoveList(game, false, 50);
    EXPECT_EQ(listed(game), (Pairs{{0, 1}, {0, 7}, {1, 7}, {3, 8}, {4, 5}, {6, 10}}));
    EXPECT_EQ(game.state.hintIndex, 0);
    game.tiles[5].freeFlag = 0;
    EXPECT_FALSE(tilesMatch(game, 4, 5)) << "a tile no longer free";
    // A cleared model, and a list without pairs, name no pair in the first entry.
    buildLoneTiles(game, {1, 2, 3});
    const auto first = [&game] { return Pairs(1, {game.moveList.pairs[0].first, game.moveList.pairs[0].second}); };
    EXPECT_EQ(first(), Pairs(1, {noTile, noTile}));
    game.moveList.pairs[0] = {0, 1};
    buildMoveList(game, false, 50);
    EXPECT_EQ(game.moveList.moveCount, 0);
    EXPECT_EQ(first(), Pairs(1, {noTile, noTile}));
}

TEST(FreeTiles, StopEarlyKeepsTheFirstPairsPastTheLimit) {
    std::vector<uint8_t> faces(11, 1);  // 55 pairs, then 3 + 1 + 1: 60 in all
    for (uint8_t face : {2, 2, 2, 3, 3, 4, 4}) faces.push_back(face);
    GameModel game;
    buildLoneTiles(game, faces);
    buildMoveList(game, false, 50);
    const Pairs complete = listed(game);
    ASSERT_EQ(complete.size(), 60u);
    buildMoveList(game, true, 50);
    EXPECT_EQ(listed(game), Pairs(complete.begin(), complete.begin() + 51));
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
