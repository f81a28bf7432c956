#pragma once

#include "Form.h"
#include "Timer.h"
#include "ui_About.h"

// The About window: program icon, product line and credits. It doubles as the splash, which
// differs only in that its timer is armed.
class TAboutBox : public TForm, private Ui_TAboutBox {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Idle (interval 0) unless the quiz window arms it for the splash; its tick closes the window.
    TTimer* const Timer1;

private:
    void OKButtonClick();
    void Timer1Timer();
};

extern TAboutBox* AboutBox;
