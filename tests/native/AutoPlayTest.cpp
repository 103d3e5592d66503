#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "engine/Caption.h"
#include "engine/Deal.h"
#include "files/SavedGame.h"
#include "game/App.h"
#include "game/AutoPlay.h"
#include "game/DealGame.h"
#include "game/Play.h"
#include "game/SavedGames.h"

namespace {

// Records, at every sound, how many tiles lie on the board, and lets a test
// act at the n-th removal sound as a click would.
struct WatchingHost : RecordingHost {
    std::vector<int> tilesAtRemovalSound;
    const GameState* state = nullptr;
    std::function<void(int)> atRemoval;

    void playSound(const std::string& path) override {
        RecordingHost::playSound(path);
        if (path.find("REMOVE") == std::string::npos) return;
        tilesAtRemovalSound.push_back(state->tilesLeft);
        if (atRemoval) atRemoval(int(tilesAtRemovalSound.size()));
    }
};

// Real time, so that the worker runs at its own pace beside the test's clicks.
// Sounds come from both threads without the game lock, so their record has a
// lock of its own.
struct RealTimeHost : WatchingHost {
    int soundMilliseconds = 0;  // sounds play to their end, as on Windows
    std::mutex soundsLock;
    void playSound(const std::string& path) override {
        {
            const std::lock_guard<std::mutex> hold(soundsLock);
            WatchingHost::playSound(path);
        }
        sleepMilliseconds(soundMilliseconds);
    }
    int64_t microseconds() override {
        using namespace std::chrono;
        return duration_cast<std::chrono::microseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void sleepMilliseconds(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

template <typename H>
struct Demonstration : ::testing::Test {
    H host;
    App app{host};
    GameState& state = app.game.state;
    BoardGrid dealtGrid{};
    std::array<uint8_t, tileCount> dealtFaces{};

    void SetUp() override {
        host.state = &state;
        initDataDirectories(app.dirs, "start");
        app.language.MesAutoplayError = "Only a fresh solvable deal can be shown";
        app.settings.AutoPlaySleep = 40;
#if TAVREK_3D
        app.settings.view3D = 0;
#endif
        buildBoard(app.game, twoLayerLayout(), 0);
        ASSERT_FALSE(dealNewGame(app).fellBack);
        state.elapsedSeconds = 95;
        dealtGrid = app.game.boardGrid;
        for (int t = 0; t < tileCount; ++t) dealtFaces[t] = app.game.tiles[t].face;
        host.sounds.clear();
    }
    // Undo gives both tiles of a removed pair the first one's face.
    void expectDealAtItsStart(int movesMade = pairCount) {
        std::array<uint8_t, tileCount> restoredFaces = dealtFaces;
        for (int k = 0; k < 2 * movesMade; k += 2)
            restoredFaces[state.removalOrder[k + 1]] = restoredFaces[state.removalOrder[k]];
        EXPECT_EQ(app.game.boardGrid, dealtGrid);
        EXPECT_EQ(state.tilesLeft, tileCount);
        EXPECT_EQ(state.movesMade, 0);
        EXPECT_EQ(state.elapsedSeconds, 0) << "the clock starts again";
        EXPECT_EQ(state.autoPlayRunning, 0);
        EXPECT_EQ(state.selectedTile, noTile);
        EXPECT_EQ(state.secondTile, noTile);
        for (int t = 0; t < tileCount; ++t) ASSERT_EQ(app.game.tiles[t].face, restoredFaces[t]) << "tile " << t;
    }
    void expectRefused(const char* why) {
        const BoardGrid before = app.game.boardGrid;
        const int16_t moves = state.movesMade;
        autoPlayWorker(app);
        ASSERT_EQ(host.messages.size(), 1u) << why;
        EXPECT_EQ(host.messages[0].text, app.language.MesAutoplayError);
        EXPECT_EQ(host.messages[0].caption, productCaption);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::information);
        EXPECT_EQ(app.game.boardGrid, before) << why;
        EXPECT_EQ(state.movesMade, moves) << why;
        EXPECT_EQ(state.autoPlayRunning, 0) << why;
        EXPECT_TRUE(host.tilesAtRemovalSound.empty()) << why;
        host.messages.clear();
    }
};

using AutoPlay = Demonstration<WatchingHost>;
using AutoPlayThread = Demonstration<RealTimeHost>;

std::vector<int> countdownFrom(int tiles, int moves) {
    std::vector<int> left;
    for (int m = 1; m <= moves; ++m) left.push_back(tiles - 2 * m);
    return left;
}

// The last pair's sound plays over the board already put back.
std::vector<int> wholeDemonstration() {
    std::vector<int> left = countdownFrom(tileCount, pairCount - 1);
    left.push_back(tileCount);
    return left;
}

}  // namespace

TEST_F(AutoPlay, AFreshDealIsClearedInSeventyTwoFadedMovesAndThenRestored) {
    int framesBefore = 0;
    std::vector<int> framesPerMove;
    host.atRemoval = [&](int) {
        framesPerMove.push_back(host.framesPresented - framesBefore);
        framesBefore = host.framesPresented;
    };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound, wholeDemonstration()) << "one pair per move";
    for (int frames : framesPerMove) EXPECT_GT(frames, 1) << "the pair shown, then fading";
    EXPECT_TRUE(host.messages.empty());
    expectDealAtItsStart();
}

#if TAVREK_3D
TEST_F(AutoPlay, InThe3DViewTheWindowThreadDrawsThePairDuringThePause) {
    app.settings.view3D = 1;
    std::vector<int> repaintsAtRemoval;
    host.atRemoval = [&](int) { repaintsAtRemoval.push_back(host.repaintRequests); };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound, wholeDemonstration());
    ASSERT_EQ(repaintsAtRemoval.size(), size_t(pairCount));
    for (int m = 0; m < pairCount; ++m) EXPECT_EQ(repaintsAtRemoval[m], m + 1) << "one repaint before each removal";
    EXPECT_EQ(host.sleeps, std::vector<int>(pairCount, 40));
    EXPECT_EQ(host.repaintRequests, pairCount + 1) << "and one for the restored board";
    expectDealAtItsStart();
}
#endif

