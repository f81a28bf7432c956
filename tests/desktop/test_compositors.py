"""The real program on the desktops most people run: GNOME Shell and plain mutter, KWin on Wayland
and on X11; on Wayland natively and through the desktop's own Xwayland. One walk for all: the
splash, answers by keys, the result, the map and each reading window; the top of a modal stack
minimised by the desktop's own means and brought back by the user; a close request sent to a
window that a modal window blocks; and where the dialogs stand against the window that opened
them.

Usage: test_compositors.py <quiz binary> <mutter|gnome-shell|kwin-wayland|kwin-x11> <client>
where client is "wayland" (the program on the compositor itself) or "xwayland".
"""

import itertools
import json
import os
import re
import subprocess
import sys
import time
import unittest

from desktop import MAIN, MAP, SCREEN, Desktop, wait_until

QUIZ = os.path.abspath(sys.argv.pop(1))
DESKTOP, CLIENT = sys.argv.pop(1), sys.argv.pop(1)
PROFILE = "Profiles: Authoritarians"  # Alt+P, A on the map
# Each window's background, by which a screenshot finds it where no window list can be read.
BACKGROUND = {MAIN: "#ffffff", "Information": "#efefef", "About": "#efefef", MAP: "#00ffff",
              PROFILE: "#000080"}


