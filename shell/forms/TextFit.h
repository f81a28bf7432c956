#pragma once

#include <QSize>

class QWidget;

namespace quiz {

// Makes room for every text that is larger than the box the design gives it (a translation runs
// longer than English): a word-wrapped label grows downwards, a label on one line, a button, a
// radio button or a group box's caption grows to the right. What lies wholly below a grown
// control moves down by as much as it grew, and what lies to its right on the same rows moves
// right; a group box grows around its grown contents. Controls whose texts fit keep their
// geometry to the pixel. Returns how much the container itself must grow.
QSize FitTexts(QWidget& container);

// A label whose text changes as its window paints (a score, a topic) names every text it will
// show in this property (a QStringList); its box is then fitted to the largest of them, while it
// shows its design text until the first paint.
inline constexpr char ShownTextsProperty[] = "quizShownTexts";

} // namespace quiz
