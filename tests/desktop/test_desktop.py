"""The real program under a real X server and window manager, driven by keys and clicks.

Usage: test_desktop.py <quiz binary> [test case, such as Frames]
With QUIZ_SCREENSHOTS set to a folder, the theme test keeps its screenshots there.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

from desktop import MAIN, MAP, SCREEN, Desktop, processes, wait_until

QUIZ = os.path.abspath(sys.argv.pop(1))
FIRST_STATEMENT = (60, 170)  # on the screen, where the quiz window's frame is at (-2, -1)


def start(d, env=None):
    """The program up with its splash closed; returns its process and its quiz window."""
    process = d.quiz(QUIZ, env)
    quiz = wait_until(lambda: d.window(MAIN))
    d.closed(wait_until(lambda: d.window("About")), "Return")
    return process, quiz


def show_map(d):
    d.opened("Information", "Return")
    return d.opened(MAP, "Return")


def organisation_over_map(d):
    """Opens the resources from the map, then the first organisation: the deepest stack."""
    resources = d.opened("Resources", "alt+i", "r")
    left, top, _, _ = d.client(resources)
    return resources, d.opened(None, click=(left + 90, top + 150))


def exit_status(d, process):
    d.key("alt+f", "x")
    return process.wait(timeout=10)


class Frames(unittest.TestCase):
    desktop, work = {}, (0, 0, *SCREEN)  # where centred windows centre

    def test_every_window_stands_where_its_frame_belongs(self):
        with Desktop(**self.desktop) as d:
            process = d.quiz(QUIZ)
            seen, (left, top, width, height) = [], self.work

            def check(wid, name, designed=None):
                """Where the window settles: the program puts it right once it shows framed."""
                def placed():
                    frame = d.frame(wid)
                    want = (designed[0], max(designed[1], top or designed[1])) if designed else (
                        left + width // 2 - frame[2] // 2, top + height // 2 - frame[3] // 2)
                    said = f"{name}: frame {frame[2]} x {frame[3]} at {frame[:2]}, want {want}"
                    return said, max(abs(frame[0] - want[0]), abs(frame[1] - want[1])) <= 1
                wait_until(lambda: placed()[1], 3)
                said, right = placed()
                seen.append(said)
                self.assertTrue(right, said)

            quiz = wait_until(lambda: d.window(MAIN))
            check(quiz, "quiz window", (-2, -1))
            # The window manager knows each modal window's opener (the quotes and organisation
            # windows are plain windows, whose transient parent Qt does not tell it).
            owned = lambda wid, owner: self.assertIn(
                hex(owner), d.run("xprop", "-id", str(wid), "WM_TRANSIENT_FOR"))
            about = wait_until(lambda: d.window("About"))
            check(about, "splash (centred)")
            owned(about, quiz)
            d.closed(about, "Return")
            statement = [a + b - c for a, b, c in zip(FIRST_STATEMENT, d.frame(quiz), (-2, -1))]
            quotes = d.opened("Topical Quotes", click=statement)
            check(quotes, "quotes", (17, 3))
            owned(quotes, quiz)
            d.closed(quotes)
            check(d.opened("Information", "Return"), "result message (centred)")
            check(d.opened(MAP, "Return"), "map", (43, -4))
            for keys, title, want in [(("alt+p", "l"), "Profiles: Libertarians", (84, 10)),
                                      (("alt+q", "c"), "Topical Quotes", (17, 3)),
                                      (("alt+i", "q"), "History of the Quiz", (-2, 0)),
                                      (("alt+h", "s"), "Information", None),
                                      (("alt+h", "a"), "About", None)]:
                wid = d.opened(title, *keys)
                check(wid, title + ("" if want else " (centred)"), want)
                d.closed(wid)
            resources, organisation = organisation_over_map(d)
            check(resources, "resources", (39, 14))
            check(organisation, "organisation", (120, 98))
            owned(organisation, resources)
            d.closed(organisation)
            d.closed(resources)
            check(d.opened("Confirm", "alt+f", "r"), "restart question (centred)")
            d.key("n")
            wait_until(lambda: d.window(MAIN))
            check(quiz, "quiz window again", (-2, -1))
            print("\n".join(seen))
            self.assertEqual(exit_status(d, process), 0)


class FramesBelowPanel(Frames):
    desktop, work = {"panel": 30}, (0, 30, SCREEN[0], SCREEN[1] - 30)


class FramesOnTwoMonitors(Frames):
    """The quiz window's monitor is on the left, the primary one on its right."""
    desktop = {"monitors": [SCREEN, (1920, 1080)]}


