// The 3D view off screen (Mesa's llvmpipe): one frame of the default layout,
// freshly dealt, with textures and shadows, drawn and read back as the game
// shows it: within 4 ms at 1024 x 768 and 8 ms at 1920 x 1080; one pick at
// the heap's centre within two frames; the face textures of the standard
// tile set, mipmaps and all, as a start and a change of tile set make them.
// Times are wall-clock: llvmpipe draws on threads of its own.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "game/App.h"
#include "game/DealGame.h"
#include "game/CurrentLayout.h"
#include "game/Pictures.h"
#include "tests/native/RecordingHost.h"
#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"
#include "view3d/GL.h"
#include "view3d/Pick.h"
#include "view3d/Scene.h"
#include "view3d/offscreen/OffscreenContext.h"

namespace {

struct Board {
    RecordingHost host;
    App app{host};
    View3D view;
    OffscreenContext gl;
    Surface frame;
    int width;
    int height;
    Board(int width, int height) : width(width), height(height) {
        initDataDirectories(app.dirs, TAVREK_SOURCE_DIR "/data");
        app.settings.Shadows = 1;
        app.settings.Textures = 1;
        loadLayout(app);
        loadTileSet(app);
        dealNewGame(app);
        if (app.game.state.tilesLeft != 144 || !openOffscreenContext(gl, width, height)) std::abort();
        setRenderState(app.settings);
        setCamera(view, app.settings, width, height);
        buildTileTextures(view, app.view.tileSet.fileImage);
    }
    ~Board() { closeOffscreenContext(gl); }
    Scene3D scene() { return {app.game, app.view.shadowFlags, app.view.boardCentre3D, app.settings}; }
};

void frame3DReadBack(benchmark::State& state) {
    Board board(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        render3D(board.view, board.scene());
        readFrame3D(board.frame, board.width, board.height);
        benchmark::DoNotOptimize(board.frame.pixels.data());
    }
}

void pick3DAtCentre(benchmark::State& state) {
    Board board(1024, 768);
    const int width = board.width, height = board.height;
    int tile = noTile;
    for (auto _ : state) {
        tile = pick3D(board.view, board.scene(), width / 2, height / 2);
        benchmark::DoNotOptimize(tile);
    }
    if (tile == noTile) state.SkipWithError("the pick found no tile");
}

void faceTextures(benchmark::State& state) {
    Board board(1024, 768);
    for (auto _ : state) {
        buildTileTextures(board.view, board.app.view.tileSet.fileImage);
        glFinish();
    }
}

}  // namespace

BENCHMARK(frame3DReadBack)
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(pick3DAtCentre)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(faceTextures)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
