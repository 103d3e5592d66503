"""The program's own cursors: a pointing hand to choose tiles, an hourglass while busy.
The hot spot of each lies where its shape points: the fingertip, the hourglass's waist."""
from canvas import rgb, surfaceRgb
from crispcanvas import crispCanvas, outlineWidth, polygon

SELECT_HOT_SPOT = (8, 3)
SELECT = [
    "",
    "",
    "       kkk",
    "      kwwwk",
    "      kwwwk",
    "      kwwwk",
    "      kwwwk",
    "      kwwwk",
    "      kwwwkkk",
    "      kwwwkwwkkk",
    "      kwwwkwwkwwkkk",
    "      kwwwkwwkwwkwwk",
    "  kkk kwwwkwwkwwkwwk",
    "  kwwkkwwwwwwwwwwwwk",
    "  kwwwkwwwwwwwwwwwwk",
    "   kwwwwwwwwwwwwwwwk",
    "   kwwwwwwwwwwwwwwwk",
    "    kwwwwwwwwwwwwwwk",
    "    kwwwwwwwwwwwwwk",
    "     kwwwwwwwwwwwwk",
    "     kwwwwwwwwwwwk",
    "      kwwwwwwwwwwk",
    "      kwwwwwwwwwwk",
    "      kkkkkkkkkkkk",
]

BUSY_HOT_SPOT = (7, 11)
BUSY = [
    "kkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkk",
    " kwwwwwwwwwwwk ",
    " kwkkkkkkkkkwk ",
    " kwwkkkkkkkwwk ",
    "  kwwkkkkkwwk  ",
    "  kwwwkkkwwwk  ",
    "   kwwwkwwwk   ",
    "    kwwkwwk    ",
    "     kwkwk     ",
    "      kwk      ",
    "     kwwwk     ",
    "    kwwkwwk    ",
    "   kwwwkwwwk   ",
    "  kwwwwkwwwwk  ",
    "  kwwwkkkwwwk  ",
    " kwwkkkkkkkwwk ",
    " kwkkkkkkkkkwk ",
    " kwwwwwwwwwwwk ",
    "kkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkk",
]


# The sizes Windows gives 32-pixel cursors at 100, 125, 150, 175 and 200 % scaling.
# The smallest is the hand-placed shape above; the others are drawn from outlines
# in a 32-unit square, the hot spot scaled with them.
SIZES = [32, 40, 48, 56, 64]
CLEAR = (192, 192, 192)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

HAND = [
    [(6.5, 4), (7.5, 2.5), (9.5, 2.5), (10.5, 4), (10.5, 14), (6.5, 14)],
    [(10.5, 8.5), (13, 8.5), (13, 14), (10.5, 14)],
    [(13, 9.5), (16, 9.5), (16, 14), (13, 14)],
    [(16, 10.5), (19.5, 10.5), (19.5, 15), (16, 15)],
    [(2.5, 13.5), (4, 12.5), (6.5, 14.5), (19.5, 14), (19.5, 20), (17.5, 23.5), (6.5, 23.5), (3, 16.5)],
]
HAND_CREASES = [((10.5, 9), (10.5, 13)), ((13, 9.5), (13, 13)), ((16, 10.5), (16, 13))]

HOURGLASS = [
    [(0.5, 0.5), (14.5, 0.5), (14.5, 2.5), (0.5, 2.5)],
    [(1.5, 2.5), (13.5, 2.5), (13.5, 5), (8.2, 11), (13.5, 17.5), (13.5, 20.5), (1.5, 20.5),
     (1.5, 17.5), (6.8, 11), (1.5, 5)],
    [(0.5, 20.5), (14.5, 20.5), (14.5, 22.5), (0.5, 22.5)],
]
SAND = [[(3.5, 4.5), (11.5, 4.5), (7.5, 9.5)], [(7.5, 15), (12, 19.5), (3, 19.5)]]


def unitedShape(cr, shapes, line):
    """Shapes drawn as one: all outlines first, then all fills, so only the outer
    edge of the whole stays black."""
    for filled in (False, True):
        for shape in shapes:
            polygon(cr, shape)
            rgb(cr, WHITE if filled else BLACK)
            if filled:
                cr.fill()
            else:
                cr.set_line_width(outlineWidth(cr, 2 * line))
                cr.stroke()


def drawHand(cr, line):
    unitedShape(cr, HAND, line)
    rgb(cr, BLACK)
    cr.set_line_width(outlineWidth(cr, line))
    for start, end in HAND_CREASES:
        cr.move_to(*start)
        cr.line_to(*end)
    cr.stroke()


def drawHourglass(cr, line):
    unitedShape(cr, HOURGLASS, line)
    rgb(cr, BLACK)
    for grain in SAND:
        polygon(cr, grain)
    cr.fill()
    cr.rectangle(7.2, 9, 0.6, 7)
    cr.fill()


def drawnCursor(draw, size):
    """A size x size cursor of 'k' (black), 'w' (white) and ' ' (clear) rows."""
    surface, cr = crispCanvas(size, 32, CLEAR)
    draw(cr, max(1, size // 32))
    pixels = surfaceRgb(surface)
    letters = {CLEAR: " ", BLACK: "k", WHITE: "w"}
    return ["".join(letters[tuple(int(c) for c in pixel)] for pixel in row) for row in pixels]


def cursorImages(shape, draw, hotSpot):
    """The cursor at every size: (rows, hot spot) for each of SIZES."""
    images = [(shape, hotSpot)]
    for size in SIZES[1:]:
        images.append((drawnCursor(draw, size), (hotSpot[0] * size // 32, hotSpot[1] * size // 32)))
    return images


def selectCursor():
    return cursorImages(SELECT, drawHand, SELECT_HOT_SPOT)


def busyCursor():
    return cursorImages(BUSY, drawHourglass, BUSY_HOT_SPOT)
