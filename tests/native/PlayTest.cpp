#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "engine/App.h"
#include "engine/Caption.h"
#include "engine/Deal.h"
#include "engine/FreeTiles.h"
#include "engine/Play.h"

namespace {

struct Play : ::testing::Test {
    RecordingHost host;
    App app{host};
    GameState& state = app.game.state;
    std::map<char, int> tile;  // tiles of the small board by name

    void SetUp() override {
        initDataDirectories(app.dirs, "start");
        app.language.MesUndo = "Nothing to undo";
    }

    // A row A B C (B between the others, so blocked) and four lone tiles
    // D E F G carrying the faces of one group.
    void buildSmallBoard() {
        const std::map<char, std::pair<Corner, uint8_t>> named = {
            {'A', {{0, 0, 0}, 5}},   {'B', {{0, 0, 2}, 9}},    {'C', {{0, 0, 4}, 5}},  {'D', {{0, 6, 10}, 29}},
            {'E', {{0, 6, 20}, 31}}, {'F', {{0, 12, 10}, 28}}, {'G', {{0, 12, 20}, 30}}};
        std::vector<Corner> corners;
        for (const auto& entry : named) corners.push_back(entry.second.first);
        buildBoard(app.game, corners);
        for (const auto& entry : named) {
            tile[entry.first] = tileAtCorner(app.game, entry.second.first);
            app.game.tiles[tile[entry.first]].face = entry.second.second;
        }
        computeFreeTiles(app.game);
        resetGameState(app.game);
    }

    void dealOn(const std::vector<Corner>& corners) {
        buildBoard(app.game, corners, 0);
        dealNewGame(app);
    }

    // The sounds played so far, by slot name, and forgets them.
    std::vector<std::string> sounds() {
        std::vector<std::string> names;
        for (const std::string& path : host.sounds) {
            const std::string name = path.substr(app.dirs.sounds.size());
            names.push_back(name == app.settings.Sound1 ? "Sound1" : name == app.settings.Sound2 ? "Sound2" : "Sound3");
        }
        host.sounds.clear();
        return names;
    }

    void clickPair(int a, int b) {
        clickTile(app, a);
        clickTile(app, b);
    }

    int firstFreeFrom(int start) const {
        for (int k = 0; k < tileCount; ++k)
            if (app.game.tiles[(start + k) % tileCount].freeFlag == 1) return (start + k) % tileCount;
        return noTile;
    }

    // A tile that would go with this one now, or noTile.
    int partnerOf(int t) const {
        for (int other = 0; other < tileCount; ++other)
            if (tilesMatch(app.game, t, other)) return other;
        return noTile;
    }

    int freeTileCount() const {
        int free = 0;
        for (const TileRecord& t : app.game.tiles) free += t.freeFlag;
        return free;
    }
};

using Sounds = std::vector<std::string>;

}  // namespace

TEST_F(Play, FirstClicksSelectDeselectOrMiss) {
    buildSmallBoard();
    clickTile(app, tile['A']);
    EXPECT_EQ(state.selectedTile, tile['A']);
    clickTile(app, tile['A']);
    EXPECT_EQ(state.selectedTile, noTile) << "clicking the selected tile again deselects it";
    EXPECT_EQ(sounds(), (Sounds{"Sound1", "Sound1"}));

    clickTile(app, tile['B']);
    EXPECT_EQ(state.selectedTile, noTile) << "a blocked tile is not selected";
    clickTile(app, tile['D']);
    clickTile(app, noTile);
    EXPECT_EQ(state.selectedTile, noTile) << "a click beside the tiles clears the selection";
    clickTile(app, tile['D']);
    clickTile(app, 300);
    clickTile(app, -1);
    EXPECT_EQ(state.selectedTile, noTile);
    EXPECT_EQ(state.secondTile, noTile);
    EXPECT_EQ(sounds(), (Sounds{"Sound3", "Sound1", "Sound3", "Sound1", "Sound3", "Sound3"}));
    EXPECT_EQ(state.tilesLeft, tileCount);
}

