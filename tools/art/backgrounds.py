"""The board backgrounds: calm, dark enough that ivory tiles stand out, 1920 x 1080."""
import numpy as np
from PIL import Image

WIDTH, HEIGHT = 1920, 1080


def smoothNoise(random, scale, stretch=1):
    """Random values on a coarse grid of the given cell size (its width times stretch),
    smoothly enlarged to the picture."""
    across = scale * stretch
    grid = random.random((HEIGHT // scale + 2, WIDTH // across + 2)).astype(np.float32)
    size = ((WIDTH // across + 2) * across, (HEIGHT // scale + 2) * scale)
    enlarged = np.asarray(Image.fromarray(grid, mode="F").resize(size, Image.BICUBIC))
    return enlarged[:HEIGHT, :WIDTH] - 0.5


def fractalNoise(random, scales, stretch=1):
    """Octaves of smooth noise, each half as strong as the coarser one; about -0.5 to 0.5."""
    total = np.zeros((HEIGHT, WIDTH), dtype=np.float32)
    weight = 1.0
    for scale in scales:
        total += smoothNoise(random, scale, stretch) * weight
        weight /= 2
    return total


def ramp(stops, positions):
    """Colours interpolated between (position, colour) stops, one per position."""
    places = [p for p, _ in stops]
    return np.stack([np.interp(positions, places, [c[i] for _, c in stops]) for i in range(3)], -1)


def finish(picture):
    return np.clip(np.rint(picture), 0, 255).astype(np.uint8)


def coordinates():
    y, x = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    return x / WIDTH, y / HEIGHT


def vignette(x, y, strength):
    distance = np.hypot((x - 0.5) * 1.6, y - 0.5)
    return (1 - strength * distance ** 2)[..., None]


def sunset():
    """Dusk over a calm sea: a dim sky, a low warm glow, two far ridges of hills."""
    random = np.random.default_rng(7)
    x, y = coordinates()
    sky = ramp([(0.0, (24, 22, 58)), (0.35, (58, 40, 92)), (0.62, (142, 74, 96)),
                (0.72, (198, 112, 84)), (0.74, (92, 62, 92)), (1.0, (28, 26, 52))], y)
    glow = np.exp(-(((x - 0.62) / 0.22) ** 2 + ((y - 0.71) / 0.12) ** 2))[..., None]
    sky += glow * np.array([70, 44, 10])
    ripple = np.where(y > 0.73, smoothNoise(random, 6) * 18 * np.exp(-(y - 0.73) * 6), 0)
    sky += ripple[..., None] * np.array([1.0, 0.7, 0.5])
    for height, roughness, colour in ((0.60, 0.05, (64, 44, 84)), (0.66, 0.035, (42, 32, 64))):
        ridge = height + fractalNoise(random, [320, 120, 40])[0] * roughness
        cover = np.clip((y - ridge[None, :]) * HEIGHT + 0.5, 0, 1) * (y < 0.735)
        sky += cover[..., None] * (np.array(colour) - sky)
    sky += fractalNoise(random, [64, 16])[..., None] * 8
    return finish(sky * vignette(x, y, 0.35))


def jade():
    """Green baize: a soft pool of light, fine fibres and a faint woven diamond."""
    random = np.random.default_rng(11)
    x, y = coordinates()
    light = np.exp(-(((x - 0.5) / 0.55) ** 2 + ((y - 0.45) / 0.6) ** 2))[..., None]
    cloth = np.array([12, 52, 40]) + light * np.array([26, 84, 56])
    fibres = smoothNoise(random, 2) * 14 + fractalNoise(random, [200, 60]) * 18
    weave = np.cos((x * WIDTH + y * HEIGHT) / 9.0) * np.cos((x * WIDTH - y * HEIGHT) / 9.0)
    cloth += (fibres + weave * 2.5)[..., None] * np.array([0.5, 1.0, 0.8])
    return finish(cloth * vignette(x, y, 0.4))


def slate():
    """Blue-grey stone split along its layers: long faint strata over a fine grain."""
    random = np.random.default_rng(5)
    x, y = coordinates()
    clouds = fractalNoise(random, [360, 120], 3)
    strata = fractalNoise(random, [40, 12, 4], 12)
    grain = smoothNoise(random, 2)
    shade = clouds * 40 + strata * 22 + grain * 10
    stone = np.array([64, 74, 88]) + shade[..., None] * np.array([0.95, 1.0, 1.08])
    return finish(stone * vignette(x, y, 0.3))


def walnut():
    """A dark walnut table top: long wavering grain and a few slow knots of colour."""
    random = np.random.default_rng(23)
    x, y = coordinates()
    warp = fractalNoise(random, [270, 90], 4) * 0.09
    grain = np.sin((y + warp) * 260) * 0.5 + np.sin((y + warp * 1.7) * 730) * 0.25
    fibre = smoothNoise(random, 2, 16) * 10
    patches = fractalNoise(random, [300, 100]) * 24
    shade = grain * 9 + fibre + patches
    wood = np.array([78, 48, 30]) + shade[..., None] * np.array([1.0, 0.72, 0.5])
    return finish(wood * vignette(x, y, 0.35))


def midnight():
    """A clear night sky: deep blue deepening upwards, a faint band of haze and a
    sprinkle of dim stars, too small and few to catch the eye."""
    random = np.random.default_rng(31)
    x, y = coordinates()
    sky = ramp([(0.0, (8, 12, 34)), (0.6, (20, 30, 66)), (1.0, (34, 46, 84))], y)
    band = np.exp(-((y - 0.35 - (x - 0.5) * 0.5) / 0.16) ** 2) * (0.6 + fractalNoise(random, [240, 80]))
    sky += band[..., None] * np.array([22, 24, 36])
    stars = (random.random((HEIGHT, WIDTH)) > 0.9993) * random.uniform(40, 110, (HEIGHT, WIDTH))
    glow = np.asarray(Image.fromarray(stars.astype(np.float32), mode="F").resize(
        (WIDTH // 2, HEIGHT // 2), Image.BILINEAR).resize((WIDTH, HEIGHT), Image.BICUBIC))
    sky += np.clip(glow * 2.5, 0, 120)[..., None] * np.array([0.9, 0.92, 1.0])
    return finish(sky * vignette(x, y, 0.3))


def dunes():
    """Sand dunes at dusk in muted ochre: long soft crests, each lit on one side."""
    random = np.random.default_rng(41)
    x, y = coordinates()
    height = y * 5.5 + fractalNoise(random, [480, 160], 3) * 1.6 + np.sin(x * 7 + y * 3) * 0.25
    phase = height - np.floor(height)
    light = np.where(phase < 0.7, phase / 0.7, (1 - phase) / 0.3 * 0.6 + 0.4)
    sand = ramp([(0.0, (96, 78, 70)), (1.0, (146, 116, 86))], light)
    sand += (fractalNoise(random, [90, 30]) * 7)[..., None]
    return finish(sand * vignette(x, y, 0.35))


BACKGROUNDS = {"SUNSET.BMP": sunset, "JADE.BMP": jade, "SLATE.BMP": slate, "WALNUT.BMP": walnut,
               "MIDNIGHT.BMP": midnight, "DUNES.BMP": dunes}
