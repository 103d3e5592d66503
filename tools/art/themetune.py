"""THEME01.MID: a slow, calm piece in D major for flute, harp, warm pad and bass.
Form: introduction, A B A' B' A, closing; about three minutes, played once."""
from composition import closing, compose
from midifile import midiBytes

BEATS_PER_BAR = 4
TEMPO = 66

# Chords as (root key of the bass, keys of the pad) for each bar.
D, BM, G, A, FSM, EM = ((38, [62, 66, 69, 73]), (35, [59, 62, 66, 69]), (31, [55, 59, 62, 66]),
                        (33, [57, 62, 64, 69]), (30, [57, 61, 64, 66]), (28, [55, 59, 62, 64]))
CHORDS_A = [D, BM, G, A, D, FSM, G, A]
CHORDS_B = [G, A, FSM, BM, EM, A, D, D]

# Melodies as (key, beats); key 0 is a rest.
TUNE_A = [(81, 2), (78, 1), (76, 1), (78, 3), (74, 1), (71, 2), (74, 1), (76, 1), (76, 4),
          (81, 2), (83, 1), (81, 1), (78, 2), (81, 1), (78, 1), (76, 1.5), (74, 0.5), (71, 2),
          (74, 4)]
TUNE_B = [(83, 2), (81, 1), (78, 1), (81, 3), (76, 1), (78, 2), (76, 1), (74, 1), (71, 3),
          (69, 1), (71, 2), (74, 1), (76, 1), (78, 2), (76, 1), (69, 1), (74, 2), (76, 1),
          (78, 1), (74, 4)]
TUNE_A_LATE = TUNE_A[:-1] + [(74, 2), (0, 2)]


def pad(chord, bar):
    return [(0, BEATS_PER_BAR, key, 44) for key in chord[1]]


def bass(chord, bar):
    return [(0, 2, chord[0], 70), (2, 2, chord[0] + 7, 58)]


def harp(chord, bar):
    """Rising chord tones in quavers, one octave up."""
    keys = chord[1]
    pattern = keys + [keys[1] + 12, keys[2] + 12, keys[3], keys[2]]
    return [(k / 2, 0.5, key + 12, 46 if k % 4 == 0 else 40) for k, key in enumerate(pattern)]


def section(chords, tune, withHarp):
    voices = {"pad": pad, "bass": bass}
    if tune:
        voices["melody"] = tune
    if withHarp:
        voices["harp"] = harp
    return chords, voices


# The sections in order, then the last chord held into a quiet bar, so that the piece
# ends on a bar line and may begin again from there.
FORM = [section(CHORDS_A[:4], None, True), section(CHORDS_A, TUNE_A, False),
        section(CHORDS_B, TUNE_B, False), section(CHORDS_A, TUNE_A, True),
        section(CHORDS_B, TUNE_B, True), section(CHORDS_A, TUNE_A_LATE, True),
        section([G, A, D, D], None, False),
        ([D, D], {"pad": closing(pad, lambda c: [(0, 6, key, 40) for key in c[1]], 0),
                  "bass": closing(bass, lambda c: [(0, 6, c[0], 64)], 0)})]


def themeTune():
    parts, end = compose(FORM, BEATS_PER_BAR)
    return midiBytes(TEMPO, [(0, 73, 100, parts["melody"]), (1, 89, 80, parts["pad"]),
                             (2, 32, 90, parts["bass"]), (3, 46, 70, parts["harp"])],
                     BEATS_PER_BAR, end)
