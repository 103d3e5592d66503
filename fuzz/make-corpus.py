#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora (fuzz/corpus/<harness>/) and dictionaries
(fuzz/<harness>.dict): a tiny valid file of every kind each reader accepts, so
that a run starts past the headers instead of rediscovering them. The files
named by a digest are what long runs found, merged in with -merge=1; they stay.

    python3 fuzz/make-corpus.py        (from the repository root)

The settings, layout and language seeds are the test fixtures and shipped
language files; the pictures, the hall of fame and the saved games are made here.
"""
import os
import re
import shutil
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def write(harness, name, data):
    folder = os.path.join(CORPUS, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def copy(harness, source):
    folder = os.path.join(CORPUS, harness)
    os.makedirs(folder, exist_ok=True)
    shutil.copy(os.path.join(ROOT, source), folder)


def dictionary(harness, entries):
    with open(os.path.join(ROOT, "fuzz", harness + ".dict"), "w") as f:
        for entry in entries:
            f.write('"%s"\n' % "".join("\\x%02X" % b if b < 32 or b > 126 or b in b'"\\' else chr(b)
                                       for b in entry))


# --- pictures: 3 x 2 pixels, rows padded to four bytes --------------------

WIDTH, HEIGHT = 3, 2
COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 0, 0), (128, 64, 32)]  # R, G, B


def pixel_bytes(depth, index, rgb):
    r, g, b = rgb
    if depth == 24:
        return bytes([b, g, r])
    if depth == 32:
        return bytes([b, g, r, 0])
    if depth == "555":
        return struct.pack("<H", (r >> 3) << 10 | (g >> 3) << 5 | b >> 3)
    if depth == "565":
        return struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
    raise ValueError(depth)


def indexed_row(depth, indices):
    bits = "".join(format(i, "0%db" % depth) for i in indices)
    bits += "0" * (-len(bits) % 8)
    return bytes(int(bits[k:k + 8], 2) for k in range(0, len(bits), 8))


def pad(row):
    return row + bytes(-len(row) % 4)


def bmp(depth, info_size=40, top_down=False, masks=None):
    bits = {"555": 16, "565": 16}.get(depth, depth)
    palette = b""
    rows = []
    for y in range(HEIGHT):
        line = range(y * WIDTH, (y + 1) * WIDTH)
        if bits <= 8:
            rows.append(pad(indexed_row(bits, [i % (1 << bits) for i in line])))
        else:
            rows.append(pad(b"".join(pixel_bytes(depth, i, COLOURS[i]) for i in line)))
    if bits <= 8:
        palette = b"".join(bytes([b, g, r, 0]) for r, g, b in COLOURS[:1 << bits])
    pixels = b"".join(rows if top_down else reversed(rows))
    mask_bytes = struct.pack("<3I", *masks) if masks else b""
    info = struct.pack("<IiiHHIIiiII", info_size, WIDTH, -HEIGHT if top_down else HEIGHT, 1, bits,
                       3 if masks else 0, len(pixels), 2835, 2835, len(palette) // 4, 0)
    if info_size > 40:
        info += (mask_bytes + bytes(info_size - 40))[:info_size - 40]
    elif masks:
        info += mask_bytes
    offset = 14 + len(info) + len(palette)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def bitmaps():
    for depth in (1, 4, 8, 24, 32, "555"):
        write("bitmap", "depth-%s.bmp" % depth, bmp(depth))
    write("bitmap", "depth-565-fields.bmp", bmp("565", masks=(0xF800, 0x07E0, 0x001F)))
    write("bitmap", "depth-32-fields.bmp", bmp(32, masks=(0xFF0000, 0x00FF00, 0x0000FF)))
    for size in (52, 56, 108, 124):
        write("bitmap", "header-%d.bmp" % size, bmp(24, info_size=size))
        write("bitmap", "header-%d-fields.bmp" % size, bmp("565", info_size=size, masks=(0xF800, 0x07E0, 0x001F)))
    write("bitmap", "top-down.bmp", bmp(8, top_down=True))
    dictionary("bitmap", [b"BM", struct.pack("<I", 40), struct.pack("<I", 108), struct.pack("<I", 124),
                          struct.pack("<H", 16), struct.pack("<I", 3), struct.pack("<I", 0xF800),
                          struct.pack("<I", 0x07E0), struct.pack("<i", -HEIGHT)])


# --- the other formats ------------------------------------------------------

def hall_of_fame():
    entries = [("Jürgen".encode("latin-1"), b"00:04:05", 245), (b"Ann", b"01:00:00", 3600)]
    data = b""
    for k in range(10):
        name, time, seconds = entries[k] if k < len(entries) else (b"", b"", 0)
        data += name.ljust(23, b"\0") + time.ljust(13, b"\0") + struct.pack("<i", seconds)
    write("halloffame", "two-winners.tvs", data)


def layouts():
    for name in ("terrace.bin", "terrace.tvl", "three.grid", "three.lines"):
        copy("layout", "tests/fixtures/layouts/" + name)
    dictionary("layout", [b"K", b";", b"\r\n", b" 0\r\n", b"5 layers 20 rows 34 columns\n"])


def settings():
    for name in ("defaults.ini", "every-value.ini"):
        copy("settings", "tests/fixtures/settings/" + name)
    with open(os.path.join(ROOT, "files", "SettingsKeys.cpp")) as f:
        keys = re.findall(r'\{"([^"]+)", &s\.', f.read())
    dictionary("settings", [k.encode() for k in keys] + [b" = ", b"none", b"DARKER", b"INVERT", b"\r\n"])


UTF8_MARK = b"\xef\xbb\xbf"


def language():
    """Both encodings a language file comes in: UTF-8 after its byte-order
    mark (the shipped files, one with a line of every script's widths and
    malformed sequences) and the player's code page without it (an older
    file in Windows-1252)."""
    copy("language", "data/LANGUAGE/ENGLISH.TXT")
    copy("language", "data/LANGUAGE/FRANCAIS.TXT")
    copy("language", "tests/fixtures/language/FRANCAIS-1252.TXT")
    scripts = 'GAME = "&Jeu \u0416\u03a9 \u30b2\u30fc\u30e0(&G) \U0001f004"\r\n'.encode()
    malformed = b'UNDO = "\xc3 \xe3\x81 \xed\xa0\x80 \xc0\xaf \xf4\x90\x80\x80 \x80"\r\n'
    write("language", "SCRIPTS.TXT", UTF8_MARK + scripts + malformed)
    with open(os.path.join(ROOT, "files", "LanguageKeys.cpp")) as f:
        keys = re.findall(r'[mM]enuText\("(\w+)"|text\("(\w+)"', f.read())
    dictionary("language", [(a or b).encode() for a, b in keys] +
               [b" = \"", b"\"\r\n", b";", UTF8_MARK, "\u00e9".encode(), "\u30b2".encode(), "\U0001f004".encode()])


def saved_game_bytes(removed):
    """A game of 144 tiles on two layers whose listed pairs were removed, in
    order: tiles k and k + 72 carry matching faces."""
    corners = [(0, 2 * r, 2 * c) for r in range(8) for c in range(12)]
    corners += [(1, 2 + 2 * r, 4 + 2 * c) for r in range(6) for c in range(8)]
    faces = [f for f in range(1, 28) for _ in (0, 1)] + [28, 29, 32, 32, 33, 33, 34, 34, 35, 35, 36, 37, 40, 40, 41, 41, 42, 42]
    faces = faces + faces[:54] + [30, 31, 32, 32, 33, 33, 34, 34, 35, 35, 38, 39, 40, 40, 41, 41, 42, 42]
    gone = {tile for pair in removed for tile in pair}
    grid, mask = bytearray([250] * 3400), bytearray(3400)
    records = b""
    for tile, (layer, row, column) in enumerate(corners):
        records += struct.pack("<4h6B", 0, 0, 0, 0, 0 if tile in gone else faces[tile], 0, layer, row, column, 0)
        mask[layer * 680 + row * 34 + column] = 1
        for cell in (0, 1, 34, 35):
            grid[layer * 680 + row * 34 + column + cell] = 250 if tile in gone else tile
    undo = b"".join(bytes([faces[a], a, b]) for a, b in removed).ljust(219, b"\0")
    table = b"".join(struct.pack("<23s13si", b"Tavrek", b"00:05:00", 300 + 60 * k) for k in range(10))
    counters = struct.pack("<hhhi", 144 - 2 * len(removed), len(removed), 250 if removed else 0, 95)
    return records + grid + mask + undo + table + counters


def saved_games():
    write("savedgame", "fresh.tvm", saved_game_bytes([]))
    write("savedgame", "two-moves.tvm", saved_game_bytes([(143, 71), (142, 70)]))


def remove_old_seeds():
    """The seeds are remade; what long runs found and merged in (libFuzzer
    names those by their SHA-1 digest) stays."""
    for folder, _, names in os.walk(CORPUS):
        for name in names:
            if not re.fullmatch(r"[0-9a-f]{40}", name):
                os.remove(os.path.join(folder, name))


if __name__ == "__main__":
    remove_old_seeds()
    bitmaps()
    hall_of_fame()
    layouts()
    settings()
    language()
    saved_games()
