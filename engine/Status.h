// The status bar text and the game clock.
#pragma once

#include <cstdint>
#include <string>

struct App;

// HH:MM:SS, each part with a leading 0 below 10; hours of 100 or more give three digits.
std::string formatClock(int hours, int minutes, int seconds);

// The clock text of a count of seconds.
std::string clockText(int32_t elapsedSeconds);

// The status text for the game as it stands: tiles left, the clock when it
// is shown, and after a hint the pair counter or the end of the game.
std::string composeStatus(const App& app);

// Recomposes the status text, runs the win check and posts the text.
void updateStatus(App& app);

// One tick of the one-second clock timer: the clock counts while the board
// is visible and the win has not been handled yet.
void clockTick(App& app);
