"""The built pictures agree with where the game draws them and what it
expects to find in them."""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_support import (  # noqa: E402
    LANGUAGES,
    LETTERED_OVERLAYS,
    SCREENS,
    SPRITES,
    Frame,
    luminance,
    open_picture,
    points_along,
    region_alpha,
)

FULL_WINDOW = ["splash", "instructions", "win", "lose", "sky", "bg"]

# The four melt lines, in canvas units, and the tree each belongs to.
LEFT_TREE = (-305.0, 201.0)
RIGHT_TREE = (305.0, 201.0)
BRANCHES = [
    (LEFT_TREE, (-198, 212), (-23, 153)),
    (LEFT_TREE, (-213, 287), (-54, 192)),
    (RIGHT_TREE, (45, 190), (206, 280)),
    (RIGHT_TREE, (39, 154), (184, 211)),
]

# Every fish path is an ellipse around this centre with these radii.
PATH_CENTRE = (12.5, -57.8)
RADII_X = (171, 250)
RADII_Y = (11, 40)


def is_power_of_two(n):
    return n > 0 and n & (n - 1) == 0


# The game's PNGs besides the sprites: the figures' digits, and the
# lettered pictures drawn over others, in every language.
OVERLAYS = [("digits", "en")] + [(name, language) for name in LETTERED_OVERLAYS for language in LANGUAGES]


class FilesAndFormats(unittest.TestCase):
    def test_every_picture_is_a_power_of_two_on_each_side(self):
        for name, language in [(name, "en") for name in SPRITES + SCREENS] + OVERLAYS:
            with self.subTest(name=name, language=language):
                width, height = open_picture(name, language).size
                self.assertTrue(is_power_of_two(width) and is_power_of_two(height), (width, height))

    def test_full_window_pictures_are_1024_square(self):
        for name in FULL_WINDOW:
            with self.subTest(name=name):
                self.assertEqual(open_picture(name).size, (1024, 1024))

    def test_sprites_are_png_with_alpha_and_screens_are_jpeg(self):
        for name, language in [(name, "en") for name in SPRITES] + OVERLAYS:
            with self.subTest(name=name, language=language):
                picture = open_picture(name, language)
                self.assertEqual((picture.format, picture.mode), ("PNG", "RGBA"))
                # A language's lettered pictures are its own, not links to the English.
                self.assertFalse(language != "en" and os.path.islink(picture.filename))
        for name in SCREENS:
            with self.subTest(name=name):
                picture = open_picture(name)
                self.assertEqual((picture.format, picture.mode), ("JPEG", "RGB"))

    def test_overlays_keep_clear_of_the_edges_the_texture_filtering_reads_past(self):
        # Beyond a digit's cell the filtering reads the next cell, beyond a
        # picture's edge the opposite edge: each cell and picture has clear edges.
        digits = open_picture("digits")
        cells = [(glyph, "en", digits.crop((64 * i, 0, 64 * i + 64, 128))) for i, glyph in enumerate("0123456789:.-")]
        pictures = [(name, language, open_picture(name, language)) for name, language in OVERLAYS[1:]]
        for name, language, picture in cells + pictures:
            alpha = picture.getchannel("A")
            edges = [(0, 0, alpha.width, 1), (0, alpha.height - 1, alpha.width, alpha.height),
                     (0, 0, 1, alpha.height), (alpha.width - 1, 0, alpha.width, alpha.height)]
            with self.subTest(name=name, language=language):
                self.assertGreater(region_alpha(picture, (0, 0, alpha.width, alpha.height)), 255 * 60, "empty")
                self.assertEqual([alpha.crop(edge).getextrema()[1] for edge in edges], [0, 0, 0, 0])


