#!/usr/bin/python3
"""Checks the shipped pictures, sounds and tune as the game and Windows will read them:
formats, sizes, the face grid, readable contrast, hot spots and lengths.
Prints one line per fault and exits 1 when there is any."""
import os
import struct
import sys
import wave

import numpy as np

from bitmaps import readBmp24
from cursors import SIZES as CURSOR_SIZES
from facegrid import COLUMNS, HIDDEN_CELL, ROWS, faceCell
from midiread import readTracks, soundingNotes
from toolbarstrip import SIZES as TOOLBAR_SIZES, toolbarFileName

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
faults = []


def fault(name, message):
    faults.append(f"{name}: {message}")


def luminance(rgb):
    return rgb.astype(np.float32) @ np.array([0.299, 0.587, 0.114], dtype=np.float32)


def checkBmpHeader(name, header):
    if header["kind"] != b"BM" or header["headerSize"] != 40:
        fault(name, "not a BMP with a 40-byte information header")
    if header["bits"] != 24 or header["compression"] != 0:
        fault(name, "not uncompressed 24-bit")
    if header["fileSize"] != header["actualSize"]:
        fault(name, "file size in the header differs from the file")


def cells(sheet):
    height, width = sheet.shape[0] // ROWS, sheet.shape[1] // COLUMNS
    return {(r, c): sheet[r * height:(r + 1) * height, c * width:(c + 1) * width]
            for r in range(ROWS) for c in range(COLUMNS)}


def checkTileSet(name, path):
    header, sheet = readBmp24(path)
    checkBmpHeader(name, header)
    width, height = header["width"] // COLUMNS, header["height"] // ROWS
    if header["width"] % 18 or header["height"] % 10:
        fault(name, "cells are not of even size, so unstretched tiles would be rescaled")
    if width < 96 or not 0.7 <= width / height <= 0.85:
        fault(name, f"cells of {width} x {height} are too small or not upright tiles")
    grid = cells(sheet)
    used = {faceCell(face): face for face in range(1, 43)}
    used[HIDDEN_CELL] = "hidden"
    if len(used) != 43:
        fault(name, "two faces share a cell")
    for cell, who in used.items():
        if np.array_equal(grid[cell], grid[(3, 8)]):
            fault(name, f"face {who} is as blank as the unused cells")
    pictures = list(used.items())
    for i, (cell, who) in enumerate(pictures):
        for otherCell, other in pictures[i + 1:]:
            if np.array_equal(grid[cell], grid[otherCell]):
                fault(name, f"faces {who} and {other} look the same")
    for cell, who in used.items():
        shade = luminance(grid[cell])
        inside = shade[8:-8, 8:-8].mean()
        sides = [shade[:2].mean(), shade[-2:].mean(), shade[:, :2].mean(), shade[:, -2:].mean()]
        if min(abs(side - inside) for side in sides) < 40:
            fault(name, f"face {who} has no edge to part it from its neighbours")


def checkBackground(name, path):
    header, picture = readBmp24(path)
    checkBmpHeader(name, header)
    if header["width"] < 1920 or header["height"] < 1080:
        fault(name, "smaller than 1920 x 1080")
    shade = luminance(picture)
    if shade.mean() > 150:
        fault(name, "too light for ivory tiles to stand out")
    if shade.std() > 40:
        fault(name, "too busy behind the tiles")


def directoryEntries(data, kind):
    reserved, found, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or found != kind:
        return []
    return [struct.unpack_from("<BBBBHHII", data, 6 + 16 * k) for k in range(count)]


def checkIcon(path):
    with open(path, "rb") as source:
        data = source.read()
    sizes = {}
    for width, height, colours, _, _, bits, length, offset in directoryEntries(data, 1):
        image = data[offset:offset + length]
        if image[:8] != b"\x89PNG\r\n\x1a\n":
            bits = struct.unpack_from("<H", image, 14)[0]
        sizes[width or 256] = bits
    if sizes.get(32) != 4 or sizes.get(16) != 4:
        fault("tavrek.ico", "no 16-colour images of 32 and 16 pixels")
    if 48 not in sizes or 256 not in sizes:
        fault("tavrek.ico", "no 48 and 256 pixel images")


