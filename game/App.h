// The application record: the single instances of the whole run. The shell
// creates one; tests make as many as they like.
#pragma once

#include "engine/BoardModel.h"
#include "files/DataDirectories.h"
#include "files/HallOfFame.h"
#include "files/LanguageTable.h"
#include "files/Settings.h"
#include "files/TextEncoding.h"
#include "game/GameLock.h"
#include "host/Host.h"
#include "view2d/BoardView.h"
#if TAVREK_3D
#include "view3d/View3D.h"
#endif

struct App {
    explicit App(Host& h) : host(h) {
        clearGameModel(game);
        fillDefaultHallOfFame(hallOfFame);
    }

    Host& host;
    DataDirectories dirs;
    Settings settings;
    LanguageTable language;
    GameModel game;
    HallOfFame hallOfFame;  // the current layout's
    // Decodes what older files hold in the player's code page: language
    // files without the byte-order mark, and the names in old scores.
    AnsiToUtf8 ansiToUtf8 = utf8FromWindows1252;
    // The file last chosen in a saved-game dialog, for the whole run.
    std::string savedGameName;
    BoardView view;
#if TAVREK_3D
    View3D view3d;
#endif
    // Guards the game model between the window thread and the automatic player.
    GameLock gameLock;
    // An automatic player's thread exists (guarded by gameLock); it outlives
    // autoPlayRunning, which a click clears while the last move still runs.
    bool autoPlayerBusy = false;
};

// The parts of the record the 2D view draws from.
inline Scene2D scene2D(App& app) { return {app.view, app.game, app.settings, app.host}; }
