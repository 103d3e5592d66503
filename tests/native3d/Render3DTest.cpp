// The 3D frame drawn off screen: where the heap lies, how marks, faces, shadows and the background
// look, the camera's limits, and the tile a click picks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Scene3DFixture.h"

constexpr Colour yellow = makeColour(255, 255, 0), white = makeColour(255, 255, 255), red = makeColour(255, 0, 0);

TEST(Render3D, DefaultCameraSeesTheHeapFromAboveCentredWithRowZeroAtTheTop) {
    Scene3DFixture f;
    // Odd and even extents, a layer on a half-tile offset: the outer edges as far from the middle.
    for (int last : {3, 4, 7}) {
        f.place({{0, 0, 0, 5}, {0, last, last, 5}, {1, 1, 1, 5}});
        const ClientPoint topLeft = f.project(0, 0, 20, 0), bottomRight = f.project(1, 15, 0, 0);
        EXPECT_LT(topLeft.y, bottomRight.y);
        EXPECT_NEAR(topLeft.x + bottomRight.x, 199, 1) << last;
        EXPECT_NEAR(topLeft.y + bottomRight.y, 149, 1) << last;
    }
    // Upright on the top: face 5's cell in thirds, black but its lower left ninth red, its middle green.
    Surface picture = makeTileSetPicture(30, 30);
    fillRectangle(picture, 120, 0, 30, 30, 0);
    fillRectangle(picture, 120, 20, 10, 10, red);
    fillRectangle(picture, 130, 10, 10, 10, makeColour(0, 255, 0));
    buildTileTextures(f.view, picture);
    f.settings().ZView = 100;
    f.place({{0, 4, 4, 5}});
    const Colour lowerLeft = f.seen(f.render(), 0, 2.5f, 3.5f), middle = f.seen(f.render(), 0, 8.5f, 11.5f);
    EXPECT_TRUE(redOf(lowerLeft) > 100 && greenOf(lowerLeft) < 50 && blueOf(lowerLeft) < 50);
    EXPECT_TRUE(greenOf(middle) > 100 && redOf(middle) < 50 && blueOf(middle) < 50);
    // A picture with no cells to cut leaves no name of the old textures behind.
    buildTileTextures(f.view, Surface{});
    EXPECT_EQ(std::count(f.view.textures.begin(), f.view.textures.end(), 0u), faceTextureCount);
}

TEST(Render3D, MarkedTilesAreYellowOrDarkenedAndHiddenFacesShowNothingButTheMarks) {
    Scene3DFixture f;
    Settings& s = f.settings();
    s.ZView = 150;
    s.XPosition = -50;  // the front sides turn towards the eye
    s.SelectColor = yellow;
    s.RGBVal[0] = red;
    f.place({{0, 4, 2, 1}, {0, 4, 8, 1}, {0, 4, 14, 1}});
    f.state().selectedTile = 1;
    for (uint8_t textures : {1, 0}) {
        s.Textures = textures;
        const Surface frame = f.render();
        const Colour plainTop = f.seen(frame, 0), markedTop = f.seen(frame, 1);
        const Colour plainFront = f.seen(frame, 0, 7.5f, 0, 5), markedFront = f.seen(frame, 1, 7.5f, 0, 5);
        EXPECT_FALSE(isYellowish(plainTop) || isYellowish(plainFront));
        EXPECT_EQ(isYellowish(f.seen(frame, 1, 1.5f, 2)) && isYellowish(markedFront), textures == 0);
        EXPECT_EQ(blueOf(markedTop) < blueOf(plainTop) * 3 / 4 && nearColour(markedFront, plainFront, 2), textures == 1);
        EXPECT_TRUE(textures == 1 || nearColour(plainTop, red, 40));  // one square fills face 1's middle
    }
    s.Inclination = 3;  // the square leans with the top
    EXPECT_TRUE(nearColour(f.seen(f.render(), 0), red, 40));
    s.Inclination = 0;
    // A hint marks both tiles of its pair; an index past the list starts it again.
    f.board.app.game.moveList.moveCount = 1;
    f.board.app.game.moveList.pairs[0] = {0, 2};
    f.state().selectedTile = noTile;
    f.state().showMoves = 1;
    f.state().hintIndex = 5;
    Surface frame = f.render();
    EXPECT_EQ(f.state().hintIndex, 0);
    for (int tile : {0, 1, 2}) EXPECT_EQ(isYellowish(f.seen(frame, tile, 2, 2)), tile != 1) << tile;
    f.state().showMoves = 0;
    f.state().selectedTile = 2;
    f.state().tilesHidden = 1;
    for (uint8_t textures : {0, 1}) {
        s.Textures = textures;
        frame = f.render();
        EXPECT_TRUE(nearColour(f.seen(frame, 1), f.seen(frame, 1, 1, 1), 2));  // no face
        EXPECT_TRUE(nearColour(f.seen(frame, 0), s.RGBLevel[0], 40));
        EXPECT_NE(isYellowish(f.seen(frame, 2)), textures == 1);
    }
    EXPECT_LT(blueOf(f.seen(frame, 2)), blueOf(f.seen(frame, 0)) * 3 / 4);
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
    EXPECT_NE(withShadows.pixels, without.pixels);
    EXPECT_EQ(f.render().pixels, without.pixels);
    // The band below the upper tile darkens the tile beneath it.
    const ClientPoint band = f.project(4, 7.5f, -2.5f, 0);
    EXPECT_LT(blueOf(colourAt(withShadows, band.x, band.y)), blueOf(colourAt(without, band.x, band.y)) * 3 / 4);
}

