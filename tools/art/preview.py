#!/usr/bin/python3
"""Composes the live scene from the built pictures into two 800 by 600 stills.

    tools/art/preview.py [--img build/img] [--out /tmp/brumalo-preview]

Writes preview-day.png (early in the game) and preview-dusk.png (progress
0.8, under the orange-then-dark tint), layered in the order the game draws:
sky, sun, land, trees, fish shadows, ripples, icicles, drops, caught fish,
glass, ray, snow, tint. Shadows and snow come from the game's own random
sequence, so they stand where a fresh game puts them; the glass is placed so
that its focus lands on the left tree's lower branch, with an icicle there.
"""

import argparse
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import debian_python  # noqa: F401,E402  (must come before PIL)

from PIL import Image  # noqa: E402

import compositor  # noqa: E402

BRANCHES = [((-198, 212), (-23, 153)), ((-213, 287), (-54, 192)), ((45, 190), (206, 280)), ((39, 154), (184, 211))]
DUSK_COLOUR = (1.0, 0.545, 0.07)


class GameRandom:
    """The game's one generator: same seed, same sequence every run."""

    def __init__(self):
        self.state = 1

    def next(self):
        self.state = (self.state * 214013 + 2531011) % 2**32
        return (self.state >> 16) & 0x7FFF


def make_snow(random):
    """A fresh game's snow: twenty seconds of snowfall before the first frame."""
    flakes = []
    timer = 0.0

    def update(dt):
        nonlocal timer
        total = timer + dt
        due = int(total / 0.15)
        timer = total - due * 0.15
        for _ in range(due):
            quarter = random.next() % 3
            size = random.next() % 20 + 10
            x = random.next() % 800 - 400
            amplitude = 60 - size
            if random.next() % 2:
                amplitude = -amplitude
            flakes.append(
                {
                    "quarter": quarter,
                    "size": size,
                    "centre": x,
                    "x": x,
                    "y": 330.0,
                    "age": 0.0,
                    "fall": 50 - (size - 10) / 5,
                    "amplitude": amplitude,
                    "frequency": (30 - size) / 100,
                }
            )
        for flake in flakes:
            flake["age"] += dt
            flake["y"] -= dt * flake["fall"]
            flake["x"] = math.sin(flake["frequency"] * flake["age"] * 6.28318) * flake["amplitude"] + flake["centre"]
        flakes[:] = [f for f in flakes if f["y"] >= -330]

    for _ in range(401):
        update(0.05)
    return flakes, update


def make_shadows(random, count=10):
    shadows = []
    for _ in range(count):
        size = random.next() % 20 + 30
        radius_y = 40 - random.next() % 30
        radius_x = 250 - random.next() % 80
        phase = random.next() / 32767 * 2 * 3.14159
        shadows.append({"size": size, "rx": radius_x, "ry": radius_y, "phase": phase, "rotation": 0.0})
    return shadows


def place_shadow(shadow, dt):
    """Moves a shadow along its ellipse and turns it along the way it went."""
    old = shadow_position(shadow)
    shadow["phase"] += 20 / shadow["size"] * dt
    new = shadow_position(shadow)
    dx, dy = new[0] - old[0], new[1] - old[1]
    if dx * dx + dy * dy > 0.0001:
        angle = math.degrees(math.acos(max(-1.0, min(1.0, dx / math.hypot(dx, dy)))))
        shadow["rotation"] = 180 - angle if dy < 0 else angle


def shadow_position(shadow):
    return (
        math.cos(shadow["phase"]) * shadow["rx"] + 12.5,
        math.sin(shadow["phase"]) * shadow["ry"] - 57.8,
    )


def branch_y(branch, x):
    (ax, ay), (bx, by) = BRANCHES[branch]
    return ay + (x - ax) * (by - ay) / (bx - ax)


def glass_for_focus(sun, focus):
    """Where the glass must be for the light to focus on a given point."""
    dx, dy = focus[0] - sun[0], focus[1] - sun[1]
    length = math.hypot(dx, dy)
    lens_centre = (focus[0] - 40 * dx / length, focus[1] - 40 * dy / length)
    return lens_centre[0], lens_centre[1] - 15


def focus_of(sun, glass):
    lens_centre = (glass[0], glass[1] + 15)
    dx, dy = lens_centre[0] - sun[0], lens_centre[1] - sun[1]
    length = math.hypot(dx, dy)
    return lens_centre[0] + 40 * dx / length, lens_centre[1] + 40 * dy / length


def branch_under(point):
    """Index of the first branch within reach of a point, or None."""
    for index, ((ax, ay), (bx, by)) in enumerate(BRANCHES):
        if ax <= point[0] <= bx:
            cross = (bx - ax) * (ay - point[1]) - (by - ay) * (ax - point[0])
            if abs(cross) / math.hypot(bx - ax, by - ay) < 10:
                return index
    return None


