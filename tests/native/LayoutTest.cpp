#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "engine/App.h"
#include "engine/Caption.h"
#include "engine/Layout.h"

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<Corner> markedCells(const LayoutMask& mask) {
    std::vector<Corner> cells;
    for (int l = 0; l < layerCount; ++l)
        for (int r = 0; r < rowCount; ++r)
            for (int c = 0; c < columnCount; ++c)
                if (mask[cellIndex(l, r, c)] == 1) cells.push_back({l, r, c});
    return cells;
}

std::string cellsText(const std::vector<Corner>& cells) {
    std::string text;
    for (const Corner& c : cells)
        text += "(" + std::to_string(c.layer) + "," + std::to_string(c.row) + "," + std::to_string(c.column) + ")";
    return text;
}

std::string readAsText(const std::string& content, bool gridAllowed = false) {
    LayoutMask mask{};
    readLayoutBytes(bytesOf(content), gridAllowed, mask);
    return cellsText(markedCells(mask));
}

void putBinaryRecord(std::vector<uint8_t>& file, int record, unsigned word) {
    file[2 * record] = static_cast<uint8_t>(word & 0xFF);
    file[2 * record + 1] = static_cast<uint8_t>(word >> 8);
}

unsigned binaryWord(int layer, int row, int column) {
    return static_cast<unsigned>(column | (row << 6) | (layer << 11));
}

// Every tile owns exactly its four cells and its record names its corner.
void expectConsistentBoard(const GameModel& game, int tiles) {
    std::vector<int> owned(tileCount, 0);
    for (uint8_t cell : game.boardGrid)
        if (cell != noTile) ++owned[cell];
    for (int t = 0; t < tiles; ++t) {
        const TileRecord& tile = game.tiles[t];
        EXPECT_EQ(owned[t], 4) << "tile " << t;
        EXPECT_EQ(game.layoutMask[cellIndex(tile.layer, tile.row, tile.column)], 1) << "tile " << t;
        EXPECT_EQ(tileAtCorner(game, {tile.layer, tile.row, tile.column}), t);
    }
}

// The painter's order: lower layers first, and the six neighbour rules.
void expectPainterOrder(const GameModel& game, int tiles) {
    struct Rule {
        int dr, dc;
        bool firstBefore;
    };
    const Rule rules[] = {{2, 1, true}, {2, -1, true}, {1, 2, false}, {1, -2, true}, {2, 0, true}, {0, 2, false}};
    for (int p = 0; p < tiles; ++p) {
        if (p > 0) {
            EXPECT_LE(game.tiles[p - 1].layer, game.tiles[p].layer);
        }
        const TileRecord& tile = game.tiles[p];
        for (const Rule& rule : rules) {
            const int r = tile.row + rule.dr, c = tile.column + rule.dc;
            if (!isTileCorner(r, c) || game.layoutMask[cellIndex(tile.layer, r, c)] != 1) continue;
            const int q = tileAtCorner(game, {tile.layer, r, c});
            EXPECT_EQ(p < q, rule.firstBefore) << "offset " << rule.dr << "," << rule.dc << " from tile " << p;
        }
    }
}

struct LayoutFiles : ::testing::Test {
    RecordingHost host;
    App app{host};
    ScratchDirectory scratch;

    void SetUp() override {
        initDataDirectories(app.dirs, scratch.path);
        app.language.MesNo144Tiles = "Need 144 tiles";
    }
    void load(const std::string& name, const std::string& content) {
        scratch.write("LAYOUTS/" + name, content);
        app.settings.Layout = upperCase(name);
        loadLayout(app);
    }
    bool refused() const { return host.closeDownCalls > 0; }
};

}  // namespace

TEST(TileNumbering, ReadingOrderThenPainterOrder) {
    GameModel game;
    clearGameModel(game);
    markCorners(game.layoutMask, {{0, 0, 0}, {0, 2, 1}});
    ASSERT_EQ(numberTiles(game), 2);
    EXPECT_EQ(tileAtCorner(game, {0, 2, 1}), 0) << "columns are read from the right";
    EXPECT_TRUE(orderPass(game, 2, 1, '>'));
    EXPECT_EQ(tileAtCorner(game, {0, 0, 0}), 0);
    EXPECT_FALSE(orderPass(game, 2, 1, '>')) << "a settled pass swaps nothing";
    expectConsistentBoard(game, 2);

    buildBoard(game, {{0, 4, 10}, {0, 4, 12}, {0, 6, 10}});
    EXPECT_EQ(tileAtCorner(game, {0, 4, 12}), 0) << "the right one of two side by side comes first";
    EXPECT_EQ(tileAtCorner(game, {0, 4, 10}), 1);
    EXPECT_EQ(tileAtCorner(game, {0, 6, 10}), 2) << "the tile one row down comes after";
}

