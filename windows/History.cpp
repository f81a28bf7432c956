#include "History.h"

#include "Fonts.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetOuterSize(619, 413);
    SetFramePosition(-2, 0);
}
