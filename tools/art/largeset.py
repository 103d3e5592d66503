"""LARGE.BMP: a set for small windows. One heavy sign fills each face; the suit is
told by the tint of the face and a bold mark beneath the numeral, both of which
survive being shrunk to a third of their size."""
from canvas import disc, rgb, ring, roundedRectangle, text
from contrastset import SEASON_GLYPHS, flowerGlyph
from facegrid import faceGroup
from ivoryface import cushion
from tileback import tileBack

SANS = "DejaVu Sans"
HEI = "WenQuanYi Zen Hei"
INK = (16, 16, 20)
WINDS = ["E", "S", "W", "N"]

# (light tint, shaded tint, ink) of each suit's faces and of the honours.
CIRCLES = ((224, 236, 252), (192, 212, 240), (16, 50, 136))
BAMBOO = ((226, 246, 220), (192, 226, 186), (8, 92, 40))
CHARACTERS = ((252, 228, 222), (236, 196, 188), (164, 20, 20))
HONOURS = ((253, 250, 238), (229, 220, 194), INK)


def tintedFace(cr, tint):
    light, shade, _ = tint
    cushion(cr, light, shade)


def numeral(cr, number, colour):
    text(cr, str(number), 56, 56, 92, colour, SANS, bold=True)


def ringMark(cr, colour):
    ring(cr, 56, 119, 13, 8, colour)


def barsMark(cr, colour):
    for x in (44, 68):
        roundedRectangle(cr, x - 7, 103, 14, 32, 4)
        rgb(cr, colour)
        cr.fill()


def diamondMark(cr, colour):
    cr.move_to(56, 101)
    cr.line_to(76, 119)
    cr.line_to(56, 137)
    cr.line_to(36, 119)
    cr.close_path()
    rgb(cr, colour)
    cr.fill()


def drawSuit(cr, number, tint, mark):
    numeral(cr, number, tint[2])
    mark(cr, tint[2])


def cornerNumber(cr, k, colour):
    text(cr, str(k + 1), 18, 22, 24, colour, SANS, bold=True)


def drawFlower(cr, k):
    flowerGlyph(cr, 56, 82, 48, (176, 0, 130))
    disc(cr, 56, 82, 11, (250, 210, 60))
    cornerNumber(cr, k, (176, 0, 130))


def drawSeason(cr, k):
    SEASON_GLYPHS[k](cr, 56, 80, 46, (0, 110, 120))
    cornerNumber(cr, k, (0, 110, 120))


def drawWind(cr, k):
    text(cr, WINDS[k], 56, 72, 96, INK, "DejaVu Sans Condensed", bold=True)


def drawDragon(cr, k):
    if k == 0:
        text(cr, "中", 56, 72, 110, (200, 0, 0), HEI, stroke=5.0)
    elif k == 1:
        text(cr, "發", 56, 72, 104, (0, 118, 40), HEI, stroke=3.0)
    else:
        roundedRectangle(cr, 20, 22, 72, 100, 4)
        rgb(cr, (0, 60, 170))
        cr.set_line_width(16)
        cr.stroke()


# (tint, drawing of the group's k-th face, k counting from 0) of each group.
DRAWINGS = {
    "circles": (CIRCLES, lambda cr, k: drawSuit(cr, k + 1, CIRCLES, ringMark)),
    "bamboo": (BAMBOO, lambda cr, k: drawSuit(cr, k + 1, BAMBOO, barsMark)),
    "characters": (CHARACTERS, lambda cr, k: drawSuit(cr, k + 1, CHARACTERS, diamondMark)),
    "flowers": (HONOURS, drawFlower),
    "winds": (HONOURS, drawWind),
    "seasons": (HONOURS, drawSeason),
    "dragons": (HONOURS, drawDragon),
}


def drawLargeFace(cr, face):
    group, k = faceGroup(face)
    tint, draw = DRAWINGS[group]
    tintedFace(cr, tint)
    draw(cr, k)


def drawLargeBack(cr):
    tileBack(cr, (190, 90, 40), (120, 44, 20), (250, 226, 190))
