"""Building blocks of a heap: tile positions are (layer, row, column) corners
on the half-tile grid (rows 0-18, columns 0-32, layers 0-4). Whole-tile steps
are 2 cells, so an odd row or column is half a tile off the even grid."""

CENTRE_COLUMN = 16   # a tile here covers columns 16-17, the middle of 0-33
CENTRE_ROW = 9       # a tile here covers rows 9-10, the middle of 0-19


def block(layer, top, left, rows, columns):
    """A rectangle of rows x columns tiles side by side."""
    return {(layer, top + 2 * i, left + 2 * j) for i in range(rows) for j in range(columns)}


def row_of(layer, row, left, columns):
    return block(layer, row, left, 1, columns)


def centred_row(layer, row, columns):
    """A row of tiles centred on the board's middle column."""
    return row_of(layer, row, CENTRE_COLUMN - (columns - 1), columns)


def centred_rows(layer, top, widths):
    """Rows one tile apart, each centred, with the given widths from the top."""
    tiles = set()
    for i, width in enumerate(widths):
        tiles |= centred_row(layer, top + 2 * i, width)
    return tiles


def centred_top(rows):
    """The top row that centres a column of `rows` tiles on the board."""
    return CENTRE_ROW - (rows - 1)


def mirrored(tiles):
    """The tiles together with their mirror image across the middle column."""
    return set(tiles) | {(l, r, 2 * CENTRE_COLUMN - c) for (l, r, c) in tiles}


def flipped(tiles):
    """The tiles together with their mirror image across the middle row."""
    return set(tiles) | {(l, 2 * CENTRE_ROW - r, c) for (l, r, c) in tiles}


def union(*parts):
    tiles = set()
    for part in parts:
        tiles |= set(part)
    return tiles


def ridge(corners, height):
    """The layers 1 to height - 1 of a ridge over a straight run of tiles
    (corners as (row, column), one tile apart): each layer rests half on each
    of two neighbours below, so it is one tile shorter than the one beneath."""
    tiles, level = set(), list(corners)
    for layer in range(1, height):
        level = [((r1 + r2) // 2, (c1 + c2) // 2) for (r1, c1), (r2, c2) in zip(level, level[1:])]
        tiles |= {(layer, row, column) for (row, column) in level}
    return tiles


def drawn(layer, top, left, picture):
    """Tiles drawn as text: each "#" of line i, character j, is the tile at
    row top + 2i, column left + 2j; any other character leaves a gap."""
    return {(layer, top + 2 * i, left + 2 * j)
            for i, line in enumerate(picture.strip("\n").splitlines())
            for j, mark in enumerate(line) if mark == "#"}


def raised(tiles, layers=1):
    """The same positions the given number of layers higher."""
    return {(l + layers, r, c) for (l, r, c) in tiles}


def nested(tiles):
    """One layer up, half a tile in: a tile over the middle of every square
    of four tiles side by side, so each rests on all four."""
    return {(l + 1, r + 1, c + 1) for (l, r, c) in tiles
            if {(l, r, c + 2), (l, r + 2, c), (l, r + 2, c + 2)} <= set(tiles)}


def shifted(tiles, rows, columns):
    return {(l, r + rows, c + columns) for (l, r, c) in tiles}


def clipped(tiles, top, left, bottom, right):
    """The tiles whose corners lie in rows top-bottom and columns left-right."""
    return {(l, r, c) for (l, r, c) in tiles if top <= r <= bottom and left <= c <= right}


def stacked(top, left, picture):
    """Towers drawn as text: a digit k in line i, character j, stands for k
    tiles stacked at row top + 2i, column left + 2j, from layer 0 up."""
    return {(layer, top + 2 * i, left + 2 * j)
            for i, line in enumerate(picture.strip("\n").splitlines())
            for j, mark in enumerate(line) if mark.isdigit() for layer in range(int(mark))}


def silhouette_stack(outline, tiers):
    """A shape seen from the front: the tiles of the outline's line i, from
    its top, are stacked tiers[i] high, so the top of the picture can stand
    tallest in the heap."""
    top = min(row for (_, row, _) in outline)
    tiles = set()
    for (layer, row, column) in outline:
        height = tiers[(row - top) // 2]
        tiles |= {(level, row, column) for level in range(layer, layer + height)}
    return tiles
