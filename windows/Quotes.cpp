#include "Quotes.h"

#include "Accessibility.h"
#include "Catalogue.h"
#include "Contrast.h"
#include "Fonts.h"
#include "Navigation.h"
#include "ReadingWidgets.h"
#include "TextFit.h"
#include "Texts.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    // Screen readers read the topic heading when it opens.
    quiz::ReadAsDialog(this);
    setFont(quiz::SystemFont());
    SetOuterSize(605, 470);
    SetFramePosition(17, 3);
    SetColor(QColor::fromRgba(quiz::DesignNavy));

    lblTopic->setFont(quiz::PixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    QPalette topic = lblTopic->palette();
    topic.setColor(QPalette::Window, quiz::SurfaceColour(QColor::fromRgba(quiz::DesignNavy)));
    topic.setColor(QPalette::WindowText, quiz::TextColour(QColor::fromRgba(quiz::DesignWhite)));
    lblTopic->setPalette(topic);

    // The heading names the topic as the window paints: its box makes room for every topic.
    QStringList captions;
    for (int n = 1; n <= content::TopicCount; ++n)
        captions << content::TopicCaption(n);
    lblTopic->setProperty(quiz::ShownTextsProperty, captions);

    SetFirstFocus(btnOK);
    SetCancelButton(btnOK);
    connect(btnOK, &QPushButton::clicked, this, &TForm5::btnOKClick);
    connect(mnuEditCopy, &QAction::triggered, this, &TForm5::mnuEditCopyClick);
}

void TForm5::FormPaint() {
    memQuotes->clear();
    const int topic = quiz::TopicIndex;
    if (!content::IsTopic(topic))
        return;
    const QString caption = content::TopicCaption(topic);
    if (lblTopic->text() != caption)
        lblTopic->setText(caption);
    memQuotes->setPlainText(content::QuotationLines(topic).join(u'\n'));
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
    // The topic caption is aligned to the top edge: it spans the client area's full width.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        lblTopic->setGeometry(0, 0, centralWidget()->width(), lblTopic->height());
    return TForm::eventFilter(watched, event);
}

void TForm5::btnOKClick() {
    Close();
}

void TForm5::mnuEditCopyClick() {
    memQuotes->copy();
}
