#pragma once

#include <array>

#include "Form.h"
#include "ui_Profiles.h"

// The profiles window: the essay, the famous people and the small map of one philosophy. The
// philosophy is ProfileIndex, read again every time the window paints.
class TForm2 : public TForm, private Ui_TForm2 {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

protected:
    void FormPaint() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Button1Click();
    // The five small maps, in philosophy order (1 to 5).
    std::array<TPictureImage*, 5> SmallMaps() const;
    void HideMaps();
};

extern TForm2* Form2;
