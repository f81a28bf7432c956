#include "About.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "Pictures.h"
#include "Texts.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent)
    : TForm(parent)
    , Timer1(new TTimer(this)) {
    setupUi(this);
    // Screen readers read the product line, credits and permission when it opens.
    quiz::ReadAsDialog(this);
    // A dialog frame: fixed size, close box, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(quiz::SystemFont());
    SetClientSize(431, 310, true);
    SetCentredOnScreen(true);
    SetFirstFocus(OKButton);
    SetDefaultButton(OKButton);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    const content::AboutTexts texts = content::About();
    ProductName->setText(texts.productName);
    Version->setText(texts.version);
    Label2->setText(texts.label2);
    // Screen readers skip a dialog's labels of fewer than three words, which a bare address is.
    //: Read by screen readers in the splash: keep at least two words before the address (%1),
    //: or the reader skips it.
    Label2->setAccessibleName(tr("Web address: %1").arg(texts.label2));
    Copyright->setText(texts.copyright);
    Comments->setText(texts.comments);
    Label1->setText(texts.label1);
    ProgramIcon->setPixmap(QPixmap::fromImage(content::ProgramIconImage()));
    ProgramIcon->setAccessibleName(tr("Program icon"));
    ProgramIcon->setAccessibleDescription(
        tr("A small political map: a blue diamond with its top zone in aqua"));

    const QFont bold = quiz::PixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    for (QWidget* control : {static_cast<QWidget*>(ProductName), static_cast<QWidget*>(Version),
                             static_cast<QWidget*>(Label2), static_cast<QWidget*>(Copyright),
                             static_cast<QWidget*>(Comments), static_cast<QWidget*>(Label1),
                             static_cast<QWidget*>(OKButton)})
        control->setFont(bold);
    OKButton->setIcon(content::CheckMarkIcon());
    OKButton->setIconSize(QSize(16, 16));

    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TAboutBox::OKButtonClick() {
    Close();
}

void TAboutBox::Timer1Timer() {
    Close();
}
