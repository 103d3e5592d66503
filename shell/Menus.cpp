#include "shell/Menus.h"

#include <windows.h>

#include "game/View3DGame.h"
#include "shell/Dpi.h"
#include "shell/GuiObjects.h"
#include "shell/Shell.h"
#include "shell/Sound.h"
#include "dialogs/WideText.h"

namespace {

constexpr COLORREF stripBackground = RGB(192, 192, 192);

// What the menu pictures are cut from and made into: the strip drawn nearest
// to the check-mark size of the window's scaling, brought to that size.
struct PictureSizes {
    DrawnSize strip;
    int width;
    int height;
};

PictureSizes menuPictureSizes(HWND window) {
    const int dpi = windowDpi(window);
    const int width = metricForDpi(SM_CXMENUCHECK, dpi);
    const int height = metricForDpi(SM_CYMENUCHECK, dpi);
    return PictureSizes{toolbarStripFor(height), width, height};
}

void appendItems(HMENU menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& entry : items) {
        switch (entry.kind) {
            case MenuItemKind::separator: AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
            case MenuItemKind::popup: {
                HMENU sub = counted(GuiKind::menu, CreatePopupMenu());
                appendItems(sub, entry.items);
                AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), wideFromUtf8(entry.text).c_str());
                break;
            }
            case MenuItemKind::command: {
                const UINT flags = MF_STRING | (entry.checked ? MF_CHECKED : 0);
                AppendMenuW(menu, flags, entry.command, wideFromUtf8(entry.text).c_str());
                break;
            }
        }
    }
}

void check(CommandId id, bool on) {
    CheckMenuItem(shell().menuBar, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void givePictures() {
    Shell& s = shell();
    for (int k = 0; k < menuPictureCount; ++k) {
        const MenuPicture& picture = menuPictures()[k];
        HBITMAP bitmap = s.menuPictures[static_cast<size_t>(picture.picture)];
        SetMenuItemBitmaps(s.menuBar, picture.command, MF_BYCOMMAND, bitmap, bitmap);
    }
}

HBITMAP cutPicture(HDC windowSurface, HDC stripSurface, HDC pictureSurface, int index,
                   COLORREF menuColour, const PictureSizes& sizes) {
    const int pictureSize = sizes.strip.pixels;
    HBITMAP picture = counted(GuiKind::bitmap, CreateCompatibleBitmap(windowSurface, pictureSize, pictureSize));
    HGDIOBJ old = SelectObject(pictureSurface, picture);
    for (int y = 0; y < pictureSize; ++y)
        for (int x = 0; x < pictureSize; ++x) {
            const COLORREF colour = GetPixel(stripSurface, pictureSize * index + x, y);
            SetPixel(pictureSurface, x, y, colour == stripBackground ? menuColour : colour);
        }
    SelectObject(pictureSurface, old);
    return replacedBy(GuiKind::bitmap, picture,
                      static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, sizes.width, sizes.height, LR_COPYDELETEORG)));
}

}  // namespace

void buildMenus() {
    destroyMenus();
    Shell& s = shell();
    scanFileLists(s.fileLists, s.app.dirs);
    const bool withSounds = soundDevicePresent();
    s.menuBar = counted(GuiKind::menu, CreateMenu());
    appendItems(s.menuBar, buildMenuBar(s.app.settings, s.app.language, s.fileLists, withSounds));
    SetMenu(s.mainWindow, s.menuBar);
    if (s.app.settings.CoolMenu == 1) {
        makeMenuPictures();
        givePictures();
    }
    refreshCheckMarks();
    DrawMenuBar(s.mainWindow);
}

void destroyMenus() {
    Shell& s = shell();
    if (s.menuBar != nullptr) {
        SetMenu(s.mainWindow, nullptr);
        destroyMenuTree(s.menuBar);
    }
    s.menuBar = nullptr;
    for (FileList& list : s.fileLists) list.clear();
}

void makeMenuPictures() {
    Shell& s = shell();
    const COLORREF menuColour = GetSysColor(COLOR_MENU);
    const PictureSizes sizes = menuPictureSizes(s.mainWindow);
    HBITMAP strip = counted(GuiKind::bitmap, LoadBitmapW(s.instance, MAKEINTRESOURCEW(sizes.strip.resource)));
    HDC windowSurface = counted(GuiKind::deviceContext, GetDC(s.mainWindow));
    HDC stripSurface = counted(GuiKind::deviceContext, CreateCompatibleDC(windowSurface));
    HDC pictureSurface = counted(GuiKind::deviceContext, CreateCompatibleDC(windowSurface));
    HGDIOBJ oldStrip = SelectObject(stripSurface, strip);
    for (int k = 0; k < menuPictureSlots; ++k) {
        HBITMAP picture = cutPicture(windowSurface, stripSurface, pictureSurface, k, menuColour, sizes);
        HBITMAP& slot = s.menuPictures[static_cast<size_t>(k)];
        if (slot != nullptr) deleteObject(GuiKind::bitmap, slot);
        slot = picture;
    }
    SelectObject(stripSurface, oldStrip);
    deleteDC(pictureSurface);
    deleteDC(stripSurface);
    releaseDC(s.mainWindow, windowSurface);
    deleteObject(GuiKind::bitmap, strip);
}

void refreshCheckMarks() {
    Shell& s = shell();
    if (s.menuBar == nullptr) return;
    const Settings& settings = s.app.settings;
    check(command::showChrono, settings.ShowChrono == 1);
    check(command::easyMode, settings.EasyMode == 1);
    check(command::useSounds, settings.SoundEffects == 1);
    check(command::shadows, settings.Shadows == 1);
    check(command::changeCursor, settings.NewCursors == 1);
#if TAVREK_3D
    check(command::useTextures, settings.view3D == 1 && settings.Textures == 1);
    // Without an OpenGL context the view switch would do nothing: it shows so.
    EnableMenuItem(s.menuBar, command::switchView, MF_BYCOMMAND | (can3D(s.app) ? MF_ENABLED : MF_GRAYED));
#endif
}

bool selectListedFile(CommandId chosen, std::string& setting, int first, const FileList& list) {
    if (first == fileListRange(FileListKind::layouts).firstListed) check(command::randomLayout, false);
    bool found = false;
    for (size_t k = 0; k < list.size(); ++k) {
        const CommandId id = static_cast<CommandId>(first + static_cast<int>(k));
        check(id, false);
        if (!found && id == chosen) {
            setting = list[k].name;
            check(id, true);
            found = true;
        }
    }
    return found;
}

void markCurrentLayout() {
    Shell& s = shell();
    const std::string& layout = s.app.settings.Layout;
    check(command::randomLayout, false);
    const FileList& layouts = fileListOf(s.fileLists, FileListKind::layouts);
    const int first = fileListRange(FileListKind::layouts).firstListed;
    bool found = false;
    for (size_t k = 0; k < layouts.size(); ++k) {
        const bool current = !found && layouts[k].name == layout;
        check(static_cast<CommandId>(first + static_cast<int>(k)), current);
        found = found || current;
    }
    if (layout == randomLayoutName) check(command::randomLayout, true);
}
