#include "Quotes.h"

#include "Fonts.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetOuterSize(605, 470);
    SetFramePosition(17, 3);
    SetColor(QColor(0, 0, 128));
}
