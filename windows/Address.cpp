#include "Address.h"

#include "Accessibility.h"
#include "Catalogue.h"
#include "Fonts.h"
#include "Navigation.h"
#include "ReadingWidgets.h"
#include "Texts.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    // Announced by its name as a dialog, not as a further frame beside the resources dialog.
    quiz::ReadAsDialog(this);
    setFont(quiz::SystemFont());
    SetOuterSize(423, 321);
    SetFramePosition(120, 98);

    SetFirstFocus(memAddress);
    SetCancelButton(btnOK);
    connect(btnOK, &QPushButton::clicked, this, &TForm7::btnOKClick);
    connect(mnuEditCopy, &QAction::triggered, this, &TForm7::mnuEditCopyClick);
}

void TForm7::FormPaint() {
    memAddress->clear();
    const int organisation = quiz::OrganisationIndex;
    if (!content::IsOrganisation(organisation))
        return;
    const QString caption = content::OrganisationName(organisation);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    memAddress->setPlainText(content::OrganisationDetails(organisation).join(u'\n'));
}

void TForm7::btnOKClick() {
    Close();
}

void TForm7::mnuEditCopyClick() {
    memAddress->copy();
}
