#include "game/View3DGame.h"

#if TAVREK_3D

#include "game/CameraKeys.h"
#include "game/App.h"
#include "game/Modal.h"
#include "game/Play.h"
#include "game/Redraw.h"
#include "view2d/Fade.h"
#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"
#include "view3d/Pick.h"
#include "view3d/Scene.h"

namespace {

// Said in English when the language file has no text for it.
const char* const no3DText =
    "OpenGL could not be started on this display: the game goes on in the 2D view.";

}  // namespace

Scene3D scene3D(App& app) { return {app.game, app.view.shadowFlags, app.view.boardCentre3D, app.settings}; }

void open3DView(App& app, int clientWidth, int clientHeight) {
    app.view3d.open = true;
    claimContext(app.view3d);
    setRenderState(app.settings);
    setCamera(app.view3d, app.settings, clientWidth, clientHeight);
    rebuildFaceTextures(app);
}

void without3DView(App& app) {
    app.view3d.open = false;
    app.settings.view3D = 0;
    const std::string& text = app.language.MesNo3D;
    tellPlayer(app, text.empty() ? no3DText : text, MessageIcon::information);
}

void close3DView(App& app) {
    if (!app.view3d.open) return;
    releaseTileTextures(app.view3d);
    app.view3d.open = false;
}

bool can3D(const App& app) { return app.view3d.open; }

bool drawsIn3D(const App& app) { return can3D(app) && app.settings.view3D == 1; }

bool switchView(App& app) {
    if (!can3D(app)) return false;
    app.settings.view3D = app.settings.view3D == 1 ? 0 : 1;
    return true;
}

void resize3DView(App& app, int clientWidth, int clientHeight) {
    if (app.view3d.open) setCamera(app.view3d, app.settings, clientWidth, clientHeight);
}

void cameraMoved(App& app, bool projectionChanged) {
    if (projectionChanged && app.view3d.open) setCamera(app.view3d, app.settings, -1, -1);
    wrapCameraAngles(app.settings);
}

void recolour3DView(App& app) {
    if (app.view3d.open) setRenderState(app.settings);
}

void rebuildFaceTextures(App& app) {
    if (app.view3d.open) buildTileTextures(app.view3d, app.view.tileSet.fileImage);
}

void redrawMeasured3D(App& app) {
    if (app.view3d.framesHeld) return;
    if (!ownsContext(app.view3d)) return app.host.requestRepaint();
    const int64_t start = app.host.microseconds();
    View3D& view = app.view3d;
    render3D(view, scene3D(app));
    readFrame3D(view.frame, app.view.boardWidth, app.view.boardHeight);
    app.host.presentFrame(view.frame.pixels.data(), view.frame.width, view.frame.height);
    app.view.fadeSteps = fadeFrameCount(app.settings.RemoveTileTime, app.host.microseconds() - start);
}

void clickBoard3D(App& app, int x, int y) {
    app.game.state.autoPlayRunning = 0;
    app.game.state.showMoves = 0;
    clickTile(app, pick3D(app.view3d, scene3D(app), x, y - app.view.boardTop));
    redrawBoard(app);
}

#endif
