// The 3D frame drawn off screen: where the heap lies, what a selected,
// hinted or hidden tile looks like, the shadows, and the camera's limits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "Scene3DFixture.h"
#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"
#include "view3d/GL.h"

namespace {

constexpr Colour yellow = makeColour(255, 255, 0);

int differingPixels(const Surface& a, const Surface& b) {
    int count = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i];
    return count;
}

Colour at(const Surface& frame, ClientPoint p) { return colourAt(frame, p.x, p.y); }

}  // namespace

TEST(Render3D, DefaultCameraSeesTheHeapFromAboveCentredWithRowZeroAtTheTop) {
    Scene3DFixture f;
    f.settings().Textures = 0;
    f.settings().SelectColor = yellow;
    f.place({{0, 0, 0, 5}, {0, 6, 4, 5}});
    f.board.app.game.state.selectedTile = 0;
    f.board.app.game.state.tilesHidden = 1;  // plain tops
    const Surface frame = f.render();
    const ClientPoint top = f.topCentre(0), bottom = f.topCentre(1);
    EXPECT_LT(top.y, bottom.y);
    EXPECT_LT(top.x, bottom.x);
    // Centred up to the centre's rounding to whole tiles: within half a tile.
    EXPECT_NEAR((top.x + bottom.x) / 2, 100, 5);
    EXPECT_NEAR((top.y + bottom.y) / 2, 75, 6);
    EXPECT_TRUE(isYellowish(at(frame, top)));
    EXPECT_TRUE(nearColour(at(frame, bottom), f.settings().RGBLevel[0], 40));
    EXPECT_TRUE(nearColour(colourAt(frame, 2, 2), sceneBackground, 1));
    // A picture stands upright on the top: face 5's cell is white in its upper half.
    Surface picture = makeTileSetPicture(8, 10);
    fillRectangle(picture, 4 * 8, 0, 8, 5, makeColour(255, 255, 255));
    buildTileTextures(f.view, picture);
    f.settings().Textures = 1;
    f.board.app.game.state.tilesHidden = 0;
    const Surface textured = f.render();
    EXPECT_TRUE(nearColour(at(textured, f.project(1, 7.5f, 16, 10)), makeColour(255, 255, 255), 30));
    EXPECT_TRUE(nearColour(at(textured, f.project(1, 7.5f, 4, 10)), cellColour(0, 4), 30));
    // Straight from above, a tile's sides hardly show: its top's corners are near its box's bottom corners.
    const ClientPoint low = f.project(0, 0, 0, 0), high = f.project(0, 0, 0, 10);
    EXPECT_LE(std::abs(low.x - high.x) + std::abs(low.y - high.y), 3);
}

TEST(Render3D, SelectionColoursTheWholeTileWithoutTexturesAndDarkensOnlyTheTopWithThem) {
    Scene3DFixture f;
    Settings& s = f.settings();
    s.ZView = 150;
    s.XPosition = -50;  // the front sides turn towards the eye
    s.SelectColor = yellow;
    f.place({{0, 4, 4, 1}, {0, 4, 10, 1}});
    f.board.app.game.state.selectedTile = 1;
    for (uint8_t textures : {0, 1}) {
        s.Textures = textures;
        const Surface frame = f.render();
        const Colour plainTop = at(frame, f.topCentre(0)), markedTop = at(frame, f.topCentre(1));
        const Colour plainFront = at(frame, f.project(0, 7.5f, 0, 5)), markedFront = at(frame, f.project(1, 7.5f, 0, 5));
        const Colour markedCorner = at(frame, f.project(1, 1.5f, 2, 10));
        EXPECT_FALSE(isYellowish(plainTop));
        if (textures == 0) {
            EXPECT_TRUE(isYellowish(markedCorner));
            EXPECT_TRUE(isYellowish(markedFront));
            EXPECT_FALSE(isYellowish(plainFront));
        } else {
            EXPECT_LT(blueOf(markedTop), blueOf(plainTop) * 3 / 4);
            EXPECT_TRUE(nearColour(markedFront, plainFront, 2));
        }
    }
}

