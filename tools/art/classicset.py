"""STANDARD.BMP: the classic ivory tile set."""
from classicbamboo import drawBamboo
from classiccircles import drawCircles
from classicnature import drawFlower, drawSeason
from classicwords import drawCharacter, drawDragon, drawWind
from ivoryface import ivoryFace
from tileback import tileBack

# Each group of faces: (first face, drawing of its k-th member counting from 0 or 1).
GROUPS = [
    (1, lambda cr, k: drawCircles(cr, k + 1)),
    (10, lambda cr, k: drawBamboo(cr, k + 1)),
    (19, lambda cr, k: drawCharacter(cr, k + 1)),
    (28, drawFlower),
    (32, drawWind),
    (36, drawSeason),
    (40, drawDragon),
]


def drawClassicFace(cr, face):
    ivoryFace(cr)
    first, draw = max((group for group in GROUPS if group[0] <= face), key=lambda g: g[0])
    draw(cr, face - first)


def drawClassicBack(cr):
    tileBack(cr, (46, 132, 96), (18, 84, 60), (196, 226, 200))
