"""The program used by keys alone with Orca, the screen reader, listening: what Orca says is what
a blind user hears.

Usage: test_orca.py <quiz binary>
Orca runs with its speech server off and logs each utterance; the program gets only the keys that
xdotool types, one at a time once Orca has finished speaking.
"""

import os
import re
import sys
import unittest
import xml.etree.ElementTree as ElementTree

from desktop import MAIN, Desktop, wait_until

QUIZ = os.path.abspath(sys.argv.pop(1))
QUOTATION = ["Where is it written in the Constitution", "that you may take children from",
             "compel them to fight the battles", "-Benjamin Franklin, 1755"]
RESULT = ("Your philosophy is Centrist. The red dot marks a personal self-government score of 50 "
          "and an economic self-government score of 50.")
COPIED = "Quiz!\n" + RESULT.replace(". ", ".\n") + "\n"
STATEMENT = "Military service should be voluntary, never compulsory"


class Once(str):
    """A phrase that must be said exactly once in its step."""


# The walk: the keys of each step, what Orca must say in answer, what it must not say yet, and
# what must then be on the X clipboard.
WALK = [
    # The splash is read whole, web address included, and waits for the user.
    ((), ["About dialog QUIZ Version 6.1", "Web address: http://www.example.com/~aquill/quiz.html",
          "used by kind permission of the Heralds of Orrisvane", "OK push button"], []),
    (("Return",), [f"{MAIN} frame", "Show Results push button"], []),
    # Up and Down move along the row of answers; the statement is said once per Tab.
    (("Tab", "Up"), [Once(STATEMENT), "Question 1: Yes", "selected radio button"], []),
    (("Down",), ["Question 1: Maybe"], [STATEMENT]),
    (("shift+Tab", "Return"), ["Information dialog According to your answers, your political "
                               "philosophy is Centrist."], []),
    # The map says the result on arrival, and copies it.
    (("Return",), ["The Political Map frame", RESULT, "Your Profile push button"], []),
    (("ctrl+c",), [], [], COPIED),
    # A quotation read line by line, then all of it after Ctrl+A.
    (("alt", "q", "c"), ["Topical Quotes dialog Topic: Military service should be voluntary, "
                         "never compulsory."], []),
    (("Tab",), ["read only text", QUOTATION[0]], [QUOTATION[1]]),
    (("Down",), [QUOTATION[1]], [QUOTATION[0], QUOTATION[2]]),
    (("Down",), [QUOTATION[2]], [QUOTATION[1]]),
    (("shift+Up",), [QUOTATION[1], "selected"], []),
    (("ctrl+a", "KP_Add"), ["entire document selected", *QUOTATION], []),
    (("shift+Tab", "Return"), ["The Political Map frame"], []),
    # An organisation opened from the resources by keys, announced by its name as a dialog.
    (("alt", "i", "r"), ["Resources dialog Here are some of the many organizations devoted to "
                         "self-government.", "OK push button"], []),
    (("Tab",), ["Heralds of Orrisvane logo push button"], []),
    (("Tab", "space"), ["LANTERN VESSIMAR dialog", "Organization details read only text"],
     ["LANTERN VESSIMAR frame", "unfocused"]),
    (("Down",), ["418 Lamplighter Row"], []),
    (("Tab", "Return"), ["Resources dialog", "Lantern Vessimar logo push button"], []),
    (("Escape",), ["The Political Map frame"], []),
    # Back on the map from About with the focus on Restart: the result is said again, and so is
    # the web address in the About box.
    (("Tab",), ["Restart push button"], []),
    (("alt", "h", "a"), ["About dialog", "Web address: http://www.example.com/~aquill/quiz.html"],
     []),
    (("Return",), ["The Political Map frame", RESULT, "Restart push button"], []),
    # Restart answered Yes: the second visit to the map says the result again, on whichever
    # button the desktop leaves the focus.
    (("Return",), ["Confirm dialog Keep your old answers?", "Yes push button"], []),
    (("y",), [f"{MAIN} frame", "Show Results push button"], []),
    (("Return",), ["Information dialog"], []),
    (("Return",), ["The Political Map frame", RESULT, "push button"], []),
    # Restart's question, answered No by Esc.
    (("alt", "f", "r"), ["Confirm dialog Keep your old answers?"], []),
    (("Escape",), [f"{MAIN} frame", "Show Results push button"], []),
]


