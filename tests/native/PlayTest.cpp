#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "files/Caption.h"
#include "engine/FreeTiles.h"
#include "engine/Moves.h"
#include "game/App.h"
#include "game/DealGame.h"
#include "game/Play.h"

namespace {

using V = std::vector<int>;

// The small board: a row A B C (B blocked between the others) and four lone
// tiles D E F G of one group, with faces 5 9 5 and 29 31 28 30.
struct Play : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameState& state = app.game.state;
    const std::vector<Corner> corners = {{0, 0, 0}, {0, 0, 2}, {0, 0, 4}, {0, 6, 20}, {0, 6, 30}, {0, 12, 10}, {0, 12, 25}};
    int A, B, C, D, E, F, G;

    void SetUp() override {
        initDataDirectories(app.dirs, "start");
        app.language.MesUndo = "Nothing to undo";
        buildBoard(app.game, corners);
        int* tiles[] = {&A, &B, &C, &D, &E, &F, &G};
        for (int i = 0; i < 7; ++i) *tiles[i] = tileAtCorner(app.game, corners[size_t(i)]);
        for (int i = 0; i < 7; ++i) app.game.tiles[*tiles[i]].face = uint8_t(V{5, 9, 5, 29, 31, 28, 30}[size_t(i)]);
        computeFreeTiles(app.game);
        resetGameState(app.game);
    }
    std::string name(int tile) const {
        const V tiles = {A, B, C, D, E, F, G};
        const auto at = std::find(tiles.begin(), tiles.end(), tile);
        return at == tiles.end() ? "-" : std::string(1, char('A' + (at - tiles.begin())));
    }
    // Selection, tiles left, pairs removed, pairs listed, hint index and shown, sounds by slot.
    std::string look() {
        std::string text = name(state.selectedTile) + name(state.secondTile) + " " + std::to_string(state.tilesLeft) +
                           " moves " + std::to_string(state.movesMade) + " pairs " +
                           std::to_string(app.game.moveList.moveCount) + " hint " + std::to_string(state.hintIndex) +
                           (state.showMoves ? " shown " : " ");
        for (const std::filesystem::path& path : host.sounds) {
            const std::string sound = path.filename().string();
            text += sound == app.settings.Sound1 ? "1" : sound == app.settings.Sound2 ? "2" : "3";
        }
        host.sounds.clear();
        return text;
    }
    void clicks(const V& tiles) {
        for (int t : tiles) clickTile(app, t);
    }
    void dealOn(const std::vector<Corner>& heap) {
        buildBoard(app.game, heap, 0);
        dealNewGame(app);
    }
    void playRemovalOrder(int pairs) {
        for (int k = 0; k < 2 * pairs; ++k) clickTile(app, state.removalOrder[size_t(k)]);
    }
};

}  // namespace

// A free tile is selected, again deselected; a blocked one is refused; a
// free one that does not match becomes the selection; a miss clears it.
TEST_F(Play, ClicksSelectDeselectAndMiss) {
    std::string selections;
    for (int t : {A, A, B, A, D, B, D, int(noTile), D, 300, D, -1}) {
        clickTile(app, t);
        selections += name(state.selectedTile) + name(state.secondTile) + " ";
    }
    click2D(app, -100, -100);
    tryPair(app, A, noTile);  // a pair that is not two tiles is a miss
    EXPECT_EQ(selections, "A- -- -- A- D- -- D- -- D- -- D- -- ");
    EXPECT_EQ(look(), "-- 144 moves 0 pairs 0 hint 0 11311313131333");
    app.settings.SoundEffects = 0;
    clicks({A, B});
    EXPECT_EQ(look(), "-- 144 moves 0 pairs 0 hint 0 ");
}

TEST_F(Play, AMatchingPairIsRemovedRecordedAndUndone) {
    state.tilesHidden = 1;  // a paused game plays as usual
    clicks({F, G});
    EXPECT_EQ(look(), "-- 142 moves 1 pairs 2 hint 0 12") << "rebuilt: A with C, D with E";
    EXPECT_EQ((V{app.game.tiles[F].face, app.game.tiles[G].face, tileAtCorner(app.game, corners[5])}), (V{0, 0, noTile}));
    EXPECT_EQ((V{state.undoList[0].face, state.undoList[0].first, state.undoList[0].second}), (V{28, F, G}));
    clicks({C, A});
    EXPECT_EQ(app.game.tiles[B].freeFlag, 1) << "free flags are recomputed";
    state.hintIndex = 1;
    undoCommand(app);
    EXPECT_EQ(look(), "-- 142 moves 1 pairs 0 hint 0 12");
    EXPECT_EQ(app.game.tiles[B].freeFlag, 0);
    undoCommand(app);
    // The undo record keeps one face: both tiles come back with the first one's.
    EXPECT_EQ((V{app.game.tiles[F].face, app.game.tiles[G].face, tileAtCorner(app.game, corners[6])}), (V{28, 28, G}));
    EXPECT_EQ(look(), "-- 144 moves 0 pairs 0 hint 0 ");
    clickTile(app, A);
    undoMove(app);
    EXPECT_EQ(look(), "-- 144 moves 0 pairs 0 hint 0 1");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(describe(host.messages[0]), std::string("Nothing to undo|") + productCaption + "|0");
}