TEST(Render3D, TheBackgroundIsTheChosenColourAndTheCameraNeverProjectsDegenerately) {
    Scene3DFixture f;
    Settings& s = f.settings();
    s.BackgroundColor = white;
    setRenderState(s);
    f.place({{0, 4, 4, 1}});
    const Surface plain = f.render();
    EXPECT_EQ(colourAt(plain, 0, 0), makeColour(254, 254, 254));  // a channel is divided by 256
    setCamera(f.view, s, 300, 0);
    EXPECT_FLOAT_EQ(f.view.aspect, 300);
    setCamera(f.view, s, 200, 150);
    s.ZView = 150;
    s.MaxZoom = 100;  // the heap lies beyond the far plane
    setCamera(f.view, s, -1, -1);  // the eye moves, the viewport stays
    EXPECT_FLOAT_EQ(f.view.aspect, 200.0f / 150.0f);
    EXPECT_EQ(colourAt(f.render(), 100, 75), makeColour(254, 254, 254));
    for (float damaged : {1.0f, -3.0f}) {
        s.MaxZoom = damaged;
        EXPECT_TRUE(farPlane3D(s) > nearPlane3D && farPlane3D(s) < nearPlane3D + 0.01);
        setCamera(f.view, s, -1, -1);
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        EXPECT_EQ(projection[11], -1.0);  // a perspective, not the identity
        EXPECT_TRUE(std::isfinite(projection[10]) && std::isfinite(projection[14]));
    }
    EXPECT_EQ(s.MaxZoom, -3.0f);
    OffscreenContext none;
    EXPECT_FALSE(openOffscreenContext(none, 0, 150));
}

TEST(Pick3D, TheHigherIndexOfTwoStackedTilesWinsEvenWhenTheLowerIsNearer) {
    Scene3DFixture f;
    f.settings().ZView = 150;
    f.place({{0, 4, 4, 1}, {0, 4, 8, 2}, {0, 6, 8, 4}, {1, 4, 8, 3}});
    EXPECT_EQ(f.pick(f.project(0, 7.5f, 10)), 0);
    EXPECT_EQ(f.pick(f.project(3, 7.5f, 10)), 3);
    EXPECT_EQ(f.pick({2, 2}), int(noTile));
    f.board.app.game.tiles[3].face = 0;  // removed: the tile beneath is found
    EXPECT_EQ(f.pick(f.project(1, 7.5f, 10)), 1);
    f.board.app.game.tiles[3].face = 3;
    // Turned over, the heap shows its bottom: the lower tile is nearer the eye.
    f.settings().YPosition = 180;
    f.settings().Shadows = 1;
    EXPECT_EQ(f.pick(f.project(1, 7.5f, 10, 0)), 3);
    // The band the upper tile throws on the one below is picked as the tile
    // that casts it, and only while shadows are drawn.
    f.settings().YPosition = 0;
    const ClientPoint band = f.project(3, 7.5f, -4, 0);
    EXPECT_EQ(f.pick(band), 3);
    f.settings().Shadows = 0;
    EXPECT_EQ(f.pick(band), 2);
}
