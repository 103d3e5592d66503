"""The tile-set picture: 9 x 5 cells, each face in the cell the game reads it from."""
from bitmaps import bmp24Bytes, writeFile
from canvas import newCanvas, surfaceRgb

COLUMNS, ROWS = 9, 5
CELL_WIDTH, CELL_HEIGHT = 112, 144
HIDDEN_CELL = (4, 7)
FACES = range(1, 43)


def faceCell(face):
    """(row, column) of a face's picture."""
    if face <= 35:
        return (face - 1) // 9, (face - 1) % 9
    return 4, face - 36


# The groups of faces in face order: (name, first face).
GROUPS = [("circles", 1), ("bamboo", 10), ("characters", 19), ("flowers", 28), ("winds", 32),
          ("seasons", 36), ("dragons", 40)]


def faceGroup(face):
    """(group name, place in the group counting from 0) of a face."""
    name, first = max((group for group in GROUPS if group[1] <= face), key=lambda g: g[1])
    return name, face - first


def groupedFace(background, drawings):
    """drawFace for a set that paints every face on one background, then the drawing
    of its group: drawings[group](cr, place in the group)."""
    def drawFace(cr, face):
        background(cr)
        group, k = faceGroup(face)
        drawings[group](cr, k)
    return drawFace


def drawSheet(drawFace, drawHidden, drawBlank):
    """Draws every cell; drawFace(cr, face) and the others draw one cell at (0, 0)."""
    surface, cr = newCanvas(COLUMNS * CELL_WIDTH, ROWS * CELL_HEIGHT)
    cells = {faceCell(face): (lambda c, f=face: drawFace(c, f)) for face in FACES}
    cells[HIDDEN_CELL] = drawHidden
    for row in range(ROWS):
        for column in range(COLUMNS):
            cr.save()
            cr.translate(column * CELL_WIDTH, row * CELL_HEIGHT)
            cr.rectangle(0, 0, CELL_WIDTH, CELL_HEIGHT)
            cr.clip()
            cells.get((row, column), drawBlank)(cr)
            cr.restore()
    return surfaceRgb(surface)


def writeSheet(path, drawFace, drawHidden, drawBlank):
    writeFile(path, bmp24Bytes(drawSheet(drawFace, drawHidden, drawBlank)))
