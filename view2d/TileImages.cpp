#include "view2d/TileImages.h"

#include <algorithm>
#include <cstring>

#include "files/Settings.h"
#include "view2d/TileLook.h"
#include "view2d/TileSet.h"

namespace {

constexpr int lookCount = 2;
constexpr int slotCount = faceRows * faceColumns * lookCount;

bool builtWith(const TileImages& images, const Settings& settings) {
    return images.sidesColour == settings.SidesColor && images.selectMode == settings.SelectMode &&
           images.shadowsValue == settings.ShadowsValue;
}

// Row runs of what the face and its sides cover.
std::vector<TileRun> coveredRuns(const TileBox& box, int width, int height) {
    std::vector<uint8_t> covered(size_t(width) * height, 0);
    auto mark = [&](int y, int x0, int x1) {
        if (y < 0 || y >= height) return;
        for (int x = std::max(x0, 0); x < std::min(x1, width); ++x) covered[size_t(y) * width + x] = 1;
    };
    for (int y = box.y; y < box.y + box.height; ++y) mark(y, box.x, box.x + box.width);
    forEachSideSpan(box, [&](int y, int x0, int x1, bool) { mark(y, x0, x1); });
    std::vector<TileRun> runs;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width;) {
            if (!covered[size_t(y) * width + x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && covered[size_t(y) * width + x]) ++x;
            runs.push_back({y, start, x});
        }
    return runs;
}

TileBox imageBox(const TileSet& tileSet) {
    const int edge = tileSet.cellWidth - tileSet.tileWidth;
    return {edge, 0, tileSet.tileWidth, tileSet.tileHeight, edge};
}

// Drawn with the very operations a tile is drawn with on the board, into a
// picture of its own.
void buildImage(TileImage& image, const TileSet& tileSet, const Settings& settings, int row, int column,
                bool selected) {
    const TileBox box = imageBox(tileSet);
    resizeSurface(image.pixels, tileSet.cellWidth, tileSet.cellHeight);
    copyRectangle(tileSet.prepared, column * box.width, row * box.height, image.pixels, box.x, box.y, box.width,
                  box.height);
    if (selected) applySelectedLook(image.pixels, box, settings.SelectMode, settings.ShadowsValue);
    drawSolidSides(image.pixels, box, settings.SidesColor);
    image.runs = tileImageRuns(tileSet);
    image.built = true;
}

}  // namespace

void clearTileImages(TileImages& images) { images.images.clear(); }

std::vector<TileRun> tileImageRuns(const TileSet& tileSet) {
    return coveredRuns(imageBox(tileSet), tileSet.cellWidth, tileSet.cellHeight);
}

const TileImage& tileImage(TileSet& tileSet, const Settings& settings, int row, int column, bool selected) {
    TileImages& images = tileSet.images;
    if (images.images.empty() || !builtWith(images, settings)) {
        images.images.assign(slotCount, TileImage{});
        images.sidesColour = settings.SidesColor;
        images.selectMode = settings.SelectMode;
        images.shadowsValue = settings.ShadowsValue;
    }
    TileImage& image = images.images[(row * faceColumns + column) * lookCount + (selected ? 1 : 0)];
    if (!image.built) buildImage(image, tileSet, settings, row, column, selected);
    return image;
}

void drawTileImage(const TileImage& image, int edge, Surface& board, int x, int y) {
    const int left = x - edge;
    for (const TileRun& run : image.runs) {
        const int by = y + run.y;
        if (by < 0 || by >= board.height) continue;
        const int x0 = std::max(left + run.x0, 0), x1 = std::min(left + run.x1, board.width);
        if (x0 >= x1) continue;
        std::memcpy(rowOf(board, by) + x0, rowOf(image.pixels, run.y) + (x0 - left),
                    size_t(x1 - x0) * sizeof(uint32_t));
    }
}
