#include "Question.h"

#include "Fonts.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetClientSize(635, 442, true);
    SetFramePosition(-2, -1);
    SetColor(Qt::white);
}
