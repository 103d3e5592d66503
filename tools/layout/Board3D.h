// The full board of a layout as the 3D view of the game shows it, drawn by
// the game's own 3D code into an off-screen context.
#pragma once

#include <string>

#include "Commands.h"
#include "QuietHost.h"
#include "game/App.h"
#include "view3d/View3D.h"
#include "view3d/offscreen/OffscreenContext.h"

// The camera and look options of render3d and pick3d; what is not given is
// as in a fresh settings file.
struct View3DOptions {
    std::string size = "1024x768";
    std::string tileSet = "data/TILESETS/STANDARD.BMP";
    std::string rotate, inclination, zoom, textures, shadows;
};

// Takes the options out of `words`, leaving the rest in `rest`; with
// `looks` false only the camera options are known.
bool takeView3DOptions(const CommandWords& words, bool looks, View3DOptions& options, CommandWords& rest);

struct Board3D {
    QuietHost host;
    App app{host};
    View3D view;
    OffscreenContext gl;
    ~Board3D() { closeOffscreenContext(gl); }
    Scene3D scene() { return {app.game, app.view.shadowFlags, app.view.boardCentre3D, app.settings}; }
};

// Reads and deals the layout and prepares the context, the camera and (with
// `looks`) the textures. 0 when ready, else the tool's exit status after a
// message on stderr (1 a layout the game cannot play, 2 bad input).
int openBoard3D(Board3D& board, const std::string& layout, bool grid, const View3DOptions& options, bool looks);
