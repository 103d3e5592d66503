#!/usr/bin/python3
"""Draws and writes every shipped picture, sound and tune into the repository."""
import os
import sys

from classicset import drawClassicBack, drawClassicFace
from facegrid import writeSheet
from ivoryface import ivoryFace

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def dataPath(directory, name):
    folder = os.path.join(ROOT, "data", directory)
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, name)


def makeTileSets():
    writeSheet(dataPath("TILESETS", "STANDARD.BMP"), drawClassicFace, drawClassicBack, ivoryFace)


def main():
    makeTileSets()
    return 0


if __name__ == "__main__":
    sys.exit(main())
