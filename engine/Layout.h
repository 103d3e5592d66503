// The layout mask: how many tiles it gives, numbering the tiles and putting
// them into the painter's order the 2D view relies on.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/BoardModel.h"

int countMarks(const LayoutMask& mask);
// A tile's corner leaves room for its 2 x 2 cells: rows 0..18, columns 0..32.
bool isTileCorner(int row, int column);
// How many tiles the numbering makes of the mask: its marked corners, at most 144.
int numberedTileCount(const LayoutMask& mask);
// Only a mask of exactly 144 marks, every one a tile corner, gives a game.
bool layoutHas144Tiles(const LayoutMask& mask);

// The random heap: towers of whole tiles, 144 marks on whole-tile corners,
// drawn after seeding the generator with `seed`.
void makeRandomLayout(LayoutMask& mask, unsigned seed);

// Fills BoardGrid and the tile positions from the mask in reading order
// (layer up, column right to left, row top to bottom). Every record is
// cleared first, so tiles beyond the numbered ones stand nowhere and carry
// no face. Returns the number of tiles numbered.
int numberTiles(GameModel& game);
// Numbering followed by the ordering cycles.
int numberAndOrderTiles(GameModel& game);

// Which way a pass sorts the numbers of a corner and the corner at the offset.
enum class Order { ascending, descending };
// One sorting pass. Returns true when it swapped.
bool orderPass(GameModel& game, int rowOffset, int columnOffset, Order order);
// Exchanges the tiles at two corners.
void swapTiles(GameModel& game, int l1, int r1, int c1, int l2, int r2, int c2);
