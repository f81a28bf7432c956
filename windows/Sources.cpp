#include "Sources.h"

#include "Accessibility.h"
#include "Address.h"
#include "Contrast.h"
#include "Cursors.h"
#include "Fonts.h"
#include "Navigation.h"
#include "Pictures.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    // Screen readers read the invitation when it opens.
    quiz::ReadAsDialog(this);
    setFont(quiz::SystemFont());
    SetOuterSize(581, 387);
    SetFramePosition(39, 14);
    SetColor(QColor::fromRgba(quiz::DesignAqua));

    Label1->setFont(quiz::PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    QPalette text = Label1->palette();
    text.setColor(QPalette::WindowText, quiz::TextColour(QColor::fromRgba(quiz::DesignBlack)));
    Label1->setPalette(text);

    int organisation = 1;
    for (TPictureImage* logo : {imgHeralds, imgLantern, imgTarrant, imgBooks, imgGrove}) {
        logo->SetBitmap([organisation] { return content::Logo(organisation); });
        ++organisation;
    }

    SetFirstFocus(btnOK);
    SetCancelButton(btnOK);
    connect(imgHeralds, &TPictureImage::Click, this, &TForm6::imgHeraldsClick);
    connect(imgLantern, &TPictureImage::Click, this, &TForm6::imgLanternClick);
    connect(imgTarrant, &TPictureImage::Click, this, &TForm6::imgTarrantClick);
    connect(imgBooks, &TPictureImage::Click, this, &TForm6::imgBooksClick);
    connect(imgGrove, &TPictureImage::Click, this, &TForm6::imgGroveClick);
    connect(btnOK, &QPushButton::clicked, this, &TForm6::btnOKClick);
}

void TForm6::FormCreate() {
    // The quiz window, created first, has registered the question-mark cursor as number 1.
    for (TPictureImage* logo : {imgHeralds, imgLantern, imgTarrant, imgBooks, imgGrove})
        logo->setCursor(quiz::CursorNumber(1));
}

void TForm6::imgHeraldsClick() {
    ShowOrganisation(1);
}

void TForm6::imgLanternClick() {
    ShowOrganisation(2);
}

void TForm6::imgTarrantClick() {
    ShowOrganisation(3);
}

void TForm6::imgBooksClick() {
    ShowOrganisation(4);
}

void TForm6::imgGroveClick() {
    ShowOrganisation(5);
}

void TForm6::ShowOrganisation(int organisation) {
    quiz::OrganisationIndex = organisation;
    Form7->ShowModal();
}

void TForm6::btnOKClick() {
    Close();
}
