#pragma once

#include "Form.h"
#include "ui_History.h"

// The history of the quiz. The text box is editable and keeps what the user typed until the
// program ends.
class TForm4 : public TForm, private Ui_TForm4 {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

private:
    void btnCloseHistoryClick();
};

extern TForm4* Form4;
