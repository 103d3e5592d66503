#include "game/Pictures.h"

#include <mutex>
#include <utility>

#include "game/App.h"
#include "view2d/Bitmap.h"

// The picture is read before the frame lock is taken, so a frame being
// composed meanwhile is held up only by the swap.
void loadTileSet(App& app) {
    Surface picture;
    readBitmapFile(filePath(app.dirs.tileSets, app.settings.TileSet), picture);
    {
        std::lock_guard<std::mutex> hold(app.view.frameLock);
        app.view.tileSet.fileImage = std::move(picture);
    }
    prepareTileSet(scene2D(app));
}

void loadBackground(App& app) {
    if (app.settings.Background.empty()) return;
    Surface picture;
    readBitmapFile(filePath(app.dirs.background, app.settings.Background), picture);
    std::lock_guard<std::mutex> hold(app.view.frameLock);
    BackgroundImage& background = app.view.background;
    background.fileImage = std::move(picture);
    releaseSurface(background.fitted);
    fitBackground(background, app.view.boardWidth, app.view.boardHeight);
}