def checkCursorImage(name, data, entry, hotSpot):
    width, height, _, _, x, y, length, offset = entry
    _, _, doubled, _, bits = struct.unpack_from("<IiiHH", data, offset)
    if (height, bits, doubled) != (width, 1, 2 * width) or (x, y) != hotSpot:
        fault(name, f"the {width}-pixel image is not square monochrome with hot spot {hotSpot}")
        return
    stride = (width + 31) // 32 * 4
    maskStart = offset + 40 + 8 + stride * height
    maskRow = data[maskStart + (height - 1 - y) * stride:maskStart + (height - y) * stride]
    if (maskRow[x // 8] >> (7 - x % 8)) & 1:
        fault(name, f"the hot spot of the {width}-pixel image lies on a see-through pixel")


def checkCursor(path, hotSpot):
    """One image for each scaling from 100 to 200 %, the hot spot scaled with it."""
    name = os.path.basename(path)
    with open(path, "rb") as source:
        data = source.read()
    entries = directoryEntries(data, 2)
    if [entry[0] for entry in entries] != CURSOR_SIZES:
        fault(name, f"not one image of each size {CURSOR_SIZES}")
        return
    for entry in entries:
        size = entry[0]
        checkCursorImage(name, data, entry, (hotSpot[0] * size // 32, hotSpot[1] * size // 32))


def checkToolbar(path, size):
    name = os.path.basename(path)
    with open(path, "rb") as source:
        data = source.read()
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if (width, height, bits) != (10 * size, size, 4):
        fault(name, f"not {10 * size} x {size} with 4 bits per pixel")
        return
    palette = [tuple(data[54 + 4 * i:57 + 4 * i][::-1]) for i in range(16)]
    offset = struct.unpack_from("<I", data, 10)[0]
    stride = (width * 4 + 31) // 32 * 4
    rows = np.frombuffer(data, np.uint8, stride * height, offset).reshape(height, stride)[::-1, :width // 2]
    indices = np.stack([rows >> 4, rows & 15], -1).reshape(height, width)
    colours = np.array(palette)[indices]
    if tuple(colours[0, 0]) != (192, 192, 192):
        fault(name, "background is not RGB 192 192 192")
    pictures = [colours[:, size * i:size * i + size] for i in range(10)]
    for i, picture in enumerate(pictures):
        if (picture != (192, 192, 192)).any(-1).sum() < 40 * size * size // 256:
            fault(name, f"picture {i} is nearly empty")


def checkEffect(path):
    name = os.path.basename(path)
    with wave.open(path, "rb") as source:
        frames = source.readframes(source.getnframes())
        seconds = source.getnframes() / source.getframerate()
        shape = (source.getsampwidth(), source.getnchannels())
    samples = np.abs(np.frombuffer(frames, "<i2").astype(np.int32))
    if shape != (2, 1) or not 0.03 < seconds <= 0.4:
        fault(name, "not a short 16-bit mono sound (the game waits while it plays)")
    if samples.max() < 3000 or samples.max() >= 32767:
        fault(name, "silent or clipped")


def tempo(events):
    """Microseconds per beat from the first tempo event; 500000 when there is none."""
    for _, status, message in events:
        if status == 0xFF and message[0] == 0x51:
            return int.from_bytes(message[1:4], "big")
    return 500_000


def checkTune(path):
    name = os.path.basename(path)
    with open(path, "rb") as source:
        read = readTracks(source.read())
    if read is None or read[0] != 1 or read[1] == 0 or not read[2]:
        fault(name, "not a format 1 MIDI file with whole tracks")
        return
    _, division, tracks = read
    ends = {events[-1][0] for events in tracks}
    if len(ends) != 1:
        fault(name, "tracks end at different times, so a repeat would not keep time")
    if max(ends) / division * tempo(tracks[0]) / 1e6 < 60:
        fault(name, "shorter than a minute")
    if any(soundingNotes(events) for events in tracks):
        fault(name, "a note is still sounding when the piece ends")


def listed(directory, ending):
    folder = os.path.join(ROOT, directory)
    return [(name, os.path.join(folder, name)) for name in sorted(os.listdir(folder))
            if name.upper().endswith(ending)]


def main():
    for name, path in listed("data/TILESETS", ".BMP"):
        checkTileSet(name, path)
    for name, path in listed("data/BACKGRND", ".BMP"):
        checkBackground(name, path)
    for name, path in listed("data/SOUNDS", ".WAV"):
        checkEffect(path)
    for name, path in listed("data/SOUNDS", ".MID"):
        checkTune(path)
    resources = os.path.join(ROOT, "resources")
    checkIcon(os.path.join(resources, "tavrek.ico"))
    for size in TOOLBAR_SIZES:
        checkToolbar(os.path.join(resources, toolbarFileName(size)), size)
    checkCursor(os.path.join(resources, "select.cur"), (8, 3))
    checkCursor(os.path.join(resources, "busy.cur"), (7, 11))
    print("\n".join(faults) if faults else "art checks passed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
