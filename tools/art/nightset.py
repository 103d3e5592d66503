"""NIGHT.BMP: a dark set for evening play. Slate faces with a pale rim, signs drawn
in soft lantern colours that stay clear without glaring in a dim room.

The suits keep the classic arrangements of coins and sticks, drawn as rings and
slim stalks of light."""
import math

import cairo

from canvas import disc, rgb, roundedRectangle, text
from classicbamboo import BLUE as STICK_BLUE, GREEN as STICK_GREEN, drawBamboo
from classiccircles import BLUE as COIN_BLUE, GREEN as COIN_GREEN, drawCircles
from classicwords import drawCharacter, drawDragon, drawWind
from contrastset import SEASON_GLYPHS, flowerGlyph
from facegrid import CELL_HEIGHT, CELL_WIDTH, groupedFace
from ivoryface import shadedInside
from tileback import tileBack

RIM = (128, 138, 160)
SLATE_LIGHT = (54, 60, 78)
SLATE_SHADE = (30, 34, 46)
AMBER = (240, 186, 96)
TEAL = (100, 208, 196)
ROSE = (238, 124, 132)
PALE = (228, 224, 210)
VIOLET = (184, 160, 240)


def lantern(colour):
    """The night colour of a classic colour: blue turns teal, green amber, red rose."""
    return {COIN_BLUE: TEAL, STICK_BLUE: TEAL, COIN_GREEN: AMBER, STICK_GREEN: AMBER}.get(colour, ROSE)


def nightFace(cr):
    """A dark cushion inside a pale rim, so that dark neighbours stay apart."""
    rgb(cr, RIM)
    cr.rectangle(0, 0, CELL_WIDTH, CELL_HEIGHT)
    cr.fill()
    shadedInside(cr, SLATE_LIGHT, SLATE_SHADE)


def ringCoin(cr, x, y, radius, colour):
    disc(cr, x, y, radius, colour)
    disc(cr, x, y, radius * 0.66, SLATE_SHADE)
    disc(cr, x, y, radius * 0.34, colour)


def moonCoin(cr):
    """Face 1: a large ring circled by twelve small stars of light."""
    ringCoin(cr, 56, 72, 30, TEAL)
    for k in range(12):
        angle = k * math.pi / 6
        disc(cr, 56 + math.cos(angle) * 40, 72 + math.sin(angle) * 40, 3.5, AMBER)


def stalk(cr, x, y, length, colour, angle=0):
    """A slim stalk of light with a dark notch at each joint."""
    cr.save()
    cr.translate(x, y)
    cr.rotate(math.radians(angle))
    roundedRectangle(cr, -5, -length / 2, 10, length, 4)
    rgb(cr, colour)
    cr.fill()
    for joint in (-length / 2 + 6, 0, length / 2 - 6):
        cr.rectangle(-5, joint - 1.5, 10, 3)
        rgb(cr, SLATE_SHADE)
        cr.fill()
    cr.restore()


def moonStalk(cr):
    """Face 10: a crescent moon above a single stalk with two leaves."""
    cr.save()
    cr.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    cr.rectangle(0, 0, CELL_WIDTH, CELL_HEIGHT)
    cr.arc(74, 32, 22, 0, 2 * math.pi)
    cr.clip()
    disc(cr, 62, 40, 24, PALE)
    cr.restore()
    stalk(cr, 44, 96, 76, AMBER)
    for side in (-1, 1):
        cr.save()
        cr.translate(44 + side * 14, 92)
        cr.rotate(side * 0.6)
        cr.scale(16, 6)
        cr.arc(0, 0, 1, 0, 2 * math.pi)
        cr.restore()
        rgb(cr, TEAL)
        cr.fill()


def lanternCoin(cr, x, y, radius, colour):
    ringCoin(cr, x, y, radius, lantern(colour))


def lanternStalk(cr, x, y, length, colour, angle):
    stalk(cr, x, y, length, lantern(colour), angle)


def drawNightFlower(cr, k):
    flowerGlyph(cr, 56, 70, 40, VIOLET)
    text(cr, str(k + 1), 96, 17, 14, PALE, "DejaVu Sans", bold=True)


def drawNightSeason(cr, k):
    SEASON_GLYPHS[k](cr, 56, 70, 40, AMBER)
    text(cr, str(k + 1), 96, 17, 14, PALE, "DejaVu Sans", bold=True)


# The drawing of each group's k-th face, k counting from 0.
DRAWINGS = {
    "circles": lambda cr, k: drawCircles(cr, k + 1, moonCoin, lanternCoin),
    "bamboo": lambda cr, k: drawBamboo(cr, k + 1, moonStalk, lanternStalk),
    "characters": lambda cr, k: drawCharacter(cr, k + 1, PALE, ROSE),
    "flowers": drawNightFlower,
    "winds": lambda cr, k: drawWind(cr, k, PALE),
    "seasons": drawNightSeason,
    "dragons": lambda cr, k: drawDragon(cr, k, (ROSE, TEAL, PALE)),
}


drawNightFace = groupedFace(nightFace, DRAWINGS)


def drawNightBack(cr):
    tileBack(cr, (70, 60, 120), (34, 30, 70), (200, 190, 240))
