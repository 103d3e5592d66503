// render3d: the dealt full board as the game's 3D view shows it in a window
// of the given client size, written as a 24-bit BMP.
#include <cstdio>

#include "Board3D.h"
#include "ToolArguments.h"
#include "files/Utf8Path.h"
#include "view2d/BitmapWriter.h"
#include "view3d/Scene.h"

int render3DCommand(const CommandWords& words) {
    const char* usage = "render3d [--grid] FILE OUT.bmp [--size WxH] [--tileset FILE] [--rotate X,Y,Z]\n"
                        "                       [--inclination N] [--zoom Z] [--textures on|off] [--shadows on|off]";
    View3DOptions options;
    CommandWords rest;
    ToolArguments arguments;
    if (!takeView3DOptions(words, true, options, rest) || !parseArguments(rest, arguments) ||
        arguments.files.size() != 2 || !arguments.games.empty() || !arguments.to.empty())
        return wrongArguments(usage);
    Board3D board;
    if (const int status = openBoard3D(board, arguments.files[0], arguments.grid, options, true)) return status;
    render3D(board.view, board.scene());
    if (writeBitmapFile(pathFromUtf8(arguments.files[1]), offscreenFrame(board.gl))) return 0;
    std::fprintf(stderr, "tavrek-layout: cannot write %s\n", arguments.files[1].c_str());
    return 2;
}