class X11Windows:
    """The program's windows as an X window manager shows them: kwin_x11, or the desktop's
    Xwayland, whose window manager is the compositor."""

    def __init__(self, d):
        self.d, self.env = d, d.xwayland() if d.compositor and DESKTOP != "kwin-x11" else {}

    def x(self, *argv):
        return self.d.run(*argv, env=self.env)

    def ids(self):
        rows = [line.split(None, 3) for line in self.x("wmctrl", "-l").splitlines()]
        return {row[3]: int(row[0], 16) for row in rows if len(row) > 3}

    def state(self):
        """{title: active} of the windows that show: mapped and not minimised (mutter keeps a
        minimised window mapped)."""
        active = self.x("xprop", "-root", "_NET_ACTIVE_WINDOW").rsplit(" ", 1)[-1].strip()
        return {title: active.startswith("0x") and int(active, 16) == wid
                for title, wid in self.ids().items()
                if "IsViewable" in self.x("xwininfo", "-id", str(wid)) and "_NET_WM_STATE_HIDDEN"
                not in self.x("xprop", "-id", str(wid), "_NET_WM_STATE")}

    def frame(self, title):
        wid = self.ids()[title]
        info = dict(line.strip().split(": ", 1) for line in
                    self.x("xwininfo", "-id", str(wid)).splitlines() if ": " in line)
        left, top, width, height = (int(info[key]) for key in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        extents = self.x("xprop", "-id", str(wid), "_NET_FRAME_EXTENTS").split("=")[-1]
        el, er, et, eb = (int(n) for n in extents.split(",")) if "," in extents else (0,) * 4
        return left - el, top - et, width + el + er, height + et + eb

    def work_area(self):
        area = self.x("xprop", "-root", "_NET_WORKAREA").split("=")[-1].split(",")[:4]
        return tuple(int(n) for n in area) if len(area) == 4 else (0, 0, *SCREEN)  # no panel

    def minimise(self, title):
        """Asks the window manager, and waits for its answer and the program's: every window of
        the stack minimised with it, or the top back where the window manager minimised it alone
        and offered the focus to its opener (mutter)."""
        self.x("xdotool", "windowminimize", str(self.ids()[title]))
        assert wait_until(lambda: title not in self.state()), f"{title!r} not minimised"
        wait_until(lambda: not self.state() or title in self.state(), 5)

    def bring_back(self, title):  # as a task list does
        self.x("wmctrl", "-i", "-a", hex(self.ids()[title]))

    def close(self, title):  # the window manager's close request, as from the close box
        self.x("wmctrl", "-i", "-c", hex(self.ids()[title]))


class KWinWindows:
    """The program's windows as KWin's scripting interface lists them over D-Bus."""

    calls = itertools.count()

    def __init__(self, d):
        self.d = d

    def script(self, body):
        """Runs JavaScript in KWin over each window `w` of the program; returns what it printed."""
        n = next(self.calls)
        path = f"{self.d.tmp}/script{n}.js"
        with open(path, "w") as script:
            script.write(f"var tag = 'QUIZ{n} '; var ws = workspace.clientList();"
                         f" for (var i = 0; i < ws.length; i++) {{ var w = ws[i]; {body} }}"
                         " print(tag + 'end');")
        call = ["dbus-send", "--session", "--dest=org.kde.KWin", "--print-reply", "/Scripting"]
        self.d.run(*call, "org.kde.kwin.Scripting.loadScript", f"string:{path}", f"string:q{n}")
        self.d.run(*call, "org.kde.kwin.Scripting.start")
        said = wait_until(lambda: f"QUIZ{n} end" in self.d.log() and re.findall(
            rf"QUIZ{n} (.*)", self.d.log()), 10)
        self.d.run(*call, "org.kde.kwin.Scripting.unloadScript", f"string:q{n}")
        assert said, "KWin ran no script"
        return said[:-1]

    def windows(self):
        return {w["caption"]: w for w in map(json.loads, self.script(
            "print(tag + JSON.stringify({caption: w.caption, minimized: w.minimized, active:"
            " w.active, x: w.frameGeometry.x, y: w.frameGeometry.y, width: w.frameGeometry.width,"
            " height: w.frameGeometry.height}));"))}

    def state(self):
        return {title: w["active"] for title, w in self.windows().items() if not w["minimized"]}

    def frame(self, title):
        w = self.windows()[title]
        return w["x"], w["y"], w["width"], w["height"]

    def act(self, title, statement):
        self.script(f"if (w.caption == {json.dumps(title)}) {{ {statement} }}")

    def minimise(self, title):
        """Asks KWin, and waits for the program's answer: KWin minimises the top alone and
        activates its opener, and the program hands that activation back to the top. Qt Wayland
        reports an activation only once the compositor has answered a round trip, and a second
        activation of the opener within it would go unreported, as no user could click."""
        self.act(title, "w.minimized = true;")
        wait_until(lambda: self.state().get(title) or not self.state(), 5)

    def bring_back(self, title):  # as the task manager does
        self.act(title, "workspace.activeClient = w;")

    def close(self, title):  # as the task manager's Close does
        self.act(title, "w.closeWindow();")


class GnomeWindows:
    """The program's windows on mutter or GNOME Shell, which list them nowhere a test can read:
    which show and which is active as a screen reader hears it (AT-SPI), where they stand by
    their backgrounds in a screenshot, the user's keys and clicks through the nested seat."""

    def __init__(self, d):
        self.d = d
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = d.env["DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi
        self.atspi = pyatspi

    def state(self):
        app = next((a for a in self.atspi.Registry.getDesktop(0) if a and a.name == "Quiz!"), None)
        windows = [w for w in app or [] if w]
        return {w.name: w.getState().contains(self.atspi.STATE_ACTIVE) for w in windows
                if w.getState().contains(self.atspi.STATE_SHOWING)}

    def frame(self, title):
        """The box of the window's background, its title bar left out."""
        path = f"{self.d.tmp}/screen.png"
        self.d.run("import", "-window", "root", path)
        box = subprocess.run(["convert", path, "-fill", "black", "+opaque", BACKGROUND[title],
                              "-morphology", "Open", "Square:3", "-format", "%@", "info:"],
                             capture_output=True, text=True).stdout
        found = re.match(r"(\d+)x(\d+)\+(\d+)\+(\d+)", box)
        if not found or found[1] == "0":
            return None  # not drawn yet, or veiled
        width, height, left, top = map(int, found.groups())
        return left, top, width, height

    def minimise(self, title):  # the focused window, by GNOME's key
        self.d.key("super+h")

    def bring_back(self, title):  # a click on the window that shows
        left, top, width, height = wait_until(lambda: self.frame(title))
        self.d.run("xdotool", "mousemove", str(left + 10), str(top + height - 10), "click", "1")

    def close(self, title):
        """Qt draws the title bars here: a click on the close button, at the right end of the bar
        above the menu bar."""
        left, top, width, _ = wait_until(lambda: self.frame(title))
        self.d.run("xdotool", "mousemove", str(left + width - 14), str(top - 36), "click", "1")


def command(d, menu, item):
    """A menu command by its keys, typed at a person's pace: a sanitized build opens its menus
    slowly, and an item's key typed ahead of its menu is lost."""
    d.run("xdotool", "key", "--delay", "250", menu, item)


class Walk(unittest.TestCase):
    def shown(self, view, title, active=True):
        seen = {}

        def check():
            seen.update(state=view.state())
            return title in seen["state"] and (seen["state"][title] or not active)
        self.assertTrue(wait_until(check, 15), f"{title!r} not shown and active: {seen}")

    def gone(self, view, title):
        self.assertTrue(wait_until(lambda: title not in view.state(), 15), f"{title!r} stays")

    def over(self, view, title, opener, centred=False):
        """Where the dialog settles: on X11, where the program places its windows, centred on the
        work area if the program centres it; elsewhere with its middle on its opener."""
        seen = []

        def placed():
            box, under = view.frame(title), view.frame(opener)
            if not box or not under:  # a window whose background is gone is veiled: here
                seen[:] = [f"no {title} or {opener} in its colour: veiled?"]  # nothing is buried
                return False
            if centred and isinstance(view, X11Windows):
                left, top, width, height = view.work_area()
                want = (left + (width - box[2]) // 2, top + (height - box[3]) // 2)
                seen[:] = [f"{title} at {box}, centred at {want}"]
                return max(abs(box[0] - want[0]), abs(box[1] - want[1])) <= 1
            middle = (box[0] + box[2] // 2, box[1] + box[3] // 2)
            seen[:] = [f"{title} at {box}, its opener {opener} at {under}"]
            return (under[0] <= middle[0] < under[0] + under[2] and
                    under[1] <= middle[1] < under[1] + under[3])
        self.assertTrue(wait_until(placed, 15), seen)  # a sanitized build draws slowly
        print(seen[0])

    def test_the_program_on_this_desktop(self):
        wayland = DESKTOP != "kwin-x11"
        platform = DESKTOP if wayland else "x11"
        with Desktop(platform=platform, wm="kwin_x11", a11y=True) as d:
            process = d.quiz(QUIZ, xwayland=wayland and CLIENT == "xwayland")
            view = (X11Windows if CLIENT != "wayland" else
                    KWinWindows if DESKTOP == "kwin-wayland" else GnomeWindows)(d)

            self.shown(view, "About")  # the splash
            self.over(view, "About", MAIN, centred=True)
            d.key("Return")
            self.gone(view, "About")
            self.shown(view, MAIN)  # keys typed before the desktop hands the focus back are lost
            d.key("Tab", "Left", "shift+Tab")  # a Yes to the first statement, back to the button
            d.key("Return")  # Show Results
            self.shown(view, "Information")
            self.over(view, "Information", MAIN, centred=True)
            d.key("Return")
            self.shown(view, MAP)

            # The top of the stack minimised by the desktop and brought back from its opener.
            command(d, "alt+p", "a")
            self.shown(view, PROFILE)
            self.over(view, PROFILE, MAP)
            view.minimise(PROFILE)
            view.bring_back(MAP)
            self.shown(view, PROFILE)
            d.key("Return")  # the next key reaches the profile: its OK
            self.gone(view, PROFILE)
            self.shown(view, MAP)

            # A close request to the map while the profile blocks it.
            command(d, "alt+p", "a")
            self.shown(view, PROFILE)
            view.close(MAP)
            # The request must not close the map: waited on for as long as an answer takes.
            self.assertIsNone(wait_until(lambda: MAP not in view.state(), 3), "the map closed")
            self.shown(view, PROFILE)
            d.key("Return")
            self.gone(view, PROFILE)
            self.shown(view, MAP)

            for keys, title in [(("alt+q", "c"), "Topical Quotes"),
                                (("alt+i", "q"), "History of the Quiz"),
                                (("alt+i", "r"), "Resources"), (("alt+h", "a"), "About")]:
                with self.subTest(title):
                    command(d, *keys)
                    self.shown(view, title)
                    d.key("alt+F4") if CLIENT == "wayland" and wayland else view.close(title)
                    self.gone(view, title)
                    self.shown(view, MAP)
            d.key("alt+f", "x")
            self.assertEqual(process.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
