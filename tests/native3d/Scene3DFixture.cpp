#include "Scene3DFixture.h"

#include <cstdlib>

#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"
#include "view3d/Pick.h"
#include "view3d/Scene.h"

Scene3DFixture::Scene3DFixture(int width, int height) : board(width, height) {
    if (!openOffscreenContext(gl, width, height)) std::abort();
    setRenderState(settings());
    setCamera(view, settings(), width, height);
    buildTileTextures(view, board.app.view.tileSet.fileImage);
}

Scene3DFixture::~Scene3DFixture() {
    releaseTileTextures(view);
    closeOffscreenContext(gl);
}

void Scene3DFixture::place(const std::vector<Placement>& placements) {
    board.place(placements);
    setCamera(view, settings(), -1, -1);
}

Surface Scene3DFixture::render() {
    render3D(view, scene());
    return offscreenFrame(gl);
}

int Scene3DFixture::pick(ClientPoint point) { return pick3D(view, scene(), point.x, point.y); }

bool nearColour(Colour a, Colour b, int tolerance) {
    return std::abs(redOf(a) - redOf(b)) <= tolerance && std::abs(greenOf(a) - greenOf(b)) <= tolerance &&
           std::abs(blueOf(a) - blueOf(b)) <= tolerance;
}

bool isYellowish(Colour c) { return redOf(c) > 150 && greenOf(c) > 150 && blueOf(c) < 60; }

