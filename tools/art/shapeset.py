"""SHAPES.BMP: a set for players who do not tell colours apart well. Every suit has
its own shape as well as its own colour: circles are round dots, bamboo upright
bars, characters crosses; each suit face also shows its number. The colours are
chosen to stay apart under the common colour-vision deficiencies."""
import math

from canvas import disc, rgb, roundedRectangle, text
from classicwords import drawDragon
from contrastset import SEASON_GLYPHS, flowerGlyph
from facegrid import groupedFace
from ivoryface import cushion
from tileback import tileBack

BLUE = (30, 128, 244)
GREEN = (0, 72, 56)
VERMILION = (206, 84, 0)
PURPLE = (170, 70, 140)
ORANGE = (190, 118, 0)
INK = (24, 24, 28)
SANS = "DejaVu Sans"
WINDS = ["E", "S", "W", "N"]

# The pips of each count, row by row.
ROWS = {1: [1], 2: [2], 3: [3], 4: [2, 2], 5: [3, 2], 6: [3, 3], 7: [3, 1, 3], 8: [3, 2, 3],
        9: [3, 3, 3]}
ROW_PLACES = {1: [97], 2: [80, 114], 3: [72, 97, 122]}
COLUMN_PLACES = {1: [56], 2: [36, 76], 3: [26, 56, 86]}
PIP_SIZES = {1: 14, 2: 13, 3: 10}


def shapeFace(cr):
    cushion(cr, (252, 252, 248), (226, 226, 220))


def bar(cr, x, y, size, colour):
    roundedRectangle(cr, x - size * 0.45, y - size * 1.15, size * 0.9, size * 2.3, size * 0.3)
    rgb(cr, colour)
    cr.fill()


def cross(cr, x, y, size, colour):
    cr.set_line_width(size * 0.62)
    cr.set_line_cap(0)
    rgb(cr, colour)
    reach = size * 0.72
    cr.move_to(x - reach, y - reach)
    cr.line_to(x + reach, y + reach)
    cr.move_to(x + reach, y - reach)
    cr.line_to(x - reach, y + reach)
    cr.stroke()


def pips(cr, number, shape, colour):
    """The number over its pips; a single pip is drawn large."""
    text(cr, str(number), 56, 32, 44, colour, SANS, bold=True)
    rows = ROWS[number]
    size = 24 if number == 1 else PIP_SIZES[len(rows)]
    for y, count in zip(ROW_PLACES[len(rows)], rows):
        for x in COLUMN_PLACES[count]:
            shape(cr, x, y, size, colour)


def arrow(cr, direction):
    """An arrow at the foot of the face pointing east, south, west or north."""
    cr.save()
    cr.translate(56, 112)
    cr.rotate(direction * math.pi / 2)
    cr.set_line_width(6)
    cr.set_line_cap(1)
    rgb(cr, INK)
    cr.move_to(-18, 0)
    cr.line_to(10, 0)
    cr.stroke()
    cr.move_to(20, 0)
    cr.line_to(4, -12)
    cr.line_to(4, 12)
    cr.close_path()
    cr.fill()
    cr.restore()


def drawWind(cr, k):
    text(cr, WINDS[k], 56, 52, 64, INK, SANS, bold=True)
    arrow(cr, k)


def drawFlower(cr, k):
    flowerGlyph(cr, 56, 92, 40, PURPLE)
    text(cr, str(k + 1), 56, 32, 40, PURPLE, SANS, bold=True)


def drawSeason(cr, k):
    SEASON_GLYPHS[k](cr, 56, 96, 32, ORANGE)
    text(cr, str(k + 1), 56, 32, 40, ORANGE, SANS, bold=True)


# The drawing of each group's k-th face, k counting from 0.
DRAWINGS = {
    "circles": lambda cr, k: pips(cr, k + 1, disc, BLUE),
    "bamboo": lambda cr, k: pips(cr, k + 1, bar, GREEN),
    "characters": lambda cr, k: pips(cr, k + 1, cross, VERMILION),
    "flowers": drawFlower,
    "winds": drawWind,
    "seasons": drawSeason,
    "dragons": lambda cr, k: drawDragon(cr, k, (VERMILION, GREEN, BLUE)),
}


drawShapeFace = groupedFace(shapeFace, DRAWINGS)


def drawShapeBack(cr):
    tileBack(cr, (60, 90, 150), (24, 44, 96), (236, 236, 236))
