// The one lock that keeps the automatic player's thread and the window thread
// from changing the game model at the same time.
#pragma once

#include <atomic>
#include <mutex>

// Recursive, because the window procedure is re-entered on its own thread
// (messages sent to itself, message boxes and dialogs dispatching paints).
using GameHold = std::unique_lock<std::recursive_mutex>;

struct GameLock {
    std::recursive_mutex mutex;
    // Window-thread callers waiting for the lock; the worker steps aside for
    // them before each of its steps, since a mutex alone would let it take
    // the lock again and again while a click waits.
    std::atomic<int> windowWaiting{0};
};

// Taken by the window thread around each message it handles.
GameHold holdForWindow(GameLock& lock);
// Taken by the worker for one step.
GameHold holdForWorker(GameLock& lock);
