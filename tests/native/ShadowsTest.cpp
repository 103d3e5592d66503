#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
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

std::string flagsOf(const std::vector<Placement>& placements, int tile) {
    GameModel game;
    placeTiles(game, placements);
    ShadowFlags flags;
    flags[tile].fill(7);  // stale values must not survive
    computeShadowFlags(game, flags);
    for (int t = 0; t < tileCount; ++t)
        if (game.tiles[t].layer == 0 || game.tiles[t].face == 0) {
            EXPECT_EQ(flagNames(flags[t]), "") << "tile " << t << " casts nothing";
        }
    return flagNames(flags[tile]);
}

// Layer-0 tiles covering rows 0 .. 2 * down - 1 and columns 0 .. 2 * across - 1.
std::vector<Placement> base(int across, int down) {
    std::vector<Placement> tiles;
    for (int r = 0; r < down; ++r)
        for (int c = across - 1; c >= 0; --c) tiles.push_back({0, 2 * r, 2 * c, 1});
    return tiles;
}

std::vector<Placement> withUpper(std::vector<Placement> tiles, std::vector<Placement> upper) {
    tiles.insert(tiles.end(), upper.begin(), upper.end());
    return tiles;
}

using Pixel = std::pair<int, int>;  // x, y

// The darkened pixels, each as often as it was darkened.
std::multiset<Pixel> darkened(int flag, int secondFlag = -1) {
    Surface board;
    resizeSurface(board, 16, 16);
    fillRectangle(board, 0, 0, 16, 16, 0xC0C0C0);
    TileShadowFlags flags{};
    flags[flag] = 1;
    if (secondFlag >= 0) flags[secondFlag] = 1;
    drawShadows(board, TileBox{4, 1, 8, 8, 2}, 3, 3, flags, 0x40);
    std::multiset<Pixel> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t c = colourAt(board, x, y);
            for (uint32_t level = 0xC0C0C0; level != c && level != 0; level -= 0x404040) pixels.insert({x, y});
        }
    return pixels;
}

std::multiset<Pixel> rowSpans(std::vector<std::vector<int>> spans) {  // {y, x0, x1 inclusive}
    std::multiset<Pixel> pixels;
    for (const auto& s : spans)
        for (int x = s[1]; x <= s[2]; ++x) pixels.insert({x, s[0]});
    return pixels;
}

std::multiset<Pixel> columnSpans(std::vector<std::vector<int>> spans) {  // {x, y0, y1 inclusive}
    std::multiset<Pixel> pixels;
    for (const auto& s : spans)
        for (int y = s[1]; y <= s[2]; ++y) pixels.insert({s[0], y});
    return pixels;
}

}  // namespace

// A face of 8 x 8 at (4, 1) with sides 2 thick projects to (2, 3); bands are
// 3 pixels. The shapes below are worked out from the piece table by hand.
TEST(Shadows, EachPieceDarkensItsOwnPixels) {
    EXPECT_EQ(darkened(lowerLeftCorner), rowSpans({{12, 2, 2}, {13, 2, 3}}));
    EXPECT_EQ(darkened(lowerLeftHalf), rowSpans({{11, 2, 5}, {12, 3, 5}, {13, 4, 5}}));
    EXPECT_EQ(darkened(lowerMiddleCorner), rowSpans({{12, 6, 6}, {13, 6, 7}}));
    EXPECT_EQ(darkened(lowerRightHalf), rowSpans({{11, 6, 9}, {12, 7, 9}, {13, 8, 9}}));
    EXPECT_EQ(darkened(cornerSquare), rowSpans({{11, 10, 12}, {12, 10, 12}, {13, 10, 12}}));
    EXPECT_EQ(darkened(rightLowerHalf), columnSpans({{10, 8, 10}, {11, 9, 10}, {12, 10, 10}}));
    EXPECT_EQ(darkened(rightMiddleCorner), columnSpans({{10, 7, 7}, {11, 7, 8}, {12, 7, 9}}));
    EXPECT_EQ(darkened(rightUpperHalf), columnSpans({{10, 4, 6}, {11, 5, 6}, {12, 6, 6}}));
    EXPECT_EQ(darkened(rightTopCorner), columnSpans({{10, 3, 3}, {11, 3, 4}, {12, 3, 5}}));
    EXPECT_EQ(darkened(rightLowerShort), columnSpans({{10, 8, 8}}));
    EXPECT_EQ(darkened(rightUpperShort), columnSpans({{10, 4, 4}}));
}

