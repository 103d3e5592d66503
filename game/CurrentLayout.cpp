// Loading the current layout: reading it, checking it can give a game,
// numbering and ordering its tiles, and loading its hall of fame.
#include "game/CurrentLayout.h"

#include "engine/Layout.h"
#include "files/LayoutFormats.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/Scores.h"

// A file that is missing or unreadable leaves the mask empty, which the
// tile count then refuses.
void loadLayout(App& app) {
    app.game.boardGrid.fill(noTile);
    app.game.layoutMask.fill(0);
    if (app.settings.Layout == randomLayoutName) {
        makeRandomLayout(app.game.layoutMask, static_cast<unsigned>(app.host.calendarTime()));
    } else {
        std::vector<uint8_t> bytes;
        if (readWholeFile(filePath(app.dirs.layouts, app.settings.Layout), bytes))
            readLayoutBytes(bytes, app.settings.lay == 1, app.game.layoutMask);
    }
    placeLayoutTiles(app);
}

// A layout that cannot give 144 tiles ends the program. The board is still
// built from it, and EasyMode goes off so that the deal the caller makes
// before the end is a random one, which always finishes.
void placeLayoutTiles(App& app) {
    if (!layoutHas144Tiles(app.game.layoutMask)) {
        app.settings.EasyMode = 0;
        tellPlayer(app, app.language.MesNo144Tiles, MessageIcon::exclamation);
        app.host.closeDown();
    }
    numberAndOrderTiles(app.game);
    loadHallOfFame(app);
}
