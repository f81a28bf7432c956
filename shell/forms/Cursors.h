#pragma once

#include <QCursor>

namespace quiz {

// The program-wide cursor table. Number 1 is the question-mark cursor that the quiz window
// registers when it is created; a number nobody registered gives the ordinary arrow.
void RegisterCursor(int number, const QCursor& cursor);
QCursor CursorNumber(int number);

} // namespace quiz
