"""A model of the game's solvable deal, to see while designing how often the
removal phase of a deal runs into a dead end on a heap. It numbers the tiles
in the game's painter's order (the dealer prefers low-numbered free tiles)
and removes random free pairs from the first 51 pairs, never the last one."""

import random

PAIR_SEARCH_LIMIT = 50
ORDER_PASSES = [(2, 1, ">"), (2, -1, ">"), (1, 2, "<"), (1, -2, ">"), (2, 0, ">"), (0, 2, "<")]


def numbered(tiles):
    """Tile positions in index order, as the game numbers and sorts them."""
    order = sorted(tiles, key=lambda t: (t[0], -t[2], t[1]))
    index = {t: i for i, t in enumerate(order)}
    changed = True
    while changed:
        changed = False
        for dr, dc, relation in ORDER_PASSES:
            for t in sorted(tiles, key=lambda t: (t[0], t[1], t[2])):
                other = (t[0], t[1] + dr, t[2] + dc)
                if other not in index:
                    continue
                a, b = index[t], index[other]
                if (a > b) if relation == ">" else (a < b):
                    index[t], index[other] = b, a
                    changed = True
    return sorted(tiles, key=lambda t: index[t])


def neighbours(order):
    """For each tile index: the tiles covering it, blocking its left, its right."""
    at = {t: i for i, t in enumerate(order)}

    def present(candidates):
        return [at[c] for c in candidates if c in at]

    result = []
    for layer, row, column in order:
        above = present((layer + 1, row + dr, column + dc) for dr in (-1, 0, 1) for dc in (-1, 0, 1))
        left = present((layer, row + dr, column - 2) for dr in (-1, 0, 1))
        right = present((layer, row + dr, column + 2) for dr in (-1, 0, 1))
        border = column == 0 or column == 32
        result.append((above, left, right, border))
    return result


def free_tiles(near, on_board):
    free = []
    for i, (above, left, right, border) in enumerate(near):
        if not on_board[i] or any(on_board[a] for a in above):
            continue
        if border or not any(on_board[x] for x in left) or not any(on_board[x] for x in right):
            free.append(i)
    return free


def first_pairs(free):
    pairs = []
    for n, i in enumerate(free):
        for j in free[n + 1:]:
            pairs.append((i, j))
            if len(pairs) > PAIR_SEARCH_LIMIT:
                return pairs
    return pairs


def removal_attempt(near, rng):
    on_board = [True] * len(near)
    for _ in range(len(near) // 2):
        pairs = first_pairs(free_tiles(near, on_board))
        if not pairs:
            return False
        a, b = pairs[0 if len(pairs) <= 2 else rng.randrange(len(pairs) - 1)]
        on_board[a] = on_board[b] = False
    return True


def attempts_per_deal(tiles, deals, seed=1, give_up=10000):
    """The number of removal attempts each of `deals` deals needed (give_up
    when a deal found no way to empty the heap)."""
    near = neighbours(numbered(tiles))
    rng = random.Random(seed)
    counts = []
    for _ in range(deals):
        attempts = 1
        while attempts < give_up and not removal_attempt(near, rng):
            attempts += 1
        counts.append(attempts)
    return counts
