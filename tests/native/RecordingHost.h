// A host that records what the game asks of the outside world, so tests can
// check the messages, sounds, titles and status texts a player would get.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/Host.h"
#include "files/HallOfFame.h"

struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

// A message as "text|caption|icon number", to compare in one check.
inline std::string describe(const RecordedMessage& m) {
    return m.text + "|" + m.caption + "|" + std::to_string(int(m.icon));
}

struct RecordingHost : Host {
    std::vector<RecordedMessage> messages;
    std::string winnerName;  // what the player types into the name dialog
    int nameRequests = 0;
    std::vector<HallOfFame> hallsShown;
    std::vector<FileChoice> fileDialogs;
    std::vector<std::string> fileAnswers;  // the next dialogs' names, in turn; none cancels
    std::vector<std::filesystem::path> sounds;  // paths of the sounds played, in order
    std::vector<std::string> titles;
    std::vector<std::string> statusTexts;
    int framesPresented = 0;
    std::vector<uint32_t> lastFrame;  // the pixels of the last frame shown
    int lastFrameWidth = 0;
    int lastFrameHeight = 0;
    int repaintRequests = 0;
    int closeDownCalls = 0;
    std::time_t now = 1700000000;  // calendar seconds handed out as seeds
    int64_t clockMicroseconds = 0;
    int64_t microsecondsPerReading = 0;  // how far the clock moves at each reading
    std::function<int64_t()> frameCost;  // how far it moves while a frame is shown
    std::vector<int> sleeps;
    // A 1280 x 1024 screen as Wine reports it.
    ScreenMetrics screen{1288, 1062, 4, 4, 20};

    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    std::string askWinnerName() override {
        ++nameRequests;
        return winnerName;
    }
    void showHallOfFame(const HallOfFame& hallOfFame) override { hallsShown.push_back(hallOfFame); }
    bool chooseFile(const FileChoice& choice, std::string& name) override {
        fileDialogs.push_back(choice);
        if (fileAnswers.empty()) return false;
        name = fileAnswers.front();
        fileAnswers.erase(fileAnswers.begin());
        return true;
    }
    void playSound(const std::filesystem::path& path) override { sounds.push_back(path); }
    void setTitle(const std::string& title) override { titles.push_back(title); }
    void postStatus(const std::string& text) override { statusTexts.push_back(text); }
    void presentFrame(const uint32_t* pixels, int width, int height) override {
        ++framesPresented;
        if (frameCost) clockMicroseconds += frameCost();
        lastFrame.assign(pixels, pixels + size_t(width) * height);
        lastFrameWidth = width;
        lastFrameHeight = height;
    }
    void requestRepaint() override { ++repaintRequests; }
    void closeDown() override { ++closeDownCalls; }
    std::time_t calendarTime() override { return now; }
    int64_t microseconds() override { return clockMicroseconds += microsecondsPerReading; }
    // Sleeping moves the clock on, as it would for a real one.
    void sleepMilliseconds(int milliseconds) override {
        sleeps.push_back(milliseconds);
        clockMicroseconds += int64_t(milliseconds) * 1000;
    }
    ScreenMetrics screenMetrics() override { return screen; }
};
