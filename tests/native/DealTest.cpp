#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "engine/App.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "engine/Play.h"

namespace {

std::array<uint8_t, tileCount> facesOf(const GameModel& game) {
    std::array<uint8_t, tileCount> faces{};
    for (int t = 0; t < tileCount; ++t) faces[t] = game.tiles[t].face;
    return faces;
}

// Removes the pairs of the removal order one by one, as the automatic player
// does, checking each is a free matching pair when its turn comes.
void expectReplayClearsBoard(App& app, int tiles) {
    for (int k = 0; k < tiles; k += 2) {
        computeFreeTiles(app.game);
        const int a = app.game.state.removalOrder[k], b = app.game.state.removalOrder[k + 1];
        ASSERT_TRUE(tilesMatch(app.game, a, b)) << "pair " << k / 2 << ": tiles " << a << " and " << b;
        removePair(app, a, b);
    }
    for (int t = 0; t < tileCount; ++t) EXPECT_EQ(app.game.tiles[t].face, 0);
    for (uint8_t cell : app.game.boardGrid) EXPECT_EQ(cell, noTile);
}

// Both halves of every group pair come out of one removal step.
void expectGroupFacesDealtInPairs(const GameModel& game) {
    const std::map<int, int> partner = {{28, 30}, {30, 28}, {29, 31}, {31, 29},
                                        {36, 38}, {38, 36}, {37, 39}, {39, 37}};
    for (int k = 0; k < tileCount; k += 2) {
        const int a = game.tiles[game.state.removalOrder[k]].face;
        const int b = game.tiles[game.state.removalOrder[k + 1]].face;
        const auto found = partner.find(a);
        if (found != partner.end()) {
            EXPECT_EQ(found->second, b) << "pair " << k / 2;
        } else {
            EXPECT_EQ(a, b) << "pair " << k / 2;
        }
    }
}

void expectDealtFacesAreTheTable(const GameModel& game) {
    std::array<uint8_t, tileCount> dealt = facesOf(game), table = dealFaces;
    std::sort(dealt.begin(), dealt.end());
    std::sort(table.begin(), table.end());
    EXPECT_EQ(dealt, table);
}

// A heap whose floor tiles overlap by half a tile: each owns only a sliver
// of its cells and none of them can ever become free, so no removal order
// clears it.
std::vector<Corner> overlappingLayout() {
    std::vector<Corner> corners;
    for (int layer = 0; layer < 2; ++layer)
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 9; ++c) corners.push_back({layer, r, c});
    return corners;
}

struct Dealing : ::testing::Test {
    RecordingHost host;
    App app{host};

    void SetUp() override { initDataDirectories(app.dirs, "start"); }
    void useLayout(const std::vector<Corner>& corners) { buildBoard(app.game, corners, 0); }
};

}  // namespace

TEST_F(Dealing, SolvableDealsReplayToAnEmptyBoard) {
    for (const auto& corners : {twoLayerLayout(), staggeredLayout()}) {
        useLayout(corners);
        const DealReport report = dealNewGame(app);
        EXPECT_FALSE(report.fellBack);
        EXPECT_GE(report.removalAttempts, 1);
        expectDealtFacesAreTheTable(app.game);
        expectGroupFacesDealtInPairs(app.game);
        expectReplayClearsBoard(app, tileCount);
    }
}

TEST_F(Dealing, SolvableDealsOnRandomHeaps) {
    app.settings.Layout = "RANDOM.TVL";
    for (int second = 0; second < 8; ++second) {
        host.now = 1700000000 + 977 * second;
        loadLayout(app);
        ASSERT_EQ(host.closeDownCalls, 0);
        const DealReport report = dealNewGame(app);
        EXPECT_FALSE(report.fellBack);
        expectGroupFacesDealtInPairs(app.game);
        expectReplayClearsBoard(app, tileCount);
    }
}

