#pragma once

#include "Form.h"
#include "ui_Address.h"

class TForm7 : public TForm, private Ui_TForm7 {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

extern TForm7* Form7;
