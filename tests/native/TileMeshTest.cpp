// The 3D view's constant geometry and pictures: the tile box and its shear,
// the outline, the face symbols and the textures cut from a tile set.
#if TAVREK_3D

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "FrameFixtures.h"
#include "view3d/FaceSymbols.h"
#include "view3d/FaceTextures.h"
#include "view3d/TileMesh.h"

namespace {

Vertex3 centroid(const Triangle3& t) {
    return {(t.v[0].x + t.v[1].x + t.v[2].x) / 3, (t.v[0].y + t.v[1].y + t.v[2].y) / 3,
            (t.v[0].z + t.v[1].z + t.v[2].z) / 3};
}

float dot(Vertex3 a, Vertex3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float area(const Triangle3& t) {
    const Vertex3 a{t.v[1].x - t.v[0].x, t.v[1].y - t.v[0].y, t.v[1].z - t.v[0].z};
    const Vertex3 b{t.v[2].x - t.v[0].x, t.v[2].y - t.v[0].y, t.v[2].z - t.v[0].z};
    const Vertex3 n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::sqrt(dot(n, n)) / 2;
}

bool sameTriangles(const FaceSymbol& a, const FaceSymbol& b) {
    if (a.count != b.count || a.group != b.group) return false;
    for (int i = 0; i < a.count; ++i)
        for (int k = 0; k < 3; ++k)
            if (a.triangles[i].v[k].x != b.triangles[i].v[k].x || a.triangles[i].v[k].y != b.triangles[i].v[k].y)
                return false;
    return true;
}

}  // namespace

TEST(TileMesh, BoxFacesOutwardCoversEachSideTwiceAndLeansWithTheInclination) {
    const Vertex3 middle{7.5f, 10, 5};
    std::map<std::string, float> sideArea;
    for (const Triangle3& t : shearedTileBox(0)) {
        const Vertex3 c = centroid(t), n = triangleNormal(t);
        EXPECT_NEAR(dot(n, n), 1, 1e-5);
        EXPECT_GT(dot(n, {c.x - middle.x, c.y - middle.y, c.z - middle.z}), 0);
        // All three corners on one side of the box.
        const bool onX = t.v[0].x == t.v[1].x && t.v[1].x == t.v[2].x && (t.v[0].x == 0 || t.v[0].x == 15);
        const bool onY = t.v[0].y == t.v[1].y && t.v[1].y == t.v[2].y && (t.v[0].y == 0 || t.v[0].y == 20);
        const bool onZ = t.v[0].z == t.v[1].z && t.v[1].z == t.v[2].z && (t.v[0].z == 0 || t.v[0].z == 10);
        ASSERT_EQ(onX + onY + onZ, 1);
        const std::string side = onX ? "x" + std::to_string(t.v[0].x) : onY ? "y" + std::to_string(t.v[0].y)
                                                                              : "z" + std::to_string(t.v[0].z);
        sideArea[side] += area(t);
    }
    ASSERT_EQ(sideArea.size(), 6u);
    for (const auto& [side, covered] : sideArea)
        EXPECT_FLOAT_EQ(covered, side[0] == 'x' ? 200 : side[0] == 'y' ? 150 : 300) << side;

    float topMin[2] = {99, 99}, topMax[2] = {-99, -99}, bottomMax[2] = {-99, -99};
    for (const Triangle3& t : shearedTileBox(5))
        for (const Vertex3& v : t.v) {
            float* maxs = v.z == 10 ? topMax : bottomMax;
            if (v.z == 10) topMin[0] = std::min(topMin[0], v.x), topMin[1] = std::min(topMin[1], v.y);
            maxs[0] = std::max(maxs[0], v.x), maxs[1] = std::max(maxs[1], v.y);
        }
    EXPECT_EQ(std::vector<float>({topMin[0], topMin[1], topMax[0], topMax[1], bottomMax[0], bottomMax[1]}),
              std::vector<float>({5, 5, 20, 25, 15, 20}));
    EXPECT_EQ(triangleNormal({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}}).z, 0);

