"""The whole program through the interface screen readers use (AT-SPI), on X11 and on Wayland.

Usage: test_screenreader.py <quiz binary> x11|wayland|wayland-seat
The program is driven only by accessible actions and read only through accessible names, texts
and states; on Wayland nothing else can drive it from outside.
"""

import os
import sys
import time
import unittest

from desktop import MAIN, MAP, Desktop, wait_until

QUIZ = os.path.abspath(sys.argv.pop(1))
PLATFORM = sys.argv.pop(1)
RESULT = ("According to your answers, your political philosophy is Libertarian.  The red dot on "
          "the next screen shows where you fit on the political map.")
atspi = None  # the accessibility library, which joins the session's bus when imported


def find(root, role, name=None):
    """The first accessible below root with this role (and name), depth first."""
    if root.getRoleName() == role and name in (None, root.name):
        return root
    return next((found for child in root if child is not None
                 for found in [find(child, role, name)] if found is not None), None)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


class Reader:
    """The program as a screen reader sees it."""

    def __init__(self):
        desktop = atspi.Registry.getDesktop(0)
        self.app = wait_until(lambda: next((a for a in desktop if a and a.name == "Quiz!"), None))
        assert self.app, "the program is not on the accessibility bus"

    def showing(self):
        return [w.name for w in self.app if w and w.getState().contains(atspi.STATE_SHOWING)]

    def window(self, name):
        shown = wait_until(lambda: next((w for w in self.app if w and w.name == name and
                                         w.getState().contains(atspi.STATE_SHOWING)), None))
        assert shown, f"no window {name!r}; showing {self.showing()}"
        return shown

    def gone(self, name, timeout=10):
        assert wait_until(lambda: name not in self.showing(), timeout), f"{name!r} still shows"

    def control(self, window, role, name=None):
        found = find(self.window(window), role, name)
        assert found, f"no {role} {name!r} in {window!r}"
        return found

    def act(self, accessible, action="Press"):
        actions = accessible.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        try:
            actions.doAction(names.index(action))
        except Exception as error:
            # A menu item runs its handler inside the call, and a handler that opens a modal
            # window returns once that window closes: the call ends without an answer.
            if accessible.getRoleName() != "menu item" or "reply" not in str(error):
                raise

    def press(self, window, role, name):
        self.act(self.control(window, role, name), "Toggle" if role == "radio button" else "Press")

    def answer(self, window, button="OK"):
        self.press(window, "push button", button)
        self.gone(window)

    def checked(self, name):
        return self.control(MAIN, "radio button", name).getState().contains(atspi.STATE_CHECKED)


class ScreenReaderWalk(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        global atspi
        cls.desktop = Desktop(platform=PLATFORM, a11y=True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = cls.desktop.env["DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi
        from gi.repository import Atspi
        Atspi.set_timeout(1000, -1)  # how long to wait for a menu item's answer
        atspi = pyatspi

    @classmethod
    def tearDownClass(cls):
        cls.desktop.stop()

    def start(self):
        self.started = time.monotonic()
        process = self.desktop.quiz(QUIZ)
        self.addCleanup(lambda: process.poll() is None and process.kill())
        return process, Reader()

    def show_results(self, reader, sentence=None):
        reader.press(MAIN, "push button", "Show Results")
        if sentence:
            self.assertEqual(reader.control("Information", "label").name, sentence)
        reader.answer("Information")
        reader.window(MAP)
        reader.gone(MAIN)

    def test_whole_program(self):
        process, reader = self.start()
        # With the accessibility bridge on, the splash does not close itself after four seconds
        # but waits for the user. (The one wait for the timer that must not fire.)
        reader.window("About")
        time.sleep(max(0.0, self.started + 4.5 - time.monotonic()))
        self.assertIn("About", reader.showing())
        reader.answer("About")

        for question in range(1, 11):
            reader.press(MAIN, "radio button", f"Question {question}: Yes")
        self.assertTrue(all(reader.checked(f"Question {q}: Yes") for q in range(1, 11)))
        self.show_results(reader, RESULT)
        # The map describes its chart when it first paints.
        chart = wait_until(lambda: reader.control(MAP, "image", "Political map").description)
        for part in ("personal self-government score of 100",
                     "economic self-government score of 100", "Libertarian"):
            self.assertIn(part, chart)

        # Three windows deep: the map, the resources, one organisation.
        reader.press(MAP, "menu item", "Resources")
        reader.act(reader.control("Resources", "push button"))
        # The window takes its organisation's name when it first paints.
        organisation = wait_until(lambda: next(
            (n for n in reader.showing() if n not in (MAP, "Resources", "Your Name Here")), None))
        self.assertEqual(reader.showing(), [MAP, "Resources", organisation])
        self.assertTrue(text_of(reader.control(organisation, "text")))
        reader.answer(organisation)
        reader.answer("Resources")

        # A quotation read, part of it copied, and pasted into the history's notes; a Wayland
        # client can hold the clipboard only where the compositor has a seat.
        reader.press(MAP, "menu item", "   Conscription")
        quotes = reader.control("Topical Quotes", "text")
        quotation = wait_until(lambda: text_of(quotes))  # filled when the window paints
        self.assertIn("Constitution", quotation)
        if PLATFORM != "wayland":
            quotes.queryText().setSelection(0, 0, 25)
            reader.press("Topical Quotes", "menu item", "Copy")
        reader.answer("Topical Quotes")
        reader.press(MAP, "menu item", "Quiz history")
        if PLATFORM != "wayland":
            notes = reader.control("History of the Quiz", "text")
            notes.queryEditableText().pasteText(0)
            self.assertEqual(text_of(notes)[:25], quotation[:25])
        reader.answer("History of the Quiz")

        for item, title in [("Scoring", "Information"), ("Hmmmm...", "Try It Yourself!")]:
            reader.press(MAP, "menu item", item)
            reader.answer(title)

        # Restart keeping the answers, then restart without them.
        reader.press(MAP, "menu item", "Restart")
        reader.answer("Confirm", "Yes")
        self.assertTrue(reader.checked("Question 1: Yes"))
        self.show_results(reader)
        reader.press(MAP, "push button", "Restart")
        reader.answer("Confirm", "No")
        self.assertTrue(reader.checked("Question 1: Maybe"))
        reader.press(MAIN, "menu item", "Exit")
        self.assertEqual(process.wait(timeout=10), 0)

    def test_exit_from_the_map(self):
        process, reader = self.start()
        reader.answer("About")
        self.show_results(reader)
        # Neither the hidden quiz window's controls nor those of the map that the resources
        # window blocks take a press or a toggle, as they take no click.
        reader.press(MAP, "menu item", "Resources")
        quiz = next(w for w in reader.app if w and w.name == MAIN)
        reader.act(find(quiz, "push button", "Show Results"))
        yes = find(quiz, "radio button", "Question 1: Yes")
        reader.act(yes, "Toggle")
        reader.act(reader.control(MAP, "push button", "Restart"))
        # Nor do their menu commands.
        reader.act(find(quiz, "menu item", "Exit"))
        reader.act(reader.control(MAP, "menu item", "Exit"))
        # Nothing may end the program: waited on for as long as an action takes to land.
        self.assertIsNone(wait_until(lambda: process.poll() is not None, 1))
        self.assertEqual(reader.showing(), [MAP, "Resources"])
        self.assertFalse(yes.getState().contains(atspi.STATE_CHECKED))
        reader.answer("Resources")
        reader.press(MAP, "menu item", "Exit")
        self.assertEqual(process.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
