#include "shell/GuiObjects.h"

#include <mutex>
#include <set>

namespace {

// The automatic player's thread draws too (it takes a window's surface), so
// the records are shared between threads.
struct LiveObjects {
    std::mutex mutex;
    // A window that owns its surface hands out the same one each time it is asked.
    std::array<std::multiset<const void*>, guiKindCount> handles;
    int strayReleases = 0;
};

LiveObjects& liveObjects() {
    static LiveObjects objects;
    return objects;
}

size_t slot(GuiKind kind) { return static_cast<size_t>(kind); }

}  // namespace

GuiObjectCounts guiObjectCounts() {
    LiveObjects& objects = liveObjects();
    const std::lock_guard<std::mutex> hold(objects.mutex);
    GuiObjectCounts counts;
    for (size_t k = 0; k < counts.live.size(); ++k) counts.live[k] = static_cast<int>(objects.handles[k].size());
    counts.strayReleases = objects.strayReleases;
    return counts;
}

const char* guiKindName(GuiKind kind) {
    static const char* const names[guiKindCount] = {"bitmaps", "device contexts", "brushes", "pens",
                                                    "fonts",   "menus",           "cursors", "image lists"};
    return names[slot(kind)];
}

void noteCreated(GuiKind kind, const void* handle) {
    if (handle == nullptr) return;
    LiveObjects& objects = liveObjects();
    const std::lock_guard<std::mutex> hold(objects.mutex);
    objects.handles[slot(kind)].insert(handle);
}

void noteReleased(GuiKind kind, const void* handle) {
    if (handle == nullptr) return;
    LiveObjects& objects = liveObjects();
    const std::lock_guard<std::mutex> hold(objects.mutex);
    std::multiset<const void*>& live = objects.handles[slot(kind)];
    const auto found = live.find(handle);
    if (found == live.end()) ++objects.strayReleases;
    else live.erase(found);
}

BOOL deleteObject(GuiKind kind, HGDIOBJ object) {
    noteReleased(kind, object);
    return DeleteObject(object);
}

BOOL deleteDC(HDC context) {
    noteReleased(GuiKind::deviceContext, context);
    return DeleteDC(context);
}

int releaseDC(HWND window, HDC context) {
    noteReleased(GuiKind::deviceContext, context);
    return ReleaseDC(window, context);
}

namespace {

void forgetMenuTree(HMENU menu) {
    for (int k = 0; k < GetMenuItemCount(menu); ++k)
        if (HMENU sub = GetSubMenu(menu, k)) forgetMenuTree(sub);
    noteReleased(GuiKind::menu, menu);
}

}  // namespace

BOOL destroyMenuTree(HMENU menu) {
    forgetMenuTree(menu);
    return DestroyMenu(menu);
}

BOOL destroyCursor(HCURSOR cursor) {
    noteReleased(GuiKind::cursor, cursor);
    return DestroyCursor(cursor);
}

BOOL destroyImageList(HIMAGELIST list) {
    noteReleased(GuiKind::imageList, list);
    return ImageList_Destroy(list);
}
