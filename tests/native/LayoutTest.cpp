#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "files/Caption.h"
#include "files/LayoutFormats.h"
#include "files/LayoutLines.h"
#include "game/App.h"
#include "game/CurrentLayout.h"

// The marked cells as "(layer,row,column)" in mask order.
static std::string marks(const LayoutMask& mask) {
    std::string text;
    for (int cell = 0; cell < cellCount; ++cell)
        if (mask[cell] == 1)
            text += "(" + std::to_string(cell / layerCells) + "," + std::to_string(cell % layerCells / columnCount) +
                    "," + std::to_string(cell % columnCount) + ")";
    return text;
}

// Each numbered tile owns its four cells; layers ascend; the six neighbour
// rules of the painter's order hold between every two tiles of one layer.
static void expectSettled(const GameModel& game, int tiles) {
    const struct { int dr, dc; bool firstBefore; } rules[] = {{2, 1, true}, {2, -1, true}, {1, 2, false},
                                                               {1, -2, true}, {2, 0, true}, {0, 2, false}};
    for (int p = 0; p < tiles; ++p) {
        const TileRecord& tile = game.tiles[p];
        EXPECT_EQ(std::count(game.boardGrid.begin(), game.boardGrid.end(), p), 4);
        EXPECT_EQ(tileAtCorner(game, {tile.layer, tile.row, tile.column}), p);
        EXPECT_LE(game.tiles[p > 0 ? p - 1 : 0].layer, tile.layer);
        for (const auto& rule : rules) {
            const int r = tile.row + rule.dr, c = tile.column + rule.dc;
            if (isTileCorner(r, c) && game.layoutMask[cellIndex(tile.layer, r, c)] == 1) {
                EXPECT_EQ(p < tileAtCorner(game, {tile.layer, r, c}), rule.firstBefore) << rule.dr << "," << rule.dc;
            }
        }
    }
}

TEST(TileNumbering, ReadingOrderThenThePaintersOrder) {
    GameModel game;
    const std::vector<std::vector<Corner>> heaps = {
        twoLayerLayout(), staggeredLayout(), {{0, 4, 10}, {0, 5, 12}, {0, 6, 8}},
        // Swaps of one pass undo the order of another here: only whole cycles settle them.
        {{0, 4, 5}, {0, 2, 4}, {0, 6, 4}, {0, 0, 3}},
        {{0, 6, 6}, {0, 1, 6}, {0, 3, 7}, {0, 8, 7}, {0, 8, 5}, {0, 5, 8}},
        {{0, 1, 3}, {0, 5, 4}, {0, 3, 4}},
        {{0, 0, 2}, {0, 2, 3}, {0, 4, 4}, {0, 4, 2}, {0, 6, 3}},
        {{0, 4, 10}, {0, 4, 12}, {0, 6, 10}, {0, 8, 11}, {1, 5, 12}}};
    for (const auto& corners : heaps) expectSettled(game, buildBoard(game, corners));
    const std::vector<int> first = {tileAtCorner(game, {0, 4, 12}), tileAtCorner(game, {0, 4, 10}),
                                    tileAtCorner(game, {0, 6, 10})};
    EXPECT_EQ(first, (std::vector<int>{0, 1, 2})) << "right before left, upper before lower";
}

TEST(TileNumbering, OnlyTheFirst144CornersBecomeTiles) {
    // Marks that are no tile corner, and a 145th mark placed where the pass
    // (2, 1) compares it with a numbered tile, stay out of the numbering.
    std::vector<Corner> corners = twoLayerLayout();
    corners.pop_back();
    corners.insert(corners.end(), {{2, 2, 11}, {2, 0, 10}, {0, 19, 4}, {0, 0, 33}});
    GameModel game;
    const auto numberOverOldRecords = [&game](const std::vector<Corner>& marks) {
        clearGameModel(game);
        for (TileRecord& tile : game.tiles) tile = {1, 2, 3, 4, 9, 1, 4, 18, 32, 0};
        markCorners(game.layoutMask, marks);
        return numberAndOrderTiles(game);
    };
    EXPECT_EQ(numberOverOldRecords(corners), tileCount);
    expectSettled(game, tileCount);
    EXPECT_EQ(tileAtCorner(game, {2, 0, 10}), noTile);
    corners.resize(100);
    EXPECT_EQ(numberOverOldRecords(corners), 100);
    for (int t = 100; t < tileCount; ++t) {
        const TileRecord& tile = game.tiles[t];
        EXPECT_EQ(std::make_tuple(tile.face, tile.layer, tile.row, tile.column), std::make_tuple(0, 0, 0, 0)) << t;
    }
}

