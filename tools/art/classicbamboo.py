"""The bamboo suit of the classic set: jointed sticks, and a bird on face 10."""
import math

import cairo

from canvas import disc, rgb, roundedRectangle

GREEN = (24, 118, 66)
BLUE = (30, 84, 150)
RED = (182, 40, 38)
PLUMAGE = (26, 96, 130)

# (x, y, angle in degrees, colour) of each stick, faces 11 to 18 (bamboo two to nine).
TALL, SHORT = 50, 34
PATTERNS = {
    2: (TALL, [(56, 43, 0, BLUE), (56, 101, 0, GREEN)]),
    3: (TALL, [(56, 43, 0, BLUE), (36, 101, 0, GREEN), (76, 101, 0, GREEN)]),
    4: (TALL, [(36, 43, 0, BLUE), (76, 43, 0, GREEN), (36, 101, 0, GREEN), (76, 101, 0, BLUE)]),
    5: (TALL, [(26, 43, 0, GREEN), (86, 43, 0, BLUE), (56, 72, 0, RED),
               (26, 101, 0, BLUE), (86, 101, 0, GREEN)]),
    6: (TALL, [(x, y, 0, GREEN) for y in (43, 101) for x in (28, 56, 84)]),
    7: (SHORT, [(56, 28, 0, RED)] + [(x, y, 0, GREEN) for y in (72, 114) for x in (28, 56, 84)]),
    8: (TALL, [(22, 43, 0, GREEN), (45, 43, 16, GREEN), (67, 43, -16, GREEN), (90, 43, 0, GREEN),
               (22, 101, 0, BLUE), (45, 101, -16, BLUE), (67, 101, 16, BLUE), (90, 101, 0, BLUE)]),
    9: (SHORT, [(x, y, 0, RED if x == 56 else GREEN) for y in (30, 72, 114) for x in (28, 56, 84)]),
}


def shade(colour, amount):
    return tuple(max(0, min(255, c + amount)) for c in colour)


def stick(cr, x, y, length, colour, angle=0):
    """A bamboo stick: a rounded stem lit from the left, with a joint at each end and in the middle."""
    width = 12
    cr.save()
    cr.translate(x, y)
    cr.rotate(math.radians(angle))
    gradient = cairo.LinearGradient(-width / 2, 0, width / 2, 0)
    for stop, amount in ((0, -30), (0.35, 60), (1, -50)):
        gradient.add_color_stop_rgb(stop, *(c / 255 for c in shade(colour, amount)))
    roundedRectangle(cr, -width / 2, -length / 2, width, length, width / 2.2)
    cr.set_source(gradient)
    cr.fill()
    for joint in (-length / 2 + 3, 0, length / 2 - 3):
        roundedRectangle(cr, -width / 2 - 1.5, joint - 2, width + 3, 4, 2)
        rgb(cr, shade(colour, -45))
        cr.fill()
        cr.rectangle(-width / 2, joint - 0.5, width, 1)
        rgb(cr, shade(colour, 90))
        cr.fill()
    cr.restore()


def feather(cr, angle, length, colour):
    cr.save()
    cr.rotate(math.radians(angle))
    cr.move_to(0, 0)
    cr.curve_to(-9, -length * 0.4, -7, -length * 0.9, 0, -length)
    cr.curve_to(7, -length * 0.9, 9, -length * 0.4, 0, 0)
    rgb(cr, colour)
    cr.fill()
    disc(cr, 0, -length * 0.78, 3.2, (240, 200, 60))
    disc(cr, 0, -length * 0.78, 1.6, BLUE)
    cr.restore()


def bird(cr):
    """Face 10: a crested bird with a fanned tail, perched on a short stick."""
    cr.save()
    cr.translate(68, 94)
    for angle, colour in ((-52, BLUE), (-30, GREEN), (-8, BLUE), (14, GREEN)):
        cr.save()
        cr.translate(-6, 4)
        feather(cr, angle - 12, 54, colour)
        cr.restore()
    cr.move_to(-16, 4)
    cr.curve_to(-20, -22, 4, -36, 16, -30)
    cr.curve_to(26, -24, 22, 10, 8, 14)
    cr.curve_to(0, 16, -12, 14, -16, 4)
    rgb(cr, PLUMAGE)
    cr.fill()
    cr.move_to(-8, -4)
    cr.curve_to(-4, -20, 10, -22, 14, -10)
    cr.curve_to(8, 0, -2, 4, -8, -4)
    rgb(cr, GREEN)
    cr.fill()
    disc(cr, 16, -36, 9, PLUMAGE)
    disc(cr, 19, -38, 2.2, (255, 255, 255))
    disc(cr, 19.5, -38, 1.1, (20, 20, 20))
    cr.move_to(24, -38)
    cr.line_to(33, -34)
    cr.line_to(24, -32)
    rgb(cr, (220, 140, 40))
    cr.fill()
    cr.set_line_width(1.2)
    for tilt in (-30, -5, 20):
        cr.save()
        cr.translate(14, -44)
        cr.rotate(math.radians(tilt))
        cr.move_to(0, 0)
        cr.line_to(0, -7)
        rgb(cr, PLUMAGE)
        cr.stroke()
        disc(cr, 0, -8, 2.2, RED)
        cr.restore()
    cr.restore()
    stick(cr, 60, 118, 60, (120, 100, 40), 90)
    cr.set_line_width(2)
    rgb(cr, (150, 90, 40))
    for leg in (56, 66):
        cr.move_to(leg, 108)
        cr.line_to(leg + 1, 114)
        cr.stroke()


def drawBamboo(cr, number, first=bird, drawStick=stick):
    """Face 10 is first(cr); the others are sticks in the classic arrangement."""
    if number == 1:
        first(cr)
        return
    length, sticks = PATTERNS[number]
    for x, y, angle, colour in sticks:
        drawStick(cr, x, y, length, colour, angle)
