#include "Texts.h"

#include <QCoreApplication>

namespace content {

// The captions of the About box's labels. The three long ones are word-wrapped by their labels,
// so their wording is chosen to fill the boxes' three, three and four lines.
AboutTexts About() {
    const auto shown = [](const char* text) { return QCoreApplication::translate("About", text); };
    return {
        shown(QT_TRANSLATE_NOOP("About", "QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996")),
        shown(QT_TRANSLATE_NOOP("About", "By Avery Quill, avery.quill@example.com")),
        QStringLiteral("http://www.example.com/~aquill/quiz.html"),
        shown(QT_TRANSLATE_NOOP(
            "About", "Copyright \u00a9 1996 Avery Quill.  All rights reserved.  You may copy "
                     "this program and give it away free of charge, provided that all of "
                     "its files are passed on together and unchanged.")),
        shown(QT_TRANSLATE_NOOP(
            "About", "The ten questions of the quiz itself are used by kind permission of the "
                     "Heralds of Orrisvane, 2750 Bellwether Lane, Suite 12, Tollisford, KS "
                     "00042, who hold the rights to them.")),
        shown(QT_TRANSLATE_NOOP(
            "About", "Thanks to Dana Whitcomb for the earlier versions of the quiz on disk, and "
                     "to Jules Ferrante for compiling the topical quotations.  The quiz is also "
                     "available for the Macintosh, for OS/2 and for DOS, and on paper from the "
                     "Heralds of Orrisvane.")),
    };
}

} // namespace content
