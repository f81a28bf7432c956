#include "Texts.h"

namespace content {

namespace {

// Five paragraphs of three lines, broken by hand; the box shows the lines as they stand.
const char* const History[] = {
    "The Heralds of Orrisvane wrote the ten questions of this quiz in the spring of 1987, to open ",
    "the talk at their reading circles.  Members kept asking where they stood, and the only "
    "answer ",
    "on offer was a single line from left to right, with everyone who did not fit in the middle.",
    "",
    "The trouble with the line was easy to see.  Some people wanted government out of their "
    "private ",
    "lives but not out of the marketplace; others wanted just the reverse.  One line could not "
    "tell ",
    "them apart, so the quiz asks about personal freedom and economic freedom separately.",
    "",
    "Five questions feed each of the two scores.  Set side by side, the scores mark a point on a ",
    "square chart turned on its corner into a diamond: more freedom on both scales toward the "
    "top, ",
    "less on both toward the bottom, and the familiar left and right at the two sides.",
    "",
    "Early copies went round on photocopied sheets; Dana Whitcomb then put the quiz on floppy "
    "disks ",
    "for user-group meetings.  The Heralds still look after the ten questions, and they have let ",
    "this program use them ever since.",
    "",
    "Avery Quill wrote this program and this history.  Version 6.1 is the first for Windows 95 "
    "and ",
    "Windows NT, with quotations on each topic, profiles of the five philosophies and a list of ",
    "groups to contact.  Take the quiz as often as you like: nothing is saved when you leave.",
};

} // namespace

QStringList HistoryLines() {
    QStringList lines;
    for (const char* line : History)
        lines << QString::fromUtf8(line);
    return lines;
}

} // namespace content
