// preview: draws a solvable deal of a layout with the game's own 2D view and
// writes the picture as a 24-bit BMP, to look at a layout or a tile set
// without starting the game.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "LayoutFile.h"
#include "QuietHost.h"
#include "ToolArguments.h"
#include "game/App.h"
#include "files/Utf8Path.h"
#include "game/DealGame.h"
#include "view2d/Bitmap.h"
#include "view2d/BitmapWriter.h"

namespace {

struct PreviewOptions {
    std::string tileSet = "data/TILESETS/STANDARD.BMP";
    std::string background;  // none: the background colour
    std::string size = "1024x720";
    bool shadows = false;
};

// Takes the preview's own options out of the words; the rest are the tool's common ones.
bool takePreviewOptions(const CommandWords& words, PreviewOptions& options, CommandWords& rest) {
    for (size_t i = 0; i < words.size(); ++i) {
        std::string* value = words[i] == "--tileset"      ? &options.tileSet
                             : words[i] == "--background" ? &options.background
                             : words[i] == "--size"       ? &options.size
                                                          : nullptr;
        if (words[i] == "--shadows") options.shadows = true;
        else if (value == nullptr) rest.push_back(words[i]);
        else if (i + 1 < words.size() && !words[i + 1].empty()) *value = words[++i];
        else return false;
    }
    return true;
}

bool readPicture(const std::string& path, const char* what, Surface& slot) {
    if (readBitmapFile(pathFromUtf8(path), slot)) return true;
    std::fprintf(stderr, "tavrek-layout: cannot read the %s %s\n", what, path.c_str());
    return false;
}

bool readPictures(const PreviewOptions& options, App& app) {
    if (!readPicture(options.tileSet, "tile set", app.view.tileSet.fileImage)) return false;
    if (options.background.empty()) return true;
    app.settings.Background = options.background;
    return readPicture(options.background, "background", app.view.background.fileImage);
}

}  // namespace

int previewCommand(const CommandWords& words) {
    const char* usage = "preview [--grid] FILE OUT.bmp [--tileset FILE] [--background FILE] [--size WxH] [--shadows]";
    PreviewOptions options;
    CommandWords rest;
    ToolArguments arguments;
    int width = 0, height = 0;
    if (!takePreviewOptions(words, options, rest) || !parseArguments(rest, arguments) ||
        arguments.files.size() != 2 || !arguments.games.empty() || !arguments.to.empty() ||
        !parseSize(options.size, width, height))
        return wrongArguments(usage);

    QuietHost host;
    App app(host);
    app.settings.Background = "";
    app.settings.Shadows = options.shadows ? 1 : 0;
    LayoutSummary summary;
    if (!readLayoutFile(arguments.files[0], arguments.grid, app.game, summary) || !readPictures(options, app))
        return 2;
    if (!layoutIsPlayable(app.game)) {
        std::fprintf(stderr, "tavrek-layout: %s is not a playable layout\n", arguments.files[0].c_str());
        return 1;
    }
    resizeBoard(scene2D(app), width, height);
    dealNewGame(app);
    composeFrame2D(scene2D(app), noTile, noTile, 0, 0);
    if (writeBitmapFile(pathFromUtf8(arguments.files[1]), app.view.boardBitmap)) return 0;
    std::fprintf(stderr, "tavrek-layout: cannot write %s\n", arguments.files[1].c_str());
    return 2;
}
