"""The four screens, the pause menu, the "new best" mark and the web page
keep their lettering, in every language, in the font the set-up installs."""

import copy
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art_support import LANGUAGES, LETTERED_OVERLAYS, SCREENS, SOURCE_DIR, luminance, open_picture, screen_source  # noqa: E402, E501
from PIL import Image  # noqa: E402

SVG = "{http://www.w3.org/2000/svg}"
ITS_TRANSLATE = "{http://www.w3.org/2005/11/its}translate"
ElementTree.register_namespace("", SVG[1:-1])
# Every lettered picture is drawn one unit of its view box to a unit of the
# canvas, about the canvas centre. A screen is drawn 800 units square, so
# its top and bottom 100 units are off the 800 by 600 window; letters keep a
# further margin from the edge of the window and of their picture.
VISIBLE_HALF_HEIGHT = 300
MARGIN = 12
LETTERED = SCREENS + LETTERED_OVERLAYS


def source(name, language="en"):
    return ElementTree.parse(screen_source(name, language)).getroot()


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


def view_box(root):
    """(left, top, width, height) of a picture's view box."""
    return tuple(float(number) for number in root.get("viewBox").split())


def lettering_box(root, text):
    """Where rsvg-convert draws one text element, as (left, top, right,
    bottom) in the picture's units: the picture's styles and that text
    alone, without its shadow and shown, rendered one pixel a unit."""
    alone = ElementTree.Element(root.tag, root.attrib)
    alone.extend(root.findall(SVG + "defs"))
    alone.append(copy.copy(text))
    alone[-1].attrib.pop("filter", None)
    # A line hidden in the picture as drawn for the mouse shows for a finger.
    alone[-1].attrib.pop("display", None)
    left, top, width, height = view_box(root)
    with tempfile.TemporaryDirectory() as folder:
        svg, png = os.path.join(folder, "text.svg"), os.path.join(folder, "text.png")
        ElementTree.ElementTree(alone).write(svg)
        size = ["--width", str(int(width)), "--height", str(int(height))]
        subprocess.run(["rsvg-convert", *size, "--output", png, svg], check=True)
        box = Image.open(png).getchannel("A").getbbox()
    return (box[0] + left, box[1] + top, box[2] + left, box[3] + top) if box else None


def panel_around(root, x, y):
    """What lettering at (x, y) must keep inside: the smallest rectangle of the
    picture around that point, less its rounded corners at the sides, within
    the visible band and, a texel to spare, the picture."""
    left, top, width, height = view_box(root)
    band = (max(left + 2, -400 + MARGIN), max(top + 2, -VISIBLE_HALF_HEIGHT + MARGIN),
            min(left + width - 2, 400 - MARGIN), min(top + height - 2, VISIBLE_HALF_HEIGHT - MARGIN))
    panel, smallest = band, float("inf")
    for rect in root.iter(SVG + "rect"):
        left, top = float(rect.get("x")), float(rect.get("y"))
        right, bottom = left + float(rect.get("width")), top + float(rect.get("height"))
        if left <= x <= right and top <= y <= bottom and (right - left) * (bottom - top) < smallest:
            inset = max(MARGIN, float(rect.get("rx", 0)))
            panel, smallest = (left + inset, top, right - inset, bottom), (right - left) * (bottom - top)
    return (max(panel[0], band[0]), max(panel[1], band[1]), min(panel[2], band[2]), min(panel[3], band[3]))


class Lettering(unittest.TestCase):
    def test_every_lettered_picture_has_lettering(self):
        for name in LETTERED:
            with self.subTest(picture=name):
                self.assertTrue(text_elements(source(name)))

    def test_every_language_keeps_its_lettering_inside_its_panel_and_the_visible_band(self):
        for language in LANGUAGES:
            for name in LETTERED:
                root = source(name, language)
                for element, transformed in text_elements(root):
                    with self.subTest(language=language, screen=name, text="".join(element.itertext())):
                        self.assertFalse(transformed, "place lettering by x and y only, so it can be checked")
                        box = lettering_box(root, element)
                        x, y = float(element.get("x")), float(element.get("y"))
                        panel = left, top, right, bottom = panel_around(root, x, y)
                        inside = box and left <= box[0] and top <= box[1] and box[2] <= right and box[3] <= bottom
                        self.assertTrue(inside, "drawn over %s, must keep inside %s: reword it shorter" % (box, panel))

    def test_every_translation_says_every_line_in_its_language(self):
        for name in LETTERED:
            english = text_elements(source(name))
            for language in LANGUAGES[1:]:
                translated = text_elements(source(name, language))
                for (original, _), (text, _) in zip(english, translated):
                    if original.get(ITS_TRANSLATE) != "no":
                        with self.subTest(language=language, screen=name, text=original.text):
                            self.assertNotEqual(text.text, original.text, "untranslated in po/%s.po" % language)

    def test_the_web_pages_words_script_says_every_word_in_every_language(self):
        page, maker = (os.path.join(SOURCE_DIR, *path) for path in (("web", "page.js"), ("cmake", "web", "page_words.py")))
        template = subprocess.run(["xgettext", "--language=JavaScript", "-k", "-k_", "--from-code=UTF-8", "--no-wrap",
                                   "-o", "-", page], capture_output=True, text=True, check=True).stdout
        messages = {json.loads(message) for message in re.findall(r'^msgid (".+")$', template, re.MULTILINE)}
        self.assertTrue(messages, "web/page.js marks no words with _()")
        script = subprocess.run([sys.executable, maker, "/dev/stdout", os.path.join(SOURCE_DIR, "po"), *LANGUAGES[1:]],
                                capture_output=True, text=True, check=True).stdout
        words = json.loads(script.split("=", 1)[1].strip().rstrip(";"))
        self.assertEqual(sorted(words), sorted(LANGUAGES[1:]))
        for language in LANGUAGES[1:]:
            with self.subTest(language=language):
                self.assertEqual(sorted(message for message in messages if words[language].get(message, message) == message),
                                 [], "untranslated, fuzzy or missing in po/%s.po" % language)

    def test_pictures_name_only_the_installed_font(self):
        families = set()
        for name in LETTERED + ["digits"]:
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
        for phrase in ("mouse", "left button", "snowy branch", "icicle", "fish shadow", "ten fish", "sun sets",
                       "click", "esc", "quit", "f11", "full screen", "pause", "sound", "volume",
                       "steer", "wasd", "shift", "fine aim", "focus", "space", "controller", "rt", "start"):
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
