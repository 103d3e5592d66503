"""The characters suit, winds and dragons of the classic set: brush-written signs."""
from canvas import rgb, roundedRectangle, text

BRUSH = "AR PL UKai CN"
INK = (22, 30, 60)
RED = (182, 32, 36)
GREEN = (22, 110, 62)
BLUE = (30, 80, 150)

NUMERALS = "一二三四五六七八九"
MYRIAD = "萬"
WINDS = [("東", "E"), ("南", "S"), ("西", "W"), ("北", "N")]


def cornerMark(cr, mark, colour):
    text(cr, mark, 15, 17, 13, colour, "DejaVu Sans", bold=True)


def drawCharacter(cr, number, ink=INK, red=RED):
    text(cr, NUMERALS[number - 1], 56, 42, 50, ink, BRUSH, stroke=1.6)
    text(cr, MYRIAD, 56, 100, 56, red, BRUSH, stroke=1.0)
    cornerMark(cr, str(number), ink)


def drawWind(cr, index, ink=INK):
    sign, letter = WINDS[index]
    text(cr, sign, 56, 76, 76, ink, BRUSH, stroke=1.6)
    cornerMark(cr, letter, ink)


def whiteDragon(cr, colour):
    """An empty frame: a double border around the open face."""
    roundedRectangle(cr, 16, 18, 80, 108, 6)
    rgb(cr, colour)
    cr.set_line_width(6)
    cr.stroke()
    roundedRectangle(cr, 25, 27, 62, 90, 3)
    cr.set_line_width(2)
    cr.stroke()


def drawDragon(cr, index, colours=(RED, GREEN, BLUE)):
    """The red, green and white dragon in the given colours."""
    if index == 0:
        text(cr, "中", 56, 74, 84, colours[0], BRUSH, stroke=3.0)
    elif index == 1:
        text(cr, "發", 56, 74, 80, colours[1], BRUSH, stroke=1.6)
    else:
        whiteDragon(cr, colours[2])
