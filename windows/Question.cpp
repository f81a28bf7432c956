#include "Question.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "About.h"
#include "Accessibility.h"
#include "Answers.h"
#include "Contrast.h"
#include "Cursors.h"
#include "Fonts.h"
#include "MessageDialog.h"
#include "Navigation.h"
#include "Pictures.h"
#include "Polimap.h"
#include "Quotes.h"
#include "Scoring.h"
#include "Wording.h"

TForm1* Form1 = nullptr;

using namespace quiz;

namespace {

void ShowInformation(const QString& text) {
    RunMessageDialog(text, MessageKind::Information, MessageButton::OK);
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : TForm(parent) {
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(SystemFont());
    SetClientSize(635, 442, true);
    SetFramePosition(-2, -1);
    SetColor(QColor::fromRgba(quiz::DesignWhite));

    const QString sansSerif = QStringLiteral("MS Sans Serif");
    lblSelf->setFont(PixelFont(sansSerif, 32));
    lblPersonal->setFont(PixelFont(sansSerif, 19, false, true));
    lblEconomic->setFont(PixelFont(sansSerif, 19, false, true));

    ClickableLabel* const statements[] = {lblQ1, lblQ2, lblQ3, lblQ4, lblQ5,
                                          lblQ6, lblQ7, lblQ8, lblQ9, lblQ10};
    void (TForm1::*const labelClicks[])() = {
        &TForm1::lblQ1Click, &TForm1::lblQ2Click, &TForm1::lblQ3Click, &TForm1::lblQ4Click,
        &TForm1::lblQ5Click, &TForm1::lblQ6Click, &TForm1::lblQ7Click, &TForm1::lblQ8Click,
        &TForm1::lblQ9Click, &TForm1::lblQ10Click};
    for (int n = 1; n <= QuestionCount; ++n) {
        ClickableLabel* label = statements[n - 1];
        label->setText(content::Statement(n));
        connect(label, &ClickableLabel::clicked, this, labelClicks[n - 1]);
    }

    for (ClickableLabel* heading :
         {lblSelf, lblPersonal, lblEconomic, lblYMNPersonal, lblYMNEconomic})
        connect(heading, &ClickableLabel::clicked, this, &TForm1::Stray);
    // A click on the empty part of a group box does nothing, and must not reach the background.
    for (QGroupBox* group : {grpQ1, grpQ2, grpQ3, grpQ4, grpQ5, grpQ6, grpQ7, grpQ8, grpQ9, grpQ10})
        group->setAttribute(Qt::WA_NoMousePropagation);
    Client->installEventFilter(this);

    struct Answer {
        QRadioButton* button;
        void (TForm1::*handler)();
    };
    const Answer answers[] = {
        {btnQ1Y, &TForm1::btnQ1YClick},   {btnQ1M, &TForm1::btnQ1MClick},
        {btnQ1N, &TForm1::btnQ1NClick},   {btnQ2Y, &TForm1::btnQ2YClick},
        {btnQ2M, &TForm1::btnQ2MClick},   {btnQ2N, &TForm1::btnQ2NClick},
        {btnQ3Y, &TForm1::btnQ3YClick},   {btnQ3M, &TForm1::btnQ3MClick},
        {BtnQ3N, &TForm1::BtnQ3NClick},   {btnQ4Y, &TForm1::btnQ4YClick},
        {btnQ4M, &TForm1::btnQ4MClick},   {btnQ4N, &TForm1::btnQ4NClick},
        {btnQ5Y, &TForm1::btnQ5YClick},   {btnQ5M, &TForm1::btnQ5MClick},
        {btnQ5N, &TForm1::btnQ5NClick},   {btnQ6Y, &TForm1::btnQ6YClick},
        {btnQ6M, &TForm1::btnQ6MClick},   {btnQ6N, &TForm1::btnQ6NClick},
        {btnQ7Y, &TForm1::btnQ7YClick},   {btnQ7M, &TForm1::btnQ7MClick},
        {btnQ7N, &TForm1::btnQ7NClick},   {btnQ8Y, &TForm1::btnQ8YClick},
        {btnQ8M, &TForm1::btnQ8MClick},   {btnQ8N, &TForm1::btnQ8NClick},
        {btnQ9Y, &TForm1::btnQ9YClick},   {btnQ9M, &TForm1::btnQ9MClick},
        {btnQ9N, &TForm1::btnQ9NClick},   {btnQ10Y, &TForm1::btnQ10YClick},
        {btnQ10M, &TForm1::btnQ10MClick}, {btnQ10N, &TForm1::btnQ10NClick},
    };
    for (const Answer& answer : answers) {
        QRadioButton* button = answer.button;
        // Only the checked button of a group is a tab stop, so Tab lands on the current answer.
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        button->installEventFilter(this);
        connect(button, &QRadioButton::toggled, this, [this, button, answer](bool checked) {
            button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
            // Checking a button that was unchecked runs its handler; nothing else does.
            if (checked)
                (this->*answer.handler)();
        });
    }

    connect(btnResults, &QPushButton::clicked, this, &TForm1::btnResultsClick);
    connect(mnuFileExit, &QAction::triggered, this, &TForm1::mnuFileExitClick);
    connect(mnuHelpIntroducing, &QAction::triggered, this, &TForm1::mnuHelpIntroducingClick);
    connect(mnuHelpTakingtheQuiz, &QAction::triggered, this, &TForm1::mnuHelpTakingtheQuizClick);
    connect(mnuHelpAbout, &QAction::triggered, this, &TForm1::mnuHelpAboutClick);
    connect(mnuQuotesConscription, &QAction::triggered, this, &TForm1::mnuQuotesConscriptionClick);
    connect(mnuQuotesMedia, &QAction::triggered, this, &TForm1::mnuQuotesMediaClick);
    connect(mnuQuotesPrivacy, &QAction::triggered, this, &TForm1::mnuQuotesPrivacyClick);
    connect(mnuQuotesProhibition, &QAction::triggered, this, &TForm1::mnuQuotesProhibitionClick);
    connect(mnuQuotesBorders, &QAction::triggered, this, &TForm1::mnuQuotesBordersClick);
    connect(mnuQuotesSubsidies, &QAction::triggered, this, &TForm1::mnuQuotesSubsidiesClick);
    connect(mnuQuotesProtectionism, &QAction::triggered, this,
            &TForm1::mnuQuotesProtectionismClick);
    connect(mnuQuotesLabor, &QAction::triggered, this, &TForm1::mnuQuotesLaborClick);
    connect(mnuQuotesTaxes, &QAction::triggered, this, &TForm1::mnuQuotesTaxesClick);
    connect(mnuQuotesDefense, &QAction::triggered, this, &TForm1::mnuQuotesDefenseClick);
    // The two group headings of the Quotes menu are enabled items without an action.

    // Info and Profiles stand greyed and empty where the map window has working menus.
    mnuInfo->menuAction()->setEnabled(false);
    mnuProfiles->menuAction()->setEnabled(false);

    setAccessibleName(windowTitle());
    btnResults->setAccessibleDescription(tr("Shows your result and the political map"));
    lblYMNPersonal->setAccessibleName(tr("Answers to the personal issues: Yes, Maybe, No"));
    lblYMNPersonal->setAccessibleDescription(tr("Heads the three columns of answer buttons"));
    lblYMNEconomic->setAccessibleName(tr("Answers to the economic issues: Yes, Maybe, No"));
    lblYMNEconomic->setAccessibleDescription(tr("Heads the three columns of answer buttons"));
    // The group boxes and radio buttons have no caption: screen readers name them after their
    // question and answer. The statement is the description of the group alone, which a screen
    // reader says as the focus enters it: once per Tab, not again with the button. A statement
    // label reads as its text and tells what a click on it does.
    QGroupBox* const groups[] = {grpQ1, grpQ2, grpQ3, grpQ4, grpQ5,
                                 grpQ6, grpQ7, grpQ8, grpQ9, grpQ10};
    const QString answerWords[] = {tr("Yes"), tr("Maybe"), tr("No")};
    for (int n = 1; n <= QuestionCount; ++n) {
        const QString statement = content::Statement(n);
        const QString topic = content::Topic(n);
        groups[n - 1]->setAccessibleName(tr("Question %1: %2").arg(n).arg(topic));
        groups[n - 1]->setAccessibleDescription(statement);
        statements[n - 1]->setAccessibleDescription(
            tr("Click to read quotations on %1; the Quotes menu shows them too").arg(topic));
        for (int a = 0; a < 3; ++a) {
            QRadioButton* button = answers[3 * (n - 1) + a].button;
            button->setAccessibleName(tr("Question %1: %2").arg(n).arg(answerWords[a]));
        }
    }
}

void TForm1::FormCreate() {
    RegisterCursor(1, content::QuestionCursor());
    for (QLabel* label : {lblQ1, lblQ2, lblQ3, lblQ4, lblQ5, lblQ6, lblQ7, lblQ8, lblQ9, lblQ10})
        label->setCursor(CursorNumber(1));
}

void TForm1::FormPaint() {
    if (SplashShown)
        return;
    SplashShown = true;
    // The splash opens right after this first paint has finished: a modal loop must not run
    // inside a paint event.
    QTimer::singleShot(0, this, &TForm1::ShowSplash);
}

void TForm1::ShowSplash() {
    // A screen reader takes longer than the timer to read the box out: while one listens, the
    // splash waits for the user, also when it starts to listen with the splash already up.
    const AssistiveTechnologyWatch listening([](bool active) {
        if (active)
            AboutBox->Timer1->SetInterval(0);
    });
    AboutBox->Timer1->SetInterval(AssistiveTechnologyActive() ? 0 : 4000);
    AboutBox->ShowModal();
    AboutBox->Timer1->SetInterval(0);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QRadioButton*>(watched)) {
        // The three answers stand in a row: Up and Down move along it as Left and Right do.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            QKeyEvent along(QEvent::KeyPress,
                            key->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                            key->modifiers(), key->text(), key->isAutoRepeat());
            QCoreApplication::sendEvent(watched, &along);
            return true;
        }
    }
    if (watched == Client && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonRelease)) {
        // A click on the background is a press and a release there, neither over a control.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool background = !Client->childAt(mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress && background)
            backgroundClick_.Press(mouse);
        else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
                 backgroundClick_.Release(mouse, Client->rect()) && background)
            Stray();
    }
    return TForm::eventFilter(watched, event);
}

