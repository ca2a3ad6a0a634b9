"""The scene preview composes the built pictures into the two stills it
promises, with the light focused where the game would focus it."""

import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_support import IMG_DIR, SOURCE_DIR  # noqa: E402
from PIL import Image, ImageStat  # noqa: E402

PREVIEW = os.path.join(SOURCE_DIR, "tools", "art", "preview.py")


class Preview(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.TemporaryDirectory()
        run = subprocess.run(
            [sys.executable, PREVIEW, "--img", IMG_DIR, "--out", cls.out.name],
            capture_output=True,
            text=True,
            timeout=120,
        )
        cls.report = run.stdout
        if run.returncode != 0:
            raise AssertionError("preview failed:\n" + run.stdout + run.stderr)
        cls.day = Image.open(os.path.join(cls.out.name, "preview-day.png")).convert("RGB")
        cls.dusk = Image.open(os.path.join(cls.out.name, "preview-dusk.png")).convert("RGB")

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    def test_both_stills_fill_the_window(self):
        self.assertEqual(self.day.size, (800, 600))
        self.assertEqual(self.dusk.size, (800, 600))

    def test_the_glass_focuses_on_the_left_trees_lower_branch_in_both(self):
        lines = [line for line in self.report.splitlines() if "focus" in line]
        self.assertEqual(len(lines), 2, self.report)
        for line in lines:
            self.assertTrue(line.endswith("on branch 1"), line)

    def test_dusk_is_darker_and_warmer_than_day(self):
        day_r, day_g, day_b = ImageStat.Stat(self.day).mean
        dusk_r, dusk_g, dusk_b = ImageStat.Stat(self.dusk).mean
        self.assertLess(dusk_r + dusk_g + dusk_b, day_r + day_g + day_b)
        self.assertGreater(dusk_r - dusk_b, day_r - day_b + 40)

    def test_caught_fish_show_on_the_bank(self):
        # The fish row at y -167 is pixel row 467; the first fish is centred
        # at x -60, pixel column 340, and stands out from the pale snow.
        fish = self.day.crop((324, 451, 356, 483))
        snow = self.day.crop((184, 451, 216, 483))
        self.assertGreater(sum(ImageStat.Stat(snow).mean) - sum(ImageStat.Stat(fish).mean), 90)


if __name__ == "__main__":
    unittest.main()
