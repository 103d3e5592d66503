"""A cairo drawing surface and its conversion to red-green-blue pixels."""
import math

import cairo
import numpy as np


def newCanvas(width, height):
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, width, height)
    return surface, cairo.Context(surface)


def surfaceRgb(surface):
    surface.flush()
    width, height = surface.get_width(), surface.get_height()
    stride = surface.get_stride()
    data = np.frombuffer(surface.get_data(), dtype=np.uint8).reshape(height, stride)
    bgrx = data[:, :width * 4].reshape(height, width, 4)
    return bgrx[:, :, 2::-1].copy()


def rgb(cr, colour, alpha=1.0):
    r, g, b = colour
    cr.set_source_rgba(r / 255, g / 255, b / 255, alpha)


def roundedRectangle(cr, x, y, width, height, radius):
    cr.new_sub_path()
    cr.arc(x + width - radius, y + radius, radius, -math.pi / 2, 0)
    cr.arc(x + width - radius, y + height - radius, radius, 0, math.pi / 2)
    cr.arc(x + radius, y + height - radius, radius, math.pi / 2, math.pi)
    cr.arc(x + radius, y + radius, radius, math.pi, 3 * math.pi / 2)
    cr.close_path()


def disc(cr, x, y, radius, colour, alpha=1.0):
    cr.arc(x, y, radius, 0, 2 * math.pi)
    rgb(cr, colour, alpha)
    cr.fill()


def ellipse(cr, x, y, radiusX, radiusY, colour, turn=0.0):
    """A filled ellipse centred on (x, y), its first axis turned by turn radians."""
    cr.save()
    cr.translate(x, y)
    cr.rotate(turn)
    cr.scale(radiusX, radiusY)
    cr.arc(0, 0, 1, 0, 2 * math.pi)
    cr.restore()
    rgb(cr, colour)
    cr.fill()


def ring(cr, x, y, radius, width, colour):
    cr.arc(x, y, radius, 0, 2 * math.pi)
    rgb(cr, colour)
    cr.set_line_width(width)
    cr.stroke()


def text(cr, string, x, y, size, colour, family="DejaVu Sans", bold=False, stroke=0.0):
    """Draws a string centred on (x, y) by its ink extents, thickened by a stroke."""
    weight = cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL
    cr.select_font_face(family, cairo.FONT_SLANT_NORMAL, weight)
    cr.set_font_size(size)
    bx, by, width, height, _, _ = cr.text_extents(string)
    cr.move_to(x - bx - width / 2, y - by - height / 2)
    cr.text_path(string)
    rgb(cr, colour)
    if stroke:
        cr.set_line_width(stroke)
        cr.set_line_join(1)
        cr.fill_preserve()
        cr.stroke()
    else:
        cr.fill()
