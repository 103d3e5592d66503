#!/usr/bin/python3
"""Pictures for judging the art by eye: each tile set and background as PNG, each
tile set as seen with the common colour-vision deficiencies, and a small heap of
tiles drawn on each background the way the 2D view draws them.

Usage: preview.py OUTPUT_DIRECTORY [TILE_WIDTH]"""
import os
import sys

import numpy as np
from PIL import Image

from bitmaps import readBmp24
from colourvision import DEFICIENCIES, simulate
from facegrid import CELL_HEIGHT, CELL_WIDTH, faceCell
from makeart import ROOT

SIDES = np.array([184, 120, 24])
SHADOW = 64

# (layer, row, column, face) of the sample heap, in drawing order.
HEAP = ([(0, r, c, 1 + (r * 7 + c * 3) % 42) for r in (0, 2, 4) for c in range(10, -2, -2)]
        + [(1, r, c, 10 + r * 3 + c) for r in (1, 3) for c in (7, 5, 3)]
        + [(2, 2, 4, 41)])


def scaled(sheet, tileWidth, tileHeight):
    return np.asarray(Image.fromarray(sheet).resize((9 * tileWidth, 5 * tileHeight), Image.NEAREST))


def drawTile(board, faces, x, y, face, width, height):
    edge = width // 8
    row, column = faceCell(face)
    board[y:y + height, x:x + width] = faces[row * height:(row + 1) * height,
                                             column * width:(column + 1) * width]
    board[y + height:y + height + edge, x - edge:x - edge + width] = SIDES
    board[y + edge:y + height, x - edge:x] = SIDES
    for i in range(1, edge):
        board[y + i:y + edge, x - i] = SIDES
        board[y + height:y + height + edge - i, x + width - edge + i - 1] = SIDES
    board[y + edge:y + edge + height, x - edge] = 0
    board[y + height + edge - 1, x - edge:x - edge + width] = 0
    for i in range(1, edge):
        board[y + i, x - i] = 0
        board[y + height + i - 1, x + width - i] = 0


def castShadow(board, x, y, width, height):
    edge = width // 8
    depth = height // 4
    region = board[y + edge:y + edge + height + depth, x - edge + width:x - edge + width + depth]
    region[:] = np.maximum(region.astype(int) - SHADOW, 0)
    region = board[y + edge + height:y + edge + height + depth, x - edge:x - edge + width]
    region[:] = np.maximum(region.astype(int) - SHADOW, 0)


def mockUp(sheet, background, tileWidth):
    tileHeight = tileWidth * CELL_HEIGHT // CELL_WIDTH // 2 * 2
    faces = scaled(sheet, tileWidth, tileHeight)
    board = np.asarray(Image.fromarray(background).resize((9 * tileWidth, 5 * tileHeight))).copy()
    edge = tileWidth // 8
    for level in range(3):
        tiles = [(tileWidth + column * tileWidth // 2 + layer * edge,
                  tileHeight // 2 + row * tileHeight // 2 - layer * edge, face)
                 for layer, row, column, face in HEAP if layer == level]
        for x, y, _ in tiles if level else []:
            castShadow(board, x, y, tileWidth, tileHeight)
        for x, y, face in tiles:
            drawTile(board, faces, x, y, face, tileWidth, tileHeight)
    return board


def main(output, tileWidth):
    os.makedirs(output, exist_ok=True)
    data = os.path.join(ROOT, "data")
    for tileSet in sorted(os.listdir(os.path.join(data, "TILESETS"))):
        _, sheet = readBmp24(os.path.join(data, "TILESETS", tileSet))
        Image.fromarray(sheet).save(os.path.join(output, tileSet[:-4] + ".png"))
        for deficiency in DEFICIENCIES:
            seen = simulate(sheet, deficiency)
            Image.fromarray(seen).save(os.path.join(output, f"{tileSet[:-4]}-{deficiency}.png"))
        for name in sorted(os.listdir(os.path.join(data, "BACKGRND"))):
            _, background = readBmp24(os.path.join(data, "BACKGRND", name))
            picture = mockUp(sheet, background, tileWidth)
            Image.fromarray(picture).save(os.path.join(output, f"{tileSet[:-4]}-on-{name[:-4]}.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 48))
