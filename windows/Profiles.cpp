#include "Profiles.h"

#include <QPainter>

#include "Catalogue.h"
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
    SetColor(QColor(0, 0, 128));

    const std::pair<TPictureImage*, int> maps[] = {
        {imgMapLib, 1}, {imgMapLeft, 2}, {imgMapCent, 3}, {imgMapRight, 4}, {imgMapAuth, 5}};
    for (const auto& [image, philosophy] : maps)
        image->SetDrawing([philosophy](QPainter& painter, const QRectF& box) {
            content::DrawSmallMap(painter, box, philosophy);
        });

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

    memFamous->clear();
    // The list's CR LF pairs separate its lines.
    memFamous->setPlainText(content::FamousList(philosophy).replace(QStringLiteral("\r\n"), "\n"));

    // The essay is put together piece by piece into one line, which the box wraps.
    const QStringList pieces = content::EssayPieces(philosophy);
    memProfile->clear();
    for (const QString& piece : pieces)
        memProfile->setPlainText(memProfile->toPlainText() + piece);

    TPictureImage* const maps[] = {imgMapLib, imgMapLeft, imgMapCent, imgMapRight, imgMapAuth};
    TPictureImage* map = maps[philosophy - 1];
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
    HideMaps();
    Close();
}

void TForm2::HideMaps() {
    for (TPictureImage* map : {imgMapLib, imgMapLeft, imgMapCent, imgMapRight, imgMapAuth})
        if (!map->isHidden())
            map->hide();
}
