"""Shared helpers for the picture checks: where the pictures are, and how the
game's coordinates land on their pixels."""

import os
import sys

# Debian's python3-pil is visible only to Debian's interpreter; a pyenv or
# venv python3 earlier on PATH would not find it.
try:
    import PIL  # noqa: F401
except ImportError:
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") and os.path.exists(
        "/usr/bin/python3"
    ):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise

from PIL import Image  # noqa: E402

SOURCE_DIR = os.environ.get(
    "BRUMALO_SOURCE_DIR", os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
)
BUILD_DIR = os.environ.get("BRUMALO_BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
IMG_DIR = os.path.join(BUILD_DIR, "img")

# English, the sources' own language, then each translation of po/LINGUAS.
with open(os.path.join(SOURCE_DIR, "po", "LINGUAS")) as linguas:
    LANGUAGES = ["en"] + [word for line in linguas if not line.startswith("#") for word in line.split()]

SPRITES = ["bg", "sun", "sky", "tree", "magglass", "fish", "shadow", "ray", "drop", "ring", "icicle", "snowflake"]
SCREENS = ["splash", "instructions", "win", "lose"]
# Pictures with lettering that the game draws over others: PNGs made in
# every language, as the screens are.
LETTERED_OVERLAYS = ["paused", "menuvalues", "newbest"]


def open_picture(name, language="en"):
    extension = "jpg" if name in SCREENS else "png"
    folder = IMG_DIR if language == "en" else os.path.join(BUILD_DIR, "lang", language, "img")
    return Image.open(os.path.join(folder, "%s.%s" % (name, extension)))


def screen_source(name, language="en"):
    """The SVG a lettered picture is rendered from: the source, or the build's
    copy with a translation merged in."""
    if language == "en":
        return os.path.join(SOURCE_DIR, "assets", "img", name + ".svg")
    return os.path.join(BUILD_DIR, "assets", "img", "screens", "%s.%s.svg" % (name, language))


def luminance(rgb):
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]


class Frame:
    """Maps a sprite's own units onto its picture's pixels.

    A picture drawn `size` units square at `centre` covers the canvas from
    centre - size / 2 to centre + size / 2; canvas y runs up, pixel rows
    run down from the picture's top."""

    def __init__(self, image, size, centre=(0.0, 0.0)):
        self.image = image
        self.size = size
        self.centre = centre
        self.pixels = image.load()

    def pixel_of(self, x, y):
        width, height = self.image.size
        column = (x - self.centre[0] + self.size / 2) / self.size * width
        row = (self.centre[1] + self.size / 2 - y) / self.size * height
        return int(column), int(row)

    def inside(self, x, y):
        column, row = self.pixel_of(x, y)
        return 0 <= column < self.image.size[0] and 0 <= row < self.image.size[1]

    def at(self, x, y):
        return self.pixels[self.pixel_of(x, y)]


def points_along(start, end, step=0.5):
    """Points from start to end, `step` units apart, both ends included."""
    length = ((end[0] - start[0]) ** 2 + (end[1] - start[1]) ** 2) ** 0.5
    count = max(1, int(length / step))
    return [
        (start[0] + (end[0] - start[0]) * i / count, start[1] + (end[1] - start[1]) * i / count)
        for i in range(count + 1)
    ]


def region_alpha(image, box):
    """Sum of alpha over a pixel box (left, top, right, bottom)."""
    return sum(image.crop(box).getchannel("A").getdata())
