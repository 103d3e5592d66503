#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "engine/Moves.h"
#include "game/App.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"

using Numbers = std::vector<int>;

static Numbers facesOf(const GameModel& game) {
    Numbers faces;
    for (const TileRecord& tile : game.tiles) faces.push_back(tile.face);
    return faces;
}

// The removal order, pair by pair, is free and matching when its turn comes,
// group faces come as 28/30, 29/31, 36/38, 37/39, and it clears the board.
static void expectSolvedByRemovalOrder(App& app, int tiles = tileCount) {
    const std::map<int, int> partners = {{28, 30}, {29, 31}, {36, 38}, {37, 39}};
    const auto partner = [&](int face) { return partners.count(face) ? partners.at(face) : face; };
    for (int k = 0; k < tiles; k += 2) {
        const int a = app.game.state.removalOrder[k], b = app.game.state.removalOrder[k + 1];
        const int faceA = app.game.tiles[a].face, faceB = app.game.tiles[b].face;
        EXPECT_TRUE(faceB == partner(faceA) || faceA == partner(faceB)) << faceA << " with " << faceB;
        computeFreeTiles(app.game);
        ASSERT_TRUE(tilesMatch(app.game, a, b)) << "pair " << k / 2;
        removePair(app.game, a, b);
    }
    EXPECT_EQ(std::count(app.game.boardGrid.begin(), app.game.boardGrid.end(), noTile), cellCount);
}

struct Dealing : ::testing::Test {
    RecordingHost host;
    App app{host};
    void SetUp() override { initDataDirectories(app.dirs, "start"); }
    void useLayout(const std::vector<Corner>& corners) { buildBoard(app.game, corners, 0); }
    void expectFacesOfTheTable() { EXPECT_TRUE(std::is_permutation(dealFaces.begin(), dealFaces.end(), facesOf(app.game).begin())); }
};

TEST_F(Dealing, SolvableDealsClearInTheirRemovalOrder) {
    for (const auto& corners : {twoLayerLayout(), staggeredLayout()}) {
        useLayout(corners);
        const DealReport report = dealNewGame(app);
        EXPECT_FALSE(report.fellBack);
        EXPECT_GE(report.removalAttempts, 1);
        expectFacesOfTheTable();
        expectSolvedByRemovalOrder(app);
    }
    app.settings.Layout = "RANDOM.TVL";
    for (int second = 0; second < 6; ++second) {
        host.now += 977;
        loadLayout(app);
        EXPECT_FALSE(dealNewGame(app).fellBack);
        expectSolvedByRemovalOrder(app);
    }
    EXPECT_EQ(host.closeDownCalls, 0);
}

TEST_F(Dealing, OnePairOnOfferIsTakenAndTheLastIsNeverChosen) {
    std::vector<Corner> row;
    addBlock(row, 0, 4, 1, 3, 6);
    useLayout(row);
    dealNewGame(app);
    Numbers columns;
    for (int k = 0; k < 6; ++k) columns.push_back(app.game.tiles[app.game.state.removalOrder[k]].column);
    EXPECT_EQ(columns, (Numbers{13, 3, 11, 5, 9, 7})) << "the two ends, outside in";
    // Three lone towers: three free tops, so three pairs of which the last is never taken.
    useLayout({{0, 0, 0}, {1, 0, 0}, {0, 0, 10}, {1, 0, 10}, {0, 0, 20}, {1, 0, 20}});
    std::map<std::pair<int, int>, int> chosen;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::srand(seed);
        dealNewGame(app);
        ++chosen[std::make_pair(app.game.state.removalOrder[0], app.game.state.removalOrder[1])];
    }
    // The tops are tiles 3, 4 and 5 (after the floor); the list's last pair is (4, 5).
    EXPECT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen.count(std::make_pair(4, 5)), 0u);
}

TEST_F(Dealing, TheClockSeedsEveryFaceDraw) {
    // Within one second the k-th removed pair gets the same faces, whatever the order.
    useLayout(staggeredLayout());
    Numbers faces[2], order[2];
    for (int round = 0; round < 2; ++round) {
        std::srand(round + 1);
        dealNewGame(app);
        order[round].assign(app.game.state.removalOrder.begin(), app.game.state.removalOrder.end());
        for (int tile : order[round]) faces[round].push_back(app.game.tiles[tile].face);
    }
    EXPECT_NE(order[0], order[1]);
    EXPECT_EQ(faces[0], faces[1]);

    app.settings.EasyMode = 0;
    EXPECT_EQ(dealNewGame(app).removalAttempts, 0);
    const Numbers first = facesOf(app.game);
    expectFacesOfTheTable();
    dealNewGame(app);
    EXPECT_EQ(facesOf(app.game), first) << "random deals repeat within one second";
    host.now += 1;
    dealNewGame(app);
    EXPECT_NE(facesOf(app.game), first);
}