class Minimise(unittest.TestCase):
    wm = True

    def minimise(self, d, stack, target):
        d.run("xdotool", "windowminimize", str(target))

    def minimise_and_restore(self, d, stack, target):
        """Minimises one window of a modal stack, then restores the program from its bottom
        window, as from a task list."""
        self.minimise(d, stack, target)

        # Every window of the stack goes with it: none is left waiting on a hidden one.
        if not wait_until(lambda: not any(d.viewable(w) for w in stack), timeout=5):
            self.fail(f"{[w for w in stack if d.viewable(w)]} still shown")
        # And it stays minimised until the user restores it: no request of the program's own
        # brings its top back (a wait for something that must not happen).
        back = wait_until(lambda: [w for w in stack if d.viewable(w)], timeout=1.5)
        self.assertIsNone(back, f"{back} came back by themselves")
        d.run("wmctrl", "-i", "-a", hex(stack[0]))
        self.assertTrue(wait_until(lambda: all(d.viewable(w) for w in stack)), "not restored")
        self.assertTrue(wait_until(
            lambda: d.run("xdotool", "getactivewindow").strip() == str(stack[-1])))

    def click_then_key(self, d, blocked, top, key):
        """Clicks a window that the top of the stack blocks, where the top leaves it uncovered,
        and presses a key that closes the top: the window manager gives the X focus to the window
        clicked, and the program hands it on to the top, which takes the key."""
        left, up, width, height = d.client(blocked)
        x, y, w, h = d.frame(top)
        spot = next(p for p in [(left + 5, up + height - 5), (left + width - 5, up + height - 5),
                                (left + width - 5, up + 5)]
                    if not (x <= p[0] < x + w and y <= p[1] < y + h))
        focus = lambda: int(d.run("xdotool", "getwindowfocus").strip() or 0)
        self.assertTrue(wait_until(lambda: focus() == top), "the top never had the X focus")
        d.run("xdotool", "mousemove", "--sync", *map(str, spot), "click", "1")
        # The focus on the top for half a second: the window manager's focus on the window clicked
        # came and went (a wait for the focus leaving the top again, which must not happen).
        since = time.monotonic()

        def settled():
            nonlocal since
            if focus() != top:
                since = time.monotonic()
            return time.monotonic() - since >= 0.5
        self.assertTrue(wait_until(settled, timeout=5), f"the X focus is on {focus():#x}")
        d.closed(top, key)

    def test_no_window_waits_on_a_minimised_one(self):
        with Desktop(wm=self.wm) as d:
            process, quiz = start(d)
            quotes = d.opened("Topical Quotes", click=FIRST_STATEMENT)
            self.click_then_key(d, quiz, quotes, "Escape")
            quotes = d.opened("Topical Quotes", click=FIRST_STATEMENT)
            self.minimise_and_restore(d, [quiz, quotes], quotes)
            d.closed(quotes)
            themap = show_map(d)
            profile = d.opened(None, "alt+p", "a")
            self.click_then_key(d, themap, profile, "Escape")
            profile = d.opened(None, "alt+p", "a")
            self.minimise_and_restore(d, [themap, profile], profile)
            d.closed(profile)
            resources, organisation = organisation_over_map(d)
            for target in (organisation, resources, themap):
                self.minimise_and_restore(d, [themap, resources, organisation], target)
            self.assertFalse(d.viewable(quiz), "the quiz window came back over the map")
            d.closed(organisation)
            d.closed(resources)
            self.assertEqual(exit_status(d, process), 0)


class MinimiseXfwm4(Minimise):
    """xfwm4 turns down a request to minimise from a window with an owner, but its key does it
    to the focused window, the top of the stack, as its title bar button does."""
    wm = "xfwm4"

    def minimise(self, d, stack, target):
        d.key("alt+F9")


def dark_pixels(path, area):
    return int(float(subprocess.run(
        ["convert", path, "-crop", "{2}x{3}+{0}+{1}".format(*area), "-colorspace", "gray",
         "-threshold", "50%", "-format", "%[fx:(1-mean)*w*h]", "info:"],
        capture_output=True, text=True, check=True).stdout))


