"""Reading back a Standard MIDI File: the notes and the end of each track, to check
a tune's length and that it leaves no note sounding when it ends."""
import struct


def readVariable(data, position):
    value = 0
    while True:
        byte = data[position]
        position += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, position


def trackEvents(body):
    """(tick, status, data) of every event of one track body, in order."""
    events, position, tick, status = [], 0, 0, 0
    while position < len(body):
        delta, position = readVariable(body, position)
        tick += delta
        if body[position] & 0x80:
            status = body[position]
            position += 1
        if status == 0xFF:
            kind = body[position]
            length, position = readVariable(body, position + 1)
            events.append((tick, status, bytes((kind,)) + body[position:position + length]))
        elif status in (0xF0, 0xF7):
            length, position = readVariable(body, position)
        else:
            length = 1 if status & 0xF0 in (0xC0, 0xD0) else 2
            events.append((tick, status, body[position:position + length]))
        position += length
    return events


def readTracks(data):
    """(format, ticks per beat, [events of each track]) or None when damaged."""
    if data[:4] != b"MThd" or len(data) < 14:
        return None
    kind, count, division = struct.unpack_from(">HHH", data, 8)
    position, tracks = 14, []
    while position + 8 <= len(data):
        tag, length = struct.unpack_from(">4sI", data, position)
        body = data[position + 8:position + 8 + length]
        if tag != b"MTrk" or len(body) != length or not body.endswith(b"\xff\x2f\x00"):
            return None
        tracks.append(trackEvents(body))
        position += 8 + length
    return (kind, division, tracks) if len(tracks) == count else None


def soundingNotes(events):
    """Notes (channel, key) still sounding after the track's last event."""
    sounding = set()
    for _, status, message in events:
        note = (status & 0x0F, message[0]) if status < 0xF0 else None
        if status & 0xF0 == 0x90 and message[1] > 0:
            sounding.add(note)
        elif status & 0xF0 in (0x80, 0x90):
            sounding.discard(note)
    return sounding