    // The twelve edges of the box, each once, pushed out by the distance given.
    std::set<std::string> edges;
    for (const OutlineEdge& e : tileOutline(0, 0.5f)) {
        const Vertex3 m{(e.from.x + e.to.x) / 2, (e.from.y + e.to.y) / 2, (e.from.z + e.to.z) / 2};
        const float outX = std::max(-m.x, m.x - 15), outZ = std::max(-m.z, m.z - 10);
        EXPECT_FLOAT_EQ(std::max(outX, outZ), 0.5f);
        EXPECT_EQ((e.from.x == e.to.x) + (e.from.y == e.to.y) + (e.from.z == e.to.z), 2);
        edges.insert(std::to_string(std::lround(m.x)) + "," + std::to_string(std::lround(m.y)) + "," +
                     std::to_string(std::lround(m.z)));
    }
    EXPECT_EQ(edges.size(), 12u);
}

TEST(TileMesh, EachShadowFlagDarkensItsOwnPieceOfTheBands) {
    // Below the tile: f0 to f4 from left to right; beside it: f5 to f8 from bottom to top,
    // f9 and f10 standing for f5 and f7.
    const float wanted[shadowPieceCount] = {9.375f, 28.125f, 9.375f, 28.125f, 25, 37.5f, 12.5f, 37.5f, 12.5f, 37.5f, 37.5f};
    for (int flag = 0; flag < shadowPieceCount; ++flag) {
        float covered = 0;
        for (const ShadowTriangle& s : shadowTriangles) {
            if (s.flag != flag && s.otherFlag != flag) continue;
            const Triangle3 t{{{s.corners[0][0], s.corners[0][1], 0}, {s.corners[1][0], s.corners[1][1], 0},
                               {s.corners[2][0], s.corners[2][1], 0}}};
            EXPECT_GT(triangleNormal(t).z, 0.99f) << flag;
            const Vertex3 c = centroid(t);
            EXPECT_TRUE(flag < 5 ? c.y < 0 && c.x > 0 : c.x > 15 && c.y > 0) << flag;
            covered += area(t);
        }
        EXPECT_FLOAT_EQ(covered, wanted[flag]) << flag;
    }
}

