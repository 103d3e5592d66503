"""STANDARD.BMP: the classic ivory tile set."""
from classicbamboo import drawBamboo
from classiccircles import drawCircles
from classicnature import drawFlower, drawSeason
from classicwords import drawCharacter, drawDragon, drawWind
from facegrid import groupedFace
from ivoryface import ivoryFace
from tileback import tileBack

# The drawing of each group's k-th face, k counting from 0.
DRAWINGS = {
    "circles": lambda cr, k: drawCircles(cr, k + 1),
    "bamboo": lambda cr, k: drawBamboo(cr, k + 1),
    "characters": lambda cr, k: drawCharacter(cr, k + 1),
    "flowers": drawFlower,
    "winds": drawWind,
    "seasons": drawSeason,
    "dragons": drawDragon,
}


drawClassicFace = groupedFace(ivoryFace, DRAWINGS)


def drawClassicBack(cr):
    tileBack(cr, (46, 132, 96), (18, 84, 60), (196, 226, 200))
