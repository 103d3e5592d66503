"""Windows icon (.ico) and cursor (.cur) files: a directory of images, each a
bitmap with its colour part followed by a one-bit transparency mask (1 = see through)."""
import io
import struct

import numpy as np
from PIL import Image

from bitmaps import infoHeader, paletteBytes, pixels4, rowStride

MONOCHROME = [(0, 0, 0), (255, 255, 255)]


def pixels1(bits):
    """Bottom-up, padded rows of a one-bit picture of 0s and 1s."""
    height, width = bits.shape
    packed = np.packbits(bits[::-1].astype(np.uint8), axis=1)
    rows = np.zeros((height, rowStride(width, 1)), dtype=np.uint8)
    rows[:, :packed.shape[1]] = packed
    return rows.tobytes()


def maskedBitmap(width, height, bitsPerPixel, palette, colourBits, transparent):
    """One image of the directory: header of twice the height, palette, colours, mask."""
    mask = pixels1(transparent)
    return (infoHeader(width, height * 2, bitsPerPixel, len(colourBits) + len(mask))
            + paletteBytes(palette) + colourBits + mask)


def indexedImage(indices, palette, transparent):
    height, width = indices.shape
    colourBits = pixels1(indices) if len(palette) == 2 else pixels4(indices)
    bits = 1 if len(palette) == 2 else 4
    return maskedBitmap(width, height, bits, palette, colourBits, transparent)


def trueColourImage(rgba):
    height, width, _ = rgba.shape
    colourBits = rgba[::-1, :, [2, 1, 0, 3]].tobytes()
    return maskedBitmap(width, height, 32, [], colourBits, rgba[:, :, 3] < 128)


def pngImage(rgba):
    out = io.BytesIO()
    Image.fromarray(rgba, "RGBA").save(out, "PNG")
    return out.getvalue()


def directory(kind, entries):
    """entries: (width, height, colour count, field 1, field 2, image bytes); the two
    fields are planes and bit count in an icon, the hot spot's x and y in a cursor."""
    offset = 6 + 16 * len(entries)
    head = struct.pack("<HHH", 0, kind, len(entries))
    images = b""
    for width, height, colours, first, second, image in entries:
        head += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, first, second,
                            len(image), offset + len(images))
        images += image
    return head + images


def iconBytes(images):
    """images: (width, height, colour count, bit count, image bytes)."""
    return directory(1, [(w, h, c, 1, bits, image) for w, h, c, bits, image in images])


def cursorImage(shape, size):
    """One monochrome size x size image from rows of 'k' (black), 'w' (white) and ' ' (clear)."""
    rows = [row.ljust(size) for row in shape] + [" " * size] * (size - len(shape))
    grid = np.array([list(row) for row in rows])
    return indexedImage((grid == "w").astype(np.uint8), MONOCHROME, grid == " ")


def cursorBytes(images):
    """A cursor file of monochrome images, one per size: images are (rows, hot spot),
    each picture as wide as the largest of its rows and as tall, at least 32."""
    entries = []
    for shape, (x, y) in images:
        size = max(32, len(shape), max(len(row) for row in shape))
        entries.append((size, size, 2, x, y, cursorImage(shape, size)))
    return directory(2, entries)
