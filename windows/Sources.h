#pragma once

#include "Form.h"
#include "ui_Sources.h"

// The resources window: five organisations' logos; a click on one shows that organisation's
// details in the organisation window.
class TForm6 : public TForm, private Ui_TForm6 {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

protected:
    void FormCreate() override;

private:
    void imgHeraldsClick();
    void imgLanternClick();
    void imgTarrantClick();
    void imgBooksClick();
    void imgGroveClick();
    void btnOKClick();
    void ShowOrganisation(int organisation);
};

extern TForm6* Form6;
