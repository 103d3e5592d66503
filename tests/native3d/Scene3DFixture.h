// Small boards drawn by the 3D view into an off-screen context, with the
// client positions of points of a tile found through the same projection.
#pragma once

#include <vector>

#include "native/FrameFixtures.h"
#include "native/TileProjection.h"
#include "view3d/View3D.h"
#include "view3d/offscreen/OffscreenContext.h"

struct Scene3DFixture {
    Scene3DFixture(int width = 200, int height = 150);
    ~Scene3DFixture();
    // Places the tiles and sets the camera for the current settings.
    void place(const std::vector<Placement>& placements);
    Scene3D scene() { return {board.app.game, board.app.view.shadowFlags, board.app.view.boardCentre3D, settings()}; }
    Settings& settings() { return board.app.settings; }
    Surface render();
    int pick(ClientPoint point);
    // Where a point of a tile's box (tile units, unsheared) lands in the client area.
    ClientPoint project(int tile, float x, float y, float z) { return projectTilePoint(scene(), tile, x, y, z); }
    ClientPoint topCentre(int tile) { return tileTopCentre(scene(), tile); }

    BoardScene board;
    View3D view;
    OffscreenContext gl;
};

// Red, green and blue of a COLORREF colour, for comparisons with a tolerance.
bool nearColour(Colour a, Colour b, int tolerance = 12);
// The blue share is small and red and green large: a yellowish colour.
bool isYellowish(Colour c);
