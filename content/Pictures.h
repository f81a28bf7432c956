#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPoint>

#include "Colours.h"

class QPainter;
class QRectF;

// The program's pictures: the small profile maps, the organisations' logos, the program icon and
// the question-mark cursor. Everything is compiled in; nothing is read from disk at run time.
// Callers check the key (philosophy or organisation number) before they ask; a bad key asserts.
namespace content {

// The colours of a small political map.
struct SmallMapColours {
    QColor paper;     // the square round the diamond
    QColor ink;       // outlines and dividing lines
    QColor zones;     // the zones that are not highlighted
    QColor highlight; // the philosophy's own zone, an outer one
    QColor centre;    // the Centrists' square when it is highlighted
};

// The small map's colours in a look. As designed: a grey diamond outlined in black on white, the
// highlighted zone aqua (the square a hair brighter than the outer zones). In high contrast:
// drawn in the text colour on the background, the zone in the palette's highlight colour.
SmallMapColours SmallMapColoursOf(quiz::Look look);

// Draws the small political map of philosophy p (1 Libertarian, 2 Left Liberal, 3 Centrist,
// 4 Right Conservative, 5 Authoritarian) with that philosophy's zone highlighted. The map is a
// vector drawing stretched into box (each axis on its own), so it stays sharp at any size and
// device pixel ratio. The painter's state is left as it was.
void DrawSmallMap(QPainter& painter, const QRectF& box, int philosophy,
                  const SmallMapColours& colours = SmallMapColoursOf(quiz::Look::Design));

// The logo of organisation o (1 Heralds, 2 Lantern, 3 Tarrant, 4 Books, 5 Grove): a 1-bit image
// (QImage::Format_Mono, colour table black then white) at 300 dots per inch, at its own size.
QImage Logo(int organisation);

// The program icon: 32 x 32, 8-bit indexed, the standard 16 colours plus one transparent entry.
QImage ProgramIconImage();
QIcon ProgramIcon();

// The green check mark of a standard OK button, drawn at any size in the look of this run.
QIcon CheckMarkIcon();

// The question-mark cursor: 32 x 32, black, white and transparent, hot spot (16, 9).
QImage QuestionCursorImage();
QPoint QuestionCursorHotSpot();
QCursor QuestionCursor();

} // namespace content
