#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "game/App.h"
#include "engine/Caption.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "game/Play.h"
#include "engine/Moves.h"
#include "game/DealGame.h"

namespace {

// Several values compared at once, each shown when one differs.
using V = std::vector<int>;

struct Play : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameState& state = app.game.state;
    // The small board: a row A B C (B blocked between the others) and four
    // lone tiles D E F G of one group.
    int A, B, C, D, E, F, G;

    void SetUp() override {
        initDataDirectories(app.dirs, "start");
        app.language.MesUndo = "Nothing to undo";
        const std::vector<Corner> corners = {{0, 0, 0},  {0, 0, 2},  {0, 0, 4}, {0, 6, 20},
                                             {0, 6, 30}, {0, 12, 10}, {0, 12, 25}};
        buildBoard(app.game, corners);
        int* names[] = {&A, &B, &C, &D, &E, &F, &G};
        const uint8_t faces[] = {5, 9, 5, 29, 31, 28, 30};
        for (int i = 0; i < 7; ++i) {
            *names[i] = tileAtCorner(app.game, corners[i]);
            app.game.tiles[*names[i]].face = faces[i];
        }
        computeFreeTiles(app.game);
        resetGameState(app.game);
    }
    void dealOn(const std::vector<Corner>& corners) {
        buildBoard(app.game, corners, 0);
        dealNewGame(app);
    }
    // The slots of the sounds played since the last call.
    std::string sounds() {
        std::string slots;
        for (const std::filesystem::path& path : host.sounds) {
            const std::string name = path.filename().string();
            slots += name == app.settings.Sound1 ? "1" : name == app.settings.Sound2 ? "2" : "3";
        }
        host.sounds.clear();
        return slots;
    }
    void clickPair(int a, int b) {
        clickTile(app, a);
        clickTile(app, b);
    }
    void playRemovalOrder(int pairs) {
        for (int k = 0; k < 2 * pairs; k += 2) clickPair(state.removalOrder[k], state.removalOrder[k + 1]);
    }
    int partnerOf(int t) const {
        for (int other = 0; other < tileCount; ++other)
            if (tilesMatch(app.game, t, other)) return other;
        return noTile;
    }
};

}  // namespace

TEST_F(Play, ClicksSelectDeselectAndMiss) {
    clickTile(app, A);
    EXPECT_EQ(state.selectedTile, A);
    clickTile(app, A);
    EXPECT_EQ(state.selectedTile, noTile) << "the selected tile clicked again";
    clickTile(app, B);
    EXPECT_EQ(state.selectedTile, noTile) << "a blocked tile is not selected";
    clickPair(A, D);
    EXPECT_EQ(state.selectedTile, D) << "a free tile that does not match is selected instead";
    EXPECT_EQ(state.secondTile, noTile);
    clickTile(app, B);
    EXPECT_EQ(state.selectedTile, noTile) << "a blocked second tile clears the selection";
    for (int beside : {int{noTile}, 300, -1}) {
        clickTile(app, D);
        clickTile(app, beside);
        EXPECT_EQ(state.selectedTile, noTile);
    }
    click2D(app, -100, -100);
    EXPECT_EQ(sounds(), "1131131313133");
    EXPECT_EQ(state.movesMade, 0);
    app.settings.SoundEffects = 0;
    clickPair(A, B);
    EXPECT_EQ(sounds(), "");
}

TEST_F(Play, AMatchingPairIsRemovedRecordedAndUndone) {
    state.tilesHidden = 1;  // a paused game plays as usual
    clickPair(F, G);        // faces 28 and 30
    EXPECT_EQ(sounds(), "12");
    EXPECT_EQ((V{app.game.tiles[F].face, app.game.tiles[G].face}), (V{0, 0}));
    EXPECT_EQ(tileAtCorner(app.game, {0, 12, 10}), noTile);
    EXPECT_EQ(state.undoList[0].face, 28);
    EXPECT_EQ(state.undoList[0].first, F);
    EXPECT_EQ(state.undoList[0].second, G);
    EXPECT_EQ(state.tilesLeft, tileCount - 2);
    EXPECT_EQ((V{state.selectedTile, state.secondTile}), (V{noTile, noTile}));
    EXPECT_EQ(app.game.moveList.moveCount, 2) << "rebuilt: A with C, D with E";
    clickPair(C, A);
    EXPECT_EQ(app.game.tiles[B].freeFlag, 1) << "free flags are recomputed";
    EXPECT_EQ(state.showMoves, 0);
    state.hintIndex = 1;
    undoCommand(app);
    EXPECT_EQ(app.game.tiles[B].freeFlag, 0);
    EXPECT_EQ((V{state.hintIndex, app.game.moveList.moveCount}), (V{0, 0}));
    undoCommand(app);
    EXPECT_EQ(app.game.tiles[F].face, 28);
    EXPECT_EQ(app.game.tiles[G].face, 28) << "undo gives both tiles the first one's face";
    EXPECT_TRUE(tilesMatch(app.game, F, G));
    EXPECT_EQ(tileAtCorner(app.game, {0, 12, 25}), G);
    EXPECT_EQ(state.tilesLeft, tileCount);
    EXPECT_TRUE(host.messages.empty());
    clickTile(app, A);
    undoMove(app);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Nothing to undo");
    EXPECT_EQ(host.messages[0].caption, productCaption);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::information);
    EXPECT_EQ(state.selectedTile, noTile);
}

