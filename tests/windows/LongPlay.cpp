#include "LongPlay.h"

#include <commdlg.h>
#include <dlgs.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>

#include "WinDialogs.h"
#include "dialogs/ColourChooser.h"
#include "game/Commands.h"
#include "engine/Moves.h"
#include "game/AutoPlay.h"
#include "resources/resource.h"
#include "shell/Shell.h"

const std::vector<std::string> longPlayGameNames = {"LONGPLAY1.TVM", "LONGPLAY2.TVM"};
const std::vector<std::string> longPlayLayoutNames = {"LONGPLAY1.TVL", "LONGPLAY2.TVL"};

namespace {

// Message boxes come from the automatic player's thread too.
std::mutex messageMutex;
std::atomic<int> messageAnswer{IDOK};

int answerMessage(HWND, const wchar_t*, const wchar_t*, UINT) {
    const std::lock_guard<std::mutex> hold(messageMutex);
    return messageAnswer.load();
}

std::mt19937* colourRandom = nullptr;

bool pickColour(HWND, Colour& colour) {
    colour = (*colourRandom)() & 0xFFFFFF;
    return true;
}

const std::string* typedName = nullptr;

void pressCommand(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// File dialogs get the name of the step, the winner dialog a name; every
// other dialog (the options, the hall of fame, a question) its default button.
void answerAnyDialog(HWND dialog) {
    if (GetDlgItem(dialog, cmb13) != nullptr || GetDlgItem(dialog, edt1) != nullptr) {
        typeFileName(dialog, *typedName);
        return;
    }
    if (GetDlgItem(dialog, IDC_WINNER_NAME) != nullptr) {
        SetDlgItemTextW(dialog, IDC_WINNER_NAME, L"Long Play");
        pressCommand(dialog, IDC_WINNER_OK);
        return;
    }
    for (int row : {IDC_COLORS_BACK, IDC_COLORS_SIDE})
        if (GetDlgItem(dialog, row) != nullptr) pressCommand(dialog, row);
    const LRESULT preferred = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    pressCommand(dialog, HIWORD(preferred) == DC_HASDEFID ? LOWORD(preferred) : IDOK);
}

// Up to this many dialogs in one step, each answered as above.
constexpr size_t answers = 8;

void answerEveryDialog() { answerDialogs(std::vector<DialogAnswer>(answers, DialogAnswer{"", answerAnyDialog})); }

void CALLBACK endMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

template <typename Number>
Number between(std::mt19937& random, Number low, Number high) {
    return std::uniform_int_distribution<Number>(low, high)(random);
}

using Step = std::function<std::string(LongPlayer&)>;

struct WeightedStep {
    const char* name;
    int weight;
    Step act;
};

GameModel& game() { return shell().app.game; }

void waitFor(ShellDriver& driver, int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (static_cast<int>(end - GetTickCount()) > 0) {
        driver.pump();
        Sleep(5);
    }
    driver.pump();
}

POINT anywhere(LongPlayer& p) {
    RECT client;
    GetClientRect(p.driver.window, &client);
    return {between(p.random, -5L, client.right + 5L), between(p.random, -5L, client.bottom + 5L)};
}

std::string clickAnywhere(LongPlayer& p) {
    const POINT at = anywhere(p);
    p.driver.click(at.x, at.y);
    return "click at " + std::to_string(at.x) + "," + std::to_string(at.y);
}

std::string clickFreeTile(LongPlayer& p) {
    std::vector<int> free;
    for (int t = 0; t < tileCount; ++t)
        if (game().tiles[static_cast<size_t>(t)].freeFlag == 1) free.push_back(t);
    if (free.empty()) return clickAnywhere(p);
    const int tile = free[between(p.random, size_t{0}, free.size() - 1)];
    p.driver.clickTile(tile);
    return "click on tile " + std::to_string(tile);
}

std::string removeAPair(LongPlayer& p) {
    const GameModel& g = game();
    std::vector<TilePair> pairs;
    for (int a = 0; a < tileCount; ++a)
        for (int b = a + 1; b < tileCount; ++b)
            if (g.tiles[a].freeFlag == 1 && g.tiles[b].freeFlag == 1 && facesMatch(g.tiles[a].face, g.tiles[b].face))
                pairs.push_back({static_cast<uint8_t>(a), static_cast<uint8_t>(b)});
    if (pairs.empty()) return clickFreeTile(p);
    const TilePair pair = pairs[between(p.random, size_t{0}, pairs.size() - 1)];
    p.driver.clickTile(pair.first);
    p.driver.clickTile(pair.second);
    return "pair " + std::to_string(pair.first) + " and " + std::to_string(pair.second);
}

std::string sendButton(LongPlayer& p, UINT message, const char* name) {
    const POINT at = anywhere(p);
    SendMessageA(p.driver.window, message, 0, MAKELPARAM(at.x, at.y));
    p.driver.pump();
    return name;
}

// Every fixed command but the end of the program and the help page, which
// opens a viewer outside the program.
const std::vector<CommandId> playedCommands = {
    command::newGame,     command::restartGame, command::easyMode,     command::autoPlay,   command::pauseChrono,
    command::hint,        command::undo,        command::saveGame,     command::loadGame,   command::shadows,
    command::showChrono,  command::changeColors, command::config,      command::hallOfFame, command::loadLayout,
    command::saveLayout,  command::randomLayout, command::helpAbout,   command::useSounds,  command::changeCursor,
#if TAVREK_3D
    command::useTextures, command::switchView,
#endif
};

template <typename Item>
const Item& oneOf(LongPlayer& p, const std::vector<Item>& items) {
    return items[between(p.random, size_t{0}, items.size() - 1)];
}

// The names the file dialogs get, sometimes none. An open dialog gets only a
// file that is there: for another it would ask again, as it should.
void chooseTypedName(LongPlayer& p, CommandId id) {
    p.fileName = "";
    if (between(p.random, 0, 5) == 0) return;
    const bool games = id == command::saveGame || id == command::loadGame;
    const std::string name = oneOf(p, games ? longPlayGameNames : longPlayLayoutNames);
    const DataDirectories& dirs = shell().app.dirs;
    const bool opening = id == command::loadGame || id == command::loadLayout;
    if (!opening || std::filesystem::exists(filePath(games ? dirs.saveGame : dirs.layouts, name))) p.fileName = name;
}

std::string runCommand(LongPlayer& p, CommandId id) {
    chooseTypedName(p, id);
    p.driver.command(id);
    return "command " + std::to_string(id) + (p.fileName.empty() ? "" : " with " + p.fileName);
}

std::string anyCommand(LongPlayer& p) { return runCommand(p, oneOf(p, playedCommands)); }

std::string functionKey(LongPlayer& p) {
    // F1 opens the help viewer and F12 ends the program: both are commands left out.
    const unsigned key = between(p.random, unsigned{VK_F2}, unsigned{VK_F11});
    chooseTypedName(p, static_cast<CommandId>(commandForFunctionKey(static_cast<int>(key))));
    p.driver.key(key);
    return "key F" + std::to_string(key - VK_F1 + 1);
}

const std::vector<unsigned> cameraKeys = {VK_UP,      VK_DOWN,    VK_LEFT,    VK_RIGHT,   VK_HOME,    VK_END,
                                          VK_INSERT,  VK_DELETE,  VK_PRIOR,   VK_NEXT,    '0',        '1',
                                          '2',        '3',        '4',        '5',        '6',        '7',
                                          '8',        '9',        VK_NUMPAD1, VK_NUMPAD4, VK_NUMPAD6, VK_NUMPAD8,
                                          VK_NUMPAD9, 'A',        VK_ESCAPE,  VK_RETURN};

std::string cameraKey(LongPlayer& p) {
    const unsigned key = oneOf(p, cameraKeys);
    p.driver.key(key);
    return "key " + std::to_string(key);
}

std::string wheel(LongPlayer& p) {
    const int distance = between(p.random, 0, 1) == 0 ? -WHEEL_DELTA : WHEEL_DELTA;
    SendMessageA(p.driver.window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(distance)), 0);
    p.driver.pump();
    return "wheel " + std::to_string(distance);
}

std::string switchView(LongPlayer& p) {
    p.driver.key(VK_SPACE);
    return "space";
}

HMENU anySubMenu(LongPlayer& p) {
    HMENU bar = GetMenu(p.driver.window);
    const int count = GetMenuItemCount(bar);
    return count > 0 ? GetSubMenu(bar, between(p.random, 0, count - 1)) : nullptr;
}

// Held open for a moment, then closed by a timer that runs inside the menu's loop.
std::string openMenu(LongPlayer& p) {
    HMENU menu = anySubMenu(p);
    if (menu == nullptr) return "no menu";
    SetTimer(nullptr, 0, static_cast<UINT>(between(p.random, 10, 300)), endMenu);
    TrackPopupMenuEx(menu, TPM_RETURNCMD, 20, 20, p.driver.window, nullptr);
    p.driver.pump();
    return "menu opened and closed";
}

std::string openMenuBar(LongPlayer& p) {
    SetTimer(nullptr, 0, static_cast<UINT>(between(p.random, 10, 300)), endMenu);
    SendMessageA(p.driver.window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    p.driver.pump();
    return "menu bar entered and left";
}

std::string listedFile(LongPlayer& p) {
    static const std::vector<FileListKind> kinds = {FileListKind::languages, FileListKind::layouts,
                                                    FileListKind::tileSets, FileListKind::backgrounds};
    const FileListKind kind = oneOf(p, kinds);
    const FileList& list = fileListOf(shell().fileLists, kind);
    const FileListRange& range = fileListRange(kind);
    const int chosen = range.hasNone && between(p.random, 0, 6) == 0
                           ? range.base
                           : range.firstListed + between(p.random, 0, static_cast<int>(list.size()));
    p.driver.command(static_cast<CommandId>(chosen));
    return "menu item " + std::to_string(chosen);
}

std::string resize(LongPlayer& p) {
    const bool tiny = between(p.random, 0, 3) == 0;
    const int width = tiny ? between(p.random, 0, 40) : between(p.random, 40, 1300);
    const int height = tiny ? between(p.random, 0, 40) : between(p.random, 40, 1050);
    MoveWindow(p.driver.window, between(p.random, -20, 300), between(p.random, -20, 200), width, height, TRUE);
    p.driver.pump();
    return "size " + std::to_string(width) + " x " + std::to_string(height);
}

std::string minimiseOrRestore(LongPlayer& p) {
    const bool minimise = IsIconic(p.driver.window) == FALSE;
    ShowWindow(p.driver.window, minimise ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    p.driver.pump();
    return minimise ? "minimised" : "restored";
}

std::string focus(LongPlayer& p) {
    const bool lose = between(p.random, 0, 1) == 0;
    SendMessageA(p.driver.window, lose ? WM_KILLFOCUS : WM_SETFOCUS, 0, 0);
    p.driver.pump();
    return lose ? "focus lost" : "focus back";
}

std::string demonstrate(LongPlayer& p) {
    p.driver.command(command::newGame);
    p.driver.command(command::autoPlay);
    return "demonstration";
}

std::string wait(LongPlayer& p) {
    const int milliseconds = between(p.random, 5, 250);
    waitFor(p.driver, milliseconds);
    return "wait " + std::to_string(milliseconds) + " ms";
}

std::string tick(LongPlayer& p) {
    SendMessageA(p.driver.window, WM_TIMER, clockTimerId, 0);
    SendMessageA(p.driver.window, WM_MOUSEMOVE, between(p.random, 0, 1), MAKELPARAM(10, 80));
    p.driver.pump();
    return "clock tick";
}

const std::vector<WeightedStep> steps = {
    {"clickFreeTile", 12, clickFreeTile},
    {"removeAPair", 10, removeAPair},
    {"clickAnywhere", 6, clickAnywhere},
    {"rightButton", 2, [](LongPlayer& p) { return sendButton(p, WM_RBUTTONDOWN, "right button"); }},
    {"middleButton", 1, [](LongPlayer& p) { return sendButton(p, WM_MBUTTONDOWN, "middle button"); }},
    {"anyCommand", 10, anyCommand},
    {"functionKey", 5, functionKey},
    // tavrek-lite has no 3D view: its camera keys, wheel and view switch come
    // more rarely, to show they are ignored.
    {"cameraKey", TAVREK_3D ? 8 : 2, cameraKey},
    {"wheel", TAVREK_3D ? 4 : 1, wheel},
    {"switchView", TAVREK_3D ? 3 : 1, switchView},
    {"openMenu", 3, openMenu},
    {"openMenuBar", 2, openMenuBar},
    {"listedFile", 4, listedFile},
    {"resize", 2, resize},
    {"minimiseOrRestore", 1, minimiseOrRestore},
    {"focus", 2, focus},
    {"demonstrate", 2, demonstrate},
    {"wait", 6, wait},
    {"tick", 2, tick},
};

// TAVREK_LONG_PLAY_ONLY, a list of step names, plays those alone: what
// finds which kind of step a fault or a growth comes from.
bool played(const WeightedStep& s) {
    const char* only = std::getenv("TAVREK_LONG_PLAY_ONLY");
    if (only == nullptr || *only == '\0') return true;
    const std::string list = std::string(",") + only + ",";
    return list.find(std::string(",") + s.name + ",") != std::string::npos;
}

int weightOf(const WeightedStep& s) { return played(s) ? s.weight : 0; }

int totalWeight() {
    int total = 0;
    for (const WeightedStep& s : steps) total += weightOf(s);
    return total;
}

}  // namespace

LongPlayer::LongPlayer(ShellDriver& d, uint32_t seed) : driver(d), random(seed) {
    messageBoxHook = answerMessage;
    colourRandom = &random;
    colourChooserHook = pickColour;
    typedName = &fileName;
    GetWindowRect(driver.window, &startRectangle);
}

LongPlayer::~LongPlayer() {
    stopAnsweringWinDialogs();
    colourChooserHook = nullptr;
    colourRandom = nullptr;
    typedName = nullptr;
}

std::string LongPlayer::step() {
    messageAnswer = between(random, 0, 2) == 0 ? IDCANCEL : IDOK;
    answerEveryDialog();
    int pick = between(random, 0, totalWeight() - 1);
    for (const WeightedStep& s : steps) {
        if (pick < weightOf(s)) {
            std::string done = s.act(*this);
            openedDialog = answersLeft() < answers;
            stopAnsweringWinDialogs();
            return done;
        }
        pick -= weightOf(s);
    }
    return "";
}

void LongPlayer::tour() {
    answerEveryDialog();
    for (const WeightedStep& s : steps) s.act(*this);
    for (CommandId id : playedCommands) {
        const bool saving = id == command::saveGame || id == command::saveLayout;
        fileName = saving ? (id == command::saveGame ? longPlayGameNames : longPlayLayoutNames).front() : "";
        answerEveryDialog();
        driver.command(id);
    }
    stopAnsweringWinDialogs();
}

namespace {

void chooseFile(ShellDriver& driver, FileListKind kind, const std::string& name) {
    const FileList& list = fileListOf(shell().fileLists, kind);
    for (size_t k = 0; k < list.size(); ++k)
        if (list[k].name == name)
            driver.command(static_cast<CommandId>(fileListRange(kind).firstListed + static_cast<int>(k)));
}

}  // namespace

void LongPlayer::settle() {
    App& app = shell().app;
    const Settings& settings = app.settings;
    if (autoPlayerBusy(app)) driver.click(1, 1);
    for (int waited = 0; autoPlayerBusy(app) && waited < 20000; waited += 5) waitFor(driver, 5);
    ShowWindow(driver.window, SW_SHOWNOACTIVATE);
    MoveWindow(driver.window, startRectangle.left, startRectangle.top, startRectangle.right - startRectangle.left,
               startRectangle.bottom - startRectangle.top, TRUE);
    SendMessageA(driver.window, WM_SETFOCUS, 0, 0);
#if TAVREK_3D
    if (settings.view3D == 1) driver.key(VK_SPACE);
#endif
    chooseFile(driver, FileListKind::languages, "ENGLISH.TXT");
    chooseFile(driver, FileListKind::tileSets, "STANDARD.BMP");
    chooseFile(driver, FileListKind::backgrounds, "JADE.BMP");
    if (settings.Layout != "DEFAULT.TVL") chooseFile(driver, FileListKind::layouts, "DEFAULT.TVL");
    // The program's own cursors are objects it holds; the system's are not.
    if (settings.NewCursors != 1) driver.command(command::changeCursor);
    waitFor(driver, 50);
}
