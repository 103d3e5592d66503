// The status bar text and the game clock.
#pragma once

#include <string>

struct App;

// The status text for the game as it stands: tiles left, the clock when it
// is shown, and after a hint the pair counter or the end of the game.
std::string composeStatus(const App& app);

// Recomposes the status text and posts it.
void updateStatus(App& app);

// One tick of the one-second clock timer: the clock counts while the board
// is visible and the win has not been handled yet.
void clockTick(App& app);
