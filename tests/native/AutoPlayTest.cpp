#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "TestFiles.h"
#include "files/Caption.h"
#include "engine/Deal.h"
#include "files/SavedGame.h"
#include "game/App.h"
#include "game/AutoPlay.h"
#include "game/DealGame.h"
#include "game/Play.h"
#include "game/SavedGames.h"

namespace {

using V = std::vector<int>;

// Records the tiles on the board at every removal sound and lets a test act
// at the n-th one. Sounds come from both threads without the game lock, hence
// a lock of their own. With `realTime` the worker and sounds take real time.
struct WatchingHost : RecordingHost {
    V tilesAtRemovalSound;
    const GameState* state = nullptr;
    std::function<void(int)> atRemoval;
    bool realTime = false;
    int soundMilliseconds = 0;
    std::mutex soundsLock;

    void playSound(const std::filesystem::path& path) override {
        {
            const std::lock_guard<std::mutex> hold(soundsLock);
            RecordingHost::playSound(path);
            if (path.filename() != "REMOVE.WAV") return;
            tilesAtRemovalSound.push_back(state->tilesLeft);
            if (atRemoval) atRemoval(int(tilesAtRemovalSound.size()));
        }
        if (realTime) sleepMilliseconds(soundMilliseconds);
    }
    int64_t microseconds() override {
        using namespace std::chrono;
        if (!realTime) return RecordingHost::microseconds();
        return duration_cast<std::chrono::microseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void sleepMilliseconds(int milliseconds) override {
        if (realTime) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        else RecordingHost::sleepMilliseconds(milliseconds);
    }
};

struct AutoPlay : ::testing::Test {
    WatchingHost host;
    App app{host};
    GameState& state = app.game.state;
    GameModel dealt;

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
        dealt = app.game;
        host.sounds.clear();
    }
    // The deal back at its start, the clock too; undo gives both tiles of a
    // removed pair the first one's face.
    void expectDealAtItsStart(int movesMade = pairCount) {
        GameModel expected = dealt;
        for (int k = 0; k < 2 * movesMade; k += 2)
            expected.tiles[state.removalOrder[k + 1]].face = expected.tiles[state.removalOrder[k]].face;
        EXPECT_EQ(app.game.boardGrid, dealt.boardGrid);
        EXPECT_EQ((V{state.tilesLeft, state.movesMade, state.elapsedSeconds, state.autoPlayRunning, state.selectedTile,
                     state.secondTile}),
                  (V{tileCount, 0, 0, 0, noTile, noTile}));
        for (int t = 0; t < tileCount; ++t) ASSERT_EQ(app.game.tiles[t].face, expected.tiles[t].face) << "tile " << t;
    }
    void expectRefused(const char* why) {
        const int movesBefore = state.movesMade;
        autoPlayWorker(app);
        ASSERT_EQ(host.messages.size(), 1u) << why;
        EXPECT_EQ(describe(host.messages[0]), app.language.MesAutoplayError + "|" + productCaption + "|0");
        EXPECT_EQ((V{state.movesMade, state.autoPlayRunning}), (V{movesBefore, 0})) << why;
        EXPECT_TRUE(host.tilesAtRemovalSound.empty()) << why;
        host.messages.clear();
    }
};

// The tiles left at each removal sound; the last pair's sound of a whole
// demonstration plays over the cleared board, before the deal is put back.
V countdown(int moves) {
    V left;
    for (int m = 1; m <= moves; ++m) left.push_back(tileCount - 2 * m);
    return left;
}

}  // namespace

TEST_F(AutoPlay, AFreshDealIsClearedInSeventyTwoFadedMovesAndThenRestored) {
    int framesBefore = 0;
    V framesPerMove;
    host.atRemoval = [&](int) {
        framesPerMove.push_back(host.framesPresented - framesBefore);
        framesBefore = host.framesPresented;
    };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound, countdown(pairCount)) << "one pair per move";
    for (int frames : framesPerMove) EXPECT_GT(frames, 1) << "the pair shown, then fading";
    expectDealAtItsStart();
}

#if TAVREK_3D
// One repaint before each removal, and one for the restored board.
TEST_F(AutoPlay, InThe3DViewTheWindowThreadDrawsThePairDuringThePause) {
    app.settings.view3D = 1;
    V repaintsAtRemoval, expected;
    host.atRemoval = [&](int removals) {
        repaintsAtRemoval.push_back(host.repaintRequests);
        expected.push_back(removals);
    };
    autoPlayWorker(app);
    EXPECT_EQ(repaintsAtRemoval, expected);
    EXPECT_EQ(host.repaintRequests, pairCount + 1);
    EXPECT_EQ(host.sleeps, V(pairCount, 40));
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
    host.tilesAtRemovalSound.clear();
    buildBoard(app.game, overlappingLayout(), 0);
    ASSERT_TRUE(dealNewGame(app).fellBack);
    expectRefused("a deal that fell back to random faces");
}

// A click stops it after the move under way; without a pause nothing sleeps.
// A command between two moves changes the board: the removal order no longer fits.
TEST_F(AutoPlay, AClickOrAChangedBoardEndsTheDemonstration) {
    app.settings.AutoPlaySleep = -5;
    host.atRemoval = [&](int removals) {
        if (removals == 5) stopAutoPlay(app);
    };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound, countdown(5));
    EXPECT_TRUE(host.sleeps.empty());
    expectDealAtItsStart(5);
    dealt = app.game;
    host.tilesAtRemovalSound.clear();
    host.atRemoval = [&](int removals) {
        if (removals == 3) undoMove(app);
    };
    autoPlayWorker(app);
    EXPECT_EQ(host.tilesAtRemovalSound.size(), 3u);
    expectDealAtItsStart(3);
}

// What the window thread meets while a demonstration runs: each message gets
// the lock within a frame though a move lasts 600 ms, and a second AUTOPLAY is
// ignored. A load ends it and waits for its worker first, which would otherwise
// go on with the old deal's removal order and restart the loaded game.
TEST_F(AutoPlay, TheWindowIsAnsweredWithinAFrameAndALoadWaitsForTheWorker) {
    host.realTime = true;
    host.soundMilliseconds = 300;
    app.settings.AutoPlaySleep = 300;
    ScratchDirectory start;
    initDataDirectories(app.dirs, start.path);
    clickTile(app, state.removalOrder[0]);
    clickTile(app, state.removalOrder[1]);
    start.write("SAVEGAME/ONE.TVM", encodeSavedGame(savedGameOf(app.game, app.hallOfFame)));
    undoMove(app);
    startAutoPlay(app);
    using Clock = std::chrono::steady_clock;
    Clock::duration longestWait{};
    for (int message = 0; message < 60; ++message) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const Clock::time_point sent = Clock::now();
        const GameHold hold = holdForWindow(app.gameLock);
        longestWait = std::max(longestWait, Clock::now() - sent);
        ASSERT_TRUE(app.autoPlayerBusy) << "the worker ended before the load";
        if (message == 30) startAutoPlay(app);
    }
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(longestWait).count(), 100);
    host.fileAnswers = {"ONE.TVM"};
    loadGame(app);
    EXPECT_FALSE(autoPlayerBusy(app));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // for a second worker to show itself
    const GameHold hold = holdForWindow(app.gameLock);
    EXPECT_TRUE(host.messages.empty()) << "no second worker was started";
    EXPECT_EQ((V{state.gameWasLoaded, state.tilesLeft, state.movesMade}), (V{1, tileCount - 2, 1}));
}
