#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameFixtures.h"
#include "view2d/Shadows.h"

namespace {

// "f1 f2 f3": the flags that are on, by number.
std::string flagNames(const TileShadowFlags& flags) {
    std::string names;
    for (int f = 0; f < shadowPieceCount; ++f)
        if (flags[f] == 1) names += (names.empty() ? "f" : " f") + std::to_string(f);
    return names;
}

// Layer-0 tiles covering rows 0 .. 2 * down - 1 and columns 0 .. 2 * across
// - 1, then the upper tiles; the tiles are numbered in this order.
std::vector<Placement> heap(int across, int down, const std::vector<Placement>& upper) {
    std::vector<Placement> tiles;
    for (int r = 0; r < down; ++r)
        for (int c = across - 1; c >= 0; --c) tiles.push_back({0, 2 * r, 2 * c, 1});
    tiles.insert(tiles.end(), upper.begin(), upper.end());
    return tiles;
}

// The flags of every tile that has any, after removing `removed`.
std::vector<std::string> flagsOf(const std::vector<Placement>& placements, int removed = noTile) {
    GameModel game;
    placeTiles(game, placements);
    if (removed != noTile) removeTile(game, removed);
    ShadowFlags flags;
    for (TileShadowFlags& f : flags) f.fill(7);  // stale values must not survive
    computeShadowFlags(game, flags);
    std::vector<std::string> names;
    for (int t = 0; t < tileCount; ++t)
        if (!flagNames(flags[t]).empty()) names.push_back(std::to_string(t) + ": " + flagNames(flags[t]));
    return names;
}

}  // namespace

// Each piece in a cell of its own, then two that overlap (darkening twice):
// a face of 8 x 8 with sides 2 thick projects 2 left and 2 down; bands are 3
// pixels.
TEST(Shadows, EachPieceDarkensItsOwnPixels) {
    const int cells = shadowPieceCount + 1;
    Surface board;
    resizeSurface(board, 16 * cells, 16);
    fillRectangle(board, 0, 0, board.width, 16, 0xC0C0C0);
    for (int piece = 0; piece < cells; ++piece) {
        TileShadowFlags flags{};
        if (piece < shadowPieceCount) flags[piece] = 1;
        else flags[rightLowerHalf] = flags[rightLowerShort] = 1;
        drawShadows(board, TileBox{16 * piece + 4, 1, 8, 8, 2}, 3, 3, flags, 0x40);
    }
    expectPicture(board, "shadow-pieces");
}

// An upper tile casts onto the block below it and not past its edges;
// neighbours join their bands; bands stop where a lower neighbour begins.
TEST(Shadows, WhichPiecesEachUpperTileCasts) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(flagsOf(heap(2, 2, {{1, 1, 1, 5}})), Names{"4: f1 f2 f3 f4 f5 f6 f7"});
    EXPECT_EQ(flagsOf(heap(2, 2, {{1, 0, 0, 5}})), Names{"4: f1 f2 f3 f4 f5 f6 f7"});
    EXPECT_EQ(flagsOf(heap(2, 2, {{1, 2, 1, 5}})), Names{"4: f5 f6 f7"});
    EXPECT_EQ(flagsOf(heap(2, 2, {{1, 2, 2, 5}})), Names{});
    // Nothing below to the right: the corner square still falls on the tile below the corner.
    EXPECT_EQ(flagsOf({{0, 0, 0, 1}, {0, 2, 2, 1}, {0, 2, 0, 1}, {1, 0, 0, 5}}), Names{"3: f1 f2 f3 f4"});
    // Side by side: the left one has no right band and no corner square.
    EXPECT_EQ(flagsOf(heap(3, 2, {{1, 0, 2, 5}, {1, 0, 0, 6}})),
              (Names{"6: f0 f1 f2 f3 f4 f5 f6 f7", "7: f1 f2 f3"}));
    // Above one another: the upper one's corner square lies under the lower one's band.
    EXPECT_EQ(flagsOf(heap(2, 3, {{1, 0, 0, 5}, {1, 2, 0, 6}})), (Names{"6: f5 f6 f7", "7: f1 f2 f3 f4 f5 f6 f7 f8"}));
    // Half a tile lower on the right: the upper half is shortened.
    EXPECT_EQ(flagsOf(heap(3, 2, {{1, 1, 2, 5}, {1, 0, 0, 6}})),
              (Names{"6: f1 f2 f3 f4 f5 f6 f7", "7: f1 f2 f3 f10"}));
    // A whole tile lower on the right: the lower half is shortened.
    EXPECT_EQ(flagsOf(heap(2, 2, {{1, 2, 2, 5}, {1, 0, 0, 6}})), Names{"5: f1 f2 f3 f6 f7 f9"});
    // The cells past column 33 would be the next row's first ones.
    EXPECT_EQ(flagsOf({{0, 0, 32, 1}, {0, 2, 32, 1}, {0, 2, 0, 1}, {0, 0, 0, 1}, {1, 0, 32, 5}}),
              Names{"4: f1 f2 f3"});
    EXPECT_EQ(flagsOf({{0, 0, 32, 1}, {0, 0, 30, 1}, {1, 0, 31, 5}}), Names{"2: f5 f6 f7"});
    // A removed tile neither casts nor blocks.
    EXPECT_EQ(flagsOf(heap(3, 2, {{1, 0, 2, 5}, {1, 0, 0, 6}}), 6), Names{"7: f1 f2 f3 f4 f5 f6 f7"});
}