TEST_F(Dealing, HeapsThatCannotBeClearedFallBackToTheRandomDeal) {
    // Floor tiles half a tile apart overlap: each keeps a sliver of its cells
    // and can never be free, so no removal order clears this heap.
    std::vector<Corner> corners;
    for (int layer = 0; layer < 2; ++layer)
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 9; ++c) corners.push_back({layer, r, c});
    useLayout(corners);
    const DealReport report = dealNewGame(app);
    EXPECT_TRUE(report.fellBack);
    EXPECT_EQ(report.removalAttempts, maxRemovalAttempts);
    const Numbers fallback = facesOf(app.game);
    app.settings.EasyMode = 0;
    dealNewGame(app);
    EXPECT_EQ(facesOf(app.game), fallback) << "the fallback is this second's random deal";
}

TEST_F(Dealing, BoardsWithoutExactly144TilesStillDealAndEnd) {
    // 143 numbered tiles (the closeDown path): a random deal of 143 faces.
    std::vector<Corner> corners = twoLayerLayout();
    corners.back() = {0, 19, 30};
    useLayout(corners);
    app.settings.EasyMode = 0;
    dealNewGame(app);
    const Numbers faces = facesOf(app.game);
    EXPECT_EQ(std::count(faces.begin(), faces.end() - 1, 0), 0);
    EXPECT_EQ(faces.back(), 0) << "the record that stands nowhere gets no face";
    app.settings.EasyMode = 1;
    const DealReport odd = dealNewGame(app);
    EXPECT_TRUE(odd.fellBack);
    EXPECT_EQ(odd.removalAttempts, 0) << "an odd number of tiles never pairs up";
    // 142 tiles deal solvably; more than 144 marks deal their first 144.
    corners[tileCount - 2] = {4, 18, 33};
    useLayout(corners);
    EXPECT_FALSE(dealNewGame(app).fellBack);
    expectSolvedByRemovalOrder(app, tileCount - 2);
    corners = twoLayerLayout();
    addBlock(corners, 2, 4, 2, 8, 3);
    useLayout(corners);
    EXPECT_FALSE(dealNewGame(app).fellBack);
    expectSolvedByRemovalOrder(app);
}

TEST_F(Dealing, ADealStartsTheGameAndNamesTheLayout) {
    useLayout(staggeredLayout());
    GameState& state = app.game.state;
    state = {3, 5, 20, 62, 4, 99, 1, 1, 0, 1, 1, {}, {}};  // a game under way, paused, won
    state.undoList[4] = {7, 1, 2};
    app.game.moveList.moveCount = 4;
    app.settings.Layout = "DEFAULT.TVL";
    dealNewGame(app);
    EXPECT_EQ((Numbers{state.selectedTile, state.secondTile, state.tilesLeft, state.movesMade, state.hintIndex,
                       state.elapsedSeconds, app.game.moveList.moveCount, state.showMoves, state.winHandled,
                       state.tilesHidden, state.autoPlayRunning, state.undoList[4].face}),
              (Numbers{noTile, noTile, tileCount, 0, 0, 0, 0, 0, 0, 0, 1, 7}))
        << "the automatic player's flag and the history slots are left as they are";
    GameModel fresh = app.game;
    computeFreeTiles(fresh);
    for (int t = 0; t < tileCount; ++t) EXPECT_EQ(app.game.tiles[t].freeFlag, fresh.tiles[t].freeFlag);

    app.settings.Layout = "RANDOM.TVL";
    state.gameWasLoaded = 1;
    dealNewGame(app);
    EXPECT_EQ(state.gameWasLoaded, 0);
    EXPECT_TRUE(std::all_of(app.game.tiles.begin(), app.game.tiles.end(),
                            [](const TileRecord& t) { return t.row % 2 == 0 && t.column % 2 == 0; }))
        << "a loaded game's board gives way to the layout of the settings";
    expectSolvedByRemovalOrder(app);
    app.settings.Layout = "";
    dealNewGame(app);
    EXPECT_EQ(host.titles, (std::vector<std::string>{"Tavrek v3.2 - Default.tvl", "Tavrek v3.2 - Random.tvl",
                                                     "Tavrek v3.2 - "}));
}
