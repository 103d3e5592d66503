// pick3d: the tile a left click at a client position of the 3D view would
// pick on the dealt full board, found by the game's own picking.
#include <cstdio>
#include <cstdlib>

#include "Board3D.h"
#include "ToolArguments.h"
#include "view3d/Pick.h"

namespace {

bool parseCoordinate(const std::string& text, int& value) {
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < -100000 || number > 100000) return false;
    value = int(number);
    return true;
}

}  // namespace

int pick3DCommand(const CommandWords& words) {
    const char* usage = "pick3d [--grid] FILE X Y [--size WxH] [--rotate X,Y,Z] [--inclination N] [--zoom Z]";
    View3DOptions options;
    CommandWords rest;
    ToolArguments arguments;
    int x = 0, y = 0;
    if (!takeView3DOptions(words, false, options, rest) || !parseArguments(rest, arguments) ||
        arguments.files.size() != 3 || !arguments.games.empty() || !arguments.to.empty() ||
        !parseCoordinate(arguments.files[1], x) || !parseCoordinate(arguments.files[2], y))
        return wrongArguments(usage);
    Board3D board;
    if (const int status = openBoard3D(board, arguments.files[0], arguments.grid, options, false)) return status;
    const int tile = pick3D(board.view, board.scene(), x, y);
    if (tile == noTile) std::puts("tile: none");
    else std::printf("tile: %d\n", tile);
    return 0;
}
