#pragma once

#include "Form.h"
#include "ui_About.h"

class TAboutBox : public TForm, private Ui_TAboutBox {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

extern TAboutBox* AboutBox;
