// The automatic player: on a thread of its own it demonstrates the solution
// of a fresh solvable deal, then puts the deal back to its start.
#pragma once

struct App;

// The AUTOPLAY command: starts the worker on a detached thread, unless one
// is still running (a second demonstration beside the first would remove
// tiles twice).
void startAutoPlay(App& app);
// The worker's body: the moves of the removal order until the board is
// cleared or a click clears autoPlayRunning; then the restart. The game lock
// is held while the model changes and a frame is composed, never through a
// wait or a sound. A board that is not a fresh solvable deal (one that fell
// back to random faces included) is refused with MesAutoplayError.
void autoPlayWorker(App& app);
// Asks a running demonstration to end after the move under way.
void stopAutoPlay(App& app);
// A worker thread still exists (tests and the shell wait for it).
bool autoPlayerBusy(App& app);
// Ends a demonstration and waits until its worker is gone, answering what the
// worker's message box asks of the window meanwhile. Called without the game
// lock, which the worker needs for its last move and its restart.
void stopAutoPlayAndWait(App& app);
