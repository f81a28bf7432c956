#include "Profiles.h"

#include <QPainter>

#include "Catalogue.h"
#include "Contrast.h"
#include "Fonts.h"
#include "Navigation.h"
#include "Pictures.h"
#include "ReadingWidgets.h"
#include "Texts.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetClientSize(426, 275, true);
    SetFramePosition(84, 10);
    SetColor(QColor::fromRgba(quiz::DesignNavy));

    const content::SmallMapColours colours = content::SmallMapColoursOf(quiz::CurrentLook());
    int philosophy = 1;
    for (TPictureImage* map : SmallMaps()) {
        map->SetDrawing([philosophy, colours](QPainter& painter, const QRectF& box) {
            content::DrawSmallMap(painter, box, philosophy, colours);
        });
        ++philosophy;
    }

    SetFirstFocus(Button1);
    SetCancelButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::FormPaint() {
    memProfile->clear();
    const int philosophy = quiz::ProfileIndex;
    if (!content::IsPhilosophy(philosophy))
        return;

    const QString caption = content::ProfileCaption(philosophy);
    if (windowTitle() != caption)
        setWindowTitle(caption);

    // The list's CR LF pairs separate its lines.
    memFamous->setPlainText(content::FamousList(philosophy).replace(QStringLiteral("\r\n"), "\n"));

    // The essay's pieces make one line, which the box wraps.
    memProfile->setPlainText(content::Essay(philosophy));

    TPictureImage* map = SmallMaps()[static_cast<std::size_t>(philosophy - 1)];
    if (map->isHidden())
        map->show();
}

void TForm2::closeEvent(QCloseEvent* event) {
    // Every way of closing (OK, Esc, the close box, the system menu) leaves no map showing, so
    // the next profile shows its own map alone.
    HideMaps();
    TForm::closeEvent(event);
}

void TForm2::Button1Click() {
    Close(); // the close hides the map
}

std::array<TPictureImage*, 5> TForm2::SmallMaps() const {
    return {imgMapLib, imgMapLeft, imgMapCent, imgMapRight, imgMapAuth};
}

void TForm2::HideMaps() {
    for (TPictureImage* map : SmallMaps())
        if (!map->isHidden())
            map->hide();
}
