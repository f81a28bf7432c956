"""The real program under Wayland compositors that leave the title bars to it (weston) or keep no
child window above its parent (sway), and at fractional scales.

Usage: test_desktops.py <quiz binary> [test case, such as Maximise]
"""

import json
import os
import re
import subprocess
import sys
import unittest

from desktop import MAIN, MAP, SCREEN, Desktop, wait_until

QUIZ = os.path.abspath(sys.argv.pop(1))


def screen(d, colour=None):
    """The screen's pixel at (x, y); with a colour, (left, top, width, height) around that colour
    below weston's panel, specks such as a window icon's left out."""
    path = f"{d.home}/screen.png"
    d.run("grim", path) if d.platform == "sway" else d.run("import", "-window", "root", path)
    if colour:
        box = subprocess.run(["convert", path, "-crop", f"{SCREEN[0]}x{SCREEN[1] - 40}+0+40",
                              "+repage", "-fill", "black", "+opaque", colour, "-morphology", "Open",
                              "Square:2", "-format", "%@", "info:"], capture_output=True, text=True)
        width, height, left, top = map(int, re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", box.stdout)
                                       .groups())
        return left, top + 40, width, height
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True).stdout
    return lambda x, y: tuple(raw[3 * (y * SCREEN[0] + x):3 * (y * SCREEN[0] + x + 1)])


class Maximise(unittest.TestCase):
    """Weston requires a maximised window to take the size it gives. Qt's title bars there have a
    maximise button on every window, and weston's keys maximise the focused window."""

    def maximise(self, d, process, colour, size=None):
        """By the window's button, 37 pixels left of its client's right edge in Qt's title bar,
        or without a size by weston's key."""
        if size:
            client = wait_until(lambda: (found := screen(d, colour))[2:] == size and found, 15)
            self.assertTrue(client, f"no {size} window of {colour}")
            d.click(client[0] + client[2] - 37, client[1] - 36)
        for step in [] if size else ["keydown Super_L", "keydown Shift_L", "key m",
                                     "keyup Shift_L", "keyup Super_L"]:
            d.run("xdotool", *step.split())
        grown = wait_until(lambda: screen(d, colour)[2] >= SCREEN[0] - 6, 5)
        self.assertIsNone(process.poll(), "the program ended")
        self.assertTrue(grown, f"the window of {colour} did not take the screen's width")

    def test_maximising_keeps_the_program(self):
        with Desktop(platform="wayland-seat") as d:
            process = d.quiz(QUIZ)
            # The splash closes by itself first: a window that it blocks may be maximised too,
            # but would not take the keys that follow.
            grey = lambda: int(float(subprocess.run(
                ["convert", d.screenshot(f"{d.home}/grey.png", (0, 0, *SCREEN)), "-fill", "black",
                 "+opaque", "#efefef", "-fill", "white", "-opaque", "#efefef", "-format",
                 "%[fx:mean*w*h]", "info:"], capture_output=True, text=True).stdout or 0))
            wait_until(lambda: grey() > 100000)  # the splash, 431 x 310
            self.assertTrue(wait_until(lambda: grey() < 60000), "the splash stayed")
            self.maximise(d, process, "#ffffff", (635, 442))  # the quiz window
            d.key("Return")
            self.maximise(d, process, "#efefef")  # the result message
            d.key("Return")
            self.maximise(d, process, "#00ffff", (540, 440))  # the map
            d.key("alt+f", "x")
            self.assertEqual(process.wait(timeout=10), 0)


def windows(d):
    stack = [json.loads(d.run("swaymsg", "-t", "get_tree"))]
    while stack:
        node = stack.pop()
        stack += node.get("nodes", []) + node.get("floating_nodes", [])
        if node.get("type") == "floating_con":
            yield node


