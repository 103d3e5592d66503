"""Writing and reading the uncompressed Windows bitmaps the game ships.

Pictures are held as numpy arrays of shape (height, width, 3), red-green-blue,
top row first. Files are bottom-up with a 40-byte information header."""
import struct

import numpy as np

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40


def rowStride(width, bitsPerPixel):
    return (width * bitsPerPixel + 31) // 32 * 4


def infoHeader(width, height, bitsPerPixel, imageSize, coloursUsed=0):
    return struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, width, height, 1,
                       bitsPerPixel, 0, imageSize, 2835, 2835, coloursUsed, 0)


def fileHeader(fileSize, pixelOffset):
    return struct.pack("<2sIHHI", b"BM", fileSize, 0, 0, pixelOffset)


def pixels24(rgb):
    """The bottom-up, padded blue-green-red rows of a picture."""
    height, width, _ = rgb.shape
    stride = rowStride(width, 24)
    rows = np.zeros((height, stride), dtype=np.uint8)
    rows[:, :width * 3] = rgb[::-1, :, ::-1].reshape(height, width * 3)
    return rows.tobytes()


def bmp24Bytes(rgb):
    height, width, _ = rgb.shape
    data = pixels24(rgb)
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE
    return (fileHeader(offset + len(data), offset)
            + infoHeader(width, height, 24, len(data)) + data)


def pixels4(indices):
    """The bottom-up, padded rows of a 16-colour picture of palette indices."""
    height, width = indices.shape
    stride = rowStride(width, 4)
    out = bytearray()
    for row in indices[::-1]:
        padded = list(row) + [0] * (width % 2)
        packed = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        out += packed + bytes(stride - len(packed))
    return bytes(out)


def paletteBytes(palette):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def bmp4Bytes(indices, palette):
    height, width = indices.shape
    table = paletteBytes(palette)
    data = pixels4(indices)
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + len(table)
    return (fileHeader(offset + len(data), offset)
            + infoHeader(width, height, 4, len(data), len(palette)) + table + data)


def writeFile(path, content):
    with open(path, "wb") as out:
        out.write(content)


def readBmp24(path):
    """Reads back a 24-bit file written above; returns the header fields and pixels."""
    with open(path, "rb") as source:
        data = source.read()
    kind, fileSize, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (headerSize, width, height, planes, bits, compression,
     imageSize, _, _, _, _) = struct.unpack_from("<IiiHHIIiiII", data, FILE_HEADER_SIZE)
    header = dict(kind=kind, fileSize=fileSize, actualSize=len(data), offset=offset,
                  headerSize=headerSize, width=width, height=height, planes=planes,
                  bits=bits, compression=compression, imageSize=imageSize)
    stride = rowStride(width, 24)
    rows = np.frombuffer(data, dtype=np.uint8, count=stride * height, offset=offset)
    rows = rows.reshape(height, stride)[:, :width * 3].reshape(height, width, 3)
    return header, rows[::-1, :, ::-1].copy()