TEST(Shadows, PiecesThatOverlapDarkenTwice) {
    const std::multiset<Pixel> both = darkened(rightLowerHalf, rightLowerShort);
    EXPECT_EQ(both.count({10, 8}), 2u);
    EXPECT_EQ(both.count({10, 9}), 1u);
    EXPECT_EQ(both.size(), 7u);
}

TEST(Shadows, ALoneUpperTileShadowsOnlyWhereTheBlockLiesBelow) {
    const std::vector<Placement> block = base(2, 2);  // tiles 0..3
    EXPECT_EQ(flagsOf(withUpper(block, {{1, 1, 1, 5}}), 4), "f1 f2 f3 f4 f5 f6 f7");
    EXPECT_EQ(flagsOf(withUpper(block, {{1, 0, 0, 5}}), 4), "f1 f2 f3 f4 f5 f6 f7");
    EXPECT_EQ(flagsOf(withUpper(block, {{1, 2, 1, 5}}), 4), "f5 f6 f7");
    EXPECT_EQ(flagsOf(withUpper(block, {{1, 2, 2, 5}}), 4), "");
}

TEST(Shadows, NeighboursSideBySideJoinTheirLowerBands) {
    const std::vector<Placement> tiles = withUpper(base(3, 2), {{1, 0, 2, 5}, {1, 0, 0, 6}});
    EXPECT_EQ(flagsOf(tiles, 7), "f1 f2 f3");  // left: no right band, no corner square
    EXPECT_EQ(flagsOf(tiles, 6), "f0 f1 f2 f3 f4 f5 f6 f7");
}

TEST(Shadows, NeighboursAboveOneAnotherJoinTheirRightBands) {
    const std::vector<Placement> tiles = withUpper(base(2, 3), {{1, 0, 0, 5}, {1, 2, 0, 6}});
    EXPECT_EQ(flagsOf(tiles, 6), "f5 f6 f7");  // upper: its corner square lies under the lower one's band
    EXPECT_EQ(flagsOf(tiles, 7), "f1 f2 f3 f4 f5 f6 f7 f8");
}

TEST(Shadows, RightBandsStopWhereALowerNeighbourBegins) {
    // Half a tile lower on the right: the upper half is shortened.
    std::vector<Placement> tiles = withUpper(base(3, 2), {{1, 1, 2, 5}, {1, 0, 0, 6}});
    EXPECT_EQ(flagsOf(tiles, 7), "f1 f2 f3 f10");
    EXPECT_EQ(flagsOf(tiles, 6), "f1 f2 f3 f4 f5 f6 f7");
    // A whole tile lower on the right: the lower half is shortened.
    tiles = withUpper(base(2, 2), {{1, 2, 2, 5}, {1, 0, 0, 6}});
    EXPECT_EQ(flagsOf(tiles, 5), "f1 f2 f3 f6 f7 f9");
    EXPECT_EQ(flagsOf(tiles, 4), "");
}

TEST(Shadows, NoBandReachesPastTheRightEdgeOfTheBoard) {
    // The cells past column 33 would be the next row's first ones.
    const std::vector<Placement> tiles = {{0, 0, 32, 1}, {0, 2, 32, 1}, {0, 2, 0, 1}, {0, 0, 0, 1}, {1, 0, 32, 5}};
    EXPECT_EQ(flagsOf(tiles, 4), "f1 f2 f3");
    // One column to the left, the right bands fall on the last column.
    EXPECT_EQ(flagsOf({{0, 0, 32, 1}, {0, 0, 30, 1}, {1, 0, 31, 5}}, 2), "f5 f6 f7");
}

TEST(Shadows, RemovedTilesNeitherCastNorBlock) {
    std::vector<Placement> tiles = withUpper(base(3, 2), {{1, 0, 2, 5}, {1, 0, 0, 6}});
    GameModel game;
    placeTiles(game, tiles);
    clearTileCells(game, 6);
    game.tiles[6].face = 0;
    ShadowFlags flags;
    computeShadowFlags(game, flags);
    EXPECT_EQ(flagNames(flags[6]), "");
    EXPECT_EQ(flagNames(flags[7]), "f1 f2 f3 f4 f5 f6 f7");  // the left one, its neighbour gone
}