TEST_F(AutoPlay, OnlyAnUntouchedSolvableDealThatWasNotLoadedAndClearsInOrderIsDemonstrated) {
    clickTile(app, state.removalOrder[0]);
    clickTile(app, state.removalOrder[1]);
    host.tilesAtRemovalSound.clear();
    expectRefused("a pair was removed");
    undoMove(app);
    app.settings.EasyMode = 0;
    expectRefused("easy mode off");
    app.settings.EasyMode = 1;
    state.gameWasLoaded = 1;
    expectRefused("a loaded game");
    state.gameWasLoaded = 0;
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound.size(), size_t(pairCount)) << "every pair undone again: it runs";
    EXPECT_TRUE(host.messages.empty());
    host.tilesAtRemovalSound.clear();
    std::vector<Corner> corners;  // floor tiles half a tile apart: never free
    for (int cell = 0; cell < tileCount; ++cell) corners.push_back({cell / 72, 1 + cell % 72 / 9, 1 + cell % 9});
    buildBoard(app.game, corners, 0);
    ASSERT_TRUE(dealNewGame(app).fellBack);
    expectRefused("a deal that fell back to random faces");
}

TEST_F(AutoPlay, AClickStopsItAfterTheMoveUnderWayAndWithoutAPauseNothingSleeps) {
    app.settings.AutoPlaySleep = -5;
    host.atRemoval = [&](int removals) {
        if (removals == 5) state.autoPlayRunning = 0;
    };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound, countdownFrom(tileCount, 5));
    EXPECT_TRUE(host.sleeps.empty());
    expectDealAtItsStart(5);
}

TEST_F(AutoPlay, ABoardChangedBesideTheWorkerEndsTheDemonstration) {
    host.atRemoval = [&](int removals) {
        if (removals == 3) undoMove(app);  // as a command between two moves would
    };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound.size(), 3u) << "no move of a removal order that no longer fits";
    expectDealAtItsStart(3);
}

// What the window thread meets while a demonstration runs: each message
// gets the lock within a frame though a move lasts 600 ms, a second AUTOPLAY
// is ignored, and a click lets only the move under way finish.
TEST_F(AutoPlayThread, TheWindowIsAnsweredWithinAFrameAndAClickStopsTheWorker) {
    app.settings.AutoPlaySleep = 300;
    host.soundMilliseconds = 300;
    startAutoPlay(app);
    using Clock = std::chrono::steady_clock;
    Clock::duration longestWait{};
    int movesAtClick = 0;
    for (int message = 0; message < 60; ++message) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const Clock::time_point sent = Clock::now();
        const GameHold hold = holdForWindow(app.gameLock);
        longestWait = std::max(longestWait, Clock::now() - sent);
        ASSERT_TRUE(app.autoPlayerBusy) << "the worker ended before the click";
        if (message == 30) startAutoPlay(app);
    }
    {
        const GameHold hold = holdForWindow(app.gameLock);
        stopAutoPlay(app);  // what a left click does first
        movesAtClick = state.movesMade;
        clickTile(app, state.removalOrder[2 * movesAtClick]);
    }
    while (autoPlayerBusy(app)) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // for a second worker to show itself
    const GameHold hold = holdForWindow(app.gameLock);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(longestWait).count(), 100);
    const int moves = int(host.tilesAtRemovalSound.size());
    EXPECT_GE(movesAtClick, 2) << "the demonstration went on meanwhile";
    EXPECT_TRUE(moves == movesAtClick || moves == movesAtClick + 1) << moves << " moves, clicked after " << movesAtClick;
    EXPECT_EQ(host.tilesAtRemovalSound, countdownFrom(tileCount, moves));
    EXPECT_TRUE(host.messages.empty()) << "no second worker was started";
    expectDealAtItsStart(moves);
}

// The worker would otherwise go on with the removal order of the old deal on
// the loaded board, and its closing restart would undo the loaded moves.
TEST_F(AutoPlayThread, ALoadEndsTheDemonstrationAndWaitsForItsWorkerFirst) {
    ScratchDirectory start;
    initDataDirectories(app.dirs, start.path);
    clickTile(app, state.removalOrder[0]);
    clickTile(app, state.removalOrder[1]);
    start.write("SAVEGAME/ONE.TVM", encodeSavedGame(savedGameOf(app.game, app.hallOfFame)));
    undoMove(app);
    startAutoPlay(app);
    const auto movesMade = [&] {
        const GameHold hold = holdForWindow(app.gameLock);
        return state.movesMade;
    };
    while (movesMade() < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    host.fileAnswers = {"ONE.TVM"};
    loadGame(app);
    EXPECT_FALSE(autoPlayerBusy(app));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const GameHold hold = holdForWindow(app.gameLock);
    EXPECT_EQ(state.gameWasLoaded, 1);
    EXPECT_EQ(state.tilesLeft, tileCount - 2);
    EXPECT_EQ(state.movesMade, 1);
}
