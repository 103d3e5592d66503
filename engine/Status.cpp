#include "engine/Status.h"

#include "engine/App.h"
#include "files/RecordWin.h"

namespace {

constexpr const char* twentyBlanks = "                    ";

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string clockText(int32_t elapsedSeconds) {
    const int hours = elapsedSeconds / 3600;
    const int minutes = (elapsedSeconds - 3600 * hours) / 60;
    return formatClock(hours, minutes, elapsedSeconds - 3600 * hours - 60 * minutes);
}

std::string formatClock(int hours, int minutes, int seconds) {
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

std::string composeStatus(const App& app) {
    const GameState& state = app.game.state;
    const LanguageTable& language = app.language;
    std::string text = std::to_string(state.tilesLeft) + " " + language.Tiles;
    if (app.settings.ShowChrono == 1) {
        text += twentyBlanks + language.Chrono + " : " +
                (state.tilesHidden ? language.MesChronoPaused : clockText(state.elapsedSeconds));
    }
    if (state.showMoves) {
        const int moveCount = app.game.moveList.moveCount;
        if (state.hintIndex < moveCount)
            text += twentyBlanks + language.Sol + " " + std::to_string(state.hintIndex + 1) +
                    " / " + std::to_string(moveCount);
        else
            text += twentyBlanks + (state.tilesLeft == 0 ? language.MesStatusWin
                                                         : language.MesStatusLose);
    }
    return text;
}

void updateStatus(App& app) {
    const std::string text = composeStatus(app);
    recordWin(app);
    app.host.postStatus(text);
}

void clockTick(App& app) {
    GameState& state = app.game.state;
    if (!state.tilesHidden && !state.winHandled) ++state.elapsedSeconds;
    if (app.settings.ShowChrono == 1) updateStatus(app);
}
