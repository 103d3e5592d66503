"""The heaps that come with the game, from easy to hard. Each design returns
its set of tile corners (layer, row, column); see heap.py for the grid."""

from heap import block, centred_rows, centred_top, flipped, mirrored, ridge, row_of, union


def tortoise():
    """A domed shell with head, tail and four legs; each layer of the dome
    is shifted half a tile against the one below."""
    shell = centred_rows(0, 2, [6, 8, 10, 10, 10, 10, 8, 6])
    limbs = {(0, 9, 5), (0, 9, 3), (0, 9, 27), (0, 3, 5), (0, 15, 5), (0, 3, 27), (0, 15, 27)}
    return union(shell, limbs,
                 centred_rows(1, 5, [7, 9, 9, 9, 7]),
                 centred_rows(2, 6, [4, 6, 6, 4]),
                 centred_rows(3, 7, [2, 2, 2]),
                 centred_rows(4, 8, [2]))


def pyramid():
    """A stepped pyramid: every layer sits half a tile in on all four sides."""
    return union(*(centred_rows(layer, centred_top(rows), [columns] * rows)
                   for layer, (rows, columns) in enumerate([(6, 9), (5, 8), (4, 7), (3, 6), (1, 4)])))


def fortress():
    """A walled square with corner towers, crenellated walls and a keep."""
    wall = union(row_of(0, 1, 1, 16), row_of(0, 17, 1, 16), block(0, 3, 1, 7, 1), block(0, 3, 31, 7, 1))
    tower = union(block(0, 3, 3, 1, 1), block(1, 1, 1, 2, 2), block(2, 1, 1, 2, 2), {(3, 2, 2)})
    towers = flipped(mirrored(tower))
    battlements = flipped(mirrored(union(row_of(1, 1, 7, 3), {(1, 7, 1)})))
    keep = union(centred_rows(0, 7, [7, 7, 7]), centred_rows(1, 8, [6, 6]), centred_rows(2, 9, [5]),
                 centred_rows(3, 9, [4]))
    return union(wall, towers, battlements, keep)


def bridge():
    """Two banks with gate towers and a bridge across the river between
    them: a causeway three tiles wide, a deck whose tiles each rest across
    four of the causeway's, and a crown along the middle."""
    bank = union(block(0, 3, 0, 7, 3), block(1, 4, 1, 6, 2), block(2, 6, 2, 4, 1))
    causeway = block(0, 7, 6, 3, 11)
    deck = block(1, 8, 5, 2, 12)
    crown = union(row_of(2, 9, 6, 11), {(3, 9, 15), (3, 9, 17)})
    return union(mirrored(bank), causeway, deck, crown)


def ring():
    """A wide oval ring, its upper course shifted half a tile inwards."""
    def band(layer, outer_rows, outer_columns, inner_rows, inner_columns):
        outer = centred_rows(layer, centred_top(outer_rows), [outer_columns] * outer_rows)
        inner = centred_rows(layer, centred_top(inner_rows), [inner_columns] * inner_rows)
        return outer - inner
    corners = flipped(mirrored({(1, 3, 3)}))
    return union(band(0, 8, 15, 4, 11), band(1, 7, 14, 5, 12), band(2, 6, 13, 4, 11)) - corners


def cross():
    """A cross whose arms climb towards a ridge over the crossing."""
    arms = union(block(0, 7, 0, 3, 17), block(0, 1, 12, 3, 5), block(0, 13, 12, 3, 5),
                 block(1, 8, 1, 2, 16), block(1, 2, 13, 2, 4), block(1, 14, 13, 2, 4))
    ridge = union(row_of(2, 9, 8, 9), {(2, 3, 16), (2, 15, 16)}, row_of(3, 9, 13, 4))
    return union(arms, ridge)


def dragon():
    """A dragon winding across the board: a body three tiles deep that rises
    and falls half a tile at a time, a spine with spikes along its back,
    two wings and a raised head on the right."""
    centre_rows = [9, 8, 7, 6, 6, 7, 8, 9, 10, 11, 12, 12, 11, 10, 9, 8, 8]
    body = set()
    for step, row in enumerate(centre_rows):
        column = 2 * step
        body |= {(0, row - 2, column), (0, row, column), (0, row + 2, column),
                 (1, row - 1, column), (1, row + 1, column), (2, row, column)}
        if step % 2 == 0:
            body.add((3, row, column))
    wings = union(block(0, 0, 12, 3, 4), block(1, 1, 13, 2, 3), block(2, 2, 14, 1, 2),
                  block(0, 16, 18, 2, 4), block(1, 17, 19, 1, 3))
    head = {(3, 8, 30), (4, 8, 31)}
    return union(body, wings, head)


