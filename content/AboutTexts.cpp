#include "Texts.h"

namespace content {

// The captions of the About box's labels. The three long ones are word-wrapped by their labels,
// so their wording is chosen to fill the boxes' three, three and four lines.
const AboutTexts& About() {
    static const AboutTexts texts{
        QStringLiteral("QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996"),
        QStringLiteral("By Avery Quill, avery.quill@example.com"),
        QStringLiteral("http://www.example.com/~aquill/quiz.html"),
        QString::fromUtf8("Copyright \u00a9 1996 Avery Quill.  All rights reserved.  You may copy "
                          "this program and give it away free of charge, provided that all of "
                          "its files are passed on together and unchanged."),
        QStringLiteral("The ten questions of the quiz itself are used by kind permission of the "
                       "Heralds of Orrisvane, 2750 Bellwether Lane, Suite 12, Tollisford, KS "
                       "00042, who hold the rights to them."),
        QStringLiteral("Thanks to Dana Whitcomb for the earlier versions of the quiz on disk, and "
                       "to Jules Ferrante for compiling the topical quotations.  The quiz is also "
                       "available for the Macintosh, for OS/2 and for DOS, and on paper from the "
                       "Heralds of Orrisvane."),
    };
    return texts;
}

} // namespace content
