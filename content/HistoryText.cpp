#include "Texts.h"

#include <QCoreApplication>

namespace content {

namespace {

// Five paragraphs of three lines, broken by hand; the box shows the lines as they stand, and a
// translation breaks its own.
const char* const History[] = {
    QT_TRANSLATE_NOOP("History", "The Heralds of Orrisvane wrote the ten questions of this quiz in "
                                 "the spring of 1987, to open \n"
                                 "the talk at their reading circles.  Members kept asking where "
                                 "they stood, and the only answer \n"
                                 "on offer was a single line from left to right, with everyone who "
                                 "did not fit in the middle."),
    QT_TRANSLATE_NOOP(
        "History",
        "The trouble with the line was easy to see.  Some people wanted government out of their "
        "private \n"
        "lives but not out of the marketplace; others wanted just the reverse.  One line could not "
        "tell \n"
        "them apart, so the quiz asks about personal freedom and economic freedom separately."),
    QT_TRANSLATE_NOOP(
        "History",
        "Five questions feed each of the two scores.  Set side by side, the scores mark a point on "
        "a \n"
        "square chart turned on its corner into a diamond: more freedom on both scales toward the "
        "top, \n"
        "less on both toward the bottom, and the familiar left and right at the two sides."),
    QT_TRANSLATE_NOOP("History", "Early copies went round on photocopied sheets; Dana Whitcomb "
                                 "then put the quiz on floppy disks \n"
                                 "for user-group meetings.  The Heralds still look after the ten "
                                 "questions, and they have let \n"
                                 "this program use them ever since."),
    QT_TRANSLATE_NOOP(
        "History",
        "Avery Quill wrote this program and this history.  Version 6.1 is the first for Windows 95 "
        "and \n"
        "Windows NT, with quotations on each topic, profiles of the five philosophies and a list "
        "of \n"
        "groups to contact.  Take the quiz as often as you like: nothing is saved when you leave."),
};

} // namespace

QStringList HistoryLines() {
    QStringList lines;
    for (const char* paragraph : History) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QCoreApplication::translate("History", paragraph).split(u'\n');
    }
    return lines;
}

} // namespace content