TEST(TileNumbering, EachNeighbourRuleHoldsAfterOrdering) {
    const std::vector<std::vector<Corner>> pairsOfTiles = {
        {{0, 4, 10}, {0, 6, 11}}, {{0, 4, 10}, {0, 6, 9}}, {{0, 4, 10}, {0, 5, 12}},
        {{0, 4, 10}, {0, 5, 8}},  {{0, 4, 10}, {0, 6, 10}}, {{0, 4, 10}, {0, 4, 12}}};
    for (const auto& corners : pairsOfTiles) {
        GameModel game;
        ASSERT_EQ(buildBoard(game, corners), 2);
        expectConsistentBoard(game, 2);
        expectPainterOrder(game, 2);
    }
}

TEST(TileNumbering, LowerLayersFirstAndEveryRuleOnWholeLayouts) {
    for (const auto& corners : {twoLayerLayout(), staggeredLayout()}) {
        GameModel game;
        ASSERT_EQ(buildBoard(game, corners), tileCount);
        expectConsistentBoard(game, tileCount);
        expectPainterOrder(game, tileCount);
        EXPECT_EQ(game.tiles[0].layer, 0);
        EXPECT_EQ(game.tiles[tileCount - 1].layer, corners.back().layer);
    }
}

TEST(TileNumbering, SwapExchangesRecordsAndCells) {
    GameModel game;
    buildBoard(game, {{1, 0, 0}, {1, 0, 4}});
    const int left = tileAtCorner(game, {1, 0, 0});
    const int right = tileAtCorner(game, {1, 0, 4});
    EXPECT_EQ(swapTiles(game, 1, 0, 0, 1, 0, 4), left);
    EXPECT_EQ(tileAtCorner(game, {1, 0, 0}), right);
    EXPECT_EQ(game.boardGrid[cellIndex(1, 1, 1)], right);
    EXPECT_EQ(game.tiles[right].column, 0);
    EXPECT_EQ(game.tiles[left].column, 4);
    expectConsistentBoard(game, 2);
}

TEST(TileNumbering, UnnumberedRecordsStandNowhere) {
    GameModel game;
    clearGameModel(game);
    for (TileRecord& tile : game.tiles) tile = {1, 2, 3, 4, 9, 1, 4, 18, 32, 0};
    markCorners(game.layoutMask, {{0, 0, 0}, {0, 0, 33}, {2, 19, 4}, {1, 6, 6}});
    EXPECT_EQ(numberedTileCount(game.layoutMask), 2);
    ASSERT_EQ(numberAndOrderTiles(game), 2);
    for (int t = 2; t < tileCount; ++t) {
        EXPECT_EQ(game.tiles[t].face, 0);
        EXPECT_EQ(game.tiles[t].layer + game.tiles[t].row + game.tiles[t].column, 0);
    }
    expectConsistentBoard(game, 2);
}

TEST(TileNumbering, OverlappingTilesStillSettle) {
    // Tiles one half-tile apart within a layer share cells; the ordering must
    // still come to an end and never address a cell off the board.
    std::vector<Corner> corners;
    for (int r = 1; r < 9; ++r)
        for (int c = 1; c < 10; ++c) corners.push_back({0, r, c});
    GameModel game;
    EXPECT_EQ(buildBoard(game, corners), 72);
}

TEST(LayoutFormats, ExactlyThreeHundredAndEightBytesIsAlwaysBinary) {
    std::vector<uint8_t> file(308, 0xFF);
    putBinaryRecord(file, 0, binaryWord(0, 1, 11));  // its first byte is "K"
    ASSERT_EQ(file[0], 'K');
    putBinaryRecord(file, 1, binaryWord(4, 18, 32));
    putBinaryRecord(file, 2, binaryWord(2, 5, 7) | 0xC000);  // the top two bits carry nothing
    putBinaryRecord(file, 3, binaryWord(2, 5, 7));            // repeated: one mark
    putBinaryRecord(file, 4, binaryWord(0, 19, 33));          // on the board, though no corner
    putBinaryRecord(file, 5, binaryWord(0, 2, 34));           // off the board: columns end at 33
    putBinaryRecord(file, 6, binaryWord(0, 20, 2));           // rows end at 19
    putBinaryRecord(file, 7, binaryWord(5, 2, 2));            // layers end at 4
    putBinaryRecord(file, 8, binaryWord(7, 31, 63));
    LayoutMask mask{};
    EXPECT_EQ(readLayoutBytes(file, true, mask), LayoutFormat::binary);
    // Records 9 to 143 are 0xFFFF: layer 7, row 31, column 63, all off the board.
    EXPECT_EQ(cellsText(markedCells(mask)), "(0,1,11)(0,19,33)(2,5,7)(4,18,32)");

    std::string text = "0 0 0\n";
    text.resize(308, ' ');
    mask.fill(0);
    EXPECT_EQ(readLayoutBytes(bytesOf(text), false, mask), LayoutFormat::binary);
    EXPECT_NE(cellsText(markedCells(mask)), "(0,0,0)") << "a text layout of 308 bytes is misread";
}

