"""THEME01.MID: a slow, calm piece in D major for flute, harp, warm pad and bass.
Form: introduction, A B A' B' A, closing; about three minutes, played once."""
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

# The sections in order: (chords, melody or None, with harp).
FORM = [(CHORDS_A[:4], None, True), (CHORDS_A, TUNE_A, False), (CHORDS_B, TUNE_B, False),
        (CHORDS_A, TUNE_A, True), (CHORDS_B, TUNE_B, True), (CHORDS_A, TUNE_A_LATE, True),
        ([G, A, D, D], None, False)]


def melodyNotes(start, tune):
    notes = []
    for key, beats in tune:
        if key:
            notes.append((start, beats, key, 76))
        start += beats
    return notes


def padNotes(start, chords):
    return [(start + bar * BEATS_PER_BAR, BEATS_PER_BAR, key, 44)
            for bar, (_, keys) in enumerate(chords) for key in keys]


def bassNotes(start, chords):
    notes = []
    for bar, (root, _) in enumerate(chords):
        beat = start + bar * BEATS_PER_BAR
        notes += [(beat, 2, root, 70), (beat + 2, 2, root + 7, 58)]
    return notes


def harpNotes(start, chords):
    """Rising chord tones in quavers, one octave up."""
    notes = []
    for bar, (_, keys) in enumerate(chords):
        pattern = keys + [keys[1] + 12, keys[2] + 12, keys[3], keys[2]]
        notes += [(start + bar * BEATS_PER_BAR + k / 2, 0.5, key + 12, 46 if k % 4 == 0 else 40)
                  for k, key in enumerate(pattern)]
    return notes


def themeTune():
    melody, pad, bass, harp = [], [], [], []
    start = 0
    for chords, tune, withHarp in FORM:
        pad += padNotes(start, chords)
        bass += bassNotes(start, chords)
        melody += melodyNotes(start, tune) if tune else []
        harp += harpNotes(start, chords) if withHarp else []
        start += len(chords) * BEATS_PER_BAR
    pad += [(start, 6, key, 40) for key in D[1]]
    bass.append((start, 6, D[0], 64))
    return midiBytes(TEMPO, [(0, 73, 100, melody), (1, 89, 80, pad), (2, 32, 90, bass),
                             (3, 46, 70, harp)])
