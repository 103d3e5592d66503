// The play itself: selecting, removing, undo, restart, new game and hint.
#pragma once

struct App;

void clickTile(App& app, int tile);
// A left click in the 2D view at client coordinates.
void click2D(App& app, int x, int y);
void tryPair(App& app, int first, int second);
void undoMove(App& app);
// The UNDO command (also the right mouse button): undo and refresh the board.
void undoCommand(App& app);
void restartGame(App& app);
void newGame(App& app);
void showNextHint(App& app);