TEST(LayoutFormats, GridTextOnlyWithTheLaySetting) {
    std::string grid = "Kanything on the first line\nsecond line skipped 1 1 1\n";
    grid += std::string(34, '0') + std::string(34, '1');  // layer 0: row 0 empty, row 1 full
    std::string cells = "K\n\n" + std::string(34 * 20, '0') + "01";
    EXPECT_EQ(readAsText(cells, true), "(1,0,1)");
    LayoutMask mask{};
    EXPECT_EQ(readLayoutBytes(bytesOf(grid), true, mask), LayoutFormat::grid);
    EXPECT_EQ(countMarks(mask), 34);
    EXPECT_EQ(mask[cellIndex(0, 1, 0)], 1);
    EXPECT_EQ(mask[cellIndex(0, 1, 33)], 1);
    EXPECT_EQ(readAsText(grid, false), "") << "with .lay off a grid is read as lines and has none";
    mask.fill(0);
    EXPECT_EQ(readLayoutBytes(bytesOf(grid), false, mask), LayoutFormat::line);

    // A line break inside the grid takes a cell, shifting every following one.
    const std::string rowWithBreak = "1" + std::string(33, '0') + "\n";
    EXPECT_EQ(readAsText("K\n\n" + rowWithBreak + rowWithBreak, true), "(0,0,0)(0,1,1)");
    // CR LF takes two cells; the grid ends with the file.
    EXPECT_EQ(readAsText("K\r\n\r\n" + std::string(33, '0') + "\r\n1", true), "(0,1,1)");
    EXPECT_EQ(readAsText("K", true), "");
}

TEST(LayoutFormats, LineFormatReadsRowColumnLayer) {
    EXPECT_EQ(readAsText("3 5 2\n"), "(2,3,5)");
    EXPECT_EQ(readAsText("; 3 5 2 is a comment\n 4 6 1 and a remark\n"), "(1,4,6)");
    EXPECT_EQ(readAsText("  +4\t6   1"), "(1,4,6)") << "the last line needs no line break";
    EXPECT_EQ(readAsText("7 8 0\n7 8 0\n"), "(0,7,8)") << "a position given twice marks once";
    // Out of range or incomplete lines are ignored; the board's edges count.
    EXPECT_EQ(readAsText("20 0 0\n0 34 0\n0 0 5\n-1 0 0\n0 -1 0\n0 0 -1\n1 2\nx 1 2 3\n19 33 4\n"),
              "(4,19,33)");
    EXPECT_EQ(readAsText("99999999999999999999 1 1\n1 1 99999999999999999999\n"), "");
}

TEST(LayoutFormats, LineFormatSkipsShortLinesAndReadsLongOnesInPieces) {
    // "1 1 1" needs five characters, so a line of two is always too short to
    // matter; what shows the rule is a digit run that "%d" would read.
    EXPECT_EQ(readAsText("7\n1 1\n"), "") << "no line holds three numbers";
    EXPECT_EQ(readAsText("1\n2 3\n"), "") << "'1' plus its break is skipped, not joined";
    // CR LF is one line break, as a text-mode read sees it.
    EXPECT_EQ(readAsText("2 4 1\r\n2 6 1\r\n"), "(1,2,4)(1,2,6)");
    // A piece holds at most 254 characters; the rest of the line is the next piece.
    EXPECT_EQ(readAsText(std::string(254, ' ') + "6 8 3\n"), "(3,6,8)");
    EXPECT_EQ(readAsText(std::string(253, ' ') + "6 8 3\n"), "") << "a line cut between its numbers is lost";
    EXPECT_EQ(readAsText(std::string(248, ' ') + "6 8 3\n"), "(3,6,8)") << "254 characters with the break";
    EXPECT_EQ(readAsText(std::string(254, ' ') + "\n"), "") << "a piece of one break is skipped";
    // A NUL byte ends the text of its piece.
    std::string withNul = "5 6";
    withNul += '\0';
    withNul += " 1\n9 9 1\n";
    EXPECT_EQ(readAsText(withNul), "(1,9,9)");
}