class BuriedModal(unittest.TestCase):
    """Sway raises a window it focuses, also one that a modal window blocks. The program asks for
    its top modal window to be activated, which sway marks as urgent by default and honours with
    the setting below, and veils the blocked window."""

    def window(self, d, title=(), **state):
        """The window with this title (or any title but these) in this state."""
        shown = wait_until(lambda: next((w for w in windows(d) if state.items() <= w.items() and (
            w["name"] == title if isinstance(title, str) else w["name"] not in title)), None))
        self.assertTrue(shown, f"no window {title!r} with {state}")
        return shown

    def bury(self, d, blocked, modal, activation):
        d.run("swaymsg", f'[title="^{modal}$"] focus')  # which ends an urgency
        d.run("swaymsg", f'[title="^{blocked}$"] focus')
        self.window(d, modal, **{activation: True})
        box = self.window(d, blocked)["rect"]  # on top and veiled: no bright channel left
        self.assertLess(max(screen(d)(box["x"] + 9, box["y"] + box["height"] - 5)), 250)

    def test_a_blocked_window_hands_the_activation_on(self):
        for setting, activation in [("", "urgent"), ("focus_on_window_activation focus",
                                                     "focused")]:
            with self.subTest(activation), Desktop(platform="sway", a11y=True, sway=setting) as d:
                process = d.quiz(QUIZ)
                self.window(d, "About", focused=True)
                d.run("wtype", "-k", "Return")
                self.window(d, MAIN, focused=True)
                d.run("wtype", "-M", "alt", "-k", "q", "-m", "alt", "-k", "c")
                self.bury(d, MAIN, self.window(d, "Topical Quotes", focused=True)["name"],
                          activation)
                d.run("swaymsg", '[title="^Topical Quotes$"] kill')  # its close box
                d.run("swaymsg", f'[title="^{MAIN}$"] focus')
                d.run("wtype", "-k", "Return", "-s", "500", "-k", "Return", "-s", "500", "-M",
                      "alt", "-k", "i", "-m", "alt", "-k", "r")
                self.window(d, "Resources", focused=True)
                # The seat has no pointer, but a screen reader presses a logo.
                d.run("/usr/bin/python3", "-c", "import pyatspi as a\nlogos = next(w for p in "
                      "a.Registry.getDesktop(0) if p.name == 'Quiz!' for w in p if w.name == "
                      "'Resources')\na.findDescendant(logos, lambda c: c.getRoleName() == "
                      "'push button').queryAction().doAction(0)")
                organisation = self.window(d, (MAP, "Resources"), focused=True)["name"]
                for blocked in (MAP, "Resources"):
                    self.bury(d, blocked, organisation, activation)
                for title in (organisation, "Resources", MAP, MAIN):  # by their close boxes
                    self.window(d, title)  # the quiz window shows again once the map closes
                    d.run("swaymsg", f'[title="^{title}$"] kill')
                    self.assertTrue(wait_until(lambda: all(w["name"] != title
                                                           for w in windows(d))), title)
                self.assertEqual(process.wait(timeout=10), 0)


class Scales(unittest.TestCase):
    """Each frame line of the quiz window's question boxes where the scale puts the line at 1: by
    the toolkit's own factor, and by the font resolution of the X resources."""

    def box_lines(self, env=None, dpi=None):
        """The frame lines across the row just inside the top of each row of boxes."""
        with Desktop() as d:
            if dpi:
                d.run("sh", "-c", f"echo Xft.dpi: {dpi} | xrdb -merge")
            process = d.quiz(QUIZ, env)
            d.closed(wait_until(lambda: d.window("About")), "Return")
            left, top, width, height = d.client(d.window(MAIN))
            at, scale, line = screen(d), round(width / 635, 2), (182, 182, 182)  # white, darker
            column = left + round(227 * scale)  # between the statements and the answers
            tops = [y for y in range(top, top + height) if at(column, y) == line][::2]
            d.key("alt+f", "x")
            self.assertEqual(process.wait(timeout=10), 0)
            return [[round((x - left) / scale) for x in range(max(left, 0), left + width)
                     if at(x, y + 2) == line] for y in tops]

    def test_the_map_keeps_its_title_bar_on_screen(self):
        """The design puts the map's frame 4 pixels above the screen, its border; at 1.5 the
        same 4 device pixels, not 6 that would cut the title bar."""
        for scale in ("1", "1.5"):
            with self.subTest(scale=scale), Desktop() as d:
                process = d.quiz(QUIZ, {"QT_SCALE_FACTOR": scale})
                d.closed(wait_until(lambda: d.window("About")), "Return")
                d.opened("Information", "Return")
                top = d.frame(d.opened(MAP, "Return"))[1]
                self.assertTrue(-4 <= top <= -3 if scale == "1.5" else top == -4, top)
                d.key("alt+f", "x")
                self.assertEqual(process.wait(timeout=10), 0)

    def test_every_box_keeps_its_four_sides(self):
        at_one = self.box_lines()
        self.assertEqual([len(row) for row in at_one], [4] * 5, at_one)  # two boxes a row
        for kind in [{"env": {"QT_SCALE_FACTOR": "1.25"}}, {"dpi": 168}]:
            with self.subTest(**kind):
                self.assertEqual(self.box_lines(**kind), at_one)


if __name__ == "__main__":
    unittest.main()