TEST(FaceSymbols, CountLikePipsAndShareOneSymbolWhereFacesMatchEachOther) {
    EXPECT_EQ(faceSymbol(9).count, 18);   // nine squares
    EXPECT_EQ(faceSymbol(12).count, 3);   // three triangles
    EXPECT_EQ(faceSymbol(27).count, 36);  // nine pinwheels
    EXPECT_EQ(faceSymbol(33).count, 6);   // three diamonds
    EXPECT_EQ(faceSymbol(42).count, 18);  // nine diamonds
    EXPECT_EQ(faceSymbol(0).count, 0);
    EXPECT_EQ(faceSymbol(43).count, 0);
    EXPECT_EQ(faceSymbol(28).count, 2);
    EXPECT_EQ(faceSymbol(36).count, 12);
    for (int face = 29; face <= 31; ++face) EXPECT_TRUE(sameTriangles(faceSymbol(face), faceSymbol(28)));
    for (int face = 37; face <= 39; ++face) EXPECT_TRUE(sameTriangles(faceSymbol(face), faceSymbol(36)));
    EXPECT_FALSE(sameTriangles(faceSymbol(32), faceSymbol(28)));
    const int groups[] = {faceSymbol(1).group, faceSymbol(18).group, faceSymbol(19).group, faceSymbol(40).group};
    EXPECT_EQ(std::vector<int>(groups, groups + 4), (std::vector<int>{0, 1, 2, 3}));
    // Squares, triangles and diamonds stand in boxes of one size per count,
    // laid out symmetrically about the face's middle.
    const float boxSide[10] = {0, 10, 8, 6, 6, 5, 5, 4, 4, 4};
    for (int face = 1; face <= 42; ++face) {
        if (face >= 19 && face <= 27) continue;  // pinwheels turn, they are not mirrored
        const FaceSymbol& symbol = faceSymbol(face);
        std::set<std::pair<float, float>> corners, mirrored;
        float covered = 0;
        for (int i = 0; i < symbol.count; ++i) {
            covered += area(symbol.triangles[i]);
            for (const Vertex3& v : symbol.triangles[i].v) {
                corners.insert({v.x, v.y});
                mirrored.insert({15 - v.x, v.y});
            }
        }
        EXPECT_EQ(corners, mirrored) << face;
        const int units = face <= 9 ? face : face <= 18 ? face - 9 : symbol.count / 2;
        const float shapeShare = face <= 9 ? 1 : 0.5f;
        EXPECT_FLOAT_EQ(covered, units * boxSide[units] * boxSide[units] * shapeShare) << face;
    }
    // Eight and nine pinwheels sit lower than seven.
    auto lowest = [](int face) {
        float y = 99;
        for (int i = 0; i < faceSymbol(face).count; ++i)
            for (const Vertex3& v : faceSymbol(face).triangles[i].v) y = std::min(y, v.y);
        return y;
    };
    EXPECT_EQ(lowest(25), 2);
    EXPECT_EQ(lowest(26), 1);
    EXPECT_EQ(lowest(27), 1);
    // Every symbol lies on the top face and faces up.
    for (int face = 1; face <= 42; ++face) {
        const FaceSymbol& symbol = faceSymbol(face);
        for (int i = 0; i < symbol.count; ++i) {
            const Triangle3& t = symbol.triangles[i];
            EXPECT_GT(triangleNormal({{{t.v[0].x, t.v[0].y, 0}, {t.v[1].x, t.v[1].y, 0}, {t.v[2].x, t.v[2].y, 0}}}).z, 0.99f);
            for (const Vertex3& v : t.v) EXPECT_TRUE(v.x >= 1 && v.x <= 14 && v.y >= 1 && v.y <= 19) << face;
        }
    }
}

TEST(FaceTextures, CellsAreCutAtANinthAndAFifthAndStandUpright) {
    Surface picture = makeTileSetPicture(100, 100);
    // The top half of face 1's cell differs from its bottom half.
    fillRectangle(picture, 0, 0, 100, 50, makeColour(255, 255, 255));
    EXPECT_EQ(faceCellSize(picture).width, 100);
    EXPECT_EQ(faceCellSize(picture).height, 100);
    auto texel = [](const std::vector<uint8_t>& rgb, int x, int y) {
        const uint8_t* p = rgb.data() + (size_t(y) * faceTextureSide + x) * 3;
        return makeColour(p[0], p[1], p[2]);
    };
    const std::vector<uint8_t> first = faceTextureImage(picture, faceTexture(1));
    ASSERT_EQ(first.size(), size_t(faceTextureSide * faceTextureSide * 3));
    EXPECT_EQ(texel(first, 10, 0), cellColour(0, 0));  // the first row is the cell's bottom
    EXPECT_EQ(texel(first, 10, faceTextureSide - 1), makeColour(255, 255, 255));
    for (int face : {9, 10, 28, 35, 36, 42}) {
        const FaceCell cell = faceCell(face);
        EXPECT_EQ(texel(faceTextureImage(picture, faceTexture(face)), 32, 32), cellColour(cell.row, cell.column))
            << face;
    }
    EXPECT_EQ(texel(faceTextureImage(picture, hiddenFaceTexture), 5, 5), cellColour(4, 7));
    EXPECT_TRUE(faceTextureImage(makeTileSetPicture(0, 0), 0).empty());
    EXPECT_EQ(faceTexture(0), -1);
    EXPECT_EQ(faceTexture(43), -1);
}

#endif
