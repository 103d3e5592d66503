#!/usr/bin/python3
"""Draws and writes every shipped picture, sound and tune into the repository."""
import os
import sys

from backgrounds import BACKGROUNDS
from bitmaps import bmp24Bytes, bmp4Bytes, writeFile
from brooktune import brookTune
from classicset import drawClassicBack, drawClassicFace
from contrastset import drawContrastBack, drawContrastFace, plainFace
from cursors import busyCursor, selectCursor
from facegrid import writeSheet
from iconfile import cursorBytes
from ivoryface import ivoryFace
from largeset import drawLargeBack, drawLargeFace
from nightset import drawNightBack, drawNightFace, nightFace
from nocturnetune import nocturneTune
from pixelart import PALETTE
from programicon import programIcon
from shapeset import drawShapeBack, drawShapeFace, shapeFace
from soundeffects import EFFECTS, waveBytes
from themetune import themeTune
from toolbarstrip import SIZES, toolbarFileName, toolbarStripOfSize

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def dataPath(directory, name):
    folder = os.path.join(ROOT, "data", directory)
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, name)


def makeTileSets():
    writeSheet(dataPath("TILESETS", "STANDARD.BMP"), drawClassicFace, drawClassicBack, ivoryFace)
    writeSheet(dataPath("TILESETS", "CONTRAST.BMP"), drawContrastFace, drawContrastBack, plainFace)
    writeSheet(dataPath("TILESETS", "NIGHT.BMP"), drawNightFace, drawNightBack, nightFace)
    writeSheet(dataPath("TILESETS", "SHAPES.BMP"), drawShapeFace, drawShapeBack, shapeFace)
    writeSheet(dataPath("TILESETS", "LARGE.BMP"), drawLargeFace, drawLargeBack, ivoryFace)


def makeBackgrounds():
    for name, draw in BACKGROUNDS.items():
        writeFile(dataPath("BACKGRND", name), bmp24Bytes(draw()))


def makeProgramPictures():
    folder = os.path.join(ROOT, "resources")
    os.makedirs(folder, exist_ok=True)
    writeFile(os.path.join(folder, "tavrek.ico"), programIcon())
    for size in SIZES:
        writeFile(os.path.join(folder, toolbarFileName(size)), bmp4Bytes(toolbarStripOfSize(size), PALETTE))
    writeFile(os.path.join(folder, "select.cur"), cursorBytes(selectCursor()))
    writeFile(os.path.join(folder, "busy.cur"), cursorBytes(busyCursor()))


def makeSounds():
    for name, synthesise in EFFECTS.items():
        writeFile(dataPath("SOUNDS", name), waveBytes(synthesise()))
    writeFile(dataPath("SOUNDS", "THEME01.MID"), themeTune())
    writeFile(dataPath("SOUNDS", "THEME02.MID"), brookTune())
    writeFile(dataPath("SOUNDS", "THEME03.MID"), nocturneTune())


def main():
    makeTileSets()
    makeBackgrounds()
    makeProgramPictures()
    makeSounds()
    return 0


if __name__ == "__main__":
    sys.exit(main())
