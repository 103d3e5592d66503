// Every window-system object the program makes and releases itself passes
// through here, kind by kind. A system can say how many objects a process
// holds, but not every system that runs the game answers (GetGuiResources may
// give 0); a count kept where the objects are made shows a leak on any.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>

enum class GuiKind { bitmap, deviceContext, brush, pen, font, menu, cursor, imageList };
constexpr int guiKindCount = 8;

struct GuiObjectCounts {
    std::array<int, guiKindCount> live{};
    // Releases of a handle not made here or already released: each is a fault.
    int strayReleases = 0;
};

GuiObjectCounts guiObjectCounts();
const char* guiKindName(GuiKind kind);

void noteCreated(GuiKind kind, const void* handle);
void noteReleased(GuiKind kind, const void* handle);

// Notes a handle just made (a null one is no object) and hands it on.
template <typename Handle>
Handle counted(GuiKind kind, Handle handle) {
    noteCreated(kind, handle);
    return handle;
}

// A copy that deletes its original (CopyImage with LR_COPYDELETEORG).
template <typename Handle>
Handle replacedBy(GuiKind kind, const void* original, Handle copy) {
    if (copy != nullptr) noteReleased(kind, original);
    return counted(kind, copy);
}

BOOL deleteObject(GuiKind kind, HGDIOBJ object);
BOOL deleteDC(HDC context);
int releaseDC(HWND window, HDC context);
// A menu with every sub-menu it holds, as DestroyMenu destroys them.
BOOL destroyMenuTree(HMENU menu);
BOOL destroyCursor(HCURSOR cursor);
BOOL destroyImageList(HIMAGELIST list);
