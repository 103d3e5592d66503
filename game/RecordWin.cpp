#include "game/RecordWin.h"

#include "engine/Caption.h"
#include "files/ClockText.h"
#include "game/App.h"
#include "game/Scores.h"

namespace {

void fillCandidate(App& app) {
    HallOfFameEntry& candidate = app.hallOfFame.entries[candidateEntry];
    candidate.timeSeconds = app.game.state.elapsedSeconds;
    candidate.timeText = clockText(candidate.timeSeconds);
    candidate.playerName = app.host.askWinnerName().substr(0, playerNameLength);
}

void enterHallOfFame(App& app) {
    sortHallOfFame(app.hallOfFame, 0, candidateEntry);
    app.host.showHallOfFame(app.hallOfFame);
    if (app.game.state.gameWasLoaded == 1)
        app.host.showMessage(app.language.MesWinLoad, productCaption, MessageIcon::information);
    else
        saveHallOfFame(app);
}

}  // namespace

void recordWin(App& app) {
    GameState& state = app.game.state;
    if (state.tilesLeft != 0 || state.winHandled == 1) return;
    // A board emptied while a demonstration runs is handled without a name
    // or a table, so a click that stops the player later does not count it.
    state.winHandled = 1;
    if (state.autoPlayRunning == 1) return;
    fillCandidate(app);
    if (app.hallOfFame.entries[candidateEntry].timeSeconds < app.hallOfFame.entries[keptEntries - 1].timeSeconds)
        enterHallOfFame(app);
    else
        app.host.showMessage(app.language.MesWinNoHall, productCaption, MessageIcon::information);
}
