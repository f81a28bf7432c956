#pragma once

#include "Form.h"
#include "ui_Question.h"

class TForm1 : public TForm, private Ui_TForm1 {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

extern TForm1* Form1;
