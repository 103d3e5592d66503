"""The classic face: an ivory cushion with a thin dark edge on all four sides.

The game draws the tile's thickness left of and below the face and nothing on
its top and right, where faces of neighbouring tiles meet edge to edge; so the
edge is part of the face. It is three pixels wide so that a face scaled down to
a third of its size still keeps a dark line between neighbours."""
import cairo

from canvas import rgb, roundedRectangle
from facegrid import CELL_HEIGHT, CELL_WIDTH

EDGE = (96, 84, 62)
RIM = (176, 162, 128)
IVORY_LIGHT = (253, 250, 238)
IVORY_SHADE = (229, 220, 194)


def cushion(cr, light, shade, edge=EDGE):
    rgb(cr, edge)
    cr.rectangle(0, 0, CELL_WIDTH, CELL_HEIGHT)
    cr.fill()
    rgb(cr, RIM)
    cr.rectangle(2, 2, CELL_WIDTH - 4, CELL_HEIGHT - 4)
    cr.fill()
    shadedInside(cr, light, shade)
    bevel(cr)


def shadedInside(cr, light, shade):
    """The face inside its edge, lit from the upper left."""
    gradient = cairo.LinearGradient(0, 0, CELL_WIDTH * 0.6, CELL_HEIGHT)
    gradient.add_color_stop_rgb(0, *(c / 255 for c in light))
    gradient.add_color_stop_rgb(1, *(c / 255 for c in shade))
    roundedRectangle(cr, 3, 3, CELL_WIDTH - 6, CELL_HEIGHT - 6, 7)
    cr.set_source(gradient)
    cr.fill()


def bevel(cr):
    """A soft highlight along the upper left and a shade along the lower right."""
    cr.set_line_width(2)
    cr.move_to(5, CELL_HEIGHT - 12)
    cr.line_to(5, 12)
    cr.arc(12, 12, 7, 3.1416, 4.7124)
    cr.line_to(CELL_WIDTH - 12, 5)
    rgb(cr, (255, 255, 255), 0.8)
    cr.stroke()
    cr.move_to(CELL_WIDTH - 5, 12)
    cr.line_to(CELL_WIDTH - 5, CELL_HEIGHT - 12)
    cr.arc(CELL_WIDTH - 12, CELL_HEIGHT - 12, 7, 0, 1.5708)
    cr.line_to(12, CELL_HEIGHT - 5)
    rgb(cr, (150, 136, 104), 0.55)
    cr.stroke()


def ivoryFace(cr):
    cushion(cr, IVORY_LIGHT, IVORY_SHADE)
