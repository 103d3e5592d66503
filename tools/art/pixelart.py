"""Small pictures drawn pixel by pixel in the 16 colours every Windows display has."""
import numpy as np

# The standard 16-colour palette, in the order of its indices.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

# One letter per palette index; "." is the silver that toolbar pictures use as background.
LETTERS = {"k": 0, "m": 1, "g": 2, "o": 3, "n": 4, "p": 5, "t": 6, ".": 7,
           "d": 8, "r": 9, "l": 10, "y": 11, "b": 12, "f": 13, "a": 14, "w": 15}


def indexedPicture(rows):
    """Palette indices of a picture given as equal-length strings of letters."""
    width = len(rows[0])
    if any(len(row) != width for row in rows):
        raise ValueError("picture rows differ in length")
    return np.array([[LETTERS[letter] for letter in row] for row in rows], dtype=np.uint8)


def maskedPicture(rows):
    """Palette indices and transparency of a picture whose spaces are see-through."""
    transparent = np.array([[letter == " " for letter in row] for row in rows])
    return indexedPicture([row.replace(" ", "k") for row in rows]), transparent


def nearestIndices(rgb):
    """Each pixel's nearest palette colour, for pictures drawn in full colour."""
    palette = np.array(PALETTE, dtype=np.int32)
    distance = ((rgb[:, :, None, :].astype(np.int32) - palette[None, None]) ** 2).sum(-1)
    return distance.argmin(-1).astype(np.uint8)