TEST_F(Play, TheRemovalFadeBelongsToThe2DViewAndRemovePairToItsCaller) {
#if TAVREK_3D
    app.settings.view3D = 0;
#endif
    app.view.fadeSteps = 3;
    clicks({A, C});
    EXPECT_EQ(host.framesPresented, 3);
    app.settings.RemoveTileTime = 0;
    clicks({D, E});
    EXPECT_EQ(host.framesPresented, 3) << "without a removal time the pair just goes";
#if TAVREK_3D
    app.settings.RemoveTileTime = 500;
    app.settings.view3D = 1;
    clicks({F, G});
    EXPECT_EQ(host.framesPresented, 3);
    undoMove(app);
#endif
    look();
    buildMoveList(app.game, false, 50);
    state.hintIndex = 2;
    state.showMoves = 1;
    removePair(app.game, F, G);
    EXPECT_EQ(look(), "-- 138 moves 3 pairs 0 hint 0 shown ");
    undoMove(app);
    state.movesMade = undoSlots;  // a full history takes no more
    removePair(app.game, F, G);
    EXPECT_EQ(app.game.tiles[F].face, 28);
}

TEST_F(Play, TheLastPairEndsTheGameAndUndoKeepsTheClockStopped) {
    dealOn(staggeredLayout());
    playRemovalOrder(pairCount);
    std::string sounds;
    for (int k = 0; k < pairCount; ++k) sounds += "12";
    EXPECT_EQ(look(), "-- 0 moves 72 pairs 0 hint 0 shown " + sounds);
    EXPECT_EQ(host.nameRequests, 1) << "the win is recorded where the board was emptied";
    EXPECT_EQ(app.game.moveList.pairs[0].first, noTile);
    state.winHandled = 1;
    state.elapsedSeconds = 321;
    undoCommand(app);
    EXPECT_EQ((V{state.winHandled, state.showMoves, state.elapsedSeconds, state.tilesLeft}), (V{1, 1, 321, 2}));
}

TEST_F(Play, RestartAndNewGamePutEveryPairBack) {
    dealOn(twoLayerLayout());
    const GameModel dealt = app.game;
    playRemovalOrder(10);
    state.elapsedSeconds = 500;
    state.winHandled = 1;
    restartGame(app);
    EXPECT_EQ((V{state.movesMade, state.elapsedSeconds, state.winHandled}), (V{0, 0, 0}));
    EXPECT_EQ(app.game.boardGrid, dealt.boardGrid);
    for (int t = 0; t < tileCount; ++t) EXPECT_EQ(app.game.tiles[t].freeFlag, dealt.tiles[t].freeFlag) << t;
    playRemovalOrder(5);
    newGame(app);
    EXPECT_EQ((V{state.tilesLeft, int(host.titles.size()), int(host.messages.size())}), (V{tileCount, 2, 0}));
    playRemovalOrder(pairCount);
    EXPECT_EQ(state.tilesLeft, 0) << "the new deal was made on the whole heap";
}

TEST_F(Play, HintsWalkThroughThePairsAndCostAMinuteEach) {
    app.settings.pairSearchLimit = 2;  // the hints list every pair, however many
    V walk;
    for (int k = 0; k < 9; ++k) {
        showNextHint(app);
        walk.push_back(state.hintIndex);
    }
    // An empty list is built (A-C and six of the group); 7, at the count, the views show as the first.
    EXPECT_EQ(walk, (V{0, 1, 2, 3, 4, 5, 6, 7, 0}));
    EXPECT_EQ(look(), "-- 144 moves 0 pairs 7 hint 0 shown ");
    EXPECT_EQ(state.elapsedSeconds, 9 * 60);
    clicks({D, F});
    showNextHint(app);
    EXPECT_EQ(state.hintIndex, 1) << "after a removal the first hint shows the second pair";
    clicks({E, G, A, C});
    EXPECT_EQ(state.showMoves, 1) << "no pair left ends the game";
    showNextHint(app);
    EXPECT_EQ(look(), "-- 138 moves 3 pairs 0 hint 0 shown 121212");
    EXPECT_EQ(state.elapsedSeconds, 11 * 60);
}