TEST_F(Play, SecondClickOnAnUnmatchedTileMovesOrDropsTheSelection) {
    buildSmallBoard();
    clickPair(tile['A'], tile['D']);
    EXPECT_EQ(state.selectedTile, tile['D']) << "a free tile that does not match becomes the selection";
    EXPECT_EQ(state.secondTile, noTile);
    clickTile(app, tile['B']);
    EXPECT_EQ(state.selectedTile, noTile) << "a blocked tile clears it";
    EXPECT_EQ(sounds(), (Sounds{"Sound1", "Sound1", "Sound3"}));
    EXPECT_EQ(state.movesMade, 0);

    app.settings.SoundEffects = 0;
    clickPair(tile['A'], tile['D']);
    EXPECT_TRUE(host.sounds.empty()) << "sound effects off";
}

TEST_F(Play, AMatchingPairIsRemovedAndRecorded) {
    buildSmallBoard();
    state.hintIndex = 3;
    clickPair(tile['C'], tile['A']);
    EXPECT_EQ(sounds(), (Sounds{"Sound1", "Sound2"}));
    for (char name : {'A', 'C'}) {
        const TileRecord& t = app.game.tiles[tile[name]];
        EXPECT_EQ(t.face, 0);
        EXPECT_EQ(t.freeFlag, 0);
        EXPECT_EQ(tileAtCorner(app.game, {t.layer, t.row, t.column}), noTile);
    }
    EXPECT_EQ(app.game.tiles[tile['B']].freeFlag, 1) << "free flags are recomputed";
    EXPECT_EQ(state.tilesLeft, tileCount - 2);
    EXPECT_EQ(state.movesMade, 1);
    const UndoRecord& record = state.undoList[0];
    EXPECT_EQ(record.face, 5);
    EXPECT_EQ(record.first, tile['C']);
    EXPECT_EQ(record.second, tile['A']);
    EXPECT_EQ(state.selectedTile, noTile);
    EXPECT_EQ(state.secondTile, noTile);
    EXPECT_EQ(app.game.moveList.moveCount, 6) << "the four tiles of one group pair every way";
    EXPECT_EQ(state.hintIndex, 0);
    EXPECT_EQ(state.showMoves, 0);

    clickPair(tile['D'], tile['E']);
    EXPECT_EQ(state.movesMade, 2) << "29 and 31 go together";
    EXPECT_EQ(app.game.moveList.moveCount, 1);
}

TEST_F(Play, PlayingTheRemovalOrderWinsAndEndsTheGame) {
    dealOn(staggeredLayout());
    for (int k = 0; k < tileCount; k += 2) {
        EXPECT_EQ(state.showMoves, 0);
        clickPair(state.removalOrder[k], state.removalOrder[k + 1]);
        ASSERT_EQ(state.movesMade, k / 2 + 1);
        EXPECT_EQ(state.tilesLeft + 2 * state.movesMade, tileCount);
    }
    EXPECT_EQ(state.tilesLeft, 0);
    EXPECT_EQ(app.game.moveList.moveCount, 0);
    EXPECT_EQ(app.game.moveList.pairs[0].first, noTile);
    EXPECT_EQ(app.game.moveList.pairs[0].second, noTile);
    EXPECT_EQ(state.showMoves, 1);
    const Sounds played = sounds();
    EXPECT_EQ(std::count(played.begin(), played.end(), "Sound2"), pairCount);
    EXPECT_EQ(std::count(played.begin(), played.end(), "Sound3"), 0);
}

TEST_F(Play, PausedGamesPlayAsUsual) {
    buildSmallBoard();
    state.tilesHidden = 1;
    clickPair(tile['F'], tile['G']);
    EXPECT_EQ(state.movesMade, 1);
}

TEST_F(Play, UndoWithNothingToUndoTellsSo) {
    buildSmallBoard();
    const BoardGrid before = app.game.boardGrid;
    clickTile(app, tile['A']);
    undoMove(app);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Nothing to undo");
    EXPECT_EQ(host.messages[0].caption, productCaption);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::information);
    EXPECT_EQ(app.game.boardGrid, before);
    EXPECT_EQ(state.selectedTile, noTile);
    EXPECT_EQ(state.tilesLeft, tileCount);
}

