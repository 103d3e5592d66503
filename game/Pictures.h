// The tile set and the background picture the settings name, read from
// their data directories into the 2D view.
#pragma once

struct App;

// Reads the settings' tile-set file from TILESETS and prepares it.
void loadTileSet(App& app);
// Reads the settings' background file from BACKGRND and fits it; does
// nothing when the background is "none".
void loadBackground(App& app);
