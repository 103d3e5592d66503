"""What the tunes share: melodies and accompaniment patterns laid out bar by bar
as notes (start beat, length in beats, key, velocity)."""


def melodyNotes(start, tune, velocity=76):
    """tune: (key, beats) in order; key 0 is a rest."""
    notes = []
    for key, beats in tune:
        if key:
            notes.append((start, beats, key, velocity))
        start += beats
    return notes


def barNotes(start, chords, beatsPerBar, pattern):
    """pattern(chord, bar) gives one bar's notes as (beat in the bar, beats, key, velocity)."""
    return [(start + bar * beatsPerBar + at, length, key, velocity)
            for bar, chord in enumerate(chords) for at, length, key, velocity in pattern(chord, bar)]


def compose(form, beatsPerBar):
    """form: (chords, {part: melody or bar pattern}) of each section in order.
    Returns the notes of each part and the beat on which the piece ends."""
    parts = {}
    start = 0
    for chords, voices in form:
        for part, voice in voices.items():
            notes = (barNotes(start, chords, beatsPerBar, voice) if callable(voice)
                     else melodyNotes(start, voice))
            parts.setdefault(part, []).extend(notes)
        start += len(chords) * beatsPerBar
    return parts, start


def closing(pattern, held, heldBar):
    """A bar pattern for the closing section: the usual pattern up to heldBar, there
    the held last chord, then silence, so that the piece ends on a quiet bar line."""
    def bars(chord, bar):
        if bar < heldBar:
            return pattern(chord, bar)
        return held(chord) if bar == heldBar else []
    return bars
