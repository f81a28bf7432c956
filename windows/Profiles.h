#pragma once

#include "Form.h"
#include "ui_Profiles.h"

class TForm2 : public TForm, private Ui_TForm2 {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
