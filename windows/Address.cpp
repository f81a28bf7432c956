#include "Address.h"

#include "Fonts.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetOuterSize(423, 321);
    SetFramePosition(120, 98);
}
