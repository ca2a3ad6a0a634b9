"""The live scene draws the sky only above the line under which the land is
wholly opaque, and blends the land only up to the line above which it is
wholly clear (canvas y 60 and 130): the land picture must keep to both, with
a texel to spare for the texture filtering, or the scene would show a gap."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_support import open_picture  # noqa: E402

LAND_OPAQUE_BELOW = 60
LAND_CLEAR_ABOVE = 130
CANVAS_UNITS_PER_ROW = 800 / 1024  # the land is drawn 800 units square


class LandBands(unittest.TestCase):
    def test_land_is_opaque_below_and_clear_above_the_lines_the_scene_draws_by(self):
        land = open_picture("bg").convert("RGBA")
        alpha = land.getchannel("A")
        width, height = land.size
        for row in range(height):
            # The canvas heights this row's texels reach into, one texel each way.
            top = 400 - (row - 1) * CANVAS_UNITS_PER_ROW
            bottom = 400 - (row + 2) * CANVAS_UNITS_PER_ROW
            low, high = alpha.crop((0, row, width, row + 1)).getextrema()
            if bottom <= LAND_OPAQUE_BELOW:
                with self.subTest(row=row):
                    self.assertEqual(low, 255, "see-through land at canvas y %.1f" % bottom)
            if top >= LAND_CLEAR_ABOVE:
                with self.subTest(row=row):
                    self.assertEqual(high, 0, "land above canvas y %.1f" % top)


if __name__ == "__main__":
    unittest.main()
