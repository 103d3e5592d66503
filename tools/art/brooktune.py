"""THEME02.MID: a brisk, cheerful piece in G major for marimba, plucked strings,
bass and a glockenspiel that joins on the repeats.
Form: introduction, A A' B A', closing; about ninety seconds, ending on the tonic
a bar before it would begin again."""
from composition import closing, compose
from midifile import midiBytes

BEATS_PER_BAR = 4
TEMPO = 108

# Chords as (root key of the bass, keys of the plucked strings) for each bar.
G, C, D, EM, AM = ((43, [59, 62, 67]), (48, [60, 64, 67]), (50, [57, 62, 66]),
                   (40, [59, 64, 67]), (45, [57, 60, 64]))
CHORDS_INTRO = [G, C, G, D]
CHORDS_A = [G, C, G, D, G, C, D, G]
CHORDS_B = [EM, C, G, D, EM, AM, D, D]
CHORDS_CLOSE = [C, D, G, G]

# Melodies as (key, beats); key 0 is a rest.
TUNE_A = [(67, .5), (71, .5), (74, 1), (71, .5), (74, .5), (76, 1),
          (76, .5), (74, .5), (72, 1), (76, 1), (79, 1),
          (74, 1.5), (71, .5), (67, 1), (71, 1),
          (69, .5), (71, .5), (72, .5), (74, .5), (69, 2),
          (67, .5), (71, .5), (74, 1), (79, 1), (78, .5), (76, .5),
          (76, 1), (72, 1), (76, .5), (74, .5), (72, 1),
          (74, .5), (72, .5), (71, .5), (69, .5), (66, 1), (69, 1),
          (67, 2), (0, 2)]
TUNE_B = [(71, 1), (76, 1), (79, 1.5), (78, .5),
          (76, .5), (74, .5), (72, 1), (67, 2),
          (71, .5), (74, .5), (79, 1), (78, .5), (76, .5), (74, 1),
          (78, 1.5), (76, .5), (74, 2),
          (76, .5), (79, .5), (83, 1), (81, .5), (79, .5), (76, 1),
          (72, 1), (76, 1), (81, 1), (79, .5), (76, .5),
          (74, 1), (78, 1), (81, 1), (78, .5), (76, .5),
          (74, .5), (72, .5), (71, .5), (69, .5), (66, 1), (62, 1)]
TUNE_CLOSE = [(76, .5), (74, .5), (72, 1), (76, 1), (72, 1),
              (74, .5), (76, .5), (78, .5), (81, .5), (78, 2),
              (79, 3), (0, 1), (0, 4)]


def plucks(chord, bar):
    """Short chords on the off-beats."""
    return [(beat, 0.4, key, 52 if beat == 1 else 44) for beat in (1, 3) for key in chord[1]]


def walkingBass(chord, bar):
    root = chord[0]
    return [(0, 0.9, root, 80), (1, 0.9, root + 7, 62), (2, 0.9, root + 12, 70),
            (3, 0.9, root + 7, 62)]


def echo(tune):
    """The melody an octave up, for the glockenspiel."""
    return [(key + 12 if key else 0, beats) for key, beats in tune]


def section(chords, tune, withEcho=False):
    voices = {"plucks": plucks, "bass": walkingBass}
    if tune:
        voices["melody"] = tune
    if withEcho:
        voices["echo"] = echo(tune)
    return chords, voices


FORM = [section(CHORDS_INTRO, None), section(CHORDS_A, TUNE_A), section(CHORDS_A, TUNE_A, True),
        section(CHORDS_B, TUNE_B), section(CHORDS_A, TUNE_A, True),
        (CHORDS_CLOSE, {"plucks": closing(plucks, lambda c: [(0, 3, key, 48) for key in c[1]], 2),
                        "bass": closing(walkingBass, lambda c: [(0, 3, c[0], 76)], 2),
                        "melody": TUNE_CLOSE, "echo": echo(TUNE_CLOSE)})]


def brookTune():
    parts, end = compose(FORM, BEATS_PER_BAR)
    return midiBytes(TEMPO, [(0, 12, 100, parts["melody"]), (1, 45, 84, parts["plucks"]),
                             (2, 32, 96, parts["bass"]), (3, 9, 50, parts["echo"])],
                     BEATS_PER_BAR, end)
