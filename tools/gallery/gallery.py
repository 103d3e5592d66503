#!/usr/bin/python3
"""Draws the gallery of the start directory's pictures with the game's own 2D
view (the layout tool's preview): every layout, every tile set and every
background found in data/, with an index page that shows them all.

    gallery.py LAYOUT_TOOL DATA_DIRECTORY OUTPUT_DIRECTORY
"""

import html
import os
import subprocess
import sys
import tempfile

from PIL import Image

DIFFICULTIES = ["very easy", "easy", "medium", "hard", "very hard"]
BOARD_SIZE = "800x560"
SHOWCASE_LAYOUT = "DEFAULT.TVL"


def listed(directory, extension):
    if not os.path.isdir(directory):
        return []
    return sorted(name for name in os.listdir(directory) if name.upper().endswith(extension))


def header_facts(path):
    """The title and difficulty a layout's comment header gives, if any; a
    layout made elsewhere shows its file name and no difficulty."""
    title, difficulty = os.path.splitext(os.path.basename(path))[0], ""
    with open(path, "rb") as layout:
        for raw in layout.read(4096).decode("latin-1").splitlines():
            if raw.startswith("; Tavrek layout: "):
                title = raw[len("; Tavrek layout: "):].strip()
            elif raw.startswith("; difficulty: "):
                difficulty = raw[len("; difficulty: "):].split(";")[0].strip()
    return title, difficulty


def preview(tool, layout, picture, options):
    """Renders one board into a PNG; False (with the tool's message) when
    the tool refuses the files."""
    with tempfile.TemporaryDirectory() as scratch:
        bitmap = os.path.join(scratch, "board.bmp")
        run = subprocess.run([tool, "preview", layout, bitmap, "--shadows", "--size", BOARD_SIZE] + options,
                             capture_output=True, text=True)
        if run.returncode != 0:
            sys.stderr.write(run.stderr)
            return False
        Image.open(bitmap).save(picture)
    return True


def figure(picture, caption):
    return ('<figure><a href="%s"><img src="%s" width="400" alt="%s"></a><figcaption>%s</figcaption></figure>'
            % (picture, picture, html.escape(caption), html.escape(caption)))


def layout_section(tool, data, output, standard):
    entries = []
    directory = os.path.join(data, "LAYOUTS")
    for name in listed(directory, ".TVL"):
        title, difficulty = header_facts(os.path.join(directory, name))
        picture = "layouts/%s.png" % name[:-4]
        if preview(tool, os.path.join(directory, name), os.path.join(output, picture), ["--tileset", standard]):
            rank = DIFFICULTIES.index(difficulty) if difficulty in DIFFICULTIES else len(DIFFICULTIES)
            caption = "%s (%s)%s" % (title, name, ", " + difficulty if difficulty else "")
            entries.append((rank, name, figure(picture, caption)))
    return [shown for _, _, shown in sorted(entries)]


def tile_set_section(tool, data, output, showcase):
    shown = []
    directory = os.path.join(data, "TILESETS")
    for name in listed(directory, ".BMP"):
        sheet, board = "tilesets/%s.png" % name[:-4], "tilesets/%s-board.png" % name[:-4]
        path = os.path.join(directory, name)
        if preview(tool, showcase, os.path.join(output, board), ["--tileset", path]):
            Image.open(path).save(os.path.join(output, sheet))
            shown.append(figure(sheet, name + ": every face") + figure(board, name + " on a board"))
    return shown


def background_section(tool, data, output, showcase, standard):
    shown = []
    directory = os.path.join(data, "BACKGRND")
    for name in listed(directory, ".BMP"):
        picture = "backgrounds/%s.png" % name[:-4]
        if preview(tool, showcase, os.path.join(output, picture),
                   ["--tileset", standard, "--background", os.path.join(directory, name)]):
            shown.append(figure(picture, name))
    return shown


def page(sections):
    parts = ["<!DOCTYPE html>", '<html lang="en"><head><meta charset="utf-8"><title>Tavrek gallery</title>',
             "<style>body{font-family:sans-serif;background:#f4f1ea}figure{display:inline-block;margin:8px}"
             "figcaption{text-align:center}</style></head><body><h1>Tavrek gallery</h1>"]
    for heading, shown in sections:
        parts.append("<h2>%s (%d)</h2>" % (heading, len(shown)))
        parts += shown
    parts.append("</body></html>")
    return "\n".join(parts) + "\n"


def main(tool, data, output):
    for folder in ("layouts", "tilesets", "backgrounds"):
        os.makedirs(os.path.join(output, folder), exist_ok=True)
    standard = os.path.join(data, "TILESETS", "STANDARD.BMP")
    showcase = os.path.join(data, "LAYOUTS", SHOWCASE_LAYOUT)
    sections = [("Layouts", layout_section(tool, data, output, standard)),
                ("Tile sets", tile_set_section(tool, data, output, showcase)),
                ("Backgrounds", background_section(tool, data, output, showcase, standard))]
    with open(os.path.join(output, "index.html"), "w") as index:
        index.write(page(sections))
    print("%s: %s" % (os.path.join(output, "index.html"),
                      ", ".join("%d %s" % (len(shown), heading.lower()) for heading, shown in sections)))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
