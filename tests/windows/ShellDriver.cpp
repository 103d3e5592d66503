#include "ShellDriver.h"
#include "WinDialogs.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/Commands.h"
#include "files/SettingsFile.h"
#include "files/Utf8Path.h"
#include "shell/Shell.h"
#include "shell/StartUp.h"
#include "dialogs/WideText.h"
#include "shell/WinHost.h"

namespace fs = std::filesystem;

std::vector<ShownMessage> ShellDriver::messages;
int ShellDriver::answer = IDOK;

namespace {

int recordMessage(HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
    ShellDriver::messages.push_back({utf8FromWide(text), utf8FromWide(caption), type});
    return ShellDriver::answer;
}

}  // namespace

ShellDriver::ShellDriver(const std::string& startFolder)
    : startDirectory(startFolder.empty() ? fs::path(start_.path) : fs::path(start_.path) / pathFromUtf8(startFolder)),
      previousDirectory(fs::current_path()) {
    fs::create_directories(startDirectory);
    messages.clear();
    answer = IDOK;
    messageBoxHook = recordMessage;
}

ShellDriver::~ShellDriver() {
    stopAnsweringWinDialogs();
    stop();
    messageBoxHook = nullptr;
    std::error_code error;
    fs::current_path(previousDirectory, error);
}

void ShellDriver::install(const std::string& settings) const {
    fs::copy(fs::path(shippedDataDirectory()), startDirectory, fs::copy_options::recursive);
    if (!settings.empty()) std::ofstream(startDirectory / settingsFileName, std::ios::binary) << settings;
}

bool ShellDriver::start() {
    fs::current_path(startDirectory);
    // Test programs run side by side on one display: a window that is never
    // activated gets the focus messages a test sends and no others.
    const bool started = startProgram(GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE);
    window = started ? shell().mainWindow : nullptr;
    if (started)
        SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
    pump();
    return started;
}

bool ShellDriver::startForPlay() {
    if (!start()) return false;
    KillTimer(window, 900);
#if TAVREK_3D
    key(VK_SPACE);
#endif
    return true;
}

bool ShellDriver::pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return quit;
}

void ShellDriver::stop() {
    if (window == nullptr) return;
    if (!quit) command(command::exitGame);
    pump();
    DestroyWindow(window);
    pump();
    window = nullptr;
}

void ShellDriver::command(unsigned id) {
    SendMessageA(window, WM_COMMAND, id, 0);
    pump();
}

void ShellDriver::key(unsigned virtualKey) {
    SendMessageA(window, WM_KEYDOWN, virtualKey, 1);
    pump();
}

void ShellDriver::click(int x, int y) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pump();
}

void ShellDriver::openMenu() {
    SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(window), 0)), 0);
}

void ShellDriver::clickTile(int tile) {
    const App& app = shell().app;
    const TileRecord& record = app.game.tiles[static_cast<size_t>(tile)];
    click(record.screenX + app.view.tileSet.tileWidth / 2,
          app.view.boardTop + record.screenY + app.view.tileSet.tileHeight / 2);
}

void ShellDriver::removePair(int k) {
    const GameState& state = shell().app.game.state;
    clickTile(state.removalOrder[static_cast<size_t>(2 * k)]);
    clickTile(state.removalOrder[static_cast<size_t>(2 * k + 1)]);
}

std::string ShellDriver::title() const {
    wchar_t buffer[256] = {};
    InternalGetWindowText(window, buffer, 256);  // the caption as shown
    return utf8FromWide(buffer);
}

std::string ShellDriver::statusText() {
    pump();
    HWND bar = shell().statusBar;
    std::wstring text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0)) + 1u, L'\0');
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    return utf8FromWide(text.c_str());
}

std::string ShellDriver::toolTip(unsigned id) {
    NMTTDISPINFOW request = {};
    request.hdr.idFrom = id;
    request.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText != nullptr ? utf8FromWide(request.lpszText) : "";
}

std::string ShellDriver::settingsFile() const { return readText(startDirectory / settingsFileName); }

std::vector<std::string> menuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int k = 0; k < GetMenuItemCount(menu); ++k) {
        wchar_t buffer[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(k), buffer, 256, MF_BYPOSITION);
        texts.push_back(buffer[0] != L'\0' ? utf8FromWide(buffer) : "-");  // only separators have no text
    }
    return texts;
}

bool isChecked(HMENU menu, unsigned id) {
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::vector<std::string> checkedItems(HMENU menu) {
    const std::vector<std::string> texts = menuTexts(menu);
    std::vector<std::string> checked;
    for (size_t k = 0; k < texts.size(); ++k)
        if (GetMenuState(menu, static_cast<UINT>(k), MF_BYPOSITION) & MF_CHECKED) checked.push_back(texts[k]);
    return checked;
}

HMENU subMenuTitled(HMENU menu, const std::string& title) {
    const std::vector<std::string> texts = menuTexts(menu);
    for (size_t k = 0; k < texts.size(); ++k)
        if (texts[k] == title) return GetSubMenu(menu, static_cast<int>(k));
    return nullptr;
}

// The list of files follows the layout menu's first four items.
unsigned layoutCommand(HMENU bar, const std::string& label) {
    const std::vector<std::string> layouts = menuTexts(subMenuTitled(bar, "&Layout"));
    const auto found = std::find(layouts.begin(), layouts.end(), label);
    EXPECT_NE(found, layouts.end()) << label;
    return 22000u + static_cast<unsigned>(found - layouts.begin() - 4);
}
