"""The circles suit of the classic set: coins laid out in the traditional patterns."""
import math

from canvas import disc, ellipse, ring

BLUE = (28, 74, 150)
GREEN = (22, 116, 70)
RED = (186, 36, 40)
IVORY = (252, 248, 236)

# (x, y, radius, colour) of each coin, faces 2 to 9; face 1 is the large ornate coin.
PATTERNS = {
    2: [(56, 43, 23, GREEN), (56, 101, 23, BLUE)],
    3: [(29, 35, 18, BLUE), (56, 72, 18, RED), (83, 109, 18, GREEN)],
    4: [(33, 42, 20, BLUE), (79, 42, 20, GREEN), (33, 102, 20, GREEN), (79, 102, 20, BLUE)],
    5: [(30, 36, 17, BLUE), (82, 36, 17, GREEN), (56, 72, 17, RED),
        (30, 108, 17, GREEN), (82, 108, 17, BLUE)],
    6: [(35, 32, 16, GREEN), (77, 32, 16, GREEN), (35, 79, 16, RED),
        (77, 79, 16, RED), (35, 113, 16, RED), (77, 113, 16, RED)],
    7: [(27, 25, 13, GREEN), (56, 38, 13, GREEN), (85, 51, 13, GREEN),
        (36, 83, 14, RED), (76, 83, 14, RED), (36, 115, 14, RED), (76, 115, 14, RED)],
    8: [(x, y, 14, BLUE) for y in (26, 56, 88, 118) for x in (35, 77)],
    9: [(x, y, 14, colour) for y, colour in ((30, BLUE), (72, RED), (114, GREEN))
        for x in (27, 56, 85)],
}


def coin(cr, x, y, radius, colour):
    """A coin: a coloured rim, an ivory ring studded with dots, a coloured heart."""
    disc(cr, x, y, radius, colour)
    disc(cr, x, y, radius * 0.8, IVORY)
    for k in range(8):
        angle = k * math.pi / 4
        disc(cr, x + math.cos(angle) * radius * 0.62, y + math.sin(angle) * radius * 0.62,
             radius * 0.1, colour)
    disc(cr, x, y, radius * 0.38, colour)
    disc(cr, x, y, radius * 0.14, IVORY)


def grandCoin(cr):
    """The single coin of face 1: green rim, a wreath of red petals, a blue heart."""
    x, y = 56, 72
    disc(cr, x, y, 42, GREEN)
    disc(cr, x, y, 37, IVORY)
    for k in range(16):
        angle = k * math.pi / 8
        ellipse(cr, x + math.cos(angle) * 27, y + math.sin(angle) * 27, 8, 4, RED, angle)
    ring(cr, x, y, 19, 2.5, GREEN)
    coin(cr, x, y, 16, BLUE)


def drawCircles(cr, number, first=grandCoin, drawCoin=coin):
    """Face 1 is first(cr); the others are coins in the classic arrangement."""
    if number == 1:
        first(cr)
        return
    for x, y, radius, colour in PATTERNS[number]:
        drawCoin(cr, x, y, radius, colour)
