#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "engine/Moves.h"
#include "files/LayoutLines.h"
#include "game/App.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "tools/layout/Replay.h"

using Numbers = std::vector<int>;

static Numbers facesOf(const GameModel& game) {
    Numbers faces;
    for (const TileRecord& tile : game.tiles) faces.push_back(tile.face);
    return faces;
}

struct Dealing : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameModel& game = app.game;
    void useLayout(const std::vector<Corner>& corners) { buildBoard(game, corners, 0); }
    // The faces are those of the table, the removal order is free and matching
    // pair by pair when its turn comes, and it clears the board.
    void expectSolvedByRemovalOrder(int tiles = tileCount) {
        if (tiles == tileCount) {
            EXPECT_TRUE(std::is_permutation(dealFaces.begin(), dealFaces.end(), facesOf(game).begin()));
        }
        for (int k = 0; k < tiles; k += 2) {
            const int a = game.state.removalOrder[k], b = game.state.removalOrder[k + 1];
            computeFreeTiles(game);
            ASSERT_TRUE(tilesMatch(game, a, b)) << "pair " << k / 2 << ": tiles " << a << " and " << b;
            removePair(game, a, b);
        }
        EXPECT_EQ(std::count(game.boardGrid.begin(), game.boardGrid.end(), noTile), cellCount);
    }
};

// A shipped layout holds comments naming it, then the very lines the game
// writes when it saves one; it has three layers and no tile hangs in the air.
static void expectShippedForm(const std::filesystem::path& file, const GameModel& game) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("; Tavrek layout: ", 0), 0u);
    size_t body = 0;
    while (body < text.size() && text[body] == ';') body = std::min(text.find('\n', body), text.size() - 1) + 1;
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + std::ptrdiff_t(body), bytes.end()), layoutLineBytes(game.layoutMask));
    for (const TileRecord& t : game.tiles) {
        int resting = 0;  // of the four cells under a raised tile
        for (int cell : {0, 1, columnCount, columnCount + 1})
            resting += t.layer > 0 && game.boardGrid[cellIndex(t.layer - 1, t.row, t.column) + cell] != noTile;
        EXPECT_TRUE(t.layer == 0 || resting >= 2) << int(t.row) << "," << int(t.column) << " hangs in the air";
    }
    EXPECT_GE(game.tiles[tileCount - 1].layer, 2);
}

TEST_F(Dealing, EveryShippedLayoutAndRandomHeapDealsSolvably) {
    initDataDirectories(app.dirs, shippedDataDirectory());
    std::vector<std::string> layouts = listFiles(app.dirs.layouts, "*.TVL");
    EXPECT_GE(layouts.size(), 40u);
    EXPECT_NE(std::find(layouts.begin(), layouts.end(), "DEFAULT.TVL"), layouts.end());
    layouts.insert(layouts.end(), 6, "RANDOM.TVL");
    for (const std::string& layout : layouts) {
        SCOPED_TRACE(layout);
        app.settings.Layout = layout;
        host.now += 977;
        loadLayout(app);
        if (layout != "RANDOM.TVL") expectShippedForm(filePath(app.dirs.layouts, layout), game);
        const DealReport report = dealNewGame(app);
        EXPECT_EQ(std::make_pair(report.fellBack, report.removalAttempts > 0), std::make_pair(false, true));
        expectSolvedByRemovalOrder();
    }
    EXPECT_EQ(host.closeDownCalls, 0);
}

// One pair on offer is taken (a row is taken apart from both ends, outside
// in); the last of a longer list is never chosen.
TEST_F(Dealing, OnePairOnOfferIsTakenAndTheLastIsNeverChosen) {
    std::vector<Corner> row;
    addBlock(row, 0, 4, 1, 3, 6);
    useLayout(row);
    dealNewGame(app);
    Numbers columns;
    for (int k = 0; k < 6; ++k) columns.push_back(game.tiles[game.state.removalOrder[k]].column);
    EXPECT_EQ(columns, (Numbers{13, 3, 11, 5, 9, 7}));
    // Three lone towers: three free tops (tiles 3, 4 and 5) make three pairs, the last (4, 5).
    useLayout({{0, 0, 0}, {1, 0, 0}, {0, 0, 10}, {1, 0, 10}, {0, 0, 20}, {1, 0, 20}});
    std::map<Numbers, int> chosen;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::srand(seed);
        dealNewGame(app);
        ++chosen[{game.state.removalOrder[0], game.state.removalOrder[1]}];
    }
    EXPECT_EQ(std::make_pair(chosen.size(), chosen.count({4, 5})), std::make_pair(size_t(2), size_t(0)));
}

// Within one second the k-th removed pair gets the same faces, whatever the
// order, and a random deal repeats; the next second gives another.
TEST_F(Dealing, TheClockSeedsEveryFaceDraw) {
    useLayout(staggeredLayout());
    Numbers faces[2], order[2];
    for (int round = 0; round < 2; ++round) {
        std::srand(round + 1);
        dealNewGame(app);
        order[round].assign(game.state.removalOrder.begin(), game.state.removalOrder.end());
        for (int tile : order[round]) faces[round].push_back(game.tiles[tile].face);
    }
    EXPECT_NE(order[0], order[1]);
    EXPECT_EQ(faces[0], faces[1]);
    app.settings.EasyMode = 0;
    EXPECT_EQ(dealNewGame(app).removalAttempts, 0);
    const Numbers first = facesOf(game);
    EXPECT_TRUE(std::is_permutation(dealFaces.begin(), dealFaces.end(), first.begin()));
    dealNewGame(app);
    EXPECT_EQ(facesOf(game), first);
    ++host.now;
    dealNewGame(app);
    EXPECT_NE(facesOf(game), first);
}