class Landscape(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.bg = Frame(open_picture("bg").convert("RGBA"), 800)

    def test_sky_is_opaque_everywhere(self):
        self.assertEqual(open_picture("sky").convert("RGBA").getchannel("A").getextrema(), (255, 255))

    def test_land_is_opaque_below_a_single_horizon_and_clear_above(self):
        # Walking up each column: solid land, at most a few rows of soft
        # edge, then nothing but sky. The sun sets behind this line.
        for x in range(-400, 400, 4):
            alphas = [self.bg.at(x, y)[3] for y in range(-300, 300)]
            horizon = next(i for i, a in enumerate(alphas) if a < 255) - 300
            with self.subTest(x=x):
                self.assertTrue(35 <= horizon <= 130, "horizon at y %d" % horizon)
                self.assertTrue(all(a == 0 for a in alphas[horizon + 300 + 4 :]), "land above the horizon")

    def test_sun_sinks_behind_the_land_at_the_end(self):
        # The last sun is centred at y 0 and 245 across: the land in the
        # middle must hide most of its disc, so its top is at y 40..90 there.
        for x in range(-60, 61, 10):
            top = max(y for y in range(-300, 300) if self.bg.at(x, y)[3] == 255)
            with self.subTest(x=x):
                self.assertTrue(40 <= top <= 90, "land top at y %d" % top)

    def assert_pale_ice(self, x, y):
        r, g, b, a = self.bg.at(x, y)
        self.assertEqual(a, 255, "no ice at (%.1f, %.1f)" % (x, y))
        # A dark shadow at half opacity must stand out clearly on it.
        self.assertGreater(luminance((r, g, b)), 150, "ice too dark at (%.1f, %.1f)" % (x, y))

    def test_ice_lies_under_every_fish_path_with_room_for_the_fish(self):
        for radius_x in range(RADII_X[0], RADII_X[1] + 1, 13):
            for radius_y in range(RADII_Y[0], RADII_Y[1] + 1, 7):
                for step in range(72):
                    phase = step * math.tau / 72
                    x = PATH_CENTRE[0] + radius_x * math.cos(phase)
                    y = PATH_CENTRE[1] + radius_y * math.sin(phase)
                    # The fish's half-length along its path, half-width across it.
                    for dx, dy in ((0, 0), (12, 0), (-12, 0), (0, 8), (0, -8)):
                        with self.subTest(rx=radius_x, ry=radius_y, step=step, dx=dx, dy=dy):
                            self.assert_pale_ice(x + dx, y + dy)

    def test_drops_and_icicles_land_on_the_ice(self):
        for x in range(-215, 211, 5):
            for y in range(-70, -40, 5):
                with self.subTest(x=x, y=y):
                    self.assert_pale_ice(x, y)

    def test_the_fish_row_stands_on_solid_pale_ground(self):
        # Ten fish 64 units tall at y -167, centred from x -60 to 300.
        for x in range(-92, 333, 4):
            for y in range(-199, -134, 4):
                r, g, b, a = self.bg.at(x, y)
                with self.subTest(x=x, y=y):
                    self.assertEqual(a, 255)
                    self.assertGreater(luminance((r, g, b)), 170)


class Tree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        image = open_picture("tree").convert("RGBA")
        cls.frames = {centre: Frame(image, 550, centre) for centre in (LEFT_TREE, RIGHT_TREE)}

    def test_each_melt_line_lies_on_the_branch_along_its_whole_length(self):
        for number, (tree, start, end) in enumerate(BRANCHES, 1):
            frame = self.frames[tree]
            points = [p for p in points_along(start, end) if frame.inside(*p)]
            with self.subTest(branch=number):
                self.assertGreater(len(points), 300)
                holes = [p for p in points if frame.at(*p)[3] < 250]
                self.assertEqual(holes, [], "branch %d has see-through spots on its line" % number)

    def test_each_melt_line_carries_snow_just_above_it(self):
        # The snow is what tells the player where to aim: right above the
        # line, almost everywhere along it, there are bright white pixels.
        for number, (tree, start, end) in enumerate(BRANCHES, 1):
            frame = self.frames[tree]
            points = [p for p in points_along(start, end, 4) if frame.inside(p[0], p[1] + 20)]
            snowy = 0
            for x, y in points:
                above = [frame.at(x, y + lift) for lift in range(4, 21)]
                if any(a == 255 and luminance(rgb) > 215 for *rgb, a in above):
                    snowy += 1
            with self.subTest(branch=number):
                self.assertGreater(snowy, 0.9 * len(points), "branch %d: snow on %d of %d" % (number, snowy, len(points)))

    def test_top_and_bottom_rows_are_clear_so_the_feet_show_no_seam(self):
        # Pictures repeat at their edges and are filtered, so the quad's
        # bottom edge (the trees' feet, on screen) mixes the bottom row with
        # the top row: both must be empty.
        image = self.frames[LEFT_TREE].image
        alpha = image.getchannel("A")
        for row in (0, image.height - 1):
            with self.subTest(row=row):
                self.assertEqual(alpha.crop((0, row, image.width, row + 1)).getextrema(), (0, 0))

    def test_the_trunk_stands_in_the_middle_down_to_the_shore(self):
        frame = self.frames[LEFT_TREE]
        # Its foot settles into a drift that fades out just above y -74.
        for y in range(-50, 300, 5):
            with self.subTest(y=y):
                self.assertEqual(frame.at(LEFT_TREE[0], y)[3], 255)


def corner_alphas(image, box=None):
    """Alpha of the four corner pixels of an image or of a pixel box in it."""
    left, top, right, bottom = box or (0, 0, image.width, image.height)
    alpha = image.getchannel("A")
    return [alpha.getpixel(p) for p in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1))]