TEST_F(LayoutFiles, A144TileLayoutIsNumberedAndOrdered) {
    load("Pyramid.tvl", "; our test heap\n" + lineLayoutText(staggeredLayout()));
    EXPECT_FALSE(refused());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(app.settings.EasyMode, 1);
    expectConsistentBoard(app.game, tileCount);
    expectPainterOrder(app.game, tileCount);
}

TEST_F(LayoutFiles, ALayoutWithoutExactly144TilesEndsTheProgram) {
    std::vector<Corner> corners = twoLayerLayout();
    corners.push_back(corners.front());  // 145 lines, 144 marks: accepted
    load("TWICE.TVL", lineLayoutText(corners));
    EXPECT_FALSE(refused());

    corners.pop_back();
    corners.pop_back();
    corners.push_back(corners.front());  // 144 lines, 143 marks
    load("SHORT.TVL", lineLayoutText(corners));
    ASSERT_TRUE(refused());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Need 144 tiles");
    EXPECT_EQ(host.messages[0].caption, productCaption);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::exclamation);
    EXPECT_EQ(app.settings.EasyMode, 0) << "the deal made before the end must be a random one";
    expectConsistentBoard(app.game, 143);
}

TEST_F(LayoutFiles, A144thMarkThatCannotBeATileIsRefused) {
    for (const Corner stray : {Corner{0, 2, 33}, Corner{3, 19, 4}}) {
        std::vector<Corner> corners = twoLayerLayout();
        corners.back() = stray;
        host.closeDownCalls = 0;
        load("EDGE.TVL", lineLayoutText(corners));
        EXPECT_EQ(countMarks(app.game.layoutMask), tileCount);
        EXPECT_TRUE(refused()) << "a corner in column 33 or row 19 gives no tile";
        expectConsistentBoard(app.game, 143);
        EXPECT_EQ(app.game.tiles[143].face, 0);
    }
}

TEST_F(LayoutFiles, MissingOrMisreadFilesLeaveTheMaskEmpty) {
    app.settings.Layout = "NOWHERE.TVL";
    loadLayout(app);
    EXPECT_TRUE(refused());
    EXPECT_EQ(countMarks(app.game.layoutMask), 0);

    host.closeDownCalls = 0;
    app.settings.lay = 0;
    load("GRID.TVL", "K\n\n" + std::string(3400, '1'));
    EXPECT_TRUE(refused()) << "a grid file read as lines has no valid line";

    host.closeDownCalls = 0;
    app.settings.lay = 1;
    std::string grid = "K\n\n" + std::string(3400, '0');
    for (const Corner& c : twoLayerLayout()) grid[4 + cellIndex(c.layer, c.row, c.column)] = '1';
    load("GRID.TVL", grid);
    EXPECT_FALSE(refused());
    expectPainterOrder(app.game, tileCount);
}

TEST_F(LayoutFiles, NamesAreFoundWhateverTheirCaseOnDisk) {
    load("Mixed.Tvl", lineLayoutText(twoLayerLayout()));
    EXPECT_EQ(app.settings.Layout, "MIXED.TVL");
    EXPECT_FALSE(refused());
}

TEST_F(LayoutFiles, RandomLayoutNeedsNoFileAndStacksWholeTiles) {
    app.settings.Layout = "RANDOM.TVL";
    loadLayout(app);
    EXPECT_FALSE(refused());
    const LayoutMask first = app.game.layoutMask;
    for (const Corner& c : markedCells(first)) {
        EXPECT_EQ(c.row % 2, 0);
        EXPECT_EQ(c.column % 2, 0);
        if (c.layer > 0) {
            EXPECT_EQ(first[cellIndex(c.layer - 1, c.row, c.column)], 1) << "towers have no gaps";
        }
    }
    expectConsistentBoard(app.game, tileCount);
    expectPainterOrder(app.game, tileCount);

    loadLayout(app);
    EXPECT_EQ(app.game.layoutMask, first) << "the same second gives the same heap";
    host.now += 1;
    loadLayout(app);
    EXPECT_NE(app.game.layoutMask, first);

    app.settings.Layout = "random.tvl";
    loadLayout(app);
    EXPECT_TRUE(refused()) << "only the exact name asks for a random heap";
}
