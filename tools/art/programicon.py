"""The program icon: a jade tile lying behind an ivory tile that shows a red coin.
The 16 and 32 pixel images keep to the 16 standard colours: the 32 pixel one drawn
without smoothing, the 16 pixel one set pixel by pixel."""
import cairo
import numpy as np

from canvas import disc, rgb, roundedRectangle
from iconfile import indexedImage, iconBytes, pngImage, trueColourImage
from pixelart import PALETTE, maskedPicture, nearestIndices

BLACK = (0, 0, 0)
# Ivory, jade, coin red and side colour: the standard colours, and richer ones.
BASIC = dict(face=(255, 255, 255), back=(0, 128, 0), coin=(255, 0, 0), sides=(128, 128, 0))
RICH = dict(face=(250, 244, 226), back=(30, 128, 90), coin=(196, 30, 40), sides=(200, 140, 40))

SMALL = [
    "       kkkkkkkk ",
    "      okggggggk ",
    "      okggggggk ",
    "      okggggggk ",
    "  kkkkkkkkkgggk ",
    " okwwwwwwwkgggk ",
    " okwwrrrwwkgggk ",
    " okwrwwwrwkgggk ",
    " okwrwrwrwkgggk ",
    " okwrwwwrwkgggk ",
    " okwwrrrwwkkkkk ",
    " okwwwwwwwkooo  ",
    " okwwwwwwwk     ",
    " okwwwwwwwk     ",
    " okkkkkkkkk     ",
    " ooooooooo      ",
]


def tile(cr, x, y, width, height, face, sides, edge):
    """A tile seen as in the game: its face, and its thickness to the lower left."""
    cr.move_to(x, y + edge)
    cr.line_to(x - edge, y + edge * 2)
    cr.line_to(x - edge, y + height + edge)
    cr.line_to(x + width - edge, y + height + edge)
    cr.line_to(x + width, y + height)
    cr.line_to(x, y + height)
    cr.close_path()
    rgb(cr, sides)
    cr.fill_preserve()
    rgb(cr, BLACK)
    cr.set_line_width(edge * 0.4)
    cr.stroke()
    roundedRectangle(cr, x, y, width, height, edge * 0.8)
    rgb(cr, face)
    cr.fill_preserve()
    rgb(cr, BLACK)
    cr.stroke()


def drawIcon(cr, size, colours):
    cr.scale(size / 32, size / 32)
    tile(cr, 14, 1.5, 16, 21, colours["back"], colours["sides"], 2.5)
    tile(cr, 5, 8, 17, 21, colours["face"], colours["sides"], 2.5)
    disc(cr, 13.5, 18.5, 6.5, colours["coin"])
    disc(cr, 13.5, 18.5, 4, colours["face"])
    disc(cr, 13.5, 18.5, 2.5, colours["coin"])


def renderIcon(size, smooth):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, size, size)
    cr = cairo.Context(surface)
    if not smooth:
        cr.set_antialias(cairo.ANTIALIAS_NONE)
    drawIcon(cr, size, RICH if smooth else BASIC)
    surface.flush()
    bgra = np.frombuffer(surface.get_data(), dtype=np.uint8).reshape(size, surface.get_stride())
    bgra = bgra[:, :size * 4].reshape(size, size, 4)
    alpha = bgra[:, :, 3:4].astype(np.float32)
    colour = np.where(alpha > 0, bgra[:, :, 2::-1] * 255.0 / np.maximum(alpha, 1), 0)
    return np.concatenate([np.clip(colour, 0, 255), alpha], -1).astype(np.uint8)


def sixteenColourImage(indices, transparent):
    size = indices.shape[0]
    return size, size, 16, 4, indexedImage(indices, PALETTE, transparent)


def programIcon():
    """The icon file: 32 and 16 pixels in 16 colours, 48 in true colour, 256 as PNG."""
    large = renderIcon(32, smooth=False)
    return iconBytes([sixteenColourImage(nearestIndices(large[:, :, :3]), large[:, :, 3] < 128),
                      sixteenColourImage(*maskedPicture(SMALL)),
                      (48, 48, 0, 32, trueColourImage(renderIcon(48, smooth=True))),
                      (256, 256, 0, 32, pngImage(renderIcon(256, smooth=True)))])
