#include "shell/StartUp.h"

#include <commctrl.h>

#include "dialogs/LanguageDialog.h"
#include "files/Caption.h"
#include "files/SettingsFile.h"
#include "game/AutoPlay.h"
#include "game/CurrentLayout.h"
#include "game/DealGame.h"
#include "game/Input.h"
#include "game/Pictures.h"
#include "game/SettingsStore.h"
#include "game/View3DGame.h"
#include "resources/resource.h"
#include "shell/BoardWindow.h"
#include "shell/Dpi.h"
#include "shell/StatusBar.h"
#include "shell/GuiObjects.h"
#include "shell/Menus.h"
#include "shell/Shell.h"
#include "shell/Sound.h"
#include "shell/Toolbar.h"
#include "shell/View3DWindow.h"
#include "dialogs/WideText.h"
#include "shell/WindowProc.h"

const wchar_t* const windowClassName = L"" TAVREK_CAPTION;

namespace {

// The toolbar and the status bar are common controls of version 6 (the
// manifest asks for them); their classes must be registered before use.
void registerControlClasses() {
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&classes);
}

void registerWindowClass(HINSTANCE instance) {
    registerControlClasses();
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVREK));
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass);
}

HCURSOR loadOwnCursor(int resource, int size) {
    return counted(GuiKind::cursor, static_cast<HCURSOR>(LoadImageW(
                                         shell().instance, MAKEINTRESOURCEW(resource), IMAGE_CURSOR, size, size, 0)));
}

void releaseCursors(const Cursors& cursors) {
    if (cursors.normal != nullptr) destroyCursor(cursors.normal);
    if (cursors.busy != nullptr) destroyCursor(cursors.busy);
}

// A cursor is never released while it is shown.
void releaseOwnCursors() {
    Shell& s = shell();
    const HCURSOR shown = GetCursor();
    if (shown != nullptr && (shown == s.ownCursors.normal || shown == s.ownCursors.busy))
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    releaseCursors(s.ownCursors);
    s.ownCursors = {};
}

void deleteMenuPictures() {
    for (HBITMAP& picture : shell().menuPictures) {
        if (picture != nullptr) deleteObject(GuiKind::bitmap, picture);
        picture = nullptr;
    }
}

#if TAVREK_3D
void enterGLContext(GLContextResult result) {
    Shell& s = shell();
    const BoardArea area = boardArea();
    if (result == GLContextResult::ready) open3DView(s.app, area.width, area.height);
    else without3DView(s.app);
}

// The context is made whichever view is shown, since the face textures live
// in it. Without a usable pixel format the program cannot start; without a
// context the 2D view plays on, and the menus are made again for it.
bool openGLView(HWND window) {
    Shell& s = shell();
    s.view3DWindow = createView3DWindow(s.instance, window);
    placeView3DWindow();
    const int screenFormat = s.glFormatChoice.valid() ? s.glFormatChoice.get() : 0;
    const GLContextResult result = createGLContext(s.view3DWindow, s.gl, everyGLSurfacePath, screenFormat);
    if (const char* text = pixelFormatFailureText(result)) {
        showMessageBox(window, text, "Error", MB_ICONHAND);
        s.startExitCode = 1;
        closeDown();
        return false;
    }
    enterGLContext(result);
    if (result == GLContextResult::ready) refreshCheckMarks();
    else buildMenus();
    // The deal made before the window is shown draws no frame nobody sees.
    s.app.view3d.framesHeld = true;
    return true;
}

void closeGLView() {
    Shell& s = shell();
    close3DView(s.app);
    destroyGLContext(s.view3DWindow, s.gl);
}
#endif

void releaseAndQuit() {
    Shell& s = shell();
#if TAVREK_3D
    closeGLView();
#endif
    destroyMenus();
    deleteMenuPictures();
    releaseOwnCursors();
    releaseStatusFont();
    releaseBoardBitmaps();
    KillTimer(s.mainWindow, clockTimerId);
    PostQuitMessage(0);
}

}  // namespace

#if TAVREK_3D
void useGLContext(GLContextResult result) {
    enterGLContext(result);
    // The menus tell which view is shown and whether the other one can be.
    buildMenus();
}
#endif

int programMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showState) {
    if (!startProgram(instance, showState)) return shell().startExitCode;
    const int exitCode = runMessageLoop();
    // The shell outlives a demonstration stopped by the shutdown: its worker
    // finishes the move under way and the restart, then leaves the model alone.
    while (autoPlayerBusy(shell().app)) Sleep(10);
    return exitCode;
}