def german_walk():
    """The walk's first steps with the program in German (Orca itself speaks English), in the
    words of the program's German catalogue."""
    path = os.path.join(os.path.dirname(__file__), "../../content/translations/quiz_de.ts")
    words = {(context.findtext("name"), message.findtext("source")): message.findtext("translation")
             for context in ElementTree.parse(path).getroot() for message in context.iter("message")}

    def de(context, english, *values):
        text = words[(context, english)]
        for n, value in enumerate(values, 1):
            text = text.replace(f"%{n}", str(value))
        return text

    key = lambda context, english: re.search(r"&(\w)", de(context, english))[1].lower()
    centrist, main = de("Questions", "Centrist"), de("TForm1", "Meridian Political Quiz") + " frame"
    result = (de("Results", "Your philosophy is %1.", centrist) + " " +
              de("Results", "The red dot marks a personal self-government score of %1 and an "
                            "economic self-government score of %2.", 50, 50))
    answer = lambda word: de("TForm1", "Question %1: %2", 1, de("TForm1", word))
    walk = [
        ((), [de("TAboutBox", "About") + " dialog " +
              de("About", "QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996"),
              de("TAboutBox", "Web address: %1", "http://www.example.com/~aquill/quiz.html")], []),
        (("Return",), [main, de("TForm1", "Show Results") + " push button"], []),
        (("Tab", "Up"), [de("Questions", "Military service should be voluntary, never compulsory"),
                         answer("Yes")], []),
        (("Down",), [answer("Maybe")], []),  # every answer Maybe: a centrist
        (("shift+Tab", "Return"), [de("TMessageForm", "Information") + " dialog " + de(
            "Results", "According to your answers, your political philosophy is %1.  The red dot "
            "on the next screen shows where you fit on the political map.", centrist).split(
                ".  ")[0]], []),
        (("Return",), [de("TForm3", "The Political Map") + " frame", result], []),
        (("ctrl+c",), [], [], "Quiz!\n" + result.replace(". ", ".\n") + "\n"),
        # Restart's question, answered No by Esc: back at the questions.
        (("alt", key("TForm3", "&File"), key("TForm3", "&Restart")),
         [de("TMessageForm", "Confirm") + " dialog " + de("TForm3", "Keep your old answers?")], []),
        (("Escape",), [main], []),
    ]
    return walk, ("alt", key("TForm3", "&File"), key("TForm3", "E&xit"))


class OrcaWalk(unittest.TestCase):
    def test_keys_alone_with_orca_speaking(self):
        self.walk(WALK, ("alt", "f", "x"), {})

    def test_the_program_in_german(self):
        walk, leave = german_walk()
        self.walk(walk, leave, {"LANGUAGE": "de", "LC_ALL": "de_DE.UTF-8"})

    def walk(self, steps, leave, language):
        with Desktop(a11y=True) as d:
            orca = d.orca()
            process = d.quiz(QUIZ, env=language)
            transcript, faults = [], []
            for keys, heard, unheard, *copied in steps:
                if keys:
                    d.run("xdotool", "key", "--delay", "600", *keys)
                said = orca.hear(*heard, timeout=15)
                transcript.append(f"{' '.join(keys) or '(wait)'}: {said}")
                faults += [f"{keys}: not said: {p!r}" for p in heard if p not in said]
                faults += [f"{keys}: said {said.count(p)} times: {p!r}" for p in heard
                           if isinstance(p, Once) and said.count(p) > 1]
                faults += [f"{keys}: said too early: {p!r}" for p in unheard if p in said]
                for text in copied:  # read back from the X server, as another program would
                    clipboard = lambda: d.run("xclip", "-o", "-selection", "clipboard")
                    if not wait_until(lambda: clipboard() == text, timeout=5):
                        faults.append(f"{keys}: clipboard holds {clipboard()!r}")
            # Orca leaves first: a program that ended while Orca was still asking it things left
            # a D-Bus message unfreed inside libdbus (2 of 5 runs under the sanitizers).
            orca.process.terminate()
            orca.process.wait(timeout=10)
            d.run("xdotool", "key", "--delay", "600", *leave)
            self.assertEqual(process.wait(timeout=20), 0)
            self.assertEqual(faults, [], "\n".join(transcript))


if __name__ == "__main__":
    unittest.main()
