"""CONTRAST.BMP: a high-contrast set for small windows: white faces, a black edge,
one large numeral or letter per face and a big plain mark of its suit."""
import math

from canvas import disc, ellipse, rgb, roundedRectangle, text
from facegrid import CELL_HEIGHT, CELL_WIDTH, groupedFace
from tileback import tileBack

BLUE = (0, 60, 170)
GREEN = (0, 118, 40)
RED = (200, 0, 0)
BLACK = (0, 0, 0)
MAGENTA = (190, 0, 140)
TEAL = (0, 120, 130)
SANS = "DejaVu Sans"
HEI = "WenQuanYi Zen Hei"
WINDS = [("E", "東"), ("S", "南"), ("W", "西"), ("N", "北")]


def plainFace(cr):
    rgb(cr, BLACK)
    cr.rectangle(0, 0, CELL_WIDTH, CELL_HEIGHT)
    cr.fill()
    rgb(cr, (255, 255, 255))
    cr.rectangle(3, 3, CELL_WIDTH - 6, CELL_HEIGHT - 6)
    cr.fill()


def numeral(cr, number, colour):
    text(cr, str(number), 56, 50, 76, colour, SANS, bold=True)


def coinMark(cr):
    disc(cr, 56, 110, 22, BLUE)
    disc(cr, 56, 110, 10, (255, 255, 255))


def stickMark(cr):
    roundedRectangle(cr, 48, 90, 16, 44, 6)
    rgb(cr, GREEN)
    cr.fill()
    rgb(cr, (255, 255, 255))
    cr.rectangle(48, 110, 16, 3)
    cr.fill()


def flowerGlyph(cr, x, y, size, colour):
    for k in range(5):
        angle = k * 2 * math.pi / 5 - math.pi / 2
        disc(cr, x + math.cos(angle) * size * 0.55, y + math.sin(angle) * size * 0.55,
             size * 0.42, colour)
    disc(cr, x, y, size * 0.3, (255, 255, 255))


# The season signs draw their strokes in proportion to their size, so that a large
# sign stays bold when the face is shrunk.
def sunGlyph(cr, x, y, size, colour):
    cr.set_line_width(size / 6)
    cr.set_line_cap(1)
    rgb(cr, colour)
    for k in range(8):
        angle = k * math.pi / 4
        cr.move_to(x + math.cos(angle) * size * 0.62, y + math.sin(angle) * size * 0.62)
        cr.line_to(x + math.cos(angle) * size, y + math.sin(angle) * size)
    cr.stroke()
    disc(cr, x, y, size * 0.45, colour)


def sproutGlyph(cr, x, y, size, colour):
    rgb(cr, colour)
    cr.rectangle(x - size * 0.1, y - size * 0.2, size * 0.2, size * 1.1)
    cr.fill()
    for side in (-1, 1):
        ellipse(cr, x + side * size * 0.42, y - size * 0.25, size * 0.45, size * 0.25,
                colour, side * 0.5)


def leafGlyph(cr, x, y, size, colour):
    ellipse(cr, x, y, size * 0.55, size, colour, -0.6)
    cr.set_line_width(size * 0.1)
    rgb(cr, (255, 255, 255))
    cr.move_to(x - size * 0.45, y + size * 0.65)
    cr.line_to(x + size * 0.45, y - size * 0.65)
    cr.stroke()


def snowGlyph(cr, x, y, size, colour):
    cr.set_line_width(size * 0.2)
    cr.set_line_cap(1)
    rgb(cr, colour)
    for k in range(3):
        angle = k * math.pi / 3 + math.pi / 2
        cr.move_to(x + math.cos(angle) * size, y + math.sin(angle) * size)
        cr.line_to(x - math.cos(angle) * size, y - math.sin(angle) * size)
    cr.stroke()


SEASON_GLYPHS = [sproutGlyph, sunGlyph, leafGlyph, snowGlyph]


def drawSuit(cr, number, colour, mark):
    numeral(cr, number, colour)
    mark(cr)


def myriadMark(cr):
    text(cr, "萬", 56, 110, 46, RED, HEI, stroke=1.5)


def drawFlower(cr, k):
    flowerGlyph(cr, 56, 46, 34, MAGENTA)
    text(cr, str(k + 1), 56, 110, 44, MAGENTA, SANS, bold=True)


def drawWind(cr, k):
    letter, sign = WINDS[k]
    text(cr, letter, 56, 56, 84, BLACK, SANS, bold=True)
    text(cr, sign, 56, 116, 28, BLACK, HEI, stroke=1.0)


def drawSeason(cr, k):
    SEASON_GLYPHS[k](cr, 56, 48, 30, TEAL)
    text(cr, str(k + 1), 56, 110, 44, TEAL, SANS, bold=True)


def drawContrastDragon(cr, index):
    if index == 0:
        text(cr, "中", 56, 72, 90, RED, HEI, stroke=3.0)
    elif index == 1:
        text(cr, "發", 56, 72, 86, GREEN, HEI, stroke=2.0)
    else:
        roundedRectangle(cr, 18, 20, 76, 104, 4)
        rgb(cr, BLUE)
        cr.set_line_width(12)
        cr.stroke()


# The drawing of each group's k-th face, k counting from 0.
DRAWINGS = {
    "circles": lambda cr, k: drawSuit(cr, k + 1, BLUE, coinMark),
    "bamboo": lambda cr, k: drawSuit(cr, k + 1, GREEN, stickMark),
    "characters": lambda cr, k: drawSuit(cr, k + 1, RED, myriadMark),
    "flowers": drawFlower,
    "winds": drawWind,
    "seasons": drawSeason,
    "dragons": drawContrastDragon,
}


drawContrastFace = groupedFace(plainFace, DRAWINGS)


def drawContrastBack(cr):
    tileBack(cr, (30, 50, 120), (12, 24, 70), (250, 250, 250))
