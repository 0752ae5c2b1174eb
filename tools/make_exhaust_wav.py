#!/usr/bin/env python3
"""Writes data/Exhaust.wav: one exhaust beat, a short burst of low-passed noise with a
quick attack and an exponential decay (mono, 16-bit, 22050 Hz)."""
import math
import random
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.28  # seconds


def samples():
    rng = random.Random(1825)  # fixed: the file is reproducible
    low = 0.0
    for i in range(int(RATE * LENGTH)):
        t = i / RATE
        envelope = min(1.0, t / 0.008) * math.exp(-t / 0.07)
        low += 0.18 * (rng.uniform(-1.0, 1.0) - low)  # one-pole low-pass: a soft chuff
        yield max(-1.0, min(1.0, 2.6 * low * envelope))


def main(path):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(v * 32767)) for v in samples()))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/Exhaust.wav")
