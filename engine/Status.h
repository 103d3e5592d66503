// The status bar text and the game clock.
#pragma once

struct App;

// Recomposes the status text, posts it and runs the win check.
void updateStatus(App& app);
