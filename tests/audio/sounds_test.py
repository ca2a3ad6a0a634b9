"""The game's nine sounds as built: present, clean, of even loudness, the
background quieter than the effects, and made again identically from their
recipes."""

import array
import math
import os
import subprocess
import sys
import tempfile

BUILD = os.environ.get("BRUMALO_BUILD_DIR", "build")
SOURCE = os.environ.get("BRUMALO_SOURCE_DIR", ".")
SOUNDS = os.path.join(BUILD, "sounds")
SYNTH = os.path.join(BUILD, "tools", "synth", "brumalo_synth")
RECIPES = os.path.join(SOURCE, "assets", "sounds")
# Every recipe but the background music's is an effect. (That all nine
# sounds are built, the unit tests see when they load them.)
EFFECTS = sorted(name[:-6] for name in os.listdir(RECIPES) if name.endswith(".sound") and name != "bg.sound")
RATE = 44100

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def samples(path):
    """The file's samples as floats, decoded by sox."""
    raw = subprocess.run(
        ["sox", path, "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1", "-"],
        capture_output=True, check=True).stdout
    return array.array("f", raw)


def db(power):
    return 10 * math.log10(max(power, 1e-20))


def loudest_window_db(x, seconds=0.1):
    """Mean square of the loudest window, sliding in 10 ms steps, in dB."""
    block = RATE // 100
    blocks = [math.fsum(v * v for v in x[i:i + block]) for i in range(0, len(x), block)]
    per_window = max(1, round(seconds * 100))
    best = max(math.fsum(blocks[i:i + per_window]) for i in range(max(1, len(blocks) - per_window + 1)))
    return db(best / (per_window * block))


def check_clean(name, x):
    peak = max(abs(v) for v in x)
    check(peak < 10 ** (-0.9 / 20), f"{name}: peak {20 * math.log10(peak):.1f} dBFS, not below full scale")
    dc = math.fsum(x) / len(x)
    check(abs(dc) < 0.002, f"{name}: DC offset {dc:.4f}")
    # Each sound rises from silence (the attack may be sharp, but not a jump
    # at the very first sample) and has died away by its last millisecond.
    check(max(abs(v) for v in x[:4]) < 0.02, f"{name}: starts with a click")
    check(max(abs(v) for v in x[-(RATE // 1000):]) < 0.01, f"{name}: ends with a click")


def check_effects():
    loudness = {}
    for name in EFFECTS:
        path = os.path.join(SOUNDS, name + ".wav")
        if not os.path.exists(path):
            check(False, f"{path} is missing")
            continue
        x = samples(path)
        seconds = len(x) / RATE
        check(0.1 <= seconds <= 3, f"{name}: {seconds:.2f} s long")
        check_clean(name, x)
        loudness[name] = loudest_window_db(x)
    if loudness:
        spread = max(loudness.values()) - min(loudness.values())
        check(spread <= 6, f"effects differ in loudness by {spread:.1f} dB: {loudness}")
    return loudness


def check_background(effect_loudness):
    path = os.path.join(SOUNDS, "bg.mp3")
    if not os.path.exists(path):
        check(False, f"{path} is missing")
        return
    with tempfile.TemporaryDirectory() as scratch:
        decoded = os.path.join(scratch, "bg.wav")
        subprocess.run(["lame", "--quiet", "--decode", path, decoded], check=True)
        x = samples(decoded)
    seconds = len(x) / RATE
    check(abs(seconds - 240) < 1, f"bg: {seconds:.1f} s long, the game lasts 240")
    check_clean("bg", x)
    loudest = loudest_window_db(x)
    if effect_loudness:
        margin = min(effect_loudness.values()) - loudest
        check(margin >= 5, f"bg at its loudest is only {margin:.1f} dB under the quietest effect")
    # Calm all the way through: no stretch much louder than the piece's own
    # average, and no dead silence in the middle.
    minutes = [x[i:i + 30 * RATE] for i in range(15 * RATE, 225 * RATE, 30 * RATE)]
    levels = [db(math.fsum(v * v for v in part) / len(part)) for part in minutes]
    check(max(levels) - min(levels) < 8, f"bg's level wanders too much: {levels}")


def check_made_again_identically():
    with tempfile.TemporaryDirectory() as scratch:
        for name in EFFECTS:
            again = os.path.join(scratch, name + ".wav")
            subprocess.run([SYNTH, os.path.join(RECIPES, name + ".sound"), again],
                           check=True, capture_output=True)
            with open(again, "rb") as fresh, open(os.path.join(SOUNDS, name + ".wav"), "rb") as built:
                check(fresh.read() == built.read(), f"{name}: a second synthesis differs")


def check_recipe_mistakes_are_named():
    with tempfile.TemporaryDirectory() as scratch:
        recipe = os.path.join(scratch, "typo.sound")
        with open(recipe, "w") as out:
            out.write("sound length=0.2 seed=1\ntone freq=A4 decay=0.05 gian=0.5\n")
        run = subprocess.run([SYNTH, recipe, os.path.join(scratch, "typo.wav")],
                             capture_output=True, text=True)
        check(run.returncode != 0, "a misspelt key was accepted")
        check("line 2" in run.stderr and "gian" in run.stderr,
              f"the error does not name the line and key: {run.stderr!r}")
        check(not os.path.exists(os.path.join(scratch, "typo.wav")), "a failed recipe left a file")


def main():
    effect_loudness = check_effects()
    check_background(effect_loudness)
    check_made_again_identically()
    check_recipe_mistakes_are_named()
    for failure in failures:
        print("FAIL:", failure)
    print(f"sounds: {0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
