// What the window's input does to the game: a click on the 2D board, the
// focus coming and going, the pause, any command, and a machine without sound.
#pragma once

struct App;

// A left click at client coordinates: it stops a demonstration, hides the
// hint, plays the click and shows the result.
void clickBoard2D(App& app, int x, int y);
// The tiles are hidden, and the clock stops, while the window is not the
// player's; losing the focus also hides the hint.
void setBoardFocus(App& app, bool focused);
// The PAUSE command hides the tiles or shows them again.
void togglePause(App& app);
// Every command first hides the hint.
void beforeCommand(App& app);
// Without a wave output device there are no effects and no music.
void withoutSoundDevice(App& app);
