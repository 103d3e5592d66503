#include "view2d/TileSet.h"

#include <cstdlib>
#include <mutex>
#include <utility>

#include "files/Settings.h"
#include "view2d/BoardView.h"
#include "view2d/Stretch.h"

namespace {

int roundUpTo(int value, int multiple) { return (value + multiple - 1) / multiple * multiple; }

// The faces of the picture scaled, in its own proportion, to the largest
// size that lets 17 tiles across and 10 down fit the board area after
// setting aside five layers of side thickness.
FaceSize stretchedFaceSize(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight, int borderSize) {
    FaceSize size{pictureWidth / faceColumns, pictureHeight / faceRows};
    const int acrossAllowance = borderSize > 0 ? areaWidth / (borderSize * 17) * 5 : 0;
    const int downAllowance = borderSize > 0 ? areaHeight / (borderSize * 10) * 5 : 0;
    const int a = (areaWidth - acrossAllowance) / 17;
    const int h = (areaHeight - downAllowance) / 10;
    if (size.width <= 0 || size.height <= 0 || a <= 0 || h <= 0) return {};
    const float r = float(size.width) / float(size.height);
    if (float(a / h) >= r) size = {int(float(h) * r), h};
    else size = {a, int(float(a) / r)};
    if (a < size.width) size = {a, int(float(a) / r)};
    if (h < size.height) size = {int(float(h) * r), h};
    return {size.width - size.width % 2, size.height - size.height % 2};
}

// Unstretched, the picture is only raised to whole, even face cells.
FaceSize naturalFaceSize(int pictureWidth, int pictureHeight) {
    return {roundUpTo(pictureWidth, 2 * faceColumns) / faceColumns, roundUpTo(pictureHeight, 2 * faceRows) / faceRows};
}

}  // namespace

FaceCell faceCell(int face) {
    if (face >= seasonGroup) return {4, face - seasonGroup};
    return {(face - 1) / faceColumns, (face - 1) % faceColumns};
}

FaceSize preparedFaceSize(int pictureWidth, int pictureHeight, const Settings& settings, int areaWidth,
                          int areaHeight) {
    const FaceSize face = settings.StretchTiles == 1
                              ? stretchedFaceSize(pictureWidth, pictureHeight, areaWidth, areaHeight,
                                                  settings.BorderSize)
                              : naturalFaceSize(pictureWidth, pictureHeight);
    if (face.width <= 0 || face.height <= 0) return {};
    return face;
}

void sizeTileSet(TileSet& tileSet, const Settings& settings, int areaWidth, int areaHeight) {
    const Surface& picture = tileSet.fileImage;
    const FaceSize face = preparedFaceSize(picture.width, picture.height, settings, areaWidth, areaHeight);
    stretchSurface(tileSet.fileImage, face.width * faceColumns, face.height * faceRows, tileSet.prepared);
    tileSet.tileWidth = int16_t(face.width);
    tileSet.tileHeight = int16_t(face.height);
    tileSet.edgeX = int16_t(settings.BorderSize > 0 ? face.width / settings.BorderSize : 0);
    tileSet.edgeY = int16_t(-tileSet.edgeX);
    tileSet.cellWidth = int16_t(face.width + std::abs(tileSet.edgeX));
    tileSet.cellHeight = int16_t(face.height + std::abs(tileSet.edgeY));
    tileSet.shadowHeight = int16_t(settings.ShadowSize > 0 ? face.height / settings.ShadowSize : 0);
    tileSet.shadowWidth = tileSet.shadowHeight;
    clearTileImages(tileSet.images);
}

void prepareTileSet(const Scene2D& scene) {
    {
        std::lock_guard<std::mutex> hold(scene.view.frameLock);
        sizeTileSet(scene.view.tileSet, scene.settings, scene.view.boardWidth, scene.view.boardHeight);
    }
    layoutTiles(scene.view, scene.game);
}
