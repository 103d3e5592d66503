"""The flowers and seasons of the classic set: four blossoms and four season motifs."""
import math

from canvas import disc, ellipse, rgb, text

BARK = (96, 62, 38)
LEAF = (40, 120, 60)
PINK = (226, 110, 140)
PURPLE = (128, 70, 160)
GOLD = (230, 160, 30)
ORANGE = (222, 110, 30)
RED = (182, 36, 40)
SKY = (40, 110, 180)


def petalRing(cr, x, y, count, length, width, colour, turn=0.0):
    for k in range(count):
        angle = turn + k * 2 * math.pi / count
        ellipse(cr, x + math.sin(angle) * length / 2, y - math.cos(angle) * length / 2,
                width / 2, length / 2, colour, angle)


def blossom(cr, x, y, size):
    petalRing(cr, x, y, 5, size, size * 0.9, PINK)
    disc(cr, x, y, size * 0.3, (250, 220, 120))


def branch(cr, points, width):
    cr.move_to(*points[0])
    cr.curve_to(*points[1], *points[2], *points[3])
    cr.set_line_width(width)
    cr.set_line_cap(1)
    rgb(cr, BARK)
    cr.stroke()


def plum(cr):
    branch(cr, [(20, 128), (40, 96), (44, 70), (86, 28)], 6)
    branch(cr, [(42, 84), (60, 84), (72, 92), (90, 100)], 3.5)
    for x, y, size in ((60, 50, 18), (84, 98, 15), (34, 92, 14), (80, 30, 11)):
        blossom(cr, x, y, size)


def leafStroke(cr, start, control, end, width, colour):
    cr.move_to(*start)
    cr.curve_to(*control, *control, *end)
    cr.set_line_width(width)
    cr.set_line_cap(1)
    rgb(cr, colour)
    cr.stroke()


def orchid(cr):
    for end, control in (((20, 40), (30, 90)), ((96, 56), (80, 80)), ((36, 24), (50, 70)),
                         ((100, 100), (80, 110))):
        leafStroke(cr, (54, 130), control, end, 4, LEAF)
    for x, y in ((70, 44), (46, 70)):
        petalRing(cr, x, y, 3, 20, 11, PURPLE, 0.3)
        petalRing(cr, x, y, 2, 14, 8, (190, 140, 210), 1.9)
        disc(cr, x, y, 3, GOLD)


def chrysanthemum(cr):
    leafStroke(cr, (56, 132), (60, 110), (56, 80), 4, LEAF)
    petalRing(cr, 32, 110, 1, 26, 14, LEAF, 4.2)
    petalRing(cr, 80, 112, 1, 26, 14, LEAF, 2.1)
    petalRing(cr, 56, 60, 22, 40, 8, GOLD)
    petalRing(cr, 56, 60, 16, 26, 7, ORANGE, 0.1)
    disc(cr, 56, 60, 7, (170, 80, 20))


def lotus(cr):
    ellipse(cr, 56, 118, 42, 12.6, LEAF)
    for angle, colour in ((-50, PINK), (50, PINK), (-24, (236, 150, 170)), (24, (236, 150, 170)),
                          (0, (244, 180, 196))):
        cr.save()
        cr.translate(56, 104)
        cr.rotate(math.radians(angle))
        cr.move_to(0, 0)
        cr.curve_to(-16, -20, -8, -48, 0, -60)
        cr.curve_to(8, -48, 16, -20, 0, 0)
        rgb(cr, colour)
        cr.fill()
        cr.restore()


def sun(cr):
    for k in range(12):
        cr.save()
        cr.translate(56, 70)
        cr.rotate(k * math.pi / 6)
        cr.move_to(-6, -30)
        cr.line_to(0, -48)
        cr.line_to(6, -30)
        rgb(cr, ORANGE)
        cr.fill()
        cr.restore()
    disc(cr, 56, 70, 26, ORANGE)
    disc(cr, 56, 70, 20, GOLD)


def sprout(cr):
    ellipse(cr, 56, 124, 36, 9, BARK)
    leafStroke(cr, (56, 122), (54, 90), (56, 56), 5, LEAF)
    for side in (-1, 1):
        cr.move_to(56, 70 + side * 6)
        cr.curve_to(56 + side * 10, 40, 56 + side * 40, 44, 56 + side * 42, 62 - side * 8)
        cr.curve_to(56 + side * 34, 84, 56 + side * 10, 86, 56, 70 + side * 6)
        rgb(cr, (90, 170, 70))
        cr.fill()
    blossom(cr, 56, 46, 14)


def mapleLeaf(cr):
    cr.save()
    cr.translate(56, 66)
    cr.move_to(0, 46)
    cr.line_to(0, 20)
    cr.set_line_width(4)
    rgb(cr, BARK)
    cr.stroke()
    outline = [(0, 18), (-14, 22), (-38, 8), (-28, 0), (-42, -18), (-20, -14), (-18, -32),
               (-6, -24), (0, -46), (6, -24), (18, -32), (20, -14), (42, -18), (28, 0),
               (38, 8), (14, 22)]
    cr.move_to(*outline[0])
    for point in outline[1:]:
        cr.line_to(*point)
    cr.close_path()
    rgb(cr, (200, 70, 30))
    cr.fill()
    cr.set_line_width(1.5)
    rgb(cr, (140, 40, 20))
    for tip in ((0, -40), (-36, -14), (36, -14), (-32, 6), (32, 6)):
        cr.move_to(0, 16)
        cr.line_to(*tip)
    cr.stroke()
    cr.restore()


def snowflake(cr):
    cr.save()
    cr.translate(56, 72)
    cr.set_line_cap(1)
    rgb(cr, SKY)
    for k in range(6):
        cr.save()
        cr.rotate(k * math.pi / 3)
        cr.set_line_width(5)
        cr.move_to(0, 0)
        cr.line_to(0, -44)
        cr.stroke()
        cr.set_line_width(3.5)
        for at, reach in ((-18, 12), (-32, 9)):
            cr.move_to(0, at)
            cr.line_to(-reach, at - reach)
            cr.move_to(0, at)
            cr.line_to(reach, at - reach)
        cr.stroke()
        cr.restore()
    disc(cr, 0, 0, 7, SKY)
    cr.restore()


FLOWERS = [plum, orchid, chrysanthemum, lotus]
SEASONS = [sprout, sun, mapleLeaf, snowflake]


def drawFlower(cr, index):
    FLOWERS[index](cr)
    text(cr, str(index + 1), 96, 17, 13, RED, "DejaVu Sans", bold=True)


def drawSeason(cr, index):
    SEASONS[index](cr)
    text(cr, str(index + 1), 96, 17, 13, SKY, "DejaVu Sans", bold=True)
