#include "view3d/FaceSymbols.h"

#include <vector>

#include "files/Settings.h"
#include "view3d/GL.h"

namespace {

struct Box {
    float x0, x1, y0, y1;
};

// The boxes of a symbol of 1 to 9 units; y grows upwards, so y 1 is the
// bottom of the face.
std::vector<Box> unitBoxes(int units) {
    const Box left{1, 7, 2, 8}, right{8, 14, 2, 8};
    switch (units) {
    case 1: return {{2.5f, 12.5f, 5, 15}};
    case 2: return {{3.5f, 11.5f, 1, 9}, {3.5f, 11.5f, 11, 19}};
    case 3: return {left, right, {4.5f, 10.5f, 12, 18}};
    case 4: return {left, right, {1, 7, 12, 18}, {8, 14, 12, 18}};
    case 5: return {{2, 7, 1, 6}, {8, 13, 1, 6}, {2, 7, 14, 19}, {8, 13, 14, 19}, {5, 10, 7.5f, 12.5f}};
    case 6:
        return {{2, 7, 1, 6}, {8, 13, 1, 6}, {2, 7, 14, 19}, {8, 13, 14, 19}, {2, 7, 7.5f, 12.5f},
                {8, 13, 7.5f, 12.5f}};
    }
    // Seven to nine units: rows of at most three small boxes.
    std::vector<Box> boxes;
    const float columns[3][2] = {{1, 5}, {5.5f, 9.5f}, {10, 14}};
    for (float y0 : {2.0f, 14.0f})
        for (const auto& c : columns) boxes.push_back({c[0], c[1], y0, y0 + 4});
    if (units == 7) boxes.push_back({5.5f, 9.5f, 8, 12});
    if (units == 8) boxes.insert(boxes.end(), {{2.5f, 6.5f, 8, 12}, {8.5f, 12.5f, 8, 12}});
    if (units == 9)
        for (const auto& c : columns) boxes.push_back({c[0], c[1], 8, 12});
    return boxes;
}

struct Shape {
    int count;
    float corners[4][3][2];  // triangles of (u, w) corners within a box
};

const Shape square{2, {{{0, 0}, {1, 1}, {0, 1}}, {{1, 0}, {1, 1}, {0, 0}}}};
const Shape triangle{1, {{{1, 0}, {0.5f, 1}, {0, 0}}}};
const Shape diamond{2, {{{0, 0.5f}, {0.5f, 0}, {1, 0.5f}}, {{1, 0.5f}, {0.5f, 1}, {0, 0.5f}}}};
const Shape pinwheel{4,
                     {{{0.25f, 0}, {0.5f, 0.5f}, {0, 0.3f}},
                      {{0.75f, 0}, {1, 0.3f}, {0.5f, 0.5f}},
                      {{1, 0.7f}, {0.75f, 1}, {0.5f, 0.5f}},
                      {{0, 0.7f}, {0.5f, 0.5f}, {0.25f, 1}}}};

FaceSymbol makeSymbol(int group, const Shape& shape, int units) {
    FaceSymbol symbol;
    symbol.group = group;
    std::vector<Box> boxes = unitBoxes(units);
    // Eight and nine pinwheels sit one unit lower, clear of the face's edge.
    if (&shape == &pinwheel && units >= 8)
        for (Box& box : boxes)
            if (box.y0 == 2) box = {box.x0, box.x1, 1, 5};
    for (const Box& box : boxes)
        for (int i = 0; i < shape.count; ++i) {
            Triangle3& t = symbol.triangles[symbol.count++];
            for (int k = 0; k < 3; ++k)
                t.v[k] = {box.x0 + shape.corners[i][k][0] * (box.x1 - box.x0),
                          box.y0 + shape.corners[i][k][1] * (box.y1 - box.y0), 0};
        }
    return symbol;
}

FaceSymbol symbolOf(int face) {
    if (face < 1 || face > 42) return {};
    if (face <= 9) return makeSymbol(0, square, face);
    if (face <= 18) return makeSymbol(1, triangle, face - 9);
    if (face <= 27) return makeSymbol(2, pinwheel, face - 18);
    if (face <= 31) return makeSymbol(3, diamond, 1);
    if (face <= 35) return makeSymbol(3, diamond, face - 30);
    if (face <= 39) return makeSymbol(3, diamond, 6);
    return makeSymbol(3, diamond, face - 33);
}

std::array<FaceSymbol, 43> makeAllSymbols() {
    std::array<FaceSymbol, 43> symbols;
    for (int face = 0; face < 43; ++face) symbols[face] = symbolOf(face);
    return symbols;
}

}  // namespace

const FaceSymbol& faceSymbol(int face) {
    static const std::array<FaceSymbol, 43> symbols = makeAllSymbols();
    return symbols[face >= 1 && face <= 42 ? face : 0];
}

void drawFaceSymbol(int face, const Settings& settings, Vertex3 origin) {
    const FaceSymbol& symbol = faceSymbol(face);
    const Colour colour = settings.RGBVal[symbol.group];
    glColor3ub(redOf(colour), greenOf(colour), blueOf(colour));
    for (int i = 0; i < symbol.count; ++i) {
        Triangle3 t = symbol.triangles[i];
        for (Vertex3& v : t.v) v = {v.x + origin.x, v.y + origin.y, origin.z + settings.dessinZ};
        const Vertex3 n = triangleNormal(t);
        glNormal3f(n.x, n.y, n.z);
        for (const Vertex3& v : t.v) glVertex3f(v.x, v.y, v.z);
    }
}
