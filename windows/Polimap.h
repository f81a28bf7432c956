#pragma once

#include "Form.h"
#include "ui_Polimap.h"

class TForm3 : public TForm, private Ui_TForm3 {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

extern TForm3* Form3;
