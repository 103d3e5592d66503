"""The three sound effects, synthesised: short, because the game plays them and waits.
SELECT.WAV a wooden tock, REMOVE.WAV a two-note chime, BESIDE.WAV a soft low knock."""
import io
import wave

import numpy as np

RATE = 22050


def timeline(seconds):
    return np.arange(int(RATE * seconds)) / RATE


def partials(t, pitches, decay, attack=0.002):
    """Sine partials (frequency, strength) dying away exponentially after the attack."""
    sound = sum(strength * np.sin(2 * np.pi * frequency * t) for frequency, strength in pitches)
    return sound * np.exp(-t / decay) * np.minimum(t / attack, 1)


def tock():
    t = timeline(0.09)
    knock = partials(t, [(880, 1.0), (1760, 0.35), (2640, 0.15)], 0.018)
    click = np.random.default_rng(3).normal(0, 0.3, t.size) * np.exp(-t / 0.003)
    return 0.5 * (knock + click)


def chime():
    t = timeline(0.32)
    first = partials(t, [(784, 1.0), (1568, 0.3), (2352, 0.12)], 0.09, 0.004)
    second = np.zeros_like(t)
    later = t >= 0.07
    second[later] = partials(t[later] - 0.07, [(1175, 0.9), (2350, 0.25), (3525, 0.1)], 0.1, 0.006)
    fadeOut = np.minimum((t[-1] - t) / 0.03, 1)
    return 0.4 * (first + second) * fadeOut


def knock():
    t = timeline(0.12)
    falling = 2 * np.pi * (180 * t - 200 * t * t)
    return 0.45 * np.sin(falling) * np.exp(-t / 0.03) * np.minimum(t / 0.002, 1)


def waveBytes(sound):
    samples = np.clip(np.rint(sound * 32767), -32768, 32767).astype("<i2")
    out = io.BytesIO()
    with wave.open(out, "wb") as target:
        target.setnchannels(1)
        target.setsampwidth(2)
        target.setframerate(RATE)
        target.writeframes(samples.tobytes())
    return out.getvalue()


EFFECTS = {"SELECT.WAV": tock, "REMOVE.WAV": chime, "BESIDE.WAV": knock}
