#pragma once

#include "Form.h"
#include "ui_Quotes.h"

class TForm5 : public TForm, private Ui_TForm5 {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

extern TForm5* Form5;
