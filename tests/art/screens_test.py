"""The four screens keep their lettering where the window shows it, in the
font the set-up installs."""

import os
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_support import SCREENS, SOURCE_DIR, luminance, open_picture  # noqa: E402

SVG = "{http://www.w3.org/2000/svg}"
# A screen is drawn 800 units square, so its top and bottom 100 units are
# off the 800 by 600 window; letters keep a further margin from the edge.
VISIBLE_HALF_HEIGHT = 300
MARGIN = 12


def source(name):
    return ElementTree.parse(os.path.join(SOURCE_DIR, "assets", "img", name + ".svg")).getroot()


def text_elements(root):
    """Each text element with its baseline, size and the transforms above it."""
    found = []

    def walk(element, transformed):
        transformed = transformed or "transform" in element.attrib
        if element.tag == SVG + "text":
            found.append((element, transformed))
        for child in element:
            walk(child, transformed)

    walk(root, False)
    return found


class Lettering(unittest.TestCase):
    def test_every_screen_has_lettering(self):
        for name in SCREENS:
            with self.subTest(screen=name):
                self.assertTrue(text_elements(source(name)))

    def test_lettering_stays_inside_the_visible_band(self):
        for name in SCREENS:
            for element, transformed in text_elements(source(name)):
                text = "".join(element.itertext()).strip()
                with self.subTest(screen=name, text=text):
                    self.assertFalse(transformed, "place lettering by x and y only, so it can be checked")
                    baseline = float(element.get("y"))
                    size = float(element.get("font-size"))
                    # The view box is 800 wide, centred, SVG y down.
                    self.assertGreaterEqual(baseline - size, -VISIBLE_HALF_HEIGHT + MARGIN)
                    self.assertLessEqual(baseline + 0.3 * size, VISIBLE_HALF_HEIGHT - MARGIN)

    def test_screens_name_only_the_installed_font(self):
        families = set()
        for name in SCREENS:
            root = source(name)
            for style in root.iter(SVG + "style"):
                families.update(part.split(";")[0].strip() for part in style.text.split("font-family:")[1:])
            for element in root.iter():
                if element.get("font-family"):
                    families.add(element.get("font-family"))
        self.assertTrue(families, "the screens name no font")
        for family in families:
            with self.subTest(family=family):
                matched = subprocess.run(
                    ["fc-match", "-f", "%{family}", family], capture_output=True, text=True, check=True
                ).stdout
                self.assertIn(family, matched.split(","), "font %s is not installed" % family)

    def test_instructions_explain_every_control_and_the_goal(self):
        words = " ".join(
            "".join(element.itertext()) for element, _ in text_elements(source("instructions"))
        ).lower()
        for phrase in ("mouse", "left button", "snowy branch", "icicle", "fish shadow", "ten fish", "sun sets", "click", "esc"):
            with self.subTest(phrase=phrase):
                self.assertIn(phrase, words)

    def test_result_screens_say_a_click_ends_the_game(self):
        for name in ("win", "lose"):
            words = " ".join("".join(e.itertext()) for e, _ in text_elements(source(name))).lower()
            with self.subTest(screen=name):
                self.assertIn("click", words)


class RenderedScreens(unittest.TestCase):
    def test_the_visible_band_shows_a_picture_not_a_blank(self):
        for name in SCREENS:
            picture = open_picture(name).convert("RGB")
            band = picture.crop((0, 128, 1024, 896)).resize((64, 48))
            levels = [luminance(p) for p in band.getdata()]
            mean = sum(levels) / len(levels)
            spread = (sum((v - mean) ** 2 for v in levels) / len(levels)) ** 0.5
            with self.subTest(screen=name):
                self.assertGreater(spread, 15)

    def test_win_is_brighter_than_lose(self):
        def mean_level(name):
            band = open_picture(name).convert("L").crop((0, 128, 1024, 896)).resize((64, 48))
            return sum(band.getdata()) / (64 * 48)

        self.assertGreater(mean_level("win"), mean_level("lose") + 30)


if __name__ == "__main__":
    unittest.main()