TEST_F(Play, TheRemovalFadeBelongsToThe2DView) {
#if TAVREK_3D
    app.settings.view3D = 0;
#endif
    app.view.fadeSteps = 3;
    clickPair(A, C);
    EXPECT_EQ(host.framesPresented, 3);
    app.settings.RemoveTileTime = 0;
    clickPair(D, E);
    EXPECT_EQ(host.framesPresented, 3) << "without a removal time the pair just goes";
#if TAVREK_3D
    app.settings.RemoveTileTime = 500;
    app.settings.view3D = 1;
    clickPair(F, G);
    EXPECT_EQ(host.framesPresented, 3);
#endif
    EXPECT_EQ(state.movesMade, 2 + TAVREK_3D);
}

TEST_F(Play, RemovePairLeavesTheRestToItsCaller) {
    buildMoveList(app.game, false, 50);
    state.hintIndex = 2;
    removePair(app.game, D, E);
    EXPECT_EQ((V{app.game.moveList.moveCount, state.hintIndex}), (V{0, 0}));
    EXPECT_EQ(app.game.tiles[D].freeFlag, 1);
    EXPECT_EQ(sounds(), "");
    state.movesMade = undoSlots;  // a full history takes no more
    removePair(app.game, F, G);
    EXPECT_EQ(app.game.tiles[F].face, 28);
}

TEST_F(Play, TheLastPairEndsTheGameAndUndoKeepsTheClockStopped) {
    dealOn(staggeredLayout());
    playRemovalOrder(pairCount);
    EXPECT_EQ(state.tilesLeft, 0);
    EXPECT_EQ(app.game.moveList.moveCount, 0);
    EXPECT_EQ(app.game.moveList.pairs[0].first, noTile);
    EXPECT_EQ(state.showMoves, 1);
    EXPECT_EQ(std::count(host.sounds.begin(), host.sounds.end(), filePath(app.dirs.sounds, "REMOVE.WAV")), pairCount);
    state.winHandled = 1;
    state.elapsedSeconds = 321;
    undoCommand(app);
    EXPECT_EQ((V{state.winHandled, state.showMoves}), (V{1, 1}));
    EXPECT_EQ(state.elapsedSeconds, 321);
    EXPECT_EQ(state.tilesLeft, 2);
}

TEST_F(Play, RestartAndNewGamePutEveryPairBack) {
    dealOn(twoLayerLayout());
    const BoardGrid dealt = app.game.boardGrid;
    playRemovalOrder(10);
    state.elapsedSeconds = 500;
    state.winHandled = 1;
    restartGame(app);
    EXPECT_EQ((V{state.movesMade, state.elapsedSeconds, state.winHandled}), (V{0, 0, 0}));
    EXPECT_EQ(app.game.boardGrid, dealt);
    GameModel fresh = app.game;
    computeFreeTiles(fresh);
    for (int t = 0; t < tileCount; ++t) EXPECT_EQ(app.game.tiles[t].freeFlag, fresh.tiles[t].freeFlag);
    playRemovalOrder(5);
    newGame(app);
    EXPECT_EQ(state.tilesLeft, tileCount);
    EXPECT_EQ(host.titles.size(), 2u);
    EXPECT_TRUE(host.messages.empty());
    playRemovalOrder(pairCount);
    EXPECT_EQ(state.tilesLeft, 0) << "the new deal was made on the whole heap";
}

TEST_F(Play, HintsWalkThroughThePairsAndCostAMinuteEach) {
    app.settings.pairSearchLimit = 2;  // the hints list every pair, however many
    showNextHint(app);
    EXPECT_EQ(state.showMoves, 1);
    EXPECT_EQ(app.game.moveList.moveCount, 7) << "an empty list is built: A-C and six of the group";
    EXPECT_EQ(state.hintIndex, 0);
    for (int expected = 1; expected <= 7; ++expected) {
        showNextHint(app);
        EXPECT_EQ(state.hintIndex, expected) << "7, at the count, the views show as the first";
    }
    showNextHint(app);
    EXPECT_EQ(state.hintIndex, 0);
    EXPECT_EQ(app.game.moveList.moveCount, 7);
    EXPECT_EQ(state.elapsedSeconds, 9 * 60);
    clickPair(D, F);
    showNextHint(app);
    EXPECT_EQ(state.hintIndex, 1) << "after a removal the first hint shows the second pair";
    clickPair(E, G);
    clickPair(A, C);
    EXPECT_EQ(state.showMoves, 1) << "no pair left ends the game";
    showNextHint(app);
    EXPECT_EQ(state.elapsedSeconds, 11 * 60);
    EXPECT_EQ((V{state.hintIndex, app.game.moveList.moveCount}), (V{0, 0}));
}

TEST_F(Play, RandomPlayKeepsTheCountersInStep) {
    dealOn(staggeredLayout());
    std::mt19937 random(12345);
    int deepest = 0;
    for (int action = 0; action < 3000; ++action) {
        const unsigned roll = random() % 20;
        const int t = static_cast<int>(random() % (tileCount + 6));
        if (roll < 9) {
            clickTile(app, t);
        } else if (roll < 18) {
            int first = t % tileCount;
            for (int k = 0; k < tileCount && app.game.tiles[first].freeFlag != 1; ++k) first = (first + 1) % tileCount;
            clickPair(first, partnerOf(first));
        } else {
            roll == 18 ? undoCommand(app) : showNextHint(app);
        }
        ASSERT_EQ(state.tilesLeft + 2 * state.movesMade, tileCount);
        ASSERT_EQ(std::count_if(app.game.tiles.begin(), app.game.tiles.end(), [](const TileRecord& x) { return x.face; }),
                  state.tilesLeft);
        deepest = std::max<int>(deepest, state.movesMade);
    }
    EXPECT_GT(deepest, 8) << "pairs were removed, not only clicked at";
}

