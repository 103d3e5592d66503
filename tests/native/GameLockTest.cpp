#include <gtest/gtest.h>

#include <future>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "engine/Deal.h"
#include "TestFiles.h"
#include "game/App.h"
#include "game/GameLock.h"
#include "game/Play.h"
#include "game/RecordWin.h"
#include "game/SavedGames.h"

namespace {

// Whether another thread could take the lock now.
bool freeForAnotherThread(GameLock& lock) {
    return std::async(std::launch::async, [&lock] {
               std::unique_lock<std::mutex> attempt(lock.mutex, std::try_to_lock);
               return attempt.owns_lock();
           }).get();
}

// Notes, at every box and dialog the game opens, whether the worker could
// take the game lock meanwhile.
struct ProbingHost : RecordingHost {
    GameLock* lock = nullptr;
    std::vector<bool> freeWhileOpen;
    void probe() { freeWhileOpen.push_back(freeForAnotherThread(*lock)); }
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
        probe();
        RecordingHost::showMessage(text, caption, icon);
    }
    std::string askWinnerName() override {
        probe();
        return RecordingHost::askWinnerName();
    }
    void showHallOfFame(const HallOfFame& hallOfFame) override {
        probe();
        RecordingHost::showHallOfFame(hallOfFame);
    }
    bool chooseFile(const FileChoice& choice, std::string& name) override {
        probe();
        return RecordingHost::chooseFile(choice, name);
    }
};

}  // namespace

TEST(GameLock, HoldsNestOnOneThreadAndAGapGivesThemAllUpUntilItCloses) {
    GameLock lock;
    GameHold outer = holdForWindow(lock);
    {
        const GameHold inner = holdForWindow(lock);
        EXPECT_EQ(lock.depth, 2);
        {
            const LockGap gap(lock);
            EXPECT_FALSE(heldByThisThread(lock));
            EXPECT_TRUE(freeForAnotherThread(lock));
        }
        EXPECT_EQ(lock.depth, 2);
        EXPECT_FALSE(freeForAnotherThread(lock));
    }
    EXPECT_EQ(lock.depth, 1);
    outer.unlock();
    EXPECT_TRUE(freeForAnotherThread(lock));
    const LockGap unheld(lock);  // a thread without the lock has nothing to give up
    EXPECT_TRUE(freeForAnotherThread(lock));
}

TEST(GameLock, AMovedHoldIsGivenBackOnce) {
    GameLock lock;
    GameHold first = holdForWorker(lock);
    GameHold second = std::move(first);
    first.unlock();
    EXPECT_FALSE(freeForAnotherThread(lock));
    second = GameHold();
    EXPECT_TRUE(freeForAnotherThread(lock));
}

// Under the window's hold, every box and dialog of an undo, a win and a
// saved game leaves the lock to the worker while it is open.
TEST(GameLock, BoxesAndDialogsOfAnUndoAWinAndASaveAreOpenWithoutIt) {
    ScratchDirectory start;
    ProbingHost host;
    App app{host};
    host.lock = &app.gameLock;
    initDataDirectories(app.dirs, start.path);
    app.settings.Layout = "CLASSIC.TVL";
    const GameHold hold = holdForWindow(app.gameLock);
    buildBoard(app.game, twoLayerLayout());
    resetGameState(app.game);
    undoCommand(app);
    GameState& state = app.game.state;
    state.tilesLeft = 0, state.elapsedSeconds = 10, state.gameWasLoaded = 1;
    recordWin(app);
    host.fileAnswers = {"X.TVM"};
    saveGame(app);  // there is no SAVEGAME directory
    EXPECT_EQ(host.nameRequests, 1);
    EXPECT_EQ(host.hallsShown.size(), 1u);
    EXPECT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.messages.size(), 3u) << "undo, loaded win, write error";
    EXPECT_EQ(host.freeWhileOpen, std::vector<bool>(6, true));
    EXPECT_TRUE(heldByThisThread(app.gameLock));
}
