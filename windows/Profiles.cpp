#include "Profiles.h"

#include "Fonts.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetClientSize(426, 275, true);
    SetFramePosition(84, 10);
    SetColor(QColor(0, 0, 128));
}
