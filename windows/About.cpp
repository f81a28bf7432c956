#include "About.h"

#include "Fonts.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetClientSize(431, 310, true);
}
