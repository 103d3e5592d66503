#include "view3d/FaceTextures.h"

#include "files/Settings.h"
#include "view2d/Stretch.h"
#include "view2d/TileSet.h"
#include "view3d/GL.h"

namespace {

// Cell k in reading order, skipping column 8 of rows 3 and 4.
FaceCell textureCell(int k) {
    if (k < 27) return {k / faceColumns, k % faceColumns};
    return {3 + (k - 27) / 8, (k - 27) % 8};
}

}  // namespace

CellSize faceCellSize(const Surface& fileImage) {
    if (isEmpty(fileImage)) return {};
    return {fileImage.width / faceColumns, fileImage.height / faceRows};
}

int faceTexture(int face) { return face >= 1 && face <= 42 ? face - 1 : -1; }

std::vector<uint8_t> faceTextureImage(const Surface& fileImage, int k) {
    const CellSize cell = faceCellSize(fileImage);
    if (cell.width <= 0 || cell.height <= 0 || k < 0 || k >= faceTextureCount) return {};
    const FaceCell place = textureCell(k);
    Surface cut, scaled;
    resizeSurface(cut, cell.width, cell.height);
    copyRectangle(fileImage, place.column * cell.width, place.row * cell.height, cut, 0, 0, cell.width,
                  cell.height);
    stretchSurface(cut, faceTextureSide, faceTextureSide, scaled);
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(faceTextureSide) * faceTextureSide * 3);
    for (int y = faceTextureSide - 1; y >= 0; --y)
        for (int x = 0; x < faceTextureSide; ++x) {
            const Colour colour = colourAt(scaled, x, y);
            rgb.insert(rgb.end(), {redOf(colour), greenOf(colour), blueOf(colour)});
        }
    return rgb;
}

std::vector<uint8_t> halvedTextureImage(const std::vector<uint8_t>& rgb, int side) {
    const int half = side / 2;
    if (half == 0 || rgb.size() != size_t(side) * side * 3) return {};
    std::vector<uint8_t> smaller(size_t(half) * half * 3);
    const auto at = [&rgb, side](int x, int y, int c) { return int(rgb[(size_t(y) * side + x) * 3 + c]); };
    for (int y = 0; y < half; ++y)
        for (int x = 0; x < half; ++x)
            for (int c = 0; c < 3; ++c) {
                const int sum = at(2 * x, 2 * y, c) + at(2 * x + 1, 2 * y, c) + at(2 * x, 2 * y + 1, c) +
                                at(2 * x + 1, 2 * y + 1, c);
                smaller[(size_t(y) * half + x) * 3 + c] = uint8_t((sum + 2) / 4);
            }
    return smaller;
}

void releaseTileTextures(View3D& view) {
    if (!onContextThread(view)) return;
    for (uint32_t& name : view.textures) {
        if (name != 0) glDeleteTextures(1, &name);
        name = 0;
    }
}

// Mipmaps keep the pictures smooth where a tile shows them smaller than 64
// pixels, which the default camera does. The levels are halved here rather
// than by the system's GLU, so that every Windows shows the same small
// pictures; all of them, down to one pixel, since a texture lacking any level
// is not drawn at all.
void buildTileTextures(View3D& view, const Surface& fileImage) {
    if (!onContextThread(view)) return;
    releaseTileTextures(view);
    // The small levels' rows are not whole words.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int k = 0; k < faceTextureCount; ++k) {
        std::vector<uint8_t> level = faceTextureImage(fileImage, k);
        if (level.empty()) continue;
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        for (int side = faceTextureSide, number = 0; side > 0; side /= 2, ++number) {
            glTexImage2D(GL_TEXTURE_2D, number, GL_RGB, side, side, 0, GL_RGB, GL_UNSIGNED_BYTE, level.data());
            level = halvedTextureImage(level, side);
        }
        view.textures[k] = name;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}
