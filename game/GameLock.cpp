#include "game/GameLock.h"

#include <chrono>
#include <thread>

GameHold holdForWindow(GameLock& lock) {
    ++lock.windowWaiting;
    GameHold hold(lock.mutex);
    --lock.windowWaiting;
    return hold;
}

GameHold holdForWorker(GameLock& lock) {
    while (lock.windowWaiting.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return GameHold(lock.mutex);
}
