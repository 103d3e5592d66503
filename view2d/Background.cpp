#include "view2d/Background.h"

#include <mutex>
#include <utility>

#include "engine/App.h"
#include "view2d/Bitmap.h"
#include "view2d/Stretch.h"

void fitBackground(BackgroundImage& background, int width, int height) {
    if (!isEmpty(background.fitted) && background.fitted.width == width && background.fitted.height == height)
        return;
    stretchSurface(background.fileImage, width, height, background.fitted);
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
