#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/BoardModel.h"
#include "engine/Moves.h"

TEST(BoardModel, DealFacesPairUpHalfAndHalf) {
    int countOfFace[43] = {};
    for (int k = 0; k < pairCount; ++k) EXPECT_TRUE(facesMatch(dealFaces[k], dealFaces[k + 72])) << "entry " << k;
    for (uint8_t face : dealFaces) ++countOfFace[face];
    for (int face = 0; face <= 42; ++face) {
        const bool groupFace = (face >= 28 && face <= 31) || (face >= 36 && face <= 39);
        EXPECT_EQ(countOfFace[face], face == 0 ? 0 : groupFace ? 1 : 4) << "face " << face;
    }
    EXPECT_EQ((std::vector<int>{dealFaces[54], dealFaces[126], dealFaces[143]}), (std::vector<int>{28, 30, 42}));
}

TEST(BoardModel, FacesMatchThemselvesOrWithinTheirGroupAndTileNumbersStopAt143) {
    const struct { int a, b; bool match; } cases[] = {{5, 5, true},    {5, 6, false},   {28, 31, true},  {36, 39, true},
                                                      {28, 32, false}, {31, 36, false}, {27, 28, false}, {39, 40, false}};
    for (const auto& c : cases) EXPECT_EQ(facesMatch(c.a, c.b), c.match) << c.a << " with " << c.b;
    for (int tile : {-1, 0, tileCount - 1, tileCount, int(noTile)})
        EXPECT_EQ(isTile(tile), tile == 0 || tile == tileCount - 1) << tile;
}

TEST(BoardModel, ClearingAndRestoringATileWritesItsFourCells) {
    EXPECT_EQ(cellIndex(1, 2, 3), 680 + 68 + 3);
    GameModel game;
    clearGameModel(game);
    EXPECT_EQ(std::vector<int>({game.moveList.pairs[0].first, game.moveList.pairs[0].second}), std::vector<int>(2, noTile));
    game.tiles[7].layer = 2;
    game.tiles[7].row = 18;
    game.tiles[7].column = 32;
    restoreTileCells(game, 7);
    EXPECT_EQ(std::count(game.boardGrid.begin(), game.boardGrid.end(), 7), 4);
    EXPECT_EQ(game.boardGrid[cellCount - 1 - 2 * layerCells], 7) << "the far corner of layer 2";
    clearTileCells(game, 7);
    EXPECT_EQ(std::count(game.boardGrid.begin(), game.boardGrid.end(), noTile), cellCount);
}
