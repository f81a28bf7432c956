#include "Polimap.h"

#include "Fonts.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetClientSize(540, 440, true);
    SetFramePosition(43, -4);
    SetColor(QColor(0, 255, 255));
}