class Theme(unittest.TestCase):
    folder = os.environ.get("QUIZ_SCREENSHOTS") or tempfile.mkdtemp(prefix="quiz-theme-")
    captured = {}

    def capture(self, theme, folder):
        if theme in self.captured:
            return self.captured[theme]
        with Desktop(theme=theme) as d:
            process, quiz = start(d)
            shot = lambda name, wid, area: d.screenshot(f"{folder}/{theme}-{name}.png", area(wid))
            shots = {"quiz": shot("quiz", quiz, d.frame), "quiz client": shot("qc", quiz, d.client),
                     "message": shot("mc", d.opened("Information", "Return"), d.client)}
            themap = d.opened(MAP, "Return")
            shots.update(map=shot("map", themap, d.frame), mapc=shot("mapc", themap, d.client))
            self.assertEqual(exit_status(d, process), 0)
            self.captured[theme] = shots
            return shots

    def test_dark_theme_leaves_the_design_colours(self):
        light, dark = self.capture("light", self.folder), self.capture("dark", self.folder)
        # Title, statements of the left column, menu bar; the message beside its icon (which is
        # the desktop's own); the map's captions.
        for shot, area in [("quiz client", (0, 30, 635, 50)), ("quiz client", (0, 100, 305, 300)),
                           ("quiz client", (0, 0, 635, 19)), ("message", (50, 0, 653, 92)),
                           ("mapc", (0, 19, 540, 70))]:
            with self.subTest(shot=shot, area=area):
                want = dark_pixels(light[shot], area)
                self.assertGreater(want, 200)
                self.assertEqual(dark_pixels(dark[shot], area), want)

    def test_high_contrast_inverse_is_light_on_black(self):
        light = self.capture("light", self.folder)
        inverse = self.capture("HighContrastInverse", self.folder)
        # The quiz window's and the map's backgrounds beside their controls; their whole client
        # areas below the menu bar, and the quiz window's title and the map's captions.
        for shot, spot, design, whole, text in [
                ("quiz client", (625, 450), "srgb(255,255,255)", (0, 19, 635, 442), (0, 19, 635, 50)),
                ("mapc", (4, 100), "srgb(0,255,255)", (0, 19, 540, 440), (0, 19, 540, 70))]:
            with self.subTest(shot=shot):
                self.assertEqual(pixel(light[shot], spot), design)
                self.assertEqual(pixel(inverse[shot], spot), "srgb(0,0,0)")
                self.assertGreater(dark_pixels(inverse[shot], whole), 0.8 * whole[2] * whole[3])
                self.assertGreater(text[2] * text[3] - dark_pixels(inverse[shot], text), 1000)


def pixel(path, spot):
    return subprocess.run(["convert", path, "-format", "%[pixel:p{{{},{}}}]".format(*spot), "info:"],
                          capture_output=True, text=True, check=True).stdout


class NoSessionBus(unittest.TestCase):
    def splash_time(self, d, home):
        started = time.monotonic()
        process = d.quiz(QUIZ, {"HOME": home})
        wait_until(lambda: d.window("About"), interval=0.01)
        elapsed = time.monotonic() - started
        wait_until(lambda: d.window(MAIN))
        d.closed(d.window("About"), "Return")
        self.assertEqual(exit_status(d, process), 0)
        return elapsed

    def test_nothing_outlives_the_program_and_the_splash_is_prompt(self):
        with Desktop() as d:
            with_bus = self.splash_time(d, d.home)
        with Desktop(bus=False) as d:
            home = f"{d.tmp}/read-only-home"
            os.mkdir(home, 0o555)
            without = self.splash_time(d, home)
            leftovers = list(processes(having=f"HOME={home}"))
            for pid in leftovers:  # what the program left behind ends with the test
                os.kill(pid, signal.SIGTERM)
            self.assertEqual(leftovers, [])
            self.assertEqual(os.listdir(home), [])
        print(f"splash after {with_bus * 1000:.0f} ms with a session bus, "
              f"{without * 1000:.0f} ms without")
        self.assertLess(without, max(1.0, 3 * with_bus))


if __name__ == "__main__":
    unittest.main()
