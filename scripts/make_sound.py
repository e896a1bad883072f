#!/usr/bin/env python3
"""Writes demo/Nouveau_Sat.wav, the chime played when a newly risen satellite
is taken up: two bell-like tones, high then low, 0.7 s in all. With --alarm,
writes demo/Alarme_Sat.wav instead, the alarm ahead of acquisition: three
short pips of a plain sine, 0.6 s in all, unlike the take-up chime.

The output is 16-bit PCM, mono, 22050 Hz, and the same bytes on every run, so
the committed files can always be made again from this script.

    python3 scripts/make_sound.py [--alarm] [OUTPUT]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
DURATION_S = 0.7
PEAK = 0.6  # of full scale, so that the sum of partials never clips

# (start in seconds, fundamental in Hz): A5 then E5, a falling fourth.
NOTES = [(0.0, 880.0), (0.18, 659.25)]
# A bell's partials: (frequency ratio, relative amplitude, decay rate per second).
PARTIALS = [(1.0, 1.0, 7.0), (2.0, 0.35, 11.0), (3.01, 0.12, 16.0)]
ATTACK_S = 0.004  # a short rise avoids a click at each strike
FADE_S = 0.03     # and a short fall at the very end


def note_value(t, frequency):
    if t < 0.0:
        return 0.0
    rise = min(1.0, t / ATTACK_S)
    return rise * sum(amplitude * math.exp(-decay * t) * math.sin(2.0 * math.pi * frequency * ratio * t)
                      for ratio, amplitude, decay in PARTIALS)


def samples():
    count = int(RATE * DURATION_S)
    raw = []
    for n in range(count):
        t = n / RATE
        raw.append(sum(note_value(t - start, frequency) for start, frequency in NOTES))
    scale = PEAK / max(abs(v) for v in raw)
    fade_samples = int(RATE * FADE_S)
    for n in range(count):
        fade = min(1.0, (count - 1 - n) / fade_samples)
        yield round(raw[n] * scale * fade * 32767)


# The alarm: (start in seconds, length in seconds) of each pip, at one pitch (E6).
PIPS = [(0.0, 0.12), (0.2, 0.12), (0.4, 0.12)]
PIP_HZ = 1318.5
PIP_EDGE_S = 0.01  # rise and fall of each pip, against clicks


def alarm_samples():
    count = int(RATE * (PIPS[-1][0] + PIPS[-1][1] + 0.08))
    for n in range(count):
        t = n / RATE
        value = 0.0
        for start, length in PIPS:
            into = t - start
            if 0.0 <= into < length:
                edge = min(1.0, into / PIP_EDGE_S, (length - into) / PIP_EDGE_S)
                value = edge * math.sin(2.0 * math.pi * PIP_HZ * into)
        yield round(value * PEAK * 32767)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    arguments = sys.argv[1:]
    alarm = "--alarm" in arguments
    arguments = [a for a in arguments if a != "--alarm"]
    default = "Alarme_Sat.wav" if alarm else "Nouveau_Sat.wav"
    output = arguments[0] if arguments else os.path.join(here, "..", "demo", default)
    frames = b"".join(struct.pack("<h", value) for value in (alarm_samples() if alarm else samples()))
    with wave.open(output, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    print(f"{os.path.normpath(output)}: {len(frames) // 2} samples, {len(frames) / 2 / RATE:.2f} s")


if __name__ == "__main__":
    main()
