// Small boards drawn by the 3D view into an off-screen context of 200 x 150;
// points of a tile are found on screen through the frame's own projection.
#pragma once

#include <cstdlib>
#include <vector>

#include "native/FrameFixtures.h"
#include "native/TileProjection.h"
#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"
#include "view3d/Pick.h"
#include "view3d/offscreen/OffscreenContext.h"

struct Scene3DFixture {
    Scene3DFixture() : board(200, 150) {
        if (!openOffscreenContext(gl, 200, 150)) std::abort();
        setRenderState(settings());
        setCamera(view, settings(), 200, 150);
        buildTileTextures(view, board.app.view.tileSet.fileImage);
    }
    ~Scene3DFixture() { releaseTileTextures(view), closeOffscreenContext(gl); }
    void place(const std::vector<Placement>& tiles) { board.place(tiles), setCamera(view, settings(), -1, -1); }
    Scene3D scene() { return {board.app.game, board.app.view.shadowFlags, board.app.view.boardCentre3D, settings()}; }
    Settings& settings() { return board.app.settings; }
    GameState& state() { return board.app.game.state; }
    // The frame as the game reads it back to show it.
    Surface render() { return render3D(view, scene()), readFrame3D(frame, 200, 150), frame; }
    int pick(ClientPoint point) { return pick3D(view, scene(), point.x, point.y); }
    // Where a point of a tile's box (tile units, unsheared) lands, and its colour there.
    ClientPoint project(int tile, float x, float y, float z = 10) { return projectTilePoint(scene(), tile, x, y, z); }
    Colour seen(const Surface& frame, int tile, float x = 7.5f, float y = 10, float z = 10) {
        return colourAt(frame, project(tile, x, y, z).x, project(tile, x, y, z).y);
    }

    BoardScene board;
    View3D view;
    OffscreenContext gl;
    Surface frame;
};

inline bool nearColour(Colour a, Colour b, int tolerance = 12) {
    return std::abs(redOf(a) - redOf(b)) <= tolerance && std::abs(greenOf(a) - greenOf(b)) <= tolerance &&
           std::abs(blueOf(a) - blueOf(b)) <= tolerance;
}
inline bool isYellowish(Colour c) { return redOf(c) > 150 && greenOf(c) > 150 && blueOf(c) < 60; }
