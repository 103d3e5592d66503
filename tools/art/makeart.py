#!/usr/bin/python3
"""Draws and writes every shipped picture, sound and tune into the repository."""
import os
import sys

from backgrounds import BACKGROUNDS
from bitmaps import bmp24Bytes, writeFile
from classicset import drawClassicBack, drawClassicFace
from contrastset import drawContrastBack, drawContrastFace, plainFace
from facegrid import writeSheet
from ivoryface import ivoryFace

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def dataPath(directory, name):
    folder = os.path.join(ROOT, "data", directory)
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, name)


def makeTileSets():
    writeSheet(dataPath("TILESETS", "STANDARD.BMP"), drawClassicFace, drawClassicBack, ivoryFace)
    writeSheet(dataPath("TILESETS", "CONTRAST.BMP"), drawContrastFace, drawContrastBack, plainFace)


def makeBackgrounds():
    for name, draw in BACKGROUNDS.items():
        writeFile(dataPath("BACKGRND", name), bmp24Bytes(draw()))


def main():
    makeTileSets()
    makeBackgrounds()
    return 0


if __name__ == "__main__":
    sys.exit(main())