def icicle(point, length, strength):
    """An icicle made at a focus point, grown to a length, weakened to a strength."""
    anchor = point[1] - 10
    return {
        "position": (point[0], anchor - length / 2),
        "size": (length, length),
        "tex_offset": (0.0, 0.0016 * strength),
        "tex_scale": (1.0, 1 - 0.0016 * strength),
    }


def compose(img, progress, glass_target, fish_caught, seconds_played):
    random = GameRandom()
    flakes, snow_update = make_snow(random)
    shadows = make_shadows(random)
    for shadow in shadows:
        place_shadow(shadow, 0.0)
    steps = int(seconds_played / 0.03)
    for _ in range(steps):
        for shadow in shadows:
            place_shadow(shadow, 0.03)
    for _ in range(int(seconds_played / 0.15)):
        snow_update(0.15)

    sun_y = 300 - 300 * progress
    sun_size = 105 + 140 * progress
    sun = (0.0, sun_y)
    glass = glass_for_focus(sun, glass_target)
    focus = focus_of(sun, glass)

    canvas = compositor.new_canvas()
    full = (800, 800)
    compositor.draw_sprite(canvas, img["sky"], (0, 0), full)
    compositor.draw_sprite(canvas, img["sun"], sun, (sun_size, sun_size))
    compositor.draw_sprite(canvas, img["bg"], (0, 0), full)
    compositor.draw_sprite(canvas, img["tree"], (-305, 201), (550, 550))
    compositor.draw_sprite(canvas, img["tree"], (305, 201), (550, 550))

    for shadow in shadows:
        size = shadow["size"]
        compositor.draw_sprite(
            canvas, img["shadow"], shadow_position(shadow), (size, size), shadow["rotation"], (1, 1, 1, 0.5)
        )

    # One ring 0.7 s old: its first two ripples are out.
    ring_at = (-104.0, -52.0)
    for ripple in range(4):
        age = 0.7 - 0.33 * ripple
        if age >= 0:
            size = age / 1.5 * 50
            compositor.draw_sprite(canvas, img["ring"], ring_at, (size, size), colour=(1, 1, 1, 1 - age / 1.5))

    on_branch_three = (120.0, branch_y(2, 120.0))
    on_branch_four = (75.0, branch_y(3, 75.0))
    for ice in (
        icicle(glass_target, 38, 100),
        icicle(on_branch_three, 56, 25),
        icicle(on_branch_four, 24, 100),
    ):
        compositor.draw_sprite(
            canvas, img["icicle"], ice["position"], ice["size"], tex_offset=ice["tex_offset"], tex_scale=ice["tex_scale"]
        )

    compositor.draw_sprite(canvas, img["drop"], (glass_target[0], glass_target[1] - 2), (11, 11))
    compositor.draw_sprite(canvas, img["drop"], (glass_target[0] + 4, 40.0), (16, 16))

    for n in range(fish_caught):
        compositor.draw_sprite(canvas, img["fish"], (40 * n - 60, -167), (64, 64))

    compositor.draw_sprite(canvas, img["magglass"], glass, (30, 60), tex_offset=(0.5, 0), tex_scale=(0.5, 1))
    compositor.draw_ray(canvas, img["ray"], (glass[0], glass[1] + 5), (glass[0], glass[1] + 25), focus)

    for flake in flakes:
        quarter = [(0.0, 0.0), (0.5, 0.0), (0.0, 0.5)][flake["quarter"]]
        size = flake["size"]
        compositor.draw_sprite(
            canvas,
            img["snowflake"],
            (flake["x"], flake["y"]),
            (size, size),
            colour=(1, 1, 1, 0.8),
            tex_offset=quarter,
            tex_scale=(0.5, 0.5),
        )

    opacity = 0.66 * min(max((progress - 0.55) * 3, 0.0), 1.0)
    darkening = (progress - 0.75) * 4
    tint = [c + (-c) * darkening for c in DUSK_COLOUR]
    compositor.draw_tint(canvas, tint + [opacity])
    return canvas, focus


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--img", default=os.path.join(here, "..", "..", "build", "img"))
    parser.add_argument("--out", default="/tmp/brumalo-preview")
    args = parser.parse_args()

    names = ["sky", "sun", "bg", "tree", "shadow", "ring", "icicle", "drop", "fish", "magglass", "ray", "snowflake"]
    img = {name: Image.open(os.path.join(args.img, name + ".png")).convert("RGBA") for name in names}
    os.makedirs(args.out, exist_ok=True)

    target = (-110.0, branch_y(0, -110.0))
    for label, progress, fish in (("day", 0.15, 4), ("dusk", 0.8, 9)):
        canvas, focus = compose(img, progress, target, fish, seconds_played=240 * progress)
        path = os.path.join(args.out, "preview-%s.png" % label)
        canvas.convert("RGB").save(path)
        branch = branch_under(focus)
        where = "branch %d" % (branch + 1) if branch is not None else "no branch"
        print("%s: focus (%.1f, %.1f) on %s" % (path, focus[0], focus[1], where))


if __name__ == "__main__":
    main()
