"""Draws a design from above as text: each half-tile cell shows the number of
the highest layer covering it (1 for the bottom layer), '.' where it is empty."""

import sys

import designs
import rules


def top_view(tiles):
    height = {}
    for tile in tiles:
        for (layer, row, column) in rules.cells(tile):
            height[(row, column)] = max(height.get((row, column), 0), layer + 1)
    return "\n".join("".join(str(height.get((row, column), ".")) for column in range(34))
                     for row in range(20))


if __name__ == "__main__":
    for name in sys.argv[1:]:
        print(name)
        print(top_view(getattr(designs, name)()))