// Exactly 308 bytes are always binary, whatever they hold; a leading "K" is
// the grid text, with the ".lay" setting only; anything else is read as lines.
TEST(LayoutFormats, TheBytesDecideTheFormat) {
    std::string binary(308, '\xFF');  // unused records: layer 7, row 31, column 63
    // Record 0's first byte is "K"; the top two bits carry nothing; (0, 19, 33) is on the board, though
    // no tile corner; columns end at 33, rows at 19, layers at 4.
    const unsigned records[][4] = {{0, 1, 11, 0}, {4, 18, 32, 0}, {3, 5, 7, 0xC000}, {4, 18, 32, 0},
                                   {0, 19, 33, 0}, {0, 2, 34, 0}, {0, 20, 2, 0}, {5, 2, 2, 0}};
    for (size_t k = 0; k < 8; ++k) {
        const unsigned word = records[k][2] | records[k][1] << 6 | records[k][0] << 11 | records[k][3];
        binary[2 * k] = char(word), binary[2 * k + 1] = char(word >> 8);
    }
    const std::string grid = "Kfirst line\nsecond 1 1 1\n" + std::string(34, '0') + "1" + std::string(32, '0') + "1";
    const std::string row = "1" + std::string(33, '0') + "\n";
    const struct { std::string text; LayoutFormat format; const char* marks; } cases[] = {
        {binary, LayoutFormat::binary, "(0,1,11)(0,19,33)(3,5,7)(4,18,32)"},
        {grid, LayoutFormat::grid, "(0,1,0)(0,1,33)"},
        // A line break inside the grid takes a cell and shifts every following one.
        {"K\n\n" + row + row, LayoutFormat::grid, "(0,0,0)(0,1,1)"},
        {"K\r\n\r\n" + std::string(33, '0') + "\r\n1", LayoutFormat::grid, "(0,1,1)"},
        {"K\n\n" + std::string(680, '0') + "01", LayoutFormat::grid, "(1,0,1)"}, {"K", LayoutFormat::grid, ""},
        // Lines give row, column and layer; a position given twice marks once.
        {"3 5 2\n; 3 5 3 is a comment\n 4 6 1 and a remark\n  +7\t8   0", LayoutFormat::line, "(0,7,8)(1,4,6)(2,3,5)"},
        {"7 8 0\n7 8 0\n", LayoutFormat::line, "(0,7,8)"}, {"2 4 1\r\n2 6 1\r\n", LayoutFormat::line, "(1,2,4)(1,2,6)"},
        {"20 0 0\n0 34 0\n0 0 5\n-1 0 0\n0 -1 0\n0 0 -1\n1 2\n7\nx 1 2 3\n19 33 4\n", LayoutFormat::line, "(4,19,33)"},
        {"99999999999999999999 1 1\n1 1 99999999999999999999\n4294967301 1 1\n", LayoutFormat::line, ""},
        // Pieces of at most 254 characters, line break included: a longer line is cut between its numbers.
        {std::string(254, ' ') + "6 8 3\n", LayoutFormat::line, "(3,6,8)"},
        {std::string(253, ' ') + "6 8 3\n", LayoutFormat::line, ""},
        {std::string(248, ' ') + "6 8 3\n", LayoutFormat::line, "(3,6,8)"},
        {std::string("5 6\0 1\n9 9 1\n", 13), LayoutFormat::line, "(1,9,9)"}};
    for (const auto& c : cases) {
        LayoutMask mask{};
        EXPECT_EQ(readLayoutBytes({c.text.begin(), c.text.end()}, true, mask), c.format) << c.text;
        EXPECT_EQ(marks(mask), c.marks) << c.text;
    }
    LayoutMask mask{};
    EXPECT_EQ(readLayoutBytes({grid.begin(), grid.end()}, false, mask), LayoutFormat::line);
    EXPECT_EQ(marks(mask), "") << "with .lay off a grid is read as lines";
}

