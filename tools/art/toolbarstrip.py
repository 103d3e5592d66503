"""The toolbar strip: ten 16 x 16 pictures side by side on silver, in the order
load layout, new game, undo, hint, pause, sound, hall of fame, help, about, exit."""
import math

import numpy as np

from canvas import rgb, surfaceRgb, text
from crispcanvas import crispCanvas, fillAndOutline, outlineWidth, polygon
from pixelart import LETTERS, PALETTE, indexedPicture, nearestIndices

LOAD_LAYOUT = [
    "................",
    "................",
    ".kkkk...........",
    "kyyyyk..........",
    "kywwwykkkkkkk...",
    "kywyyyyyyyyyk...",
    "kwyyyyyyyyyyk...",
    "kwyykkkkkkkkkkkk",
    "kwykoooooooooook",
    "kwkoooooooooook.",
    "kwkooooooooook..",
    "kkooooooooooook.",
    "kkkkkkkkkkkkkk..",
    "................",
    "................",
    "................",
]
NEW_GAME = [
    "............y...",
    "............y...",
    "..........yywyy.",
    "...kkkkkkkk.y...",
    "..kkwwwwwwk.y...",
    ".kokwwwwwwk.....",
    ".kokwwrrwwk.....",
    ".kokwrwwrwk.....",
    ".kokwrwwrwk.....",
    ".kokwwrrwwk.....",
    ".kokwwwwwwk.....",
    ".kokwwwwwwk.....",
    ".kokwwwwwwk.....",
    ".kokkkkkkkk.....",
    ".kooooooook.....",
    ".kkkkkkkkk......",
]
UNDO = [
    "................",
    "................",
    ".....n..........",
    "....nn..........",
    "...nbnnnnnn.....",
    "..nbbbbbbbbnn...",
    "...nbnnnnnbbnn..",
    "....nn.....nbn..",
    ".....n......nbn.",
    "............nbn.",
    "............nbn.",
    "...........nbn..",
    ".........nnbn...",
    "........nnnn....",
    "................",
    "................",
]
HINT = [
    "......kkkk......",
    "....kkyyyykk....",
    "...kyywwyyyyk...",
    "...kywwyyyyyk...",
    "..kyywyyyyyyyk..",
    "..kyyyyyyyyyyk..",
    "..kyyyyyyyyyyk..",
    "...kyyyyyyyyk...",
    "...kyyyyyyyyk...",
    "....kyyyyyyk....",
    ".....kdddk......",
    ".....kwwwdk.....",
    ".....kdddk......",
    ".....kwwwdk.....",
    "......kkkk......",
    "................",
]
PAUSE = [
    "......kkkk......",
    ".......kk.......",
    ".....kkkkkk.....",
    "...kkwwwwwwkk...",
    "..kwwwwkwwwwwk..",
    "..kwwwwkwwwwwk..",
    ".kwwwwwkwwwwwwk.",
    ".kwwwwwkwwwwwwk.",
    ".kwwwwwkkkkwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwk.",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "...kkwwwwwwkk...",
    ".....kkkkkk.....",
    "................",
]
SOUND = [
    "................",
    "................",
    "......kk....n...",
    ".....kdk..n..n..",
    "....kddk...n..n.",
    "kkkkdddk....n.n.",
    "kwwkdddk.n..n..n",
    "kwwkdddk..n.n..n",
    "kwwkdddk..n.n..n",
    "kwwkdddk.n..n..n",
    "kkkkdddk....n.n.",
    "....kddk...n..n.",
    ".....kdk..n..n..",
    "......kk....n...",
    "................",
    "................",
]
HALL_OF_FAME = [
    "................",
    "..kkkkkkkkkkkk..",
    "kkkyywyyyyyyokkk",
    "k.kywyyyyyyyok.k",
    "k.kywyyyyyyyok.k",
    "k.kyyyyyyyyyok.k",
    ".kkyyyyyyyyyokk.",
    "...kyyyyyyyok...",
    "....kyyyyyok....",
    ".....kkyokk.....",
    "......kyok......",
    "......kyok......",
    ".....kyyyok.....",
    "...kkkkkkkkkk...",
    "...kooooooook...",
    "...kkkkkkkkkk...",
]
HELP_FILE = [
    "................",
    "..kkkkkkkkkkk...",
    ".knbbbbbbbbbbk..",
    ".knbbbwwwbbbbk..",
    ".knbbwbbbwbbbk..",
    ".knbbbbbbwbbbk..",
    ".knbbbbbwbbbbk..",
    ".knbbbbwbbbbbk..",
    ".knbbbbwbbbbbk..",
    ".knbbbbbbbbbbk..",
    ".knbbbbwbbbbbk..",
    ".knbbbbbbbbbbk..",
    ".knkkkkkkkkkkkk.",
    ".knwwwwwwwwwwk..",
    "..kkkkkkkkkkk...",
    "................",
]
HELP_ABOUT = [
    "................",
    ".....nnnnnn.....",
    "...nnbbbbbbnn...",
    "..nbbbbwwbbbbn..",
    "..nbbbbwwbbbbn..",
    ".nbbbbbbbbbbbbn.",
    ".nbbbbwwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    ".nbbbbbwwbbbbbn.",
    "..nbbbbwwbbbbn..",
    "..nbbbwwwwbbbn..",
    "...nnbbbbbbnn...",
    ".....nnnnnn.....",
    "................",
    "................",
]
EXIT = [
    "................",
    "..kkkkkkkkk.....",
    "..kwwwwwwwk.....",
    "..kwmmmmmmk.....",
    "..kwmmmmmmk.....",
    "..kwmmmmmmk..r..",
    "..kwmmmmmmk..rr.",
    "..kwmmmyrrrrrrrr",
    "..kwmmmmrrrrrrrr",
    "..kwmmmmmmk..rr.",
    "..kwmmmmmmk..r..",
    "..kwmmmmmmk.....",
    "..kwmmmmmmk.....",
    "..kwmmmmmmk.....",
    ".kkkkkkkkkkk....",
    "................",
]

