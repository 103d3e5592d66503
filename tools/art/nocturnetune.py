"""THEME03.MID: a slow, wistful nocturne in A minor, in three-four time, for piano
over soft strings. Form: introduction, A B A', closing; about ninety seconds,
ending on the tonic a bar before it would begin again."""
from composition import closing, compose
from midifile import midiBytes

BEATS_PER_BAR = 3
TEMPO = 63

# Chords as (root key of the left hand, keys of the strings) for each bar.
AM, F, C, G, DM, E = ((45, [57, 60, 64]), (41, [57, 60, 65]), (48, [55, 60, 64]),
                      (43, [55, 59, 62]), (38, [57, 62, 65]), (40, [56, 59, 64]))
CHORDS_INTRO = [AM, F, DM, E]
CHORDS_A = [AM, F, C, G, AM, DM, E, AM]
CHORDS_B = [F, G, C, AM, DM, G, C, E]
CHORDS_CLOSE = [AM, DM, E, AM, AM]

# Melodies as (key, beats); key 0 is a rest.
TUNE_A = [(76, 2), (72, .5), (74, .5), (76, 1), (77, 1), (76, .5), (72, .5),
          (72, 2), (67, 1), (71, 1.5), (72, .5), (74, 1),
          (76, 2), (81, 1), (77, 1.5), (76, .5), (74, 1),
          (71, 1), (74, 1), (68, 1), (69, 2.5), (0, .5)]
TUNE_B = [(72, 1), (77, 1.5), (76, .5), (74, 1), (79, 1.5), (77, .5),
          (76, 1.5), (74, .5), (72, 1), (69, 2), (72, 1),
          (74, 1), (77, 1), (81, 1), (79, 1.5), (77, .5), (74, 1),
          (76, 1), (72, 1), (74, .5), (76, .5), (71, 2), (68, 1)]
TUNE_A_HIGH = [(key + 12 if key else 0, beats) for key, beats in TUNE_A[:-2]] + [(81, 2.5), (0, .5)]
TUNE_CLOSE = [(76, 1), (72, 1), (69, 1), (77, 1.5), (76, .5), (74, 1),
              (71, 1), (68, 1), (71, 1), (69, 3), (0, 3)]


def leftHand(chord, bar):
    """Rising and falling broken chords in quavers, the bass note held under them."""
    root, keys = chord
    pattern = [root, root + 7, keys[0], keys[1], keys[2], keys[1]]
    return [(0, 3, root, 58)] + [(k / 2, 0.5, key, 50 if k == 0 else 40)
                                  for k, key in enumerate(pattern) if k]


def strings(chord, bar):
    return [(0, BEATS_PER_BAR, key, 36) for key in chord[1]]


def heldChord(velocity, withBass):
    return lambda chord: [(0, 2.5, key, velocity)
                          for key in ([chord[0], chord[0] + 7] if withBass else []) + chord[1]]


FORM = [(CHORDS_INTRO, {"left": leftHand}),
        (CHORDS_A, {"left": leftHand, "melody": TUNE_A}),
        (CHORDS_B, {"left": leftHand, "strings": strings, "melody": TUNE_B}),
        (CHORDS_A, {"left": leftHand, "strings": strings, "melody": TUNE_A_HIGH}),
        (CHORDS_CLOSE, {"left": closing(leftHand, heldChord(44, True), 3),
                        "strings": closing(strings, heldChord(30, False), 3), "melody": TUNE_CLOSE})]


def nocturneTune():
    parts, end = compose(FORM, BEATS_PER_BAR)
    return midiBytes(TEMPO, [(0, 0, 100, parts["melody"]), (1, 0, 88, parts["left"]),
                             (2, 49, 70, parts["strings"])],
                     BEATS_PER_BAR, end)
