#include "game/Status.h"

#include "files/ClockText.h"
#include "game/App.h"

namespace {

constexpr const char* twentyBlanks = "                    ";

}  // namespace

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

void updateStatus(App& app) { app.host.postStatus(composeStatus(app)); }

void clockTick(App& app) {
    GameState& state = app.game.state;
    if (!state.tilesHidden && !state.winHandled) ++state.elapsedSeconds;
    if (app.settings.ShowChrono == 1) updateStatus(app);
}
