"""Pictures drawn as shapes at any size without smoothing, so every pixel keeps
one of a few exact colours: the larger toolbar pictures and cursors, drawn anew
at each size the screen's scaling asks for instead of enlarging the small ones."""
import cairo

from canvas import rgb


def crispCanvas(size, units, background):
    """A size x size canvas whose drawing coordinates run from 0 to units."""
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, size, size)
    cr = cairo.Context(surface)
    cr.set_antialias(cairo.ANTIALIAS_NONE)
    rgb(cr, background)
    cr.paint()
    cr.scale(size / units, size / units)
    cr.set_line_join(cairo.LINE_JOIN_MITER)
    return surface, cr


def outlineWidth(cr, pixels):
    """A line width of whole device pixels, whatever the canvas's scale."""
    return cr.device_to_user_distance(pixels, 0)[0]


def polygon(cr, points):
    cr.move_to(*points[0])
    for point in points[1:]:
        cr.line_to(*point)
    cr.close_path()


def fillAndOutline(cr, fill, outline, width):
    """Fills the current path and draws its outline `width` device pixels wide."""
    rgb(cr, fill)
    cr.fill_preserve()
    rgb(cr, outline)
    cr.set_line_width(outlineWidth(cr, width))
    cr.stroke()

