#!/usr/bin/env python3
"""Writes the demo's input: a stereo 16-bit WAV of an A minor chord with slow noise bursts.

Usage: make_signal.py OUT.wav [SECONDS] [RATE]
"""
import math
import random
import struct
import sys
import wave


def main():
    path = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 4.0
    rate = int(sys.argv[3]) if len(sys.argv) > 3 else 48000
    chord = (220.0, 261.63, 329.63)
    noise = random.Random(318)
    frames = bytearray()
    for i in range(int(seconds * rate)):
        t = i / rate
        tone = sum(math.sin(2 * math.pi * f * t) for f in chord) / len(chord)
        # A short burst of noise at the start of every second, so that the tone filter shows.
        burst = noise.uniform(-1, 1) * max(0.0, 1 - (t % 1.0) / 0.1)
        left = 0.5 * tone + 0.2 * burst
        right = 0.5 * tone - 0.2 * burst
        frames += struct.pack("<hh", int(left * 32767), int(right * 32767))
    with wave.open(path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(bytes(frames))


if __name__ == "__main__":
    main()
