#include "game/Modal.h"

#include "files/Caption.h"
#include "game/App.h"

void tellPlayer(App& app, const std::string& text, MessageIcon icon) {
    const LockGap gap(app.gameLock);
    app.host.showMessage(text, productCaption, icon);
}

std::string askWinnerName(App& app) {
    const LockGap gap(app.gameLock);
    return app.host.askWinnerName();
}

void showHallOfFame(App& app) {
    const HallOfFame shown = app.hallOfFame;
    const LockGap gap(app.gameLock);
    app.host.showHallOfFame(shown);
}

bool askFileName(App& app, const FileChoice& choice, std::string& name) {
    const LockGap gap(app.gameLock);
    return app.host.chooseFile(choice, name);
}
