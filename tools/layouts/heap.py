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