bool startProgram(HINSTANCE instance, int showState) {
    makeShell();
    Shell& s = shell();
#if TAVREK_3D
    s.glFormatChoice = startChoosingGLFormat();
#endif
    startSoundDeviceCount();
    registerWindowClass(instance);
    s.instance = instance;
    initDataDirectories(s.app.dirs, currentDirectory());
    s.app.ansiToUtf8 = utf8FromAnsi;
    clearShellHandles();
    FileList& languages = fileListOf(s.fileLists, FileListKind::languages);
    scanFileList(languages, s.app.dirs.language, fileListRange(FileListKind::languages).pattern);
    if (!fileExistsIn(s.app.dirs.startDirectory, settingsFileName)) {
        s.app.settings.Language = "ENGLISH.TXT";
        chooseLanguage(instance, languages, s.app.settings.Language);
    }
    if (!loadSettings(s.app)) {
        PostQuitMessage(0);
        return false;
    }
    const Settings& settings = s.app.settings;
    s.mainWindow = CreateWindowExW(0, windowClassName, wideFromUtf8(productCaption).c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                   settings.WindowXPos, settings.WindowYPos, settings.WindowXSize,
                                   settings.WindowYSize, nullptr, nullptr, instance, nullptr);
    if (s.mainWindow == nullptr) return false;
    ShowWindow(s.mainWindow, showState);
    // Being shown gives the window the focus, whose frame the paint below
    // would draw again at once: the paint draws the first.
#if TAVREK_3D
    s.app.view3d.framesHeld = false;
#endif
    UpdateWindow(s.mainWindow);
    return true;
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool createMainWindow(HWND window) {
    Shell& s = shell();
    s.mainWindow = window;
    if (!soundDevicePresent()) withoutSoundDevice(s.app);
    buildMenus();
    loadCursors();
    createToolbar(window);
    createStatusBar(window);
    SetTimer(window, clockTimerId, clockPeriodMilliseconds, nullptr);
    makeWindowBoardBitmap();
    loadBackground(s.app);
    loadLayout(s.app);
    // Read while the graphics driver may still be loading: the context then
    // only has to cut the face textures from it.
    loadTileSet(s.app);
#if TAVREK_3D
    if (!openGLView(window)) return false;
#endif
    dealNewGame(s.app);
    startMusic();
    return true;
}

void shutDown() {
    Shell& s = shell();
    if (s.closed) return;
    s.closed = true;
    // The worker draws with the bitmaps released below, so it is gone first.
    stopAutoPlayAndWait(s.app);
#if TAVREK_3D
    closeGLView();
#endif
    RECT rect;
    GetWindowRect(s.mainWindow, &rect);
    saveSettings(s.app, WindowRectangle{rect.left, rect.top, rect.right, rect.bottom});
    releaseAndQuit();
}

// The settings stay unwritten: they name what made the game end (a layout
// without 144 tiles), and stored they would end every later start too.
void closeDown() {
    Shell& s = shell();
    if (s.closed) return;
    s.closed = true;
    releaseAndQuit();
}

void clearShellHandles() {
    Shell& s = shell();
    s.mainWindow = s.toolbar = s.statusBar = nullptr;
    s.normalCursor = s.busyCursor = nullptr;
    s.menuBar = nullptr;
    s.menuPictures.fill(nullptr);
    for (FileList& list : s.fileLists) list.clear();
    s.musicDeviceId = 0;
}

// The program's own cursors are loaded at the size drawn for the window's
// scaling and released when replaced; the system's are shared.
void loadCursors() {
    Shell& s = shell();
    const Cursors previous = s.ownCursors;
    s.ownCursors = {};
    if (s.app.settings.NewCursors == 1) {
        const int size = cursorSizeForDpi(windowDpi(s.mainWindow));
        s.ownCursors = {loadOwnCursor(IDC_SELECT, size), loadOwnCursor(IDC_BUSY, size)};
        s.normalCursor = s.ownCursors.normal;
        s.busyCursor = s.ownCursors.busy;
    } else {
        s.normalCursor = LoadCursorW(nullptr, IDC_ARROW);
        s.busyCursor = LoadCursorW(nullptr, IDC_APPSTARTING);
    }
    SetCursor(s.normalCursor);
    ShowCursor(TRUE);
    releaseCursors(previous);
}
