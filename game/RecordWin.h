// The end of a won game: the clock stops, the winner gives a name and a
// fast enough time enters the current layout's hall of fame.
#pragma once

struct App;

// Runs where the last pair is taken; acts once per won game. A
// demonstration by the automatic player is never a win.
void recordWin(App& app);