QString TForm1::StrayText() {
    return tr("Please answer each question by clicking on the Yes, No, or Maybe buttons. When you "
              "have answered all the questions, click on Show Results.") +
           QStringLiteral("\r\n\r\n") + tr("Click on any question to see a relevant quotation.");
}

QString TForm1::IntroducingText() {
    return tr("Welcome to Quiz!  People everywhere are discovering that the old \"Left - Right\" "
              "axis just doesn't describe the real world.  Here's a system that makes a lot more "
              "sense.  I hope you enjoy it!") +
           QStringLiteral("\r\n-Avery Quill");
}

QString TForm1::TakingTheQuizText() {
    return tr("Choose \"Yes\" if you (mostly) agree with each statement, \"Maybe\" if you aren't "
              "sure or need more information, and \"No\" if you (mostly) disagree.  \"Maybe\" also "
              "means you agree in principle, but think the idea needs work.");
}

void TForm1::Stray() {
    ShowInformation(StrayText());
}

void TForm1::ShowTopic(int topic) {
    TopicIndex = topic;
    Form5->ShowModal();
}

void TForm1::CalculateResults() {
    const Result result = Score(Answers);
    PersonalScore = result.personalScore;
    EconomicScore = result.economicScore;
    Philosophy = std::string(PhilosophyLabel(result.philosophy));
}