PICTURES = [LOAD_LAYOUT, NEW_GAME, UNDO, HINT, PAUSE, SOUND, HALL_OF_FAME, HELP_FILE,
            HELP_ABOUT, EXIT]


def toolbarStrip():
    """Palette indices of the whole 160 x 16 strip."""
    return np.hstack([indexedPicture(picture) for picture in PICTURES])


# The sizes Windows gives 16-pixel pictures at 100, 125, 150, 175 and 200 % scaling.
# The smallest is the hand-placed pixels above; the others are drawn from shapes,
# in the same colours and on the same silver, in a 16-unit square.
SIZES = [16, 20, 24, 28, 32]
COLOURS = {letter: PALETTE[index] for letter, index in LETTERS.items()}


def drawLoadLayout(cr, line):
    polygon(cr, [(0.5, 2.5), (4.5, 2.5), (5.5, 4), (12.5, 4), (12.5, 12.5), (0.5, 12.5)])
    fillAndOutline(cr, COLOURS["y"], COLOURS["k"], line)
    polygon(cr, [(3.5, 7.5), (15.5, 7.5), (12.5, 12.5), (0.5, 12.5)])
    fillAndOutline(cr, COLOURS["o"], COLOURS["k"], line)
    cr.rectangle(1.5, 4, 1, 5)
    rgb(cr, COLOURS["w"])
    cr.fill()


def drawNewGame(cr, line):
    polygon(cr, [(3.5, 3.5), (10.5, 3.5), (10.5, 13.5), (8.5, 15.5), (1.5, 15.5), (1.5, 5.5)])
    fillAndOutline(cr, COLOURS["o"], COLOURS["k"], line)
    cr.rectangle(3.5, 3.5, 7, 10)
    fillAndOutline(cr, COLOURS["w"], COLOURS["k"], line)
    cr.arc(7, 8, 1.8, 0, 2 * math.pi)
    rgb(cr, COLOURS["r"])
    cr.set_line_width(outlineWidth(cr, line))
    cr.stroke()
    rgb(cr, COLOURS["y"])
    cr.rectangle(12, 0, 1, 5)
    cr.rectangle(10, 2, 5, 1)
    cr.fill()


def drawUndo(cr, line):
    bend = [(4, 5), (9, 5)]
    for colour, width in ((COLOURS["n"], 3.2), (COLOURS["b"], 1.6)):
        cr.move_to(*bend[0])
        cr.line_to(*bend[1])
        cr.arc(9, 9, 4, -math.pi / 2, math.pi / 2)
        cr.line_to(7, 13)
        rgb(cr, colour)
        cr.set_line_width(width)
        cr.stroke()
    polygon(cr, [(1, 5), (5.5, 1.5), (5.5, 8.5)])
    fillAndOutline(cr, COLOURS["b"], COLOURS["n"], line)


def drawHint(cr, line):
    cr.arc(8, 6, 5.2, 0, 2 * math.pi)
    fillAndOutline(cr, COLOURS["y"], COLOURS["k"], line)
    cr.arc(8, 6, 3, math.pi, 1.4 * math.pi)
    rgb(cr, COLOURS["w"])
    cr.set_line_width(1.2)
    cr.stroke()
    cr.rectangle(5.5, 10.5, 5, 4)
    fillAndOutline(cr, COLOURS["d"], COLOURS["k"], line)
    rgb(cr, COLOURS["w"])
    cr.rectangle(6, 11.5, 4, 0.8)
    cr.rectangle(6, 13, 4, 0.8)
    cr.fill()