struct LayoutFiles : ::testing::Test {
    RecordingHost host;
    App app{host};
    ScratchDirectory scratch;
    void SetUp() override { initDataDirectories(app.dirs, scratch.path); }
    // Loads the layout, written first when given, and tells whether it was refused.
    bool refused(const std::string& name, const std::string& content = "") {
        if (!content.empty()) scratch.write("LAYOUTS/" + name, content);
        app.settings.Layout = name;
        const int before = host.closeDownCalls;
        loadLayout(app);
        return host.closeDownCalls > before;
    }
};

// Only exactly 144 marks, all tile corners, give a game; a missing file and a
// grid without the ".lay" setting give none. The game ends with a message.
TEST_F(LayoutFiles, OnlyExactly144TileCornersGiveAGame) {
    app.language.MesNo144Tiles = "Need 144 tiles";
    std::vector<Corner> corners = staggeredLayout();
    scratch.write("LAYOUTS/Heap.tvl", "; a test heap\n" + lineLayoutText(corners) + lineLayoutText({corners[5]}));
    EXPECT_FALSE(refused("HEAP.TVL"));
    EXPECT_TRUE(host.messages.empty());
    corners.push_back({4, 0, 0});
    EXPECT_TRUE(refused("MORE.TVL", lineLayoutText(corners)));
    for (const Corner stray : {Corner{0, 2, 33}, Corner{3, 19, 4}, corners.front()}) {
        corners.resize(tileCount - 1);
        corners.push_back(stray);
        EXPECT_TRUE(refused("EDGE.TVL", lineLayoutText(corners))) << "no 144th tile";
        EXPECT_EQ(app.game.tiles[tileCount - 1].face, 0);
    }
    ASSERT_EQ(host.messages.size(), 4u);
    EXPECT_EQ(describe(host.messages[0]), std::string("Need 144 tiles|") + productCaption + "|1");
    EXPECT_EQ(app.settings.EasyMode, 0) << "the deal made before the end must be a random one";
    EXPECT_TRUE(refused("NOWHERE.TVL"));
    EXPECT_EQ(countMarks(app.game.layoutMask), 0);
    std::string grid = "K\n\n" + std::string(3400, '0');
    for (const Corner& c : twoLayerLayout()) grid[4 + cellIndex(c.layer, c.row, c.column)] = '1';
    app.settings.lay = 1;
    EXPECT_FALSE(refused("GRID.TVL", grid));
    app.settings.lay = 0;
    EXPECT_TRUE(refused("GRID.TVL"));
}

TEST_F(LayoutFiles, RandomHeapsStackWholeTilesAndFollowTheClock) {
    EXPECT_FALSE(refused("RANDOM.TVL"));
    const LayoutMask first = app.game.layoutMask;
    int lastRow = 0, lastColumn = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (first[cell] != 1) continue;
        const int row = cell % layerCells / columnCount, column = cell % columnCount;
        lastColumn = std::max(lastColumn, column);
        lastRow = std::max(lastRow, row);
        EXPECT_EQ(std::make_pair(row % 2, column % 2), std::make_pair(0, 0));
        EXPECT_TRUE(cell < layerCells || first[cell - layerCells] == 1) << "towers have no gaps";
    }
    EXPECT_EQ(std::make_pair(lastRow, lastColumn), std::make_pair(18, 32)) << "144 tiles reach the far edges";
    loadLayout(app);
    EXPECT_EQ(app.game.layoutMask, first) << "the same second gives the same heap";
    host.now += 1;
    loadLayout(app);
    EXPECT_NE(app.game.layoutMask, first);
    EXPECT_TRUE(refused("random.tvl")) << "only the exact name asks for a random heap";
}