TEST_F(Dealing, ADealStartsTheGame) {
    useLayout(staggeredLayout());
    app.game.state.elapsedSeconds = 99;
    app.game.state.movesMade = 3;
    app.game.state.winHandled = 1;
    app.game.state.tilesHidden = 1;
    app.game.state.showMoves = 1;
    app.game.state.autoPlayRunning = 1;
    app.game.moveList.moveCount = 4;
    dealNewGame(app);
    const GameState& state = app.game.state;
    EXPECT_EQ(state.tilesLeft, tileCount);
    EXPECT_EQ(state.movesMade, 0);
    EXPECT_EQ(state.elapsedSeconds, 0);
    EXPECT_EQ(state.selectedTile, noTile);
    EXPECT_EQ(state.secondTile, noTile);
    EXPECT_EQ(state.winHandled + state.tilesHidden + state.showMoves, 0);
    EXPECT_EQ(app.game.moveList.moveCount, 0);
    EXPECT_EQ(state.autoPlayRunning, 1) << "left to the automatic player";
    int free = 0;
    for (const TileRecord& tile : app.game.tiles) free += tile.freeFlag;
    EXPECT_GT(free, 0) << "free flags are current";
    for (int t = 0; t < tileCount; ++t) EXPECT_EQ(tileAtCorner(app.game, {app.game.tiles[t].layer, app.game.tiles[t].row, app.game.tiles[t].column}), t);
}

TEST_F(Dealing, TitleNamesTheLayout) {
    useLayout(twoLayerLayout());
    app.settings.Layout = "DEFAULT.TVL";
    dealNewGame(app);
    app.settings.Layout = "RANDOM.TVL";
    dealNewGame(app);
    app.settings.Layout = "";
    dealNewGame(app);
    EXPECT_EQ(host.titles, (std::vector<std::string>{"Tavrek v3.2 - Default.tvl", "Tavrek v3.2 - Random.tvl",
                                                     "Tavrek v3.2 - "}));
}

TEST_F(Dealing, RandomDealsRepeatWithinOneSecond) {
    app.settings.EasyMode = 0;
    useLayout(twoLayerLayout());
    EXPECT_EQ(dealNewGame(app).removalAttempts, 0);
    const auto first = facesOf(app.game);
    expectDealtFacesAreTheTable(app.game);
    dealNewGame(app);
    EXPECT_EQ(facesOf(app.game), first);
    host.now += 1;
    dealNewGame(app);
    EXPECT_NE(facesOf(app.game), first);
    expectDealtFacesAreTheTable(app.game);
}

TEST_F(Dealing, ImpossibleHeapFallsBackToARandomDeal) {
    useLayout(overlappingLayout());
    const DealReport report = dealNewGame(app);
    EXPECT_TRUE(report.fellBack);
    EXPECT_EQ(report.removalAttempts, maxRemovalAttempts);
    expectDealtFacesAreTheTable(app.game);
    const auto fallback = facesOf(app.game);
    app.settings.EasyMode = 0;
    dealNewGame(app);
    EXPECT_EQ(facesOf(app.game), fallback) << "the fallback is the random deal of this second";
    EXPECT_EQ(host.titles.size(), 2u);
}

TEST_F(Dealing, OneOrTwoPairsTakeTheFirstAndTheLastIsNeverChosen) {
    // A row of six: every step offers exactly its two ends, one pair.
    std::vector<Corner> row;
    addBlock(row, 0, 4, 1, 3, 6);
    useLayout(row);
    dealNewGame(app);
    for (int k = 0; k < 6; k += 2) {
        const TileRecord& a = app.game.tiles[app.game.state.removalOrder[k]];
        const TileRecord& b = app.game.tiles[app.game.state.removalOrder[k + 1]];
        EXPECT_EQ(a.column + b.column, 3 + 13) << "the two ends, from the outside in";
    }
    expectReplayClearsBoard(app, 6);

    // Three lone towers of two: three free tops, three pairs, never the last.
    useLayout({{0, 0, 0}, {1, 0, 0}, {0, 0, 10}, {1, 0, 10}, {0, 0, 20}, {1, 0, 20}});
    std::vector<Corner> tops = {{1, 0, 0}, {1, 0, 10}, {1, 0, 20}};
    std::vector<int> topTiles;
    for (const Corner& c : tops) topTiles.push_back(tileAtCorner(app.game, c));
    std::sort(topTiles.begin(), topTiles.end());
    std::map<std::pair<int, int>, int> chosen;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::srand(seed);
        dealNewGame(app);
        ++chosen[{app.game.state.removalOrder[0], app.game.state.removalOrder[1]}];
    }
    EXPECT_EQ(chosen.count(std::make_pair(topTiles[1], topTiles[2])), 0u);
    EXPECT_GT(chosen[std::make_pair(topTiles[0], topTiles[1])], 0);
    EXPECT_GT(chosen[std::make_pair(topTiles[0], topTiles[2])], 0);
}