def opaque_run(image, row):
    """Number of clearly visible pixels in a pixel row."""
    alpha = image.getchannel("A")
    return sum(1 for column in range(image.width) if alpha.getpixel((column, row)) > 128)


class SmallSprites(unittest.TestCase):
    def test_round_and_free_standing_sprites_have_clear_corners(self):
        for name in ("sun", "shadow", "fish", "drop", "ring", "icicle"):
            with self.subTest(name=name):
                self.assertEqual(corner_alphas(open_picture(name)), [0, 0, 0, 0])

    def test_glass_has_an_idle_and_a_focusing_half(self):
        glass = open_picture("magglass").convert("RGBA")
        half = glass.width // 2
        idle, focusing = (0, 0, half, glass.height), (half, 0, glass.width, glass.height)
        for box in (idle, focusing):
            with self.subTest(box=box):
                self.assertEqual(corner_alphas(glass, box), [0, 0, 0, 0])
                self.assertGreater(region_alpha(glass, box), 255 * 400)
        # Each half keeps clear of the seam, so the other never bleeds in.
        for column in (half - 1, half):
            self.assertEqual(glass.getchannel("A").crop((column, 0, column + 1, glass.height)).getextrema()[1], 0)

        # One unit is height / 60 pixels; the lens spans 5..25 units above the
        # centre and the grip is under the pointer, 10 units above the bottom.
        unit = glass.height / 60
        for left in (0, half):
            centre = left + half // 2
            alpha_at = lambda units_from_top: glass.getpixel((centre, round(units_from_top * unit)))[3]  # noqa: E731
            with self.subTest(half=left):
                self.assertEqual(alpha_at(50), 255, "no grip under the pointer")
                self.assertGreater(alpha_at(15), 100, "no glass in the lens")
                # The rim closes the lens just outside 5 and 25 units above the centre.
                self.assertEqual((alpha_at(4), alpha_at(26)), (255, 255), "no rim around the lens")

        def lens_warmth(left):
            lens = glass.crop((left + 3 * half // 8, round(10 * unit), left + 5 * half // 8, round(20 * unit)))
            pixels = list(lens.getdata())
            return sum(p[0] - p[2] for p in pixels) / len(pixels)

        self.assertGreater(lens_warmth(half), lens_warmth(0) + 60, "the focusing lens should glow warm")

    def test_snowflake_has_three_different_flakes_clear_of_their_quarter_edges(self):
        flakes = open_picture("snowflake").convert("RGBA")
        q = flakes.width // 2
        quarters = [(0, 0, q, q), (q, 0, 2 * q, q), (0, q, q, 2 * q)]
        alphas = []
        for box in quarters:
            with self.subTest(quarter=box):
                quarter = flakes.crop(box).getchannel("A")
                self.assertGreater(sum(quarter.getdata()), 255 * q * q * 0.08, "quarter nearly empty")
                border = [quarter.getpixel((i, j)) for i in range(q) for j in (0, q - 1)]
                border += [quarter.getpixel((j, i)) for i in range(q) for j in (0, q - 1)]
                self.assertEqual(max(border), 0, "flake touches its quarter's edge")
                alphas.append(list(quarter.getdata()))
        for a in range(3):
            for b in range(a + 1, 3):
                difference = sum(abs(x - y) for x, y in zip(alphas[a], alphas[b])) / len(alphas[a])
                with self.subTest(pair=(a, b)):
                    self.assertGreater(difference, 10, "two flakes look the same")

    def test_ray_gathers_into_a_bright_point_at_its_bottom_centre(self):
        ray = open_picture("ray").convert("RGBA")
        size = ray.width
        # Below its top row the beam narrows: row t covers s from t/2 to 1 - t/2.
        self.assertEqual([corner_alphas(ray)[2], corner_alphas(ray)[3]], [0, 0])
        top = ray.crop((size // 2 - 2, 0, size // 2 + 2, size // 4))
        bottom = ray.crop((size // 2 - 2, 3 * size // 4, size // 2 + 2, size))
        mean_alpha = lambda part: sum(part.getchannel("A").getdata()) / (part.width * part.height)  # noqa: E731
        self.assertGreater(mean_alpha(bottom), mean_alpha(top) + 60)
        self.assertGreater(luminance(ray.getpixel((size // 2, size - 2))[:3]), 240)

    def test_ring_is_a_thin_circle_touching_the_edges(self):
        ring = open_picture("ring").convert("RGBA")
        size = ring.width
        middle = size // 2
        for x, y in ((middle, 1), (middle, size - 2), (1, middle), (size - 2, middle)):
            with self.subTest(edge=(x, y)):
                self.assertGreater(ring.getpixel((x, y))[3], 150)
        self.assertEqual(region_alpha(ring, (size // 4, size // 4, 3 * size // 4, 3 * size // 4)), 0)

    def test_icicle_fills_the_height_tapers_and_hangs_by_a_weakening_neck(self):
        icicle = open_picture("icicle").convert("RGBA")
        size = icicle.height
        row = lambda t: min(size - 1, int(t * size))  # noqa: E731
        middle = icicle.width // 2
        for t in (0.01, 0.1, 0.2, 0.5, 0.9, 0.96):
            with self.subTest(t=t):
                self.assertGreater(icicle.getpixel((middle, row(t)))[3], 200)
        # Narrowing from the top of the body (shown at full strength) down to the point.
        widths = [opaque_run(icicle, row(t)) for t in (0.17, 0.4, 0.7, 0.9)]
        self.assertEqual(widths, sorted(widths, reverse=True))
        self.assertGreater(widths[0], 3 * widths[-1])
        # The strip revealed while melting shows a neck thinner than the body.
        self.assertLess(opaque_run(icicle, row(0.1)), 0.7 * widths[0])

    def test_shadow_is_a_dark_fish_heading_right(self):
        shadow = open_picture("shadow").convert("RGBA")
        solid = [p for p in shadow.getdata() if p[3] > 128]
        self.assertGreater(len(solid), 0.1 * shadow.width * shadow.height)
        self.assertLess(sum(luminance(p[:3]) for p in solid) / len(solid), 50)

        columns = [sum(1 for y in range(shadow.height) if shadow.getpixel((x, y))[3] > 128) for x in range(shadow.width)]
        rows = [opaque_run(shadow, y) for y in range(shadow.height)]
        length = sum(1 for c in columns if c)
        width = sum(1 for r in rows if r)
        self.assertGreater(length, 2 * width, "a fish from above is long and slim")
        widest = columns.index(max(columns))
        self.assertGreater(widest, shadow.width // 2, "the broad head end should be on the right")

    def test_sun_is_a_bright_disc_fading_into_its_halo(self):
        sun = open_picture("sun").convert("RGBA")
        middle = sun.width // 2
        self.assertEqual(sun.getpixel((middle, middle))[3], 255)
        self.assertGreater(luminance(sun.getpixel((middle, middle))[:3]), 240)
        alphas = [sun.getpixel((middle + int(r * sun.width), middle))[3] for r in (0.1, 0.25, 0.35, 0.45)]
        self.assertEqual(alphas, sorted(alphas, reverse=True))
        self.assertGreater(alphas[1], alphas[3])

    def test_drop_and_fish_are_not_empty(self):
        for name in ("drop", "fish"):
            picture = open_picture(name).convert("RGBA")
            with self.subTest(name=name):
                self.assertGreater(region_alpha(picture, (0, 0, picture.width, picture.height)), 255 * picture.width * picture.height * 0.15)


if __name__ == "__main__":
    unittest.main()