TEST(Render3D, HintShowsItsPairAndHiddenTilesShowNoFaceButKeepTheSelection) {
    Scene3DFixture f;
    Settings& s = f.settings();
    s.ZView = 150;
    s.Textures = 0;
    s.SelectColor = yellow;
    s.RGBVal[0] = makeColour(255, 0, 0);
    f.place({{0, 4, 2, 1}, {0, 4, 8, 1}, {0, 4, 14, 1}});
    GameModel& game = f.board.app.game;
    game.moveList.moveCount = 1;
    game.moveList.pairs[0] = {0, 2};
    game.state.showMoves = 1;
    game.state.hintIndex = 5;  // past the list: back to its first pair
    Surface frame = f.render();
    EXPECT_EQ(game.state.hintIndex, 0);
    EXPECT_TRUE(isYellowish(at(frame, f.project(0, 2, 2, 10))));
    EXPECT_FALSE(isYellowish(at(frame, f.project(1, 2, 2, 10))));
    EXPECT_TRUE(isYellowish(at(frame, f.project(2, 2, 2, 10))));
    // One square fills the middle of face 1's top.
    EXPECT_TRUE(nearColour(at(frame, f.topCentre(1)), makeColour(255, 0, 0), 40));

    game.state.showMoves = 0;
    game.state.selectedTile = 2;
    game.state.tilesHidden = 1;
    for (uint8_t textures : {0, 1}) {
        s.Textures = textures;
        frame = f.render();
        EXPECT_TRUE(nearColour(at(frame, f.topCentre(1)), at(frame, f.project(1, 1, 1, 10)), 2));
        EXPECT_TRUE(nearColour(at(frame, f.topCentre(0)), s.RGBLevel[0], 40));
    }
    EXPECT_LT(blueOf(at(frame, f.topCentre(2))), blueOf(at(frame, f.topCentre(0))) * 3 / 4);
}

TEST(Render3D, ShadowsAreDrawnOnlyWhenOnAndOnlyWhereTheirFlagsSay) {
    Scene3DFixture f;
    Settings& s = f.settings();
    s.ZView = 150;
    f.place({{0, 4, 4, 1}, {0, 4, 6, 2}, {0, 6, 4, 3}, {0, 6, 6, 4}, {1, 4, 4, 5}});
    s.Shadows = 1;
    const Surface withShadows = f.render();
    s.Shadows = 0;
    const Surface without = f.render();
    f.board.app.view.shadowFlags = {};
    s.Shadows = 1;
    const Surface noFlags = f.render();
    EXPECT_GT(differingPixels(withShadows, without), 20);
    EXPECT_EQ(differingPixels(noFlags, without), 0);
    // The band below the upper tile falls on the tile beneath it and darkens it.
    const ClientPoint band = f.project(4, 7.5f, -2.5f, 0);
    EXPECT_LT(blueOf(at(withShadows, band)), blueOf(at(without, band)) * 3 / 4);
}

TEST(Render3D, CameraKeepsItsViewportAndNeverProjectsDegenerately) {
    Scene3DFixture f;
    Settings& s = f.settings();
    s.BackgroundColor = makeColour(255, 255, 255);
    setRenderState(s);
    f.place({{0, 4, 4, 1}});
    EXPECT_EQ(colourAt(f.render(), 0, 0), makeColour(254, 254, 254));  // a channel is divided by 256

    setCamera(f.view, s, 300, 0);
    EXPECT_FLOAT_EQ(f.view.aspect, 300);
    setCamera(f.view, s, 200, 150);
    s.ZView = 150;
    setCamera(f.view, s, -1, -1);
    EXPECT_FLOAT_EQ(f.view.aspect, 200.0f / 150.0f);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 200);
    EXPECT_EQ(viewport[3], 150);

    s.MaxZoom = 100;  // the heap lies beyond the far plane
    setCamera(f.view, s, -1, -1);
    EXPECT_EQ(colourAt(f.render(), 100, 75), makeColour(254, 254, 254));
    for (float damaged : {1.0f, 0.5f, -3.0f}) {
        s.MaxZoom = damaged;
        EXPECT_GT(farPlane3D(s), nearPlane3D);
        EXPECT_LT(farPlane3D(s), nearPlane3D + 0.01);
        setCamera(f.view, s, -1, -1);
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        EXPECT_EQ(projection[11], -1.0);  // a perspective, not the identity
        EXPECT_TRUE(std::isfinite(projection[10]) && std::isfinite(projection[14]));
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    EXPECT_EQ(s.MaxZoom, -3.0f);
}
