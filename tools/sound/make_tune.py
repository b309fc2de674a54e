#!/usr/bin/env python3
"""Writes the background tune, assets/MIDI1084.MID: an arrangement of the Minuet in G major
(BWV Anh. 114, 18th century, public domain), soft enough to play under the game.

The piece is played twice: piano with a bass the first time, strings joining the second time.
Every track ends exactly on the last bar line, so the tune loops without a gap. Channel 14 is
left free for the on-screen keyboard.

    tools/sound/make_tune.py [OUTPUT]
"""

import pathlib
import struct
import sys

DIVISION = 480  # ticks per quarter note
BAR = 3 * DIVISION  # 3/4 time
TEMPO_US = 600_000  # microseconds per quarter note: 100 beats a minute
KEYBOARD_CHANNEL = 13  # channel 14, the keyboard's

PIANO, BASS, STRINGS = 0, 1, 2  # MIDI channels (from 0)
PROGRAMS = {PIANO: 0, BASS: 32, STRINGS: 48}  # grand piano, acoustic bass, string ensemble
VOLUMES = {PIANO: 90, BASS: 80, STRINGS: 48}  # controller 7
PANS = {PIANO: 64, BASS: 54, STRINGS: 76}
REVERB = 40  # controller 91
VELOCITIES = {PIANO: 62, BASS: 58, STRINGS: 40}

NOTE_NUMBERS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}

# The melody, bar by bar: note names with octave (middle C is C4) and lengths in eighths.
MELODY = [
    "D5:2 G4:1 A4:1 B4:1 C5:1",
    "D5:2 G4:2 G4:2",
    "E5:2 C5:1 D5:1 E5:1 F#5:1",
    "G5:2 G4:2 G4:2",
    "C5:2 D5:1 C5:1 B4:1 A4:1",
    "B4:2 C5:1 B4:1 A4:1 G4:1",
    "F#4:2 G4:1 A4:1 B4:1 G4:1",
    "A4:6",
    "D5:2 G4:1 A4:1 B4:1 C5:1",
    "D5:2 G4:2 G4:2",
    "E5:2 C5:1 D5:1 E5:1 F#5:1",
    "G5:2 G4:2 G4:2",
    "C5:2 D5:1 C5:1 B4:1 A4:1",
    "B4:2 C5:1 B4:1 A4:1 G4:1",
    "A4:2 B4:1 A4:1 G4:1 F#4:1",
    "G4:6",
]

# One chord a bar: bass root and fifth, and the strings' voicing.
CHORDS = {
    "G": ("G2", "D3", ["G3", "B3", "D4"]),
    "C": ("C3", "G2", ["G3", "C4", "E4"]),
    "Am": ("A2", "E3", ["A3", "C4", "E4"]),
    "D": ("D3", "A2", ["F#3", "A3", "D4"]),
    "D7": ("D3", "A2", ["F#3", "C4", "D4"]),
}
HARMONY = ["G", "G", "C", "G", "Am", "G", "D7", "D",
           "G", "G", "C", "G", "Am", "G", "D7", "G"]


def pitch(name):
    letter, rest = name[0], name[1:]
    sharp = rest.startswith("#")
    octave = int(rest[1:] if sharp else rest)
    return 12 * (octave + 1) + NOTE_NUMBERS[letter] + (1 if sharp else 0)


def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def track_chunk(events, end_tick):
    """events: (tick, order, bytes); order puts note-offs before note-ons at the same tick."""
    data = bytearray()
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += variable_length(tick - now) + message
        now = tick
    assert now <= end_tick
    data += variable_length(end_tick - now) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def note(events, channel, key, start, length, velocity):
    assert channel != KEYBOARD_CHANNEL
    events.append((start, 1, bytes([0x90 | channel, key, velocity])))
    events.append((start + length, 0, bytes([0x80 | channel, key, 0])))


def channel_setup(events, channel):
    events.append((0, -1, bytes([0xC0 | channel, PROGRAMS[channel]])))
    for controller, value in ((7, VOLUMES[channel]), (10, PANS[channel]), (91, REVERB)):
        events.append((0, -1, bytes([0xB0 | channel, controller, value])))


def melody_events(rounds):
    events = []
    channel_setup(events, PIANO)
    eighth = DIVISION // 2
    for round_index in range(rounds):
        for bar_index, bar in enumerate(MELODY):
            tick = (round_index * len(MELODY) + bar_index) * BAR
            for item in bar.split():
                name, eighths = item.split(":")
                length = int(eighths) * eighth
                # Slightly detached, as a minuet is played.
                note(events, PIANO, pitch(name), tick, length * 9 // 10, VELOCITIES[PIANO])
                tick += length
            assert tick == (round_index * len(MELODY) + bar_index + 1) * BAR, bar
    return events


def bass_events(rounds):
    events = []
    channel_setup(events, BASS)
    for bar_index in range(rounds * len(HARMONY)):
        root, fifth, _ = CHORDS[HARMONY[bar_index % len(HARMONY)]]
        start = bar_index * BAR
        velocity = VELOCITIES[BASS]
        note(events, BASS, pitch(root), start, 2 * DIVISION - 40, velocity)
        note(events, BASS, pitch(fifth), start + 2 * DIVISION, DIVISION - 40, velocity - 8)
    return events


def string_events(first_round, rounds):
    events = []
    channel_setup(events, STRINGS)
    for bar_index in range(first_round * len(HARMONY), rounds * len(HARMONY)):
        _, _, voicing = CHORDS[HARMONY[bar_index % len(HARMONY)]]
        for name in voicing:
            note(events, STRINGS, pitch(name), bar_index * BAR, BAR - 20, VELOCITIES[STRINGS])
    return events


def conductor_events():
    return [
        (0, -1, b"\xff\x03\x0bMinuet in G"),
        (0, -1, b"\xff\x51\x03" + TEMPO_US.to_bytes(3, "big")),
        (0, -1, b"\xff\x58\x04\x03\x02\x18\x08"),  # 3/4
        (0, -1, b"\xff\x59\x02\x01\x00"),  # G major
    ]


def tune():
    rounds = 2
    end = rounds * len(MELODY) * BAR
    tracks = [conductor_events(), melody_events(rounds), bass_events(rounds),
              string_events(1, rounds)]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), DIVISION)
    seconds = end / DIVISION * TEMPO_US / 1e6
    assert 30 <= seconds <= 90, seconds
    return header + b"".join(track_chunk(t, end) for t in tracks), seconds


def main():
    root = pathlib.Path(__file__).resolve().parents[2]
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "assets" / "MIDI1084.MID"
    data, seconds = tune()
    output.write_bytes(data)
    print(f"{output}: {len(data)} bytes, {seconds:.1f} s a round")


if __name__ == "__main__":
    main()
