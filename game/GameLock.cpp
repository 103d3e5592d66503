#include "game/GameLock.h"

#include <chrono>

namespace {

void take(GameLock& lock, int depth) {
    lock.mutex.lock();
    lock.owner.store(std::this_thread::get_id());
    lock.depth = depth;
}

void takeForWindow(GameLock& lock, int depth) {
    ++lock.windowWaiting;
    take(lock, depth);
    --lock.windowWaiting;
}

// Every hold but the last only counts down.
void give(GameLock& lock) {
    if (--lock.depth > 0) return;
    lock.owner.store(std::thread::id());
    lock.mutex.unlock();
}

}  // namespace

bool heldByThisThread(const GameLock& lock) { return lock.owner.load() == std::this_thread::get_id(); }

GameHold::GameHold(GameLock& lock) : lock_(&lock) {
    if (heldByThisThread(lock)) ++lock.depth;
    else take(lock, 1);
}

GameHold::GameHold(GameHold&& other) noexcept : lock_(other.lock_) { other.lock_ = nullptr; }

GameHold& GameHold::operator=(GameHold&& other) noexcept {
    if (this == &other) return *this;
    unlock();
    lock_ = other.lock_;
    other.lock_ = nullptr;
    return *this;
}

GameHold::~GameHold() { unlock(); }

void GameHold::unlock() {
    if (lock_ == nullptr) return;
    give(*lock_);
    lock_ = nullptr;
}

LockGap::LockGap(GameLock& lock) : lock_(lock) {
    if (!heldByThisThread(lock)) return;
    depth_ = lock.depth;
    lock.depth = 1;
    give(lock);
}

// The window thread comes back ahead of the worker, as it does for any hold.
LockGap::~LockGap() {
    if (depth_ > 0) takeForWindow(lock_, depth_);
}

GameHold holdForWindow(GameLock& lock) {
    if (heldByThisThread(lock)) return GameHold(lock);
    ++lock.windowWaiting;
    GameHold hold(lock);
    --lock.windowWaiting;
    return hold;
}

GameHold holdForWorker(GameLock& lock) {
    while (lock.windowWaiting.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return GameHold(lock);
}
