#pragma once

#include "Form.h"
#include "ui_Sources.h"

class TForm6 : public TForm, private Ui_TForm6 {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

extern TForm6* Form6;
