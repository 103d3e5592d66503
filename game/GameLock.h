// The one lock that keeps the automatic player's thread and the window thread
// from changing the game model at the same time.
#pragma once

#include <atomic>
#include <mutex>
#include <thread>

struct GameLock {
    std::mutex mutex;
    // The thread that holds the lock, and how many holds it has: the window
    // procedure is re-entered on its own thread (messages sent to itself), so
    // a thread may take the lock again while it holds it.
    std::atomic<std::thread::id> owner{};
    int depth = 0;
    // Window-thread callers waiting for the lock; the worker steps aside for
    // them before each of its steps, since a mutex alone would let it take
    // the lock again and again while a click waits.
    std::atomic<int> windowWaiting{0};
};

// One hold of the lock by the calling thread, given back at the end of its
// scope or by unlock().
class GameHold {
public:
    GameHold() = default;
    explicit GameHold(GameLock& lock);
    GameHold(GameHold&& other) noexcept;
    GameHold& operator=(GameHold&& other) noexcept;
    GameHold(const GameHold&) = delete;
    GameHold& operator=(const GameHold&) = delete;
    ~GameHold();
    void unlock();

private:
    GameLock* lock_ = nullptr;
};

// While a message box or a dialog is open, its own message loop runs: the
// calling thread gives up every hold it has, so a demonstration goes on
// beside it, and takes them back when the box has closed. The model may have
// changed meanwhile.
class LockGap {
public:
    explicit LockGap(GameLock& lock);
    LockGap(const LockGap&) = delete;
    LockGap& operator=(const LockGap&) = delete;
    ~LockGap();

private:
    GameLock& lock_;
    int depth_ = 0;
};

bool heldByThisThread(const GameLock& lock);

// Taken by the window thread around the game operations of a message.
GameHold holdForWindow(GameLock& lock);
// Taken by the worker for one step.
GameHold holdForWorker(GameLock& lock);
