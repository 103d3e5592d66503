"""Heaps shaped like buildings: storeys stacked into tall towers, roofs
resting half on each of two walls, rows long enough to block each other.
Positions as in heap.py."""

from heap import centred_rows, clipped, drawn, raised, silhouette_stack, stacked, union


def pagoda():
    """A pagoda of three storeys under a spire five tiles tall: each roof
    wider than the walls beneath it, each storey lower than the one above."""
    outline = centred_rows(0, 0, [2, 6, 2, 8, 4, 10, 6, 12, 8, 10])
    return silhouette_stack(outline, [5, 3, 3, 3, 3, 2, 2, 2, 1, 1])



def house():
    """A house seen from the front: a gable roof rising to a ridge three
    layers high, a chimney and a front with two windows and a door."""
    outline = drawn(0, 0, 0, """
.......###.......
.....#######.....
...###########...
.###############.
#################
.###############.
.##..#######..##.
.##..##...##..##.
.######...######.
.######...######.
""")
    chimney = {(2, 4, 8), (3, 4, 8)}
    return union(silhouette_stack(outline, [3, 3, 2, 1, 1, 1, 1, 1, 1, 1]), chimney)


def maze():
    """A labyrinth of five long walls joined at alternate ends, the inner
    walls two and three tiles high: every row blocks itself, and only the
    ends of the top courses are free at the start."""
    walls = drawn(0, 1, 0, """
################.
...............#.
.################
.#...............
################.
...............#.
.################
.#...............
################.
""")
    inner = clipped(walls, 5, 2, 13, 30)
    return union(walls, raised(inner), raised(clipped(inner, 9, 4, 9, 28), 2))


def city_blocks():
    """City blocks of long rows of low houses, each row held between two
    towers four or five storeys tall: a row opens only once one of its
    towers has been taken down."""
    return stacked(2, 1, """
4111111111111114
5211111111111125
................
4111112112111114
4111112112111114
................
5211111111111125
4111111111111114
""")


def arena():
    """An oval arena: its outer wall three tiers high, the seats stepping
    down towards an empty floor, two lower gates on either side."""
    return stacked(0, 0, """
.....3333333.....
...32211111223...
..321.......123..
.321.........123.
.22...........22.
.22...........22.
.321.........123.
..321.......123..
...32211111223...
.....3333333.....
""")


def castle():
    """A castle seen from the front: a keep three storeys high behind a
    curtain wall, between two corner towers five and four storeys tall
    that close every course of the wall."""
    return stacked(3, 2, """
5......3......5
5.....3.3.....5
4....33333....4
411112333211114
411111222111114
411111111111114
411111...111114
""")


def arcade(row):
    """A floor of sixteen tiles carrying six piers two tiles high, joined
    by five corbelled arches: each arch is two tiles stepping half a tile inwards from either
    pier, the upper pair meeting over the middle of the opening."""
    floor = drawn(0, row, 1, 16 * "#")
    piers = drawn(1, row, 1, "#..#..#..#..#..#")
    arches = set()
    for pier in range(1, 31, 6):
        arches |= {(3, row, pier + 1), (4, row, pier + 2), (4, row, pier + 4), (3, row, pier + 5)}
    return union(floor, piers, raised(piers), arches)


def temple():
    """A temple seen from the front: a gable of two courses half a tile
    apart over two arcades of corbelled arches, on two steps."""
    steps = union(drawn(0, 15, 1, 16 * "#"), drawn(0, 17, 0, 17 * "#"))
    return union(centred_rows(0, 1, [6, 9]), arcade(6), arcade(11), steps)


def hive():
    """A straw beehive: courses of straw laid alternately half a tile to
    the left and right, two layers thick, narrowing to a tall crown."""
    courses = centred_rows(0, 0, [2, 5, 8, 9, 10, 11, 10, 11, 10, 9])
    return silhouette_stack(courses, [4, 2, 2, 2, 2, 2, 2, 1, 1, 1])


def lantern():
    """A paper lantern: a round body of paper stretched between ribs that
    stand three and four tiles tall, a rim and a cap above and below, and a
    tassel hanging from it."""
    return stacked(0, 2, """
......333......
....2222222....
..31111411113..
.3111114111113.
.3111114111113.
.3111114111113.
..31111411113..
....2222222....
......333......
.......2.......
""")
