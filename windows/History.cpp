#include "History.h"

#include "Fonts.h"
#include "Texts.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetOuterSize(619, 413);
    SetFramePosition(-2, 0);
    SetCancelButton(btnCloseHistory);
    SetFirstFocus(btnCloseHistory);
    Memo1->setPlainText(content::HistoryLines().join(QLatin1Char('\n')));
    Memo1->setAccessibleName(tr("History of the quiz"));
    connect(btnCloseHistory, &QPushButton::clicked, this, &TForm4::btnCloseHistoryClick);
}

void TForm4::btnCloseHistoryClick() {
    Close();
}
