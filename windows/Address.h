#pragma once

#include "Form.h"
#include "ui_Address.h"

// The organisation window: one organisation's name as the caption and its details below. The
// organisation is OrganisationIndex, read again every time the window paints.
class TForm7 : public TForm, private Ui_TForm7 {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

protected:
    void FormPaint() override;

private:
    void btnOKClick();
    void mnuEditCopyClick();
};

extern TForm7* Form7;
