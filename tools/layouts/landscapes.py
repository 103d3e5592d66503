"""Heaps shaped like landscapes, from a flat patchwork of fields to a range
of tall peaks. Positions as in heap.py."""

from heap import block, drawn, flipped, nested, silhouette_stack, union


def fields():
    """Four fields between two crossing paths, each with a haystack in its
    middle: nearly every tile lies flat, and every row has two open ends."""
    def field(top, left):
        stack = block(1, top + 3, left + 5, 2, 3)
        return union(block(0, top, left, 4, 7), stack, nested(stack))
    return union(field(1, 1), field(1, 19), field(10, 1), field(10, 19))


def islands():
    """An archipelago: five islands of different sizes in a calm sea, each
    rising to a low hill."""
    sea = drawn(0, 0, 0, """
.####......####..
#######...######.
#######...######.
.#####.....####..
.......###.......
......#####......
.###...###...###.
#####.......#####
#####.......#####
.###.........###.
""")
    return union(sea, nested(sea), nested(nested(sea)))


def volcano():
    """A broad cone rising in half-tile steps to a crater in its summit,
    with a short lava flow at its foot."""
    cone = drawn(0, 2, 7, """
..######..
.########.
##########
##########
##########
.########.
..######..
""")
    slopes = nested(cone)
    summit = nested(nested(slopes))
    crater = drawn(3, 7, 16, "#\n#")
    lava = drawn(0, 16, 21, "##")
    return union(cone, slopes, nested(slopes), summit - crater, lava)


def corbels(layer, row, column, step, count):
    """Tiles each half a tile further out (step +1 or -1 row) and a layer
    higher than the one beneath them, as in a corbelled arch."""
    return {(layer + k, row + step * (k + 1), column) for k in range(count)}


def canyon():
    """A gorge between two long cliffs, crossed by four corbelled bridges:
    each side juts out half a tile a layer until the two halves meet above
    the water, three layers over the cliff tops."""
    cliff = union(block(0, 1, 2, 3, 15), block(1, 5, 2, 1, 15))
    spans = union(*(corbels(2, 5, column, 1, 3) for column in (4, 12, 20, 28)))
    return flipped(union(cliff, spans))


def mountains():
    """A mountain range seen from the valley: three peaks, the highest five
    tiles tall, each course of rock taller than the one below it, so the
    long lower slopes stay shut until the peaks come down."""
    outline = drawn(0, 3, 0, """
.......##........
...##..###.......
..###..####...##.
.####..#####.###.
.###########.####
.################
.###############.
""")
    return silhouette_stack(outline, [5, 3, 2, 2, 2, 2, 1])
