"""What every shipped heap must satisfy: 144 tiles inside the board, no two
tiles of one layer overlapping, and every raised tile resting on at least half
of its area (a bridge rests half on each of its two piers)."""

TILES = 144


def overlaps(a, b):
    return a[0] == b[0] and a != b and abs(a[1] - b[1]) < 2 and abs(a[2] - b[2]) < 2


def cells(tile):
    layer, row, column = tile
    return {(layer, row + dr, column + dc) for dr in (0, 1) for dc in (0, 1)}


def supported_cells(tile, occupied):
    layer = tile[0]
    return sum((layer - 1, r, c) in occupied for (_, r, c) in cells(tile))


def problems(tiles):
    """A list of what is wrong with the heap; empty when it may ship."""
    found = []
    if len(tiles) != TILES:
        found.append("%d tiles instead of %d" % (len(tiles), TILES))
    for t in sorted(tiles):
        layer, row, column = t
        if not (0 <= layer <= 4 and 0 <= row <= 18 and 0 <= column <= 32):
            found.append("tile %s lies outside the board" % (t,))
    by_layer = {}
    for t in tiles:
        by_layer.setdefault(t[0], []).append(t)
    for layer_tiles in by_layer.values():
        for i, a in enumerate(layer_tiles):
            found += ["tiles %s and %s overlap" % (a, b) for b in layer_tiles[i + 1:] if overlaps(a, b)]
    occupied = set().union(*(cells(t) for t in tiles)) if tiles else set()
    for t in sorted(tiles):
        if t[0] > 0 and supported_cells(t, occupied) < 2:
            found.append("tile %s rests on too little" % (t,))
    return found
