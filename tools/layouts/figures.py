"""Heaps shaped like things a player knows at a glance: a heart, a fish, a
crown, a star... Positions as in heap.py."""

from heap import block, clipped, drawn, mirrored, nested, raised, shifted, union


def heart():
    """A heart, its two lobes rising to low domes."""
    outline = drawn(0, 0, 2, """
..####...####..
.######.######.
###############
###############
.#############.
..###########..
...#########...
....#######....
.....#####.....
.......#.......
""")
    lobes = mirrored({(l, r, c) for (l, r, c) in nested(outline) if r <= 7 and c <= 11})
    return union(outline, lobes, nested(lobes))


def fish():
    """A fish swimming left: a plump body with a ridge along its back, a
    forked tail and an eye."""
    body = drawn(0, 2, 1, """
...######....##.
.#########..###.
##########..###.
############....
############....
##########..###.
.#########..###.
...######....##.
""")
    back = nested(body) & block(1, 5, 4, 4, 8)
    eye = {(1, 7, 2)}
    return union(body, back, nested(back), eye)


def moon():
    """A crescent moon, thickest in the middle, its horns thinning out to
    single tiles."""
    crescent = drawn(0, 0, 6, """
....#######
..#######
.#######
#######
#######
#######
#######
.#######
..#######
....#######
""")
    return union(crescent, nested(crescent), nested(nested(crescent)))


def flower():
    """A flower seen from above: five round petals around a raised heart."""
    petal = drawn(0, 0, 0, """
.###.
#####
#####
.###.
""")
    petals = union(*(shifted(petal, r, c) for r, c in ((0, 12), (4, 2), (4, 22), (12, 6), (12, 18))))
    heart = block(0, 8, 12, 2, 5)
    return union(petals, nested(petals), nested(nested(petals)), heart, nested(heart))


def checkers():
    """A draughts board with its men set up on the two back rows of each
    side and four of them crowned: a flat, open heap."""
    board = block(0, 2, 3, 8, 14)
    men = {(1, r, c) for (_, r, c) in board if r in (2, 4, 14, 16) and (r + c) % 4 == 1}
    kings = raised({(1, 2, 7), (1, 2, 27), (1, 16, 5), (1, 16, 29)})
    return union(board, men, kings)


def anchor():
    """An anchor: a ring at the top, a stock across the shank and two
    curved flukes; the ring, the stock, the shank and the crown are two
    tiles thick, and a spine runs down the middle of the shank."""
    outline = drawn(0, 0, 0, """
......#####......
......#...#......
..#############..
..#############..
.......###.......
##.....###.....##
###....###....###
.####..###..####.
..#############..
....#########....
""")
    thick = drawn(1, 0, 0, """
......#####......
.................
..#############..
..#############..
.......###.......
.......###.......
.......###.......
.......###.......
.................
....#########....
""")
    spine = {(2, row, 16) for row in range(0, 16, 2)} - {(2, 2, 16)}
    return union(outline, thick, spine)



def ship():
    """A sailing ship: two square sails above a long hull whose deck rises
    half a tile at a time to a raised castle at bow and stern."""
    side = drawn(0, 0, 0, """
.....#.....#.....
....###...###....
...#####.#####...
...#####.#####...
....###...###....
.................
#################
.###############.
..#############..
...###########...
""")
    sails = clipped(nested(side), 0, 0, 9, 32)
    deck = clipped(nested(side), 11, 0, 18, 32)
    castles = nested(deck) - clipped(nested(deck), 0, 8, 18, 24)
    return union(side, sails, deck, castles)


def crown():
    """A crown: a broad band set with stacked jewels and five points rising
    from it, the middle one five tiles tall, the outer ones three."""
    points = drawn(0, 2, 0, """
#...#..###..#...#
#...#..###..#...#
##.###.###.###.##
#################
""")
    band = block(0, 10, 0, 4, 17)
    jewels = {(1, r, c) for (_, r, c) in band if r in (12, 14) and c % 8 == 0}
    tips = raised(drawn(0, 2, 0, "#...#..###..#...#"))
    spires = {(2, 2, 0), (2, 2, 32), (2, 2, 16), (3, 2, 16), (4, 2, 16)}
    return union(points, band, jewels, raised(jewels), tips, spires)


def tree():
    """A fir tree climbing in half-tile steps to a pointed crown, above a
    trunk standing in a tub."""
    outline = drawn(0, 0, 0, """
........#........
.......###.......
......#####......
.....#######.....
....#########....
...###########...
..#############..
.###############.
........#........
......#####......
""")
    inner = nested(outline)
    crown = clipped(nested(nested(inner)), 0, 0, 9, 32)
    return union(outline, inner, nested(inner), crown, {(1, 16, 16)})


def star():
    """A five-pointed star whose body climbs in half-tile steps to a single
    tile at its centre."""
    outline = drawn(0, 0, 0, """
........#........
.......###.......
......#####......
.###############.
..#############..
...###########...
....#########....
....####.####....
...###.....###...
..##.........##..
""")
    inner = nested(outline)
    return union(outline, inner, nested(inner), {(3, 8, 16)})


def crab():
    """A crab: a round shell, half a tile higher inside its rim and with a
    ridge across its top, four legs on each side and two claws held up."""
    half = drawn(0, 0, 0, """
.###.....
##.##....
.###.....
..#..####
...######
..#######
.########
..#######
...######
....#.###
""")
    shell = nested(clipped(mirrored(half), 6, 8, 18, 24))
    ridge = clipped(nested(shell), 12, 14, 12, 18)
    return union(mirrored(half), shell, ridge)


def hourglass():
    """An hourglass: two glass bulbs meeting at a narrow waist, the sand
    heaped in the lower one and a last grain still in the waist."""
    glass = drawn(0, 0, 2, """
###############
.#############.
..###########..
....#######....
......###......
......###......
....#######....
..###########..
.#############.
###############
""")
    sand = nested(clipped(glass, 10, 0, 18, 32))
    return union(glass, sand, nested(sand), {(1, 8, 16)})



def owl():
    """An owl: two ear tufts, two great round eyes rising in half-tile
    steps, a tall beak between them, a speckled breast and two feet."""
    outline = drawn(0, 0, 2, """
##...........##
###.........###
.#############.
###############
###############
.#############.
.#############.
..###########..
...#########...
....##...##....
""")
    eyes = mirrored(block(1, 4, 6, 3, 3))
    breast = {(1, r, c) for (_, r, c) in outline if r in (12, 14) and c % 4 == 0 and 6 <= c <= 26}
    beak = {(1, 8, 16), (2, 8, 16), (3, 8, 16)}
    return union(outline, eyes, nested(eyes), nested(nested(eyes)), breast, beak)


def clock():
    """A clock at a quarter past twelve: a round face with twelve raised
    hour marks, the hands resting half on one row and half on the next
    and a pin through their middle."""
    face = drawn(0, 0, 0, """
.....#######.....
...###########...
..#############..
.###############.
.###############.
.###############.
.###############.
..#############..
...###########...
.....#######.....
""")
    marks = drawn(1, 0, 0, """
........#........
....#.......#....
..#...........#..
.......
.#.............#.
.......
..#...........#..
.......
....#.......#....
........#........
""")
    hour_hand = {(1, r, 16) for r in (3, 5, 7)}
    minute_hand = {(1, 9, c) for c in (18, 20, 22, 24, 26)}
    return union(face, marks, hour_hand, minute_hand, {(1, 9, 16), (2, 9, 16)})
