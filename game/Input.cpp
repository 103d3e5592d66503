#include "game/Input.h"

#include "game/App.h"
#include "game/Play.h"
#include "game/Redraw.h"

void clickBoard2D(App& app, int x, int y) {
    app.game.state.autoPlayRunning = 0;
    app.game.state.showMoves = 0;
    click2D(app, x, y);
    redrawBoard(app);
}

void setBoardFocus(App& app, bool focused) {
    app.game.state.tilesHidden = focused ? 0 : 1;
    if (!focused) app.game.state.showMoves = 0;
    redrawBoard(app);
}

void togglePause(App& app) {
    app.game.state.tilesHidden = app.game.state.tilesHidden == 1 ? 0 : 1;
    redrawBoard(app);
}

void beforeCommand(App& app) { app.game.state.showMoves = 0; }

void withoutSoundDevice(App& app) {
    app.settings.SoundEffects = 0;
    app.settings.Music.clear();
}
