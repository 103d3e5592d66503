"""The face shown while the tiles are hidden: the back of a tile, a lattice on a coloured cushion."""
import math

from canvas import rgb, roundedRectangle
from facegrid import CELL_HEIGHT, CELL_WIDTH
from ivoryface import cushion


def lattice(cr, colour, spacing):
    cr.save()
    roundedRectangle(cr, 12, 12, CELL_WIDTH - 24, CELL_HEIGHT - 24, 5)
    cr.clip()
    cr.set_line_width(1.5)
    rgb(cr, colour, 0.55)
    reach = CELL_WIDTH + CELL_HEIGHT
    for start in range(-reach, reach, spacing):
        cr.move_to(start, 0)
        cr.line_to(start + CELL_HEIGHT, CELL_HEIGHT)
        cr.move_to(start + CELL_HEIGHT, 0)
        cr.line_to(start, CELL_HEIGHT)
    cr.stroke()
    cr.restore()


def emblem(cr, colour, fill):
    cr.save()
    cr.translate(CELL_WIDTH / 2, CELL_HEIGHT / 2)
    cr.rotate(math.pi / 4)
    for size, paint in ((26, colour), (20, fill), (10, colour)):
        cr.rectangle(-size / 2, -size / 2, size, size)
        rgb(cr, paint)
        cr.fill()
    cr.restore()


def tileBack(cr, light, shade, trim):
    cushion(cr, light, shade, (16, 20, 24))
    lattice(cr, trim, 14)
    roundedRectangle(cr, 12, 12, CELL_WIDTH - 24, CELL_HEIGHT - 24, 5)
    cr.set_line_width(2.5)
    rgb(cr, trim)
    cr.stroke()
    emblem(cr, trim, shade)