def diamond():
    """A diamond whose every row is shifted half a tile against the next,
    with four smaller diamonds stacked on it."""
    return union(centred_rows(0, 1, [6, 7, 8, 9, 10, 9, 8, 7, 6]),
                 centred_rows(1, 2, [4, 5, 6, 7, 7, 6, 5, 4]),
                 centred_rows(2, 3, [2, 3, 4, 5, 4, 3, 2]),
                 centred_rows(3, 6, [1, 2, 2, 1]),
                 centred_rows(4, 9, [1]))


def stairs():
    """A staircase climbing to the right, each flight half a tile further
    right and half a tile lower than the one beneath it."""
    flights = [(0, 17), (7, 13), (14, 9), (19, 6), (24, 3)]
    return union(*(block(layer, 6 + layer, left, 3, columns)
                   for layer, (left, columns) in enumerate(flights)))


def twin_towers():
    """Two square towers on a plaza, joined by a low hall in between."""
    tower = union(*(block(layer, 7, 6, 3, 3) for layer in range(1, 4)), block(4, 8, 7, 2, 2))
    hall = union(row_of(1, 9, 12, 5), {(2, 9, 15), (2, 9, 17)})
    return union(block(0, 5, 2, 5, 15), mirrored(tower), hall)


def spiral_path(columns, rows):
    """Whole-tile positions (x, y) of a path winding inwards clockwise from
    the top-left corner, one empty position between its turns."""
    path, seen = [(0, 0)], {(0, 0)}
    directions = [(1, 0), (0, 1), (-1, 0), (0, -1)]
    heading, turns = 0, 0
    while turns < 2:
        dx, dy = directions[heading]
        x, y = path[-1][0] + dx, path[-1][1] + dy
        ahead = (x + dx, y + dy)
        if 0 <= x < columns and 0 <= y < rows and (x, y) not in seen and ahead not in seen:
            path.append((x, y))
            seen.add((x, y))
            turns = 0
        else:
            heading, turns = (heading + 1) % 4, turns + 1
    return path


def straight_runs(path):
    """The path cut into straight runs; a corner belongs to the run it ends."""
    runs, heading = [[path[0]]], None
    for (x1, y1), (x2, y2) in zip(path, path[1:]):
        step = (x2 - x1, y2 - y1)
        if heading is None or step == heading:
            runs[-1].append((x2, y2))
        else:
            runs.append([(x2, y2)])
        heading = step
    return runs


def spiral():
    """A walk that winds inwards; its last four straight stretches carry
    ridges that climb a layer higher at each turn."""
    heights = [1, 1, 1, 1, 1, 2, 3, 4, 5]
    tiles = set()
    for run, height in zip(straight_runs(spiral_path(17, 9)), heights):
        corners = [(2 * y + 1, 2 * x) for (x, y) in run]
        tiles |= {(0, row, column) for (row, column) in corners} | ridge(corners, height)
    return tiles


def butterfly():
    """Two wings of a forewing and a hindwing each, stacked half a tile in,
    on either side of a tall body with two feelers."""
    def wing_rows(layer, top, spans):
        return union(*(row_of(layer, top + 2 * i, left, 1 + (right - left) // 2)
                       for i, (left, right) in enumerate(spans)))
    forewing = union(wing_rows(0, 1, [(4, 10), (0, 12), (0, 12), (2, 12)]),
                     wing_rows(1, 2, [(3, 11), (3, 11), (3, 11)]),
                     wing_rows(2, 4, [(4, 10)]))
    hindwing = union(wing_rows(0, 10, [(4, 12), (2, 12), (4, 10)]),
                     wing_rows(1, 11, [(5, 11)]))
    feeler = {(0, 1, 14)}
    body = union(block(0, 3, 16, 7, 1), block(1, 4, 16, 6, 1), block(2, 5, 16, 5, 1))
    return union(mirrored(union(forewing, hindwing, feeler)), body)
