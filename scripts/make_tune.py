#!/usr/bin/env python3
"""Writes assets/tune.mid from the note list assets/tune.notes.txt.

Run it after changing the notes and commit both files:
    scripts/make_tune.py [notes.txt] [tune.mid]
"""
import re
import struct
import sys
from fractions import Fraction
from pathlib import Path

TICKS_PER_QUARTER = 480
NOTE_OFFSETS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note_number(name):
    m = re.fullmatch(r"([A-G])([#b]?)(-?\d)", name)
    if not m:
        raise ValueError(f"not a note: {name}")
    letter, accidental, octave = m.groups()
    n = 12 * (int(octave) + 1) + NOTE_OFFSETS[letter]
    return n + (1 if accidental == "#" else -1 if accidental == "b" else 0)


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track_chunk(events):
    """events: (tick, order, bytes); note-offs sort before note-ons at one tick."""
    data = bytearray()
    last = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += var_len(tick - last) + message
        last = tick
    data += var_len(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def parse(text):
    tempo = 120
    voices = []
    for raw in text.splitlines():
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        if line.startswith("tempo"):
            tempo = int(line.split()[1])
        elif line.startswith("voice"):
            settings = dict(item.split("=") for item in line.split()[1:])
            voices.append({k: int(v) for k, v in settings.items()} | {"notes": []})
        else:
            for token in line.replace("|", " ").split():
                names, length = token.split(":")
                voices[-1]["notes"].append((names, Fraction(length)))
    return tempo, voices


def build(text):
    tempo, voices = parse(text)
    tracks = []
    microseconds = round(60_000_000 / tempo)
    tracks.append(track_chunk([(0, 0, b"\xff\x51\x03" + microseconds.to_bytes(3, "big"))]))
    for voice in voices:
        ch = voice["channel"]
        vel = voice["velocity"]
        events = [(0, 0, bytes([0xC0 | ch, voice["program"]]))]
        tick = 0
        for names, length in voice["notes"]:
            ticks = int(length * 4 * TICKS_PER_QUARTER)
            if names != "R":
                # A slight gap keeps repeated notes apart.
                sounding = ticks - TICKS_PER_QUARTER // 16
                for name in names.split("+"):
                    n = note_number(name)
                    events.append((tick, 1, bytes([0x90 | ch, n, vel])))
                    events.append((tick + sounding, 0, bytes([0x80 | ch, n, 0])))
            tick += ticks
        tracks.append(track_chunk(events))
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_QUARTER)
    return header + b"".join(tracks)


def main():
    root = Path(__file__).resolve().parent.parent
    notes = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "assets" / "tune.notes.txt"
    out = Path(sys.argv[2]) if len(sys.argv) > 2 else root / "assets" / "tune.mid"
    out.write_bytes(build(notes.read_text()))


if __name__ == "__main__":
    main()