void TForm1::btnResultsClick() {
    // An activation that reaches this window while it is hidden moves its focus on; the control
    // that had the focus gets it back when the window returns.
    const QPointer<QWidget> focus = focusWidget();
    CalculateResults();
    ShowInformation(content::ResultSentence(Philosophy));
    hide();
    ExitRequested = false;
    Form3->ShowModal();
    if (!KeepAnswers) {
        for (int n = 1; n <= QuestionCount; ++n)
            MaybeButton(n)->setChecked(true); // runs the handler only if it was unchecked
    }
    if (ExitRequested) {
        Close();
    } else {
        Show();
        if (focus)
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

QRadioButton* TForm1::MaybeButton(int question) const {
    QRadioButton* const buttons[] = {btnQ1M, btnQ2M, btnQ3M, btnQ4M, btnQ5M,
                                     btnQ6M, btnQ7M, btnQ8M, btnQ9M, btnQ10M};
    return buttons[question - 1];
}

void TForm1::mnuFileExitClick() {
    Close();
}
void TForm1::mnuHelpIntroducingClick() {
    ShowInformation(IntroducingText());
}
void TForm1::mnuHelpTakingtheQuizClick() {
    ShowInformation(TakingTheQuizText());
}
void TForm1::mnuHelpAboutClick() {
    AboutBox->ShowModal();
}

void TForm1::btnQ1YClick() {
    Answers.Store(1, YesValue);
}
void TForm1::btnQ1MClick() {
    Answers.Store(1, MaybeValue);
}
void TForm1::btnQ1NClick() {
    Answers.Store(1, NoValue);
}
void TForm1::btnQ2YClick() {
    Answers.Store(2, YesValue);
}
void TForm1::btnQ2MClick() {
    Answers.Store(2, MaybeValue);
}
void TForm1::btnQ2NClick() {
    Answers.Store(2, NoValue);
}
void TForm1::btnQ3YClick() {
    Answers.Store(3, YesValue);
}
void TForm1::btnQ3MClick() {
    Answers.Store(3, MaybeValue);
}
void TForm1::BtnQ3NClick() {
    Answers.Store(3, NoValue);
}
void TForm1::btnQ4YClick() {
    Answers.Store(4, YesValue);
}
void TForm1::btnQ4MClick() {
    Answers.Store(4, MaybeValue);
}
void TForm1::btnQ4NClick() {
    Answers.Store(4, NoValue);
}
void TForm1::btnQ5YClick() {
    Answers.Store(5, YesValue);
}
void TForm1::btnQ5MClick() {
    Answers.Store(5, MaybeValue);
}
void TForm1::btnQ5NClick() {
    Answers.Store(5, NoValue);
}
void TForm1::btnQ6YClick() {
    Answers.Store(6, YesValue);
}
void TForm1::btnQ6MClick() {
    Answers.Store(6, MaybeValue);
}
void TForm1::btnQ6NClick() {
    Answers.Store(6, NoValue);
}
void TForm1::btnQ7YClick() {
    Answers.Store(7, YesValue);
}
void TForm1::btnQ7MClick() {
    Answers.Store(7, MaybeValue);
}
void TForm1::btnQ7NClick() {
    Answers.Store(7, NoValue);
}
void TForm1::btnQ8YClick() {
    Answers.Store(8, YesValue);
}
void TForm1::btnQ8MClick() {
    Answers.Store(8, MaybeValue);
}
void TForm1::btnQ8NClick() {
    Answers.Store(8, NoValue);
}
void TForm1::btnQ9YClick() {
    Answers.Store(9, YesValue);
}
void TForm1::btnQ9MClick() {
    Answers.Store(9, MaybeValue);
}
void TForm1::btnQ9NClick() {
    Answers.Store(9, NoValue);
}
void TForm1::btnQ10YClick() {
    Answers.Store(10, YesValue);
}
void TForm1::btnQ10MClick() {
    Answers.Store(10, MaybeValue);
}
void TForm1::btnQ10NClick() {
    Answers.Store(10, NoValue);
}