// No removal order clears a heap whose tiles are never free: this second's
// random deal is made instead.
TEST_F(Dealing, HeapsThatCannotBeClearedFallBackToTheRandomDeal) {
    useLayout(overlappingLayout());
    const DealReport report = dealNewGame(app);
    EXPECT_EQ(std::make_pair(report.fellBack, report.removalAttempts), std::make_pair(true, maxRemovalAttempts));
    const Numbers fallback = facesOf(game);
    app.settings.EasyMode = 0;
    dealNewGame(app);
    EXPECT_EQ(facesOf(game), fallback);
}

TEST_F(Dealing, BoardsWithoutExactly144TilesStillDealAndEnd) {
    // 143 numbered tiles (the closeDown path): a random deal of 143 faces.
    std::vector<Corner> corners = twoLayerLayout();
    corners.back() = {0, 19, 30};
    useLayout(corners);
    app.settings.EasyMode = 0;
    dealNewGame(app);
    const Numbers faces = facesOf(game);
    EXPECT_EQ(std::count(faces.begin(), faces.end() - 1, 0), 0);
    EXPECT_EQ(faces.back(), 0) << "the record that stands nowhere gets no face";
    app.settings.EasyMode = 1;
    const DealReport odd = dealNewGame(app);
    EXPECT_EQ(std::make_pair(odd.fellBack, odd.removalAttempts), std::make_pair(true, 0)) << "an odd count never pairs";
    // 142 tiles deal solvably; more than 144 marks deal their first 144.
    corners[tileCount - 2] = {4, 18, 33};
    useLayout(corners);
    EXPECT_FALSE(dealNewGame(app).fellBack);
    expectSolvedByRemovalOrder(tileCount - 2);
    corners = twoLayerLayout();
    addBlock(corners, 2, 4, 2, 8, 3);
    useLayout(corners);
    EXPECT_FALSE(dealNewGame(app).fellBack);
    expectSolvedByRemovalOrder();
}

// A deal starts the game afresh but leaves the automatic player's flag and
// the history slots; a loaded game's board gives way to the layout of the
// settings; the title names the layout.
TEST_F(Dealing, ADealStartsTheGameAndNamesTheLayout) {
    initDataDirectories(app.dirs, "start");
    useLayout(staggeredLayout());
    GameState& state = game.state;
    state = {3, 5, 20, 62, 4, 99, 1, 1, 0, 1, 1, {}, {}};  // a game under way, paused, won
    state.undoList[4] = {7, 1, 2}, game.moveList.moveCount = 4;
    app.settings.Layout = "DEFAULT.TVL";
    dealNewGame(app);
    EXPECT_EQ((Numbers{state.selectedTile, state.secondTile, state.tilesLeft, state.movesMade, state.hintIndex,
                       state.elapsedSeconds, game.moveList.moveCount, state.showMoves, state.winHandled,
                       state.tilesHidden, state.autoPlayRunning, state.undoList[4].face}),
              (Numbers{noTile, noTile, tileCount, 0, 0, 0, 0, 0, 0, 0, 1, 7}));
    app.settings.Layout = "RANDOM.TVL", state.gameWasLoaded = 1;
    dealNewGame(app);
    EXPECT_EQ(state.gameWasLoaded, 0);
    EXPECT_TRUE(std::all_of(game.tiles.begin(), game.tiles.end(),
                            [](const TileRecord& t) { return t.row % 2 == 0 && t.column % 2 == 0; }));
    app.settings.Layout = "";
    dealNewGame(app);
    EXPECT_EQ(host.titles,
              (std::vector<std::string>{"Tavrek v3.2 - Default.tvl", "Tavrek v3.2 - Random.tvl", "Tavrek v3.2 - "}));
}

// The layout tool's replay judges a removal order as the game would: on a
// floor where three tiles overlap in a row, a removed tile hands the cells it
// shared to the tile still lying there, so the middle one can still be freed.
TEST_F(Dealing, TheLayoutToolReplaysEveryDealAlsoWhereTilesOverlap) {
    std::vector<Corner> corners = twoLayerLayout();
    corners.resize(corners.size() - 3);
    corners.insert(corners.end(), {{0, 18, 10}, {0, 18, 11}, {0, 18, 12}});
    for (int deal = 0; deal < 12; ++deal, ++host.now) {
        useLayout(corners);
        ASSERT_FALSE(dealNewGame(app).fellBack);
        EXPECT_TRUE(replayRemovalOrder(game)) << "deal " << deal;
    }
    // A tile under the second layer cannot go first.
    auto& order = game.state.removalOrder;
    const uint8_t covered = uint8_t(tileAtCorner(game, {0, 4, 8}));
    std::iter_swap(order.begin(), std::find(order.begin(), order.end(), covered));
    EXPECT_FALSE(replayRemovalOrder(game));
}