TEST_F(Play, UndoGivesBothTilesTheFaceOfTheFirst) {
    buildSmallBoard();
    clickPair(tile['F'], tile['G']);  // 28 then 30
    clickPair(tile['A'], tile['C']);
    state.hintIndex = 1;
    undoCommand(app);
    EXPECT_EQ(app.game.tiles[tile['A']].face, 5);
    EXPECT_EQ(app.game.tiles[tile['B']].freeFlag, 0) << "the command recomputes the free flags";
    undoCommand(app);
    EXPECT_EQ(app.game.tiles[tile['F']].face, 28);
    EXPECT_EQ(app.game.tiles[tile['G']].face, 28);
    EXPECT_TRUE(tilesMatch(app.game, tile['F'], tile['G']));
    EXPECT_EQ(tileAtCorner(app.game, {0, 12, 20}), tile['G']);
    EXPECT_EQ(state.movesMade, 0);
    EXPECT_EQ(state.tilesLeft, tileCount);
    EXPECT_EQ(state.hintIndex, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Play, UndoAfterAWinLeavesTheClockStopped) {
    buildSmallBoard();
    clickPair(tile['A'], tile['C']);
    state.winHandled = 1;
    state.showMoves = 1;
    state.elapsedSeconds = 321;
    undoCommand(app);
    EXPECT_EQ(state.winHandled, 1);
    EXPECT_EQ(state.showMoves, 1);
    EXPECT_EQ(state.elapsedSeconds, 321);
    EXPECT_EQ(state.movesMade, 0);
}

TEST_F(Play, RestartPutsEveryPairBackAndStartsTheClockAgain) {
    dealOn(twoLayerLayout());
    const BoardGrid dealtGrid = app.game.boardGrid;
    for (int k = 0; k < 20; k += 2) clickPair(state.removalOrder[k], state.removalOrder[k + 1]);
    state.elapsedSeconds = 500;
    state.winHandled = 1;
    restartGame(app);
    EXPECT_EQ(state.movesMade, 0);
    EXPECT_EQ(state.tilesLeft, tileCount);
    EXPECT_EQ(state.elapsedSeconds, 0);
    EXPECT_EQ(state.winHandled, 0);
    EXPECT_EQ(app.game.boardGrid, dealtGrid);
    EXPECT_GT(freeTileCount(), 0);
    EXPECT_TRUE(host.messages.empty());
    for (int t = 0; t < tileCount; ++t) EXPECT_NE(app.game.tiles[t].face, 0);
}

TEST_F(Play, NewGameDealsAgainOnTheWholeHeap) {
    dealOn(twoLayerLayout());
    for (int k = 0; k < 10; k += 2) clickPair(state.removalOrder[k], state.removalOrder[k + 1]);
    newGame(app);
    EXPECT_EQ(state.movesMade, 0);
    EXPECT_EQ(state.tilesLeft, tileCount);
    EXPECT_EQ(host.titles.size(), 2u);
    for (int k = 0; k < tileCount; k += 2) {
        computeFreeTiles(app.game);
        ASSERT_TRUE(tilesMatch(app.game, state.removalOrder[k], state.removalOrder[k + 1]));
        removePair(app, state.removalOrder[k], state.removalOrder[k + 1]);
    }
    EXPECT_EQ(state.tilesLeft, 0);
}

TEST_F(Play, HintsWalkThroughTheListAndCostAMinuteEach) {
    buildSmallBoard();
    showNextHint(app);
    EXPECT_EQ(state.showMoves, 1);
    EXPECT_EQ(app.game.moveList.moveCount, 7) << "A with C, and six pairs of the group";
    EXPECT_EQ(state.hintIndex, 0) << "an empty list is built and its first pair shown";
    for (int expected = 1; expected <= 7; ++expected) {
        showNextHint(app);
        EXPECT_EQ(state.hintIndex, expected);
    }
    // 7 is at the count: the views show the first pair; the next hint rebuilds.
    showNextHint(app);
    EXPECT_EQ(state.hintIndex, 0);
    EXPECT_EQ(app.game.moveList.moveCount, 7);
    EXPECT_EQ(state.elapsedSeconds, 9 * 60);

    state.showMoves = 0;
    clickPair(tile['D'], tile['F']);
    showNextHint(app);
    EXPECT_EQ(state.hintIndex, 1) << "after a removal the first hint shows the second pair";
    clickPair(tile['E'], tile['G']);
    ASSERT_EQ(app.game.moveList.moveCount, 1);
    showNextHint(app);
    EXPECT_EQ(state.hintIndex, 1) << "at the count of a one-pair list: the views show its only pair";
}

TEST_F(Play, AHintWithNoPairLeftStillCosts) {
    buildSmallBoard();
    clickPair(tile['A'], tile['C']);
    for (char pairOf : {'D', 'E'}) clickPair(tile[pairOf], tile[pairOf == 'D' ? 'F' : 'G']);
    ASSERT_EQ(app.game.moveList.moveCount, 0);
    EXPECT_EQ(state.showMoves, 1) << "no pair left ends the game";
    state.showMoves = 0;
    state.elapsedSeconds = 10;
    showNextHint(app);
    EXPECT_EQ(state.elapsedSeconds, 70);
    EXPECT_EQ(state.showMoves, 1);
    EXPECT_EQ(state.hintIndex, 0);
    EXPECT_EQ(app.game.moveList.pairs[0].first, noTile);
}

TEST_F(Play, RandomPlayKeepsTheCountersInStep) {
    dealOn(staggeredLayout());
    std::mt19937 random(12345);
    int mostRemoved = 0;
    for (int action = 0; action < 3000; ++action) {
        const unsigned roll = random() % 100;
        const int target = static_cast<int>(random() % (tileCount + 6));
        if (roll < 45) {
            clickTile(app, target);
        } else if (roll < 90) {
            const int first = firstFreeFrom(target % tileCount);
            clickTile(app, first);
            clickTile(app, partnerOf(first));
        } else if (roll < 95) {
            undoCommand(app);
        } else {
            showNextHint(app);
        }
        ASSERT_EQ(state.tilesLeft + 2 * state.movesMade, tileCount);
        ASSERT_GE(state.movesMade, 0);
        ASSERT_LE(state.movesMade, pairCount);
        int onBoard = 0;
        for (const TileRecord& t : app.game.tiles) onBoard += t.face != 0;
        ASSERT_EQ(onBoard, state.tilesLeft);
        mostRemoved = std::max<int>(mostRemoved, state.movesMade);
    }
    EXPECT_GT(mostRemoved, 20) << "the play went deep enough to matter";
}

TEST_F(Play, ClickBesideTheTilesIn2D) {
    buildSmallBoard();
    clickTile(app, tile['A']);
    click2D(app, -100, -100);
    EXPECT_EQ(state.selectedTile, noTile);
    EXPECT_EQ(sounds(), (Sounds{"Sound1", "Sound3"}));
}

TEST(RemovalFade, FramesShareOutAHundred) {
    EXPECT_TRUE(removalFadeFrames(0).empty());
    EXPECT_TRUE(removalFadeFrames(-1).empty());
    const std::vector<FadeFrame> three = removalFadeFrames(3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].weight1, 25);
    EXPECT_EQ(three[0].weight2, 75);
    EXPECT_EQ(three[2].weight1, 75);
    EXPECT_EQ(three[2].weight2, 25);
    for (int n : {1, 6, 99}) {
        const std::vector<FadeFrame> frames = removalFadeFrames(n);
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(n));
        for (const FadeFrame& f : frames) EXPECT_EQ(f.weight1 + f.weight2, (n + 1) * (100 / (n + 1)));
    }
    const std::vector<FadeFrame> many = removalFadeFrames(150);
    EXPECT_EQ(many.back().weight1, 0) << "more frames than percent: the steps round down to nothing";
}
