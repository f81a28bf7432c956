#pragma once

#include "Form.h"
#include "ui_Quotes.h"

// The topical quotes window: the quotations on one quiz topic under that topic's statement. The
// topic is TopicIndex, read again every time the window paints.
class TForm5 : public TForm, private Ui_TForm5 {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

protected:
    void FormPaint() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnOKClick();
    void mnuEditCopyClick();
};

extern TForm5* Form5;