def drawPause(cr, line):
    rgb(cr, COLOURS["k"])
    cr.rectangle(6, 0, 4, 1.2)
    cr.rectangle(7.2, 1, 1.6, 2.5)
    cr.fill()
    cr.arc(8, 9, 6.3, 0, 2 * math.pi)
    fillAndOutline(cr, COLOURS["w"], COLOURS["k"], line)
    rgb(cr, COLOURS["k"])
    cr.set_line_width(1.1)
    cr.move_to(8, 4.5)
    cr.line_to(8, 9)
    cr.line_to(11.5, 9)
    cr.stroke()


def drawSound(cr, line):
    cr.rectangle(0.5, 5.5, 3.5, 5)
    fillAndOutline(cr, COLOURS["w"], COLOURS["k"], line)
    polygon(cr, [(4, 5.5), (7.5, 2), (7.5, 14), (4, 10.5)])
    fillAndOutline(cr, COLOURS["d"], COLOURS["k"], line)
    rgb(cr, COLOURS["n"])
    cr.set_line_width(outlineWidth(cr, line))
    for radius in (2.5, 5, 7.5):
        cr.arc(8, 8, radius, -0.28 * math.pi, 0.28 * math.pi)
        cr.new_sub_path()
    cr.stroke()


def drawHallOfFame(cr, line):
    rgb(cr, COLOURS["k"])
    cr.set_line_width(outlineWidth(cr, line))
    cr.arc(3, 4.5, 2.2, 0.5 * math.pi, 1.5 * math.pi)
    cr.new_sub_path()
    cr.arc_negative(13, 4.5, 2.2, 0.5 * math.pi, 1.5 * math.pi)
    cr.stroke()
    cr.move_to(2.5, 1.5)
    cr.line_to(13.5, 1.5)
    cr.line_to(13, 5.5)
    cr.curve_to(12.5, 8.5, 10, 9.5, 8, 10)
    cr.curve_to(6, 9.5, 3.5, 8.5, 3, 5.5)
    cr.close_path()
    fillAndOutline(cr, COLOURS["y"], COLOURS["k"], line)
    cr.rectangle(4.5, 2.5, 1, 3)
    rgb(cr, COLOURS["w"])
    cr.fill()
    polygon(cr, [(7, 10), (9, 10), (9.5, 12.5), (6.5, 12.5)])
    fillAndOutline(cr, COLOURS["y"], COLOURS["k"], line)
    cr.rectangle(3.5, 12.5, 9, 3)
    fillAndOutline(cr, COLOURS["o"], COLOURS["k"], line)


def drawHelpFile(cr, line):
    cr.rectangle(2.5, 12, 11, 2.5)
    fillAndOutline(cr, COLOURS["w"], COLOURS["k"], line)
    cr.rectangle(1.5, 1.5, 12, 11)
    fillAndOutline(cr, COLOURS["b"], COLOURS["k"], line)
    cr.rectangle(2, 2, 1.2, 10)
    rgb(cr, COLOURS["n"])
    cr.fill()
    text(cr, "?", 8.2, 7, 9.5, COLOURS["w"], bold=True)


def drawHelpAbout(cr, line):
    cr.arc(8, 7.5, 6.5, 0, 2 * math.pi)
    fillAndOutline(cr, COLOURS["b"], COLOURS["n"], line)
    rgb(cr, COLOURS["w"])
    cr.rectangle(7, 2.8, 2, 2)
    cr.rectangle(7, 6, 2, 5)
    cr.rectangle(6, 10.5, 4, 1.2)
    cr.rectangle(6, 6, 1.5, 1)
    cr.fill()


def drawExit(cr, line):
    cr.rectangle(2.5, 1.5, 8, 13)
    fillAndOutline(cr, COLOURS["w"], COLOURS["k"], line)
    cr.rectangle(4, 3, 6, 11)
    rgb(cr, COLOURS["m"])
    cr.fill()
    cr.rectangle(7, 7, 1.3, 1.3)
    rgb(cr, COLOURS["y"])
    cr.fill()
    polygon(cr, [(8.5, 7), (12, 7), (12, 4.5), (16, 8), (12, 11.5), (12, 9), (8.5, 9)])
    rgb(cr, COLOURS["r"])
    cr.fill()


DRAWINGS = [drawLoadLayout, drawNewGame, drawUndo, drawHint, drawPause, drawSound,
            drawHallOfFame, drawHelpFile, drawHelpAbout, drawExit]


def drawnPicture(draw, size):
    """Palette indices of one picture drawn at size x size pixels."""
    surface, cr = crispCanvas(size, 16, COLOURS["."])
    draw(cr, max(1, size // 14))
    return nearestIndices(surfaceRgb(surface))


def toolbarStripOfSize(size):
    """Palette indices of the strip whose pictures are size x size pixels."""
    if size == 16:
        return toolbarStrip()
    return np.hstack([drawnPicture(draw, size) for draw in DRAWINGS])


def toolbarFileName(size):
    """toolbar.bmp for the smallest strip, toolbar20.bmp and so on for the others."""
    return "toolbar.bmp" if size == 16 else f"toolbar{size}.bmp"
