"""The live scene draws the sky only above canvas y 60, where the land is
wholly opaque below, and blends the land only up to y 130, where it is
wholly clear above: the land picture must keep to both lines, with a texel
to spare for the texture filtering, or the scene would show a gap."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_support import open_picture  # noqa: E402

UNITS_PER_ROW = 800 / 1024  # the land is drawn 800 units square


class LandBands(unittest.TestCase):
    def test_land_is_opaque_below_and_clear_above_the_lines_the_scene_draws_by(self):
        alpha = open_picture("bg").convert("RGBA").getchannel("A")
        for row in range(alpha.height):
            low, high = alpha.crop((0, row, alpha.width, row + 1)).getextrema()
            with self.subTest(row=row):
                if 400 - (row + 2) * UNITS_PER_ROW <= 60:
                    self.assertEqual(low, 255, "see-through land")
                if 400 - (row - 1) * UNITS_PER_ROW >= 130:
                    self.assertEqual(high, 0, "land above the line")


if __name__ == "__main__":
    unittest.main()
