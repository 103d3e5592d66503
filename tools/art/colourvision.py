"""How a picture looks to a viewer with one of the common colour-vision deficiencies.

Uses the full-severity matrices of Machado, Oliveira and Fernandes (2009), applied
to linear light."""
import numpy as np

DEFICIENCIES = {
    "protanopia": [[0.152286, 1.052583, -0.204868],
                   [0.114503, 0.786281, 0.099216],
                   [-0.003882, -0.048116, 1.051998]],
    "deuteranopia": [[0.367322, 0.860646, -0.227968],
                     [0.280085, 0.672501, 0.047413],
                     [-0.011820, 0.042940, 0.968881]],
    "tritanopia": [[1.255528, -0.076749, -0.178779],
                   [-0.078411, 0.930809, 0.147602],
                   [0.004733, 0.691367, 0.303900]],
}


def toLinear(rgb):
    c = rgb.astype(np.float32) / 255
    return np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)


def fromLinear(linear):
    c = np.clip(linear, 0, 1)
    c = np.where(c <= 0.0031308, c * 12.92, 1.055 * c ** (1 / 2.4) - 0.055)
    return np.rint(c * 255).astype(np.uint8)


def simulate(rgb, deficiency):
    """The picture (height, width, 3) as seen with the named deficiency."""
    matrix = np.array(DEFICIENCIES[deficiency], dtype=np.float32)
    return fromLinear(toLinear(rgb) @ matrix.T)
