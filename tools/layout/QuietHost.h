// A host for dealing outside the game: no window, no sound, no messages.
// Its calendar clock is set by the caller, so each deal can be seeded as if
// it were made a second after the one before.
#pragma once

#include <chrono>

#include "host/Host.h"

struct QuietHost : Host {
    std::time_t now = std::time(nullptr);

    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
    std::string askWinnerName() override { return {}; }
    void showHallOfFame(const HallOfFame&) override {}
    bool chooseFile(const FileChoice&, std::string&) override { return false; }
    void playSound(const std::filesystem::path&) override {}
    void setTitle(const std::string&) override {}
    void postStatus(const std::string&) override {}
    void presentFrame(const uint32_t*, int, int) override {}
    void requestRepaint() override {}
    void closeDown() override {}
    std::time_t calendarTime() override { return now; }
    int64_t microseconds() override {
        using namespace std::chrono;
        return duration_cast<std::chrono::microseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void sleepMilliseconds(int) override {}
    ScreenMetrics screenMetrics() override { return {}; }
};
