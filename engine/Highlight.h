// Which tiles both views draw with the selected look.
#pragma once

#include "engine/BoardModel.h"

// The selected tile and the second tile of a pair being tried.
bool isMarkedTile(const GameState& state, int tile);

// With the hint shown, the two tiles of the pair at hintIndex; an index run
// past the end of the list starts again at its first pair.
bool isHintedTile(GameModel& game, int tile);
