#include "shell/CommandHandler.h"

#include <shellapi.h>

#include "dialogs/AboutDialog.h"
#include "dialogs/ColourDialog.h"
#include "dialogs/ConfigDialog.h"
#include "files/Caption.h"
#include "game/AutoPlay.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Input.h"
#include "game/Language.h"
#include "game/Modal.h"
#include "game/Pictures.h"
#include "game/Play.h"
#include "game/Redraw.h"
#include "game/SaveLayout.h"
#include "game/SavedGames.h"
#include "game/Status.h"
#include "shell/FileChooser.h"
#include "shell/Menus.h"
#include "game/View3DGame.h"
#include "shell/Shell.h"
#include "shell/Sound.h"
#include "shell/StartUp.h"

namespace {

void invert(uint8_t& flag) { flag = flag == 1 ? 0 : 1; }

void askEasyMode() {
    Shell& s = shell();
    const int answer =
        showMessageBox(s.mainWindow, s.app.language.MesEasyMode, productCaption, MB_OKCANCEL | MB_ICONINFORMATION);
    if (answer != IDOK) return;
    withGame([](App& app) { invert(app.settings.EasyMode); });
    SendMessageW(s.mainWindow, WM_COMMAND, command::newGame, 0);
}

// A new layout replaces the whole board, so a demonstration ends first and
// its worker is gone before the layout is read, as for a loaded game.
void replaceLayout(const std::string& name) {
    App& app = shell().app;
    stopAutoPlayAndWait(app);
    withGame([&name](App& app) {
        app.settings.Layout = name;
        markCurrentLayout();
        loadLayout(app);
        dealNewGame(app);
    });
}

void loadLayoutFile() {
    Shell& s = shell();
    std::string& layout = s.app.settings.Layout;
    const FileChoice choice{FileDialogMode::open, s.app.dirs.layouts, "*.TVL", s.app.language.FilterLayout};
    std::string chosen = layout;
    if (!chooseFile(s.mainWindow, choice, chosen)) return;
    replaceLayout(upperCase(chosen));
}

void saveLayoutFile() {
    bool saved = false;
    withGame([&saved](App& app) { saved = saveLayoutAs(app); });
    if (!saved) return;
    buildMenus();
    markCurrentLayout();
}

void chooseRandomLayout() { replaceLayout(randomLayoutName); }

void openHelpPage() {
    Shell& s = shell();
    const std::string& page = s.app.language.helpFileName;
    if (page.empty()) return;
    ShellExecuteW(s.mainWindow, L"open", filePath(s.app.dirs.language, page).c_str(), nullptr,
                  s.app.dirs.language.c_str(), SW_SHOWNORMAL);
}

void redraw() { withGame(redrawBoard); }

// An options dialog has edited the settings in place: the board shows them.
void showOptions(void (*showDialog)(HINSTANCE, HWND, App&)) {
    Shell& s = shell();
    showDialog(s.instance, s.mainWindow, s.app);
    redraw();
}

// The 3D view's render state takes the colours before the board is redrawn.
void changeColours() {
    Shell& s = shell();
    showColourDialog(s.instance, s.mainWindow, s.app);
    withGame([](App& app) {
#if TAVREK_3D
        if (app.settings.view3D == 1) recolour3DView(app);
#endif
        redrawBoard(app);
    });
}

void showAbout() {
    Shell& s = shell();
    showAboutDialog(s.instance, s.mainWindow, s.app.language);
    redraw();
}

void showHallOfFameCommand() {
    withGame([](App& app) { showHallOfFame(app); });
    redraw();
}

void runFixedCommand(CommandId id) {
    switch (id) {
        case command::newGame: withGame(newGame); break;
        case command::restartGame: withGame(restartGame); break;
        case command::easyMode: askEasyMode(); break;
        case command::autoPlay: startAutoPlay(shell().app); break;
        case command::pauseChrono: withGame(togglePause); break;
        case command::hint: withGame(showNextHint); break;
        case command::undo: withGame(undoCommand); break;
        case command::saveGame: withGame(saveGame); break;
        case command::loadGame: loadGame(shell().app); break;
        case command::exitGame: shutDown(); break;
        case command::shadows: withGame([](App& app) { invert(app.settings.Shadows); redrawBoard(app); }); break;
        case command::showChrono: withGame([](App& app) { invert(app.settings.ShowChrono); updateStatus(app); }); break;
        case command::changeColors: changeColours(); break;
        case command::config: showOptions(showConfigDialog); break;
        case command::hallOfFame: showHallOfFameCommand(); break;
        case command::loadLayout: loadLayoutFile(); break;
        case command::saveLayout: saveLayoutFile(); break;
        case command::randomLayout: chooseRandomLayout(); break;
        case command::helpFile: openHelpPage(); break;
        case command::helpAbout: showAbout(); break;
        case command::useSounds: withGame([](App& app) { invert(app.settings.SoundEffects); }); break;
        case command::changeCursor: invert(shell().app.settings.NewCursors); loadCursors(); break;
#if TAVREK_3D
        case command::useTextures: withGame([](App& app) { invert(app.settings.Textures); redrawBoard(app); }); break;
        case command::switchView: {
            bool switched = false;
            withGame([&switched](App& app) { switched = switchView(app); });
            if (!switched) break;
            buildMenus();
            redraw();
            break;
        }
#endif
        default: break;
    }
}

std::string& settingOf(Settings& settings, FileListKind kind) {
    switch (kind) {
        case FileListKind::languages: return settings.Language;
        case FileListKind::layouts: return settings.Layout;
        case FileListKind::tileSets: return settings.TileSet;
        case FileListKind::sound1: return settings.Sound1;
        case FileListKind::sound2: return settings.Sound2;
        case FileListKind::sound3: return settings.Sound3;
        case FileListKind::music: return settings.Music;
        case FileListKind::backgrounds: return settings.Background;
    }
    return settings.Language;
}

// Sounds, music and backgrounds: the NONE item empties the setting.
bool selectWithNone(CommandId id, const FileListRange& range) {
    Shell& s = shell();
    std::string& setting = settingOf(s.app.settings, range.kind);
    CheckMenuItem(s.menuBar, range.base, MF_BYCOMMAND | MF_UNCHECKED);
    if (id == range.base) {
        setting.clear();
        CheckMenuItem(s.menuBar, range.base, MF_BYCOMMAND | MF_CHECKED);
    }
    return selectListedFile(id, setting, range.firstListed, fileListOf(s.fileLists, range.kind));
}

void runListedFile(App& app, CommandId id, const FileListRange& range) {
    Shell& s = shell();
    if (range.hasNone) {
        const bool found = selectWithNone(id, range);
        if (range.kind == FileListKind::music) startMusic();
        if (range.kind == FileListKind::backgrounds) {
            if (found) loadBackground(app);
            redrawBoard(app);
        }
        return;
    }
    const bool found = selectListedFile(id, settingOf(app.settings, range.kind), range.firstListed,
                                        fileListOf(s.fileLists, range.kind));
    if (!found) return;
    switch (range.kind) {
        case FileListKind::languages: loadLanguage(app); buildMenus(); break;
        case FileListKind::layouts: loadLayout(app); dealNewGame(app); break;
        case FileListKind::tileSets: loadTileSet(app); redrawBoard(app); break;
        default: break;
    }
}

// A listed layout replaces the whole board as a chosen one does.
void runFileListCommand(CommandId id) {
    const FileListRange* range = rangeOfCommand(id);
    if (range == nullptr) return;
    if (range->kind == FileListKind::layouts) stopAutoPlayAndWait(shell().app);
    withGame([id, range](App& app) { runListedFile(app, id, *range); });
}

}  // namespace

void runCommand(WPARAM parameter) {
    withGame(beforeCommand);
    if (isFixedCommand(static_cast<uint32_t>(parameter)))
        runFixedCommand(static_cast<CommandId>(parameter));
    else
        runFileListCommand(LOWORD(parameter));
}
