// The layout the settings name, loaded into the board with its hall of fame.
#pragma once

struct App;

// Reads the layout named by the Layout setting (or makes a random heap for
// "RANDOM.TVL") and builds the board from it.
void loadLayout(App& app);
void placeLayoutTiles(App& app);
