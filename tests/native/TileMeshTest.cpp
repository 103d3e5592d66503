// The 3D view's constant geometry and pictures: the tile box and its shear,
// the outline, the shadow pieces, the face symbols and the textures' cells.
#if TAVREK_3D

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "FrameFixtures.h"
#include "view3d/FaceSymbols.h"
#include "view3d/FaceTextures.h"

namespace {

bool onBox(Vertex3 v) { return (v.x == 0 || v.x == 15) && (v.y == 0 || v.y == 20) && (v.z == 0 || v.z == 10); }

float area(const Triangle3& t) {
    const Vertex3 a{t.v[1].x - t.v[0].x, t.v[1].y - t.v[0].y, t.v[1].z - t.v[0].z};
    const Vertex3 b{t.v[2].x - t.v[0].x, t.v[2].y - t.v[0].y, t.v[2].z - t.v[0].z};
    return std::hypot(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x) / 2;
}

Triangle3 flat(const float (&c)[3][2]) { return {{{c[0][0], c[0][1], 0}, {c[1][0], c[1][1], 0}, {c[2][0], c[2][1], 0}}}; }

}  // namespace

TEST(TileMesh, TheBoxFacesOutwardCoversEachSideOnceAndItsTopLeans) {
    using Side = std::tuple<long, long, long>;
    std::map<Side, float> sides;  // outward normal: area covered
    const TileBoxMesh upright = shearedTileBox(0), leaning = shearedTileBox(5);
    for (int k = 0; k < 12; ++k) {
        const Vertex3 n = triangleNormal(upright[k]);
        sides[{std::lround(n.x), std::lround(n.y), std::lround(n.z)}] += area(upright[k]);
        for (int i = 0; i < 3; ++i) {
            const Vertex3 v = upright[k].v[i], l = leaning[k].v[i];
            EXPECT_TRUE(onBox(v)) << k;
            const float lean = v.z == 10 ? 5 : 0;
            EXPECT_TRUE(l.x == v.x + lean && l.y == v.y + lean && l.z == v.z) << k;
        }
    }
    EXPECT_EQ(sides, (std::map<Side, float>{{{-1, 0, 0}, 200}, {{1, 0, 0}, 200}, {{0, -1, 0}, 150},
                                            {{0, 1, 0}, 150}, {{0, 0, -1}, 300}, {{0, 0, 1}, 300}}));
    // Edges of the box, pushed out of it by the distance given.
    const auto bare = tileOutline(0, 0), pushed = tileOutline(0, 0.5f);
    for (int i = 0; i < outlineEdgeCount; ++i) {
        const OutlineEdge& e = bare[i];
        EXPECT_TRUE(onBox(e.from) && onBox(e.to)) << i;
        const Vertex3 m{(pushed[i].from.x + pushed[i].to.x) / 2, pushed[i].from.y, (pushed[i].from.z + pushed[i].to.z) / 2};
        EXPECT_FLOAT_EQ(std::max({-m.x, m.x - 15, -m.z, m.z - 10}), 0.5f) << i;
    }
    EXPECT_FLOAT_EQ(tileOutline(5, 0)[3].to.x, 20);  // the top's front edge leans too
}

TEST(TileMesh, EachShadowFlagDarkensItsOwnPieceOfTheBands) {
    // Below the tile f0 to f4 left to right, beside it f5 to f8 bottom to top; f9, f10 as f5, f7.
    const float wanted[shadowPieceCount] = {9.375f, 28.125f, 9.375f, 28.125f, 25, 37.5f, 12.5f, 37.5f, 12.5f, 37.5f, 37.5f};
    for (int flag = 0; flag < shadowPieceCount; ++flag) {
        float covered = 0;
        for (const ShadowTriangle& s : shadowTriangles) {
            if (s.flag != flag && s.otherFlag != flag) continue;
            EXPECT_GT(triangleNormal(flat(s.corners)).z, 0.99f) << flag;
            covered += area(flat(s.corners));
            for (const auto& c : s.corners)  // corners on the quarter-tile grid of the bands
                EXPECT_TRUE((std::fmod(c[0], 3.75f) == 0 || c[0] == 20) && std::fmod(c[1], 5) == 0) << flag;
        }
        EXPECT_FLOAT_EQ(covered, wanted[flag]) << flag;
    }
}

