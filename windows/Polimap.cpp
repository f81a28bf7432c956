#include "Polimap.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>

#include "Contrast.h"
#include "Cursors.h"
#include "Fonts.h"
#include "MapPlacement.h"
#include "MessageDialog.h"
#include "ModalStack.h"
#include "Navigation.h"
#include "Scoring.h"
#include "TextFit.h"
#include "Wording.h"

#include "About.h"
#include "History.h"
#include "Profiles.h"
#include "Quotes.h"
#include "Sources.h"

TForm3* Form3 = nullptr;

namespace {

// Changes a caption only when the text differs: the map sets its captions while it paints, and
// a real change there schedules one more paint.
void SetCaption(QLabel* label, const QString& text) {
    if (label->text() == text)
        return;
    label->setText(text);
    label->setAccessibleName(text);
}

// The result in words, sentence by sentence, for the scores and philosophy that stand now.
QStringList ResultSentences() {
    return content::ResultInWords(quiz::PersonalScore, quiz::EconomicScore, quiz::Philosophy);
}

QString SpokenResult() {
    return ResultSentences().join(u' ');
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setFont(quiz::SystemFont());
    SetClientSize(540, 440, true);
    SetFramePosition(43, -4);
    SetColor(QColor::fromRgba(quiz::DesignAqua));

    // The click zones over the chart take their rectangles from the engine's zone table, the
    // one that also tells which zone holds a point.
    for (const quiz::HotZone& zone : quiz::HotZones) {
        auto* control = findChild<THotZoneImage*>(QString::fromUtf8(zone.controlName));
        Q_ASSERT(control);
        control->setGeometry(zone.left, zone.top, zone.width, zone.height);
    }
    connect(imgHotBedLib, &THotZoneImage::Click, this, &TForm3::imgHotBedLibClick);
    connect(imgHotBedLeft, &THotZoneImage::Click, this, &TForm3::imgHotBedLeftClick);
    connect(imgHotBedCent, &THotZoneImage::Click, this, &TForm3::imgHotBedCentClick);
    connect(imgHotBedRight, &THotZoneImage::Click, this, &TForm3::imgHotBedRightClick);
    connect(imgHotBedAuth, &THotZoneImage::Click, this, &TForm3::imgHotBedAuthClick);
    connect(cmdProfile, &QPushButton::clicked, this, &TForm3::cmdProfileClick);
    connect(cmdRestart, &QPushButton::clicked, this, &TForm3::cmdRestartClick);
    // The map has no Edit menu: Copy is a key of the window.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &TForm3::CopyResult);

    const std::pair<QAction*, void (TForm3::*)()> menuItems[] = {
        {mnuFileRestart, &TForm3::mnuFileRestartClick},
        {mnuFileExit, &TForm3::mnuFileExitClick},
        {mnuQuotesConscription, &TForm3::mnuQuotesConscriptionClick},
        {mnuQuotesMedia, &TForm3::mnuQuotesMediaClick},
        {mnuQuotesPrivacy, &TForm3::mnuQuotesPrivacyClick},
        {mnuQuotesProhibition, &TForm3::mnuQuotesProhibitionClick},
        {mnuQuotesBorders, &TForm3::mnuQuotesBordersClick},
        {mnuQuotesSubsidies, &TForm3::mnuQuotesSubsidiesClick},
        {mnuQuotesProtectionism, &TForm3::mnuQuotesProtectionismClick},
        {mnuQuotesLabor, &TForm3::mnuQuotesLaborClick},
        {mnuQuotesTaxes, &TForm3::mnuQuotesTaxesClick},
        {mnuQuotesDefense, &TForm3::mnuQuotesDefenseClick},
        {Resources1, &TForm3::Resources1Click},
        {Quizhistory1, &TForm3::Quizhistory1Click},
        {Hmmmm1, &TForm3::Hmmmm1Click},
        {mnuProfLib, &TForm3::mnuProfLibClick},
        {mnuProfLeft, &TForm3::mnuProfLeftClick},
        {mnuProfRight, &TForm3::mnuProfRightClick},
        {mnuProfAuth, &TForm3::mnuProfAuthClick},
        {mnuProfCent, &TForm3::mnuProfCentClick},
        {mnuHelpScoring, &TForm3::mnuHelpScoringClick},
        {mnuHelpAbout, &TForm3::mnuHelpAboutClick},
    };
    // The two group headings of the Quotes menu have no action.
    for (const auto& [item, handler] : menuItems)
        connect(item, &QAction::triggered, this, handler);
}

void TForm3::FormCreate() {
    // The score captions change as the map paints: their boxes make room for every score.
    QStringList personal, economic;
    for (int score = 0; score <= 100; score += 10) {
        personal << content::PersonalScoreCaption(score);
        economic << content::EconomicScoreCaption(score);
    }
    lblPscore->setProperty(quiz::ShownTextsProperty, personal);
    lblEscore->setProperty(quiz::ShownTextsProperty, economic);
    for (THotZoneImage* zone :
         {imgHotBedLib, imgHotBedLeft, imgHotBedCent, imgHotBedRight, imgHotBedAuth})
        zone->setCursor(quiz::CursorNumber(1));
}

void TForm3::showEvent(QShowEvent* event) {
    // Screen readers say a window's description as it opens: the user hears the result on every
    // arrival, whichever button has the focus.
    DescribeResult();
    TForm::showEvent(event);
}

void TForm3::FormPaint() {
    // Runs before the controls are drawn, so they show the new values in the same paint. Only
    // real changes are applied: the paint they cause finds nothing left to change.
    SetCaption(lblEscore, content::EconomicScoreCaption(quiz::EconomicScore));
    SetCaption(lblPscore, content::PersonalScoreCaption(quiz::PersonalScore));
    const quiz::DotBox dot = quiz::DotBounds(quiz::PersonalScore, quiz::EconomicScore);
    if (shpRedDot->pos() != QPoint(dot.left, dot.top))
        shpRedDot->move(dot.left, dot.top);
    DescribeResult();
}

void TForm3::DescribeResult() {
    const QString description = SpokenResult();
    for (QWidget* described : {static_cast<QWidget*>(this), static_cast<QWidget*>(imgMap)}) {
        if (described->accessibleDescription() != description)
            described->setAccessibleDescription(description);
    }
}

void TForm3::CopyResult() {
    // The program's name on the first line, then the result as screen readers hear it.
    QGuiApplication::clipboard()->setText(QGuiApplication::applicationName() + u'\n' +
                                          ResultSentences().join(u'\n') + u'\n');
}

void TForm3::ShowProfile(int philosophy) {
    quiz::ProfileIndex = philosophy;
    Form2->ShowModal();
}

void TForm3::ShowQuotes(int topic) {
    quiz::TopicIndex = topic;
    Form5->ShowModal();
}

void TForm3::imgHotBedLibClick() {
    ShowProfile(quiz::Libertarian);
}
void TForm3::imgHotBedLeftClick() {
    ShowProfile(quiz::LeftLiberal);
}
void TForm3::imgHotBedCentClick() {
    ShowProfile(quiz::Centrist);
}
void TForm3::imgHotBedRightClick() {
    ShowProfile(quiz::RightConservative);
}
void TForm3::imgHotBedAuthClick() {
    ShowProfile(quiz::Authoritarian);
}

void TForm3::mnuProfLibClick() {
    ShowProfile(quiz::Libertarian);
}
void TForm3::mnuProfLeftClick() {
    ShowProfile(quiz::LeftLiberal);
}
void TForm3::mnuProfCentClick() {
    ShowProfile(quiz::Centrist);
}
void TForm3::mnuProfRightClick() {
    ShowProfile(quiz::RightConservative);
}
void TForm3::mnuProfAuthClick() {
    ShowProfile(quiz::Authoritarian);
}

void TForm3::mnuQuotesConscriptionClick() {
    ShowQuotes(1);
}
void TForm3::mnuQuotesMediaClick() {
    ShowQuotes(2);
}
void TForm3::mnuQuotesPrivacyClick() {
    ShowQuotes(3);
}
void TForm3::mnuQuotesProhibitionClick() {
    ShowQuotes(4);
}
void TForm3::mnuQuotesBordersClick() {
    ShowQuotes(5);
}
void TForm3::mnuQuotesSubsidiesClick() {
    ShowQuotes(6);
}
void TForm3::mnuQuotesProtectionismClick() {
    ShowQuotes(7);
}
void TForm3::mnuQuotesLaborClick() {
    ShowQuotes(8);
}
void TForm3::mnuQuotesTaxesClick() {
    ShowQuotes(9);
}
void TForm3::mnuQuotesDefenseClick() {
    ShowQuotes(10);
}

void TForm3::Resources1Click() {
    Form6->ShowModal();
}

void TForm3::Quizhistory1Click() {
    Form4->ShowModal();
}

void TForm3::Hmmmm1Click() {
    // The system's own message box, owned by the application rather than by this window.
    quiz::RunSystemMessageBox(
        QMessageBox::Question, tr("Try It Yourself!"),
        tr("Try taking the quiz again, but this time answer according to current U.S. policy, "
           "instead of your own beliefs.  How does the country score?"));
}

void TForm3::mnuHelpScoringClick() {
    quiz::RunMessageDialog(content::ScoringExplanation(quiz::PersonalScore, quiz::EconomicScore),
                           quiz::MessageKind::Information, quiz::MessageButton::OK);
}

void TForm3::mnuHelpAboutClick() {
    AboutBox->ShowModal();
}

void TForm3::cmdProfileClick() {
    // An exact, case-sensitive match of the whole label; a text matching none opens nothing.
    for (int number = 1; number <= quiz::PhilosophyCount; ++number) {
        if (quiz::Philosophy == quiz::PhilosophyLabels[static_cast<std::size_t>(number - 1)])
            ShowProfile(number);
    }
}

void TForm3::cmdRestartClick() {
    const TModalResult answer =
        quiz::RunMessageDialog(tr("Keep your old answers?"), quiz::MessageKind::Confirmation,
                               quiz::MessageButton::Yes | quiz::MessageButton::No);
    // No, Esc and the dialog's close box all count as No.
    quiz::KeepAnswers = answer == mrYes;
    Close();
}

void TForm3::mnuFileRestartClick() {
    cmdRestartClick();
}

void TForm3::mnuFileExitClick() {
    quiz::ExitRequested = true;
    Close();
}
