"""A Standard MIDI File writer: format 1, one track per part, 480 ticks per beat."""
import struct

TICKS_PER_BEAT = 480


def variableLength(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def trackChunk(events, endTick):
    """events: (tick, order, bytes); played in tick order, note ends before starts.
    Every track ends on the same tick, so that a player looping the piece keeps time."""
    body = b""
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        body += variableLength(tick - now) + message
        now = tick
    body += variableLength(max(endTick - now, 0)) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + body


def tempoTrack(beatsPerMinute, beatsPerBar, endTick):
    microseconds = round(60_000_000 / beatsPerMinute)
    tempo = b"\xff\x51\x03" + microseconds.to_bytes(3, "big")
    metre = b"\xff\x58\x04" + bytes((beatsPerBar, 2, 24, 8))
    return trackChunk([(0, 0, tempo), (0, 1, metre)], endTick)


def partTrack(endTick, channel, program, volume, notes):
    """notes: (start beat, length in beats, key, velocity)."""
    events = [(0, 0, bytes((0xC0 | channel, program))),
              (0, 1, bytes((0xB0 | channel, 7, volume)))]
    for start, length, key, velocity in notes:
        on = round(start * TICKS_PER_BEAT)
        off = round((start + length) * TICKS_PER_BEAT) - 10
        events.append((on, 3, bytes((0x90 | channel, key, velocity))))
        events.append((off, 2, bytes((0x80 | channel, key, 0))))
    return trackChunk(events, endTick)


def midiBytes(beatsPerMinute, parts, beatsPerBar, endBeat):
    """parts: (channel, program, volume, notes) of each track; the piece ends on endBeat."""
    endTick = round(endBeat * TICKS_PER_BEAT)
    tracks = ([tempoTrack(beatsPerMinute, beatsPerBar, endTick)]
              + [partTrack(endTick, *part) for part in parts])
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_BEAT)
    return header + b"".join(tracks)
