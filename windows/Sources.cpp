#include "Sources.h"

#include "Fonts.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetOuterSize(581, 387);
    SetFramePosition(39, 14);
    SetColor(QColor(0, 255, 255));
}