TEST(FaceSymbols, CountLikePipsAndShareOneSymbolWhereFacesMatchEachOther) {
    auto corners = [](int face, float mirror) {
        std::set<std::pair<float, float>> points;
        for (int i = 0; i < faceSymbol(face).count; ++i)
            for (const Vertex3& v : faceSymbol(face).triangles[i].v) points.insert({std::abs(mirror - v.x), v.y});
        return points;
    };
    for (int face : {29, 30, 31, 37, 38, 39}) EXPECT_EQ(corners(face, 0), corners(face < 36 ? 28 : 36, 0));
    // Squares, triangles and diamonds fill boxes of one size per count, laid
    // out symmetrically; every symbol lies within the top and faces up.
    const float boxSide[10] = {0, 10, 8, 6, 6, 5, 5, 4, 4, 4};
    for (int face = 1; face <= 42; ++face) {
        const FaceSymbol& symbol = faceSymbol(face);
        EXPECT_EQ(symbol.group, face <= 9 ? 0 : face <= 18 ? 1 : face <= 27 ? 2 : 3) << face;
        float covered = 0, lowest = 99;
        for (int i = 0; i < symbol.count; ++i) {
            const Triangle3& t = symbol.triangles[i];
            covered += area(t);
            EXPECT_GT(triangleNormal(t).z, 0.99f) << face;
            for (const Vertex3& v : t.v) EXPECT_TRUE(v.x >= 1 && v.x <= 14 && v.y >= 1 && v.y <= 19) << face;
            for (const Vertex3& v : t.v) lowest = std::min(lowest, v.y);
        }
        if (face >= 19 && face <= 27) {  // pinwheels turn, and eight and nine sit lower
            EXPECT_EQ(symbol.count, 4 * (face - 18)) << face;
            EXPECT_TRUE(face < 25 || lowest == (face == 25 ? 2 : 1)) << face;
            continue;
        }
        const int units = face <= 9 ? face : face <= 18 ? face - 9 : symbol.count / 2;
        EXPECT_EQ(corners(face, 0), corners(face, 15)) << face;
        EXPECT_FLOAT_EQ(covered, units * boxSide[units] * boxSide[units] * (face <= 9 ? 1 : 0.5f)) << face;
    }
}

TEST(FaceTextures, CellsAreCutAtANinthAndAFifthSkippingTheUnusedOnes) {
    const Surface picture = makeTileSetPicture(100, 100);  // 900 x 500
    EXPECT_EQ(faceCellSize(picture).width + faceCellSize(picture).height, 200);
    for (int face : {1, 9, 10, 28, 35, 36, 42, 0}) {
        const std::vector<uint8_t> rgb = faceTextureImage(picture, face == 0 ? hiddenFaceTexture : faceTexture(face));
        ASSERT_EQ(rgb.size(), size_t(faceTextureSide * faceTextureSide * 3));
        const FaceCell cell = face == 0 ? hiddenFaceCell : faceCell(face);
        EXPECT_EQ(makeColour(rgb[0], rgb[1], rgb[2]), cellColour(cell.row, cell.column)) << face;
    }
    EXPECT_TRUE(faceTextureImage(makeTileSetPicture(0, 0), 0).empty());
    EXPECT_TRUE(faceTextureImage(picture, -1).empty());
    EXPECT_TRUE(faceTextureImage(picture, faceTextureCount).empty());
    EXPECT_EQ(faceTextureImage(makeTileSetPicture(1, 1), 0).size(), size_t(faceTextureSide * faceTextureSide * 3));
}

TEST(FaceTextures, EachSmallerLevelIsTheRoundedMeanOfTheTwoByTwoItStandsFor) {
    // 4 x 4: red counts its pixel in reading order, green is 1 in the first
    // row only, blue 255 in the last row only.
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) rgb.insert(rgb.end(), {uint8_t(4 * y + x), uint8_t(y == 0), uint8_t(y == 3 ? 255 : 0)});
    const std::vector<uint8_t> half = halvedTextureImage(rgb, 4);
    ASSERT_EQ(half.size(), size_t(2 * 2 * 3));
    // Red: (0 + 1 + 4 + 5) / 4 = 2.5 rounds up; (10 + 11 + 14 + 15) / 4 = 12.5.
    EXPECT_EQ(half[0], 3);
    EXPECT_EQ(half[3], 5);
    EXPECT_EQ(half[6], 11);
    EXPECT_EQ(half[9], 13);
    // Green: 2 / 4 rounds up to 1 in the upper half only; blue: 510 / 4 = 127.5 in the lower half only.
    EXPECT_EQ(std::vector<uint8_t>({half[1], half[4], half[7], half[10]}), std::vector<uint8_t>({1, 1, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>({half[2], half[5], half[8], half[11]}), std::vector<uint8_t>({0, 0, 128, 128}));
    EXPECT_EQ(halvedTextureImage(halvedTextureImage(half, 2), 1), std::vector<uint8_t>());
    EXPECT_EQ(halvedTextureImage(half, 2), std::vector<uint8_t>({8, 1, 64}));
    EXPECT_TRUE(halvedTextureImage(rgb, 8).empty());  // not the size it is said to be
}

#endif
