"""The picture at the side of the installer's first and last pages (164 x 314):
three tiles of the standard set stacked on a strip of the sunset background.
Run from this folder; writes dist/SIDE.BMP."""
import numpy as np
from PIL import Image

from bitmaps import bmp24Bytes, readBmp24, writeFile
from facegrid import CELL_HEIGHT, CELL_WIDTH, faceCell

WIDTH, HEIGHT = 164, 314
TILE_WIDTH, TILE_HEIGHT = 56, 72
THICKNESS = 6
SIDE_COLOUR = (176, 120, 52)
EDGE_COLOUR = (96, 60, 24)
# (face, left, top) from the bottom of the heap up: two tiles side by side
# and one lying on them, its thickness shown to the left and below.
TILES = [(32, 26, 176), (40, 82, 176), (28, 58, 118)]


def backgroundStrip():
    _, background = readBmp24("../../data/BACKGRND/SUNSET.BMP")
    height, width, _ = background.shape
    stripWidth = height * WIDTH // HEIGHT
    left = (width - stripWidth) // 2
    strip = Image.fromarray(background[:, left:left + stripWidth])
    return np.asarray(strip.resize((WIDTH, HEIGHT), Image.LANCZOS)).copy()


def facePicture(sheet, face):
    row, column = faceCell(face)
    cell = sheet[row * CELL_HEIGHT:(row + 1) * CELL_HEIGHT, column * CELL_WIDTH:(column + 1) * CELL_WIDTH]
    return np.asarray(Image.fromarray(cell).resize((TILE_WIDTH, TILE_HEIGHT), Image.LANCZOS))


def drawTile(picture, face, left, top):
    for step in range(THICKNESS, 0, -1):
        colour = EDGE_COLOUR if step == THICKNESS else SIDE_COLOUR
        picture[top + step:top + step + TILE_HEIGHT, left - step:left - step + TILE_WIDTH] = colour
    picture[top:top + TILE_HEIGHT, left:left + TILE_WIDTH] = face


def main():
    _, sheet = readBmp24("../../data/TILESETS/STANDARD.BMP")
    picture = backgroundStrip()
    for face, left, top in TILES:
        drawTile(picture, facePicture(sheet, face), left, top)
    writeFile("../../dist/SIDE.BMP", bmp24Bytes(picture))


if __name__ == "__main__":
    main()
