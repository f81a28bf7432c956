#pragma once

#include "Form.h"
#include "ui_History.h"

class TForm4 : public TForm, private Ui_TForm4 {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};

extern TForm4* Form4;
