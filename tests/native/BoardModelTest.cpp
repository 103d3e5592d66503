#include <gtest/gtest.h>

#include "engine/BoardModel.h"
#include "engine/Moves.h"

TEST(BoardModel, RecordsHaveTheWidthsSavedGamesStore) {
    EXPECT_EQ(sizeof(TileRecord), 14u);
    EXPECT_EQ(sizeof(UndoRecord), 3u);
    EXPECT_EQ(sizeof(TilePair), 2u);
    EXPECT_EQ(cellIndex(1, 2, 3), 680 + 68 + 3);
    EXPECT_EQ(cellIndex(4, 19, 33), cellCount - 1);
}

TEST(BoardModel, DealFacesPairUpHalfAndHalf) {
    int countOfFace[43] = {};
    for (int k = 0; k < pairCount; ++k) {
        EXPECT_TRUE(facesMatch(dealFaces[k], dealFaces[k + 72])) << "entry " << k;
    }
    for (uint8_t face : dealFaces) ++countOfFace[face];
    EXPECT_EQ(countOfFace[0], 0);
    for (int face = 1; face <= 42; ++face) {
        const bool groupFace = (face >= 28 && face <= 31) || (face >= 36 && face <= 39);
        EXPECT_EQ(countOfFace[face], groupFace ? 1 : 4) << "face " << face;
    }
    EXPECT_EQ(dealFaces[54], 28);
    EXPECT_EQ(dealFaces[126], 30);
    EXPECT_EQ(dealFaces[143], 42);
}

TEST(BoardModel, GroupFacesMatchWithinTheirGroupOnly) {
    EXPECT_TRUE(facesMatch(5, 5));
    EXPECT_FALSE(facesMatch(5, 6));
    EXPECT_TRUE(facesMatch(28, 31));
    EXPECT_TRUE(facesMatch(36, 39));
    EXPECT_FALSE(facesMatch(28, 32));
    EXPECT_FALSE(facesMatch(31, 36));
    EXPECT_FALSE(facesMatch(27, 28));
    EXPECT_FALSE(facesMatch(39, 40));
}

TEST(BoardModel, ClearingAndRestoringATileWritesItsFourCells) {
    GameModel game;
    clearGameModel(game);
    EXPECT_EQ(game.moveList.pairs[0].first, noTile);
    EXPECT_EQ(game.moveList.pairs[0].second, noTile);
    game.tiles[7].layer = 2;
    game.tiles[7].row = 18;
    game.tiles[7].column = 32;
    restoreTileCells(game, 7);
    int owned = 0;
    for (uint8_t cell : game.boardGrid) owned += cell == 7;
    EXPECT_EQ(owned, 4);
    EXPECT_EQ(game.boardGrid[cellIndex(2, 19, 33)], 7);
    clearTileCells(game, 7);
    for (uint8_t cell : game.boardGrid) EXPECT_EQ(cell, noTile);
}

TEST(Moves, TileNumbersRunFromZeroTo143) {
    EXPECT_TRUE(isTile(0));
    EXPECT_TRUE(isTile(tileCount - 1));
    for (int outside : {-1, tileCount, int(noTile)}) EXPECT_FALSE(isTile(outside)) << outside;
}
