#include "game/RecordWin.h"

#include "files/ClockText.h"
#include "files/TextEncoding.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/Scores.h"
#include "game/Status.h"

namespace {

void fillCandidate(App& app) {
    HallOfFameEntry& candidate = app.hallOfFame.entries[candidateEntry];
    candidate.timeSeconds = app.game.state.elapsedSeconds;
    candidate.timeText = clockText(candidate.timeSeconds);
    candidate.playerName = firstCharacters(askWinnerName(app), playerNameLength);
}

void enterHallOfFame(App& app) {
    sortHallOfFame(app.hallOfFame, 0, candidateEntry);
    showHallOfFame(app);
    if (app.game.state.gameWasLoaded == 1)
        tellPlayer(app, app.language.MesWinLoad, MessageIcon::information);
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
        tellPlayer(app, app.language.MesWinNoHall, MessageIcon::information);
}

void announceGameOver(App& app) {
    app.game.state.showMoves = 1;
    recordWin(app);
    updateStatus(app);
}
