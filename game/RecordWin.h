// The end of a won game: the clock stops, the winner gives a name and a
// fast enough time enters the current layout's hall of fame.
#pragma once

struct App;

// Runs where the last pair is taken; acts once per won game. A
// demonstration by the automatic player is never a win.
void recordWin(App& app);

// No pair is left: the hint gives way to the end-of-game text, and an empty
// board is recorded as won before the status bar says so.
void announceGameOver(App& app);