TEST_F(Dealing, ABoardShortOfTilesStillDealsOnceAndEnds) {
    ScratchDirectory scratch;
    initDataDirectories(app.dirs, scratch.path);
    std::vector<Corner> corners = twoLayerLayout();
    corners.back() = {0, 19, 30};
    scratch.write("LAYOUTS/EDGE.TVL", lineLayoutText(corners));
    app.settings.Layout = "EDGE.TVL";
    loadLayout(app);
    ASSERT_EQ(host.closeDownCalls, 1);
    dealNewGame(app);
    for (int t = 0; t < tileCount - 1; ++t) EXPECT_NE(app.game.tiles[t].face, 0);
    EXPECT_EQ(app.game.tiles[tileCount - 1].face, 0) << "the record that stands nowhere gets no face";

    // Even with EasyMode put back on, the deal ends: 143 tiles cannot pair up.
    app.settings.EasyMode = 1;
    const DealReport odd = dealNewGame(app);
    EXPECT_TRUE(odd.fellBack);
    EXPECT_EQ(odd.removalAttempts, 0) << "no attempt can pair up an odd number";

    // 142 numbered tiles pair up and deal solvably.
    corners.pop_back();
    corners.back() = {4, 18, 33};
    scratch.write("LAYOUTS/EDGE.TVL", lineLayoutText(corners));
    loadLayout(app);
    app.settings.EasyMode = 1;
    EXPECT_FALSE(dealNewGame(app).fellBack);
    expectReplayClearsBoard(app, tileCount - 2);
}

TEST_F(Dealing, ALoadedGameIsReplacedByTheLayoutOfTheSettings) {
    app.settings.Layout = "RANDOM.TVL";
    useLayout(twoLayerLayout());
    app.game.state.gameWasLoaded = 1;
    dealNewGame(app);
    EXPECT_EQ(app.game.state.gameWasLoaded, 0);
    for (int t = 0; t < tileCount; ++t) {
        EXPECT_EQ(app.game.tiles[t].row % 2, 0);
        EXPECT_EQ(app.game.tiles[t].column % 2, 0);
    }
    EXPECT_NE(app.game.layoutMask, [] {
        GameModel game;
        buildBoard(game, twoLayerLayout());
        return game.layoutMask;
    }());
    expectReplayClearsBoard(app, tileCount);
}

TEST(ResetGameState, KeepsHistoryAndTheWorkerFlags) {
    GameModel game;
    clearGameModel(game);
    game.state.undoList[4] = {7, 1, 2};
    game.state.removalOrder[9] = 33;
    game.state.autoPlayRunning = 1;
    game.state.gameWasLoaded = 1;
    game.state.hintIndex = 3;
    game.state.tilesLeft = 10;
    resetGameState(game);
    EXPECT_EQ(game.state.undoList[4].face, 7);
    EXPECT_EQ(game.state.removalOrder[9], 33);
    EXPECT_EQ(game.state.autoPlayRunning, 1);
    EXPECT_EQ(game.state.gameWasLoaded, 1);
    EXPECT_EQ(game.state.hintIndex, 0);
    EXPECT_EQ(game.state.tilesLeft, tileCount);
}
