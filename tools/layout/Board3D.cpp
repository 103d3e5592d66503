#include "Board3D.h"

#include <cstdio>
#include <cstdlib>

#include "LayoutFile.h"
#include "ToolArguments.h"
#include "files/Utf8Path.h"
#include "game/DealGame.h"
#include "view2d/Bitmap.h"
#include "view3d/Camera.h"
#include "view3d/FaceTextures.h"

namespace {

bool parseFloats(const std::string& text, float* values, int count) {
    const char* p = text.c_str();
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        values[i] = std::strtof(p, &end);
        if (end == p) return false;
        p = end;
        if (i + 1 < count && *p++ != ',') return false;
    }
    return *p == '\0';
}

bool parseFlag(const std::string& text, uint8_t& flag) {
    if (text != "on" && text != "off") return false;
    flag = text == "on" ? 1 : 0;
    return true;
}

// Values given replace the fresh settings' ones.
bool applyOptions(const View3DOptions& options, Settings& s) {
    float rotation[3];
    if (!options.rotate.empty() && !parseFloats(options.rotate, rotation, 3)) return false;
    if (!options.rotate.empty()) s.XPosition = rotation[0], s.YPosition = rotation[1], s.ZPosition = rotation[2];
    return (options.inclination.empty() || parseFloats(options.inclination, &s.Inclination, 1)) &&
           (options.zoom.empty() || parseFloats(options.zoom, &s.ZView, 1)) &&
           (options.textures.empty() || parseFlag(options.textures, s.Textures)) &&
           (options.shadows.empty() || parseFlag(options.shadows, s.Shadows));
}

}  // namespace

bool takeView3DOptions(const CommandWords& words, bool looks, View3DOptions& options, CommandWords& rest) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        std::string* value = word == "--size"          ? &options.size
                             : word == "--rotate"      ? &options.rotate
                             : word == "--inclination" ? &options.inclination
                             : word == "--zoom"        ? &options.zoom
                             : !looks                  ? nullptr
                             : word == "--tileset"     ? &options.tileSet
                             : word == "--textures"    ? &options.textures
                             : word == "--shadows"     ? &options.shadows
                                                       : nullptr;
        if (value == nullptr) rest.push_back(word);
        else if (i + 1 < words.size() && !words[i + 1].empty()) *value = words[++i];
        else return false;
    }
    return true;
}

int openBoard3D(Board3D& board, const std::string& layout, bool grid, const View3DOptions& options, bool looks) {
    App& app = board.app;
    int width = 0, height = 0;
    if (!parseSize(options.size, width, height) || !applyOptions(options, app.settings)) {
        std::fputs("tavrek-layout: a value of --size, --rotate, --inclination, --zoom, --textures or --shadows "
                   "is not understood\n",
                   stderr);
        return 2;
    }
    LayoutSummary summary;
    if (!readLayoutFile(layout, grid, app.game, summary)) return 2;
    if (!layoutIsPlayable(app.game)) {
        std::fprintf(stderr, "tavrek-layout: %s is not a playable layout\n", layout.c_str());
        return 1;
    }
    if (looks && !readBitmapFile(pathFromUtf8(options.tileSet), app.view.tileSet.fileImage)) {
        std::fprintf(stderr, "tavrek-layout: cannot read the tile set %s\n", options.tileSet.c_str());
        return 2;
    }
    dealNewGame(app);
    if (!openOffscreenContext(board.gl, width, height)) {
        std::fputs("tavrek-layout: no off-screen OpenGL context\n", stderr);
        return 2;
    }
    setRenderState(app.settings);
    setCamera(board.view, app.settings, width, height);
    if (looks) buildTileTextures(board.view, app.view.tileSet.fileImage);
    return 0;
}
