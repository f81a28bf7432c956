// Random input against the whole program. The real start-up runs, the splash is dismissed, and
// then a repeating timer (it keeps firing inside every modal loop) sends thousands of seeded
// random clicks, keys, menu commands and dialog answers to whichever window is on top. After
// every action the program must still hold together:
//   - every answer slot holds the value of the checked button of its question;
//   - the windows stand one over another only as the navigation allows (at most map, resources
//     and organisation at once; a message dialog only above the quiz window or the map), and the
//     window on top of that stack is the one Qt treats as modal and makes active; each open
//     window runs exactly one modal loop;
//   - the quiz window is hidden exactly while the map is up, and coming back from the map resets
//     the answers unless they were kept;
//   - the About window, once the splash is over, never runs its timer; no error box appears;
//   - the program ends only through its exits, which the monkey uses only in its final phase,
//     unless a click lands on the Exit item of an open menu: that is an exit like any other.
//
// QUIZ_MONKEY_SEED and QUIZ_MONKEY_STEPS choose the run; a failure prints both, the step and the
// last actions, so that the same run can be replayed (QUIZ_MONKEY_VERBOSE=1 prints every action).

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "About.h"
#include "Address.h"
#include "Answers.h"
#include "Application.h"
#include "History.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Program.h"
#include "Question.h"
#include "Quotes.h"
#include "Sources.h"

namespace {

constexpr quint32 DefaultSeed = 20240611;
constexpr int DefaultSteps = 2500;
constexpr int TickMs = 1;
constexpr int RecentActions = 20;
// Ticks that the window on top may take to become the active window.
constexpr int ActivationGraceTicks = 500;
// Ticks the final phase may need to work its way down to an exit.
constexpr int FinalPhaseTicks = 200;

quint32 SeedFromEnvironment() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("QUIZ_MONKEY_SEED").toUInt(&ok, 0);
    return ok ? seed : DefaultSeed;
}

int StepsFromEnvironment() {
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("QUIZ_MONKEY_STEPS", &ok);
    return ok && steps > 0 ? steps : DefaultSteps;
}

// The windows that are shown only modally, with the names used in reports.
struct ModalForm {
    TForm* form;
    const char* name;
};

std::vector<ModalForm> ModalForms() {
    return {{AboutBox, "AboutBox"}, {Form2, "Form2"}, {Form3, "Form3"}, {Form4, "Form4"},
            {Form5, "Form5"},       {Form6, "Form6"}, {Form7, "Form7"}};
}

QString Name(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("nothing");
    if (widget == Form1)
        return QStringLiteral("Form1");
    for (const ModalForm& m : ModalForms())
        if (widget == m.form)
            return QString::fromLatin1(m.name);
    if (qobject_cast<const QMenu*>(widget))
        return QStringLiteral("menu %1").arg(widget->objectName());
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle());
}

bool IsErrorBox(const QWidget* widget) {
    return qobject_cast<const QMessageBox*>(widget) &&
           widget->objectName() == QStringLiteral("ErrorBox");
}

enum class Exit { QuizFileExit, QuizCloseBox, MapFileExit };

QString ExitName(Exit exit) {
    switch (exit) {
    case Exit::QuizFileExit:
        return QStringLiteral("File, Exit in the quiz window");
    case Exit::QuizCloseBox:
        return QStringLiteral("the quiz window's close box");
    case Exit::MapFileExit:
        return QStringLiteral("File, Exit in the map window");
    }
    return {};
}

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

QString Describe(const KeyStroke& stroke) {
    return QKeySequence(QKeyCombination(stroke.modifiers, stroke.key))
        .toString(QKeySequence::PortableText);
}

class Monkey : public QObject {
public:
    Monkey(quint32 seed, int steps)
        : seed_(seed)
        , steps_(steps)
        , random_(seed) {
        for (int n = 1; n <= quiz::QuestionCount; ++n) {
            for (const QChar answer : {u'Y', u'M', u'N'}) {
                const QString name = (n == 3 && answer == u'N')
                                         ? QStringLiteral("BtnQ3N")
                                         : QStringLiteral("btnQ%1%2").arg(n).arg(answer);
                auto* button = Form1->findChild<QRadioButton*>(name);
                if (!button)
                    qFatal("missing control %s", qPrintable(name));
                radios_[static_cast<std::size_t>(n - 1)].push_back(button);
            }
        }
        results_ = Control<QPushButton>(Form1, "btnResults");
        restart_ = Control<QPushButton>(Form3, "cmdRestart");
        quizExit_ = Control<QAction>(Form1, "mnuFileExit");
        mapExit_ = Control<QAction>(Form3, "mnuFileExit");
        for (const char* name : {"Resources1", "Quizhistory1", "Hmmmm1"})
            infoItems_ << Control<QAction>(Form3, name);
        for (const char* name : {"imgHeralds", "imgLantern", "imgTarrant", "imgBooks", "imgGrove"})
            logos_ << Control<QWidget>(Form6, name);
        Form1->installEventFilter(this);
        ticker_.setInterval(TickMs);
        connect(&ticker_, &QTimer::timeout, this, &Monkey::Tick);
    }

    void Start() {
        clock_.start();
        lastProgress_ = 0;
        ticker_.start();
    }

    // Called once the event loop has returned: was that the end the monkey asked for, and did
    // the run do enough to mean something?
    bool Finish(int status) {
        ticker_.stop();
        if (failed_)
            return false;
        if (!exitPerformed_) {
            Fail(QStringLiteral("the event loop ended (status %1) although no exit was used")
                     .arg(status));
            return false;
        }
        if (status != 0) {
            Fail(QStringLiteral("the program ended with status %1 after %2")
                     .arg(status)
                     .arg(ExitName(goal_)));
            return false;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && !qobject_cast<QMenu*>(widget)) {
                Fail(QStringLiteral("%1 is still visible after the program ended")
                         .arg(Name(widget)));
                return false;
            }
        }
        if (goal_ == Exit::MapFileExit && quizShownAfterExit_) {
            Fail(QStringLiteral("the quiz window came back after File, Exit in the map window"));
            return false;
        }

        int opened = 0;
        for (const auto& [kind, count] : opened_)
            opened += count;
        std::printf("monkey: seed %u, %d steps, %d quiz-and-map cycles, %d windows and dialogs "
                    "opened, %d menus popped up, ended by %s%s; trace %08x, %lld ms\n",
                    seed_, step_, cycles_, opened, menusOpened_, qPrintable(ExitName(goal_)),
                    exitByClick_ ? " (a click on its open menu)" : "", trace_,
                    static_cast<long long>(clock_.elapsed()));
        for (const auto& [kind, count] : opened_)
            std::printf("  %4d x %s\n", count, qPrintable(kind));
        std::fflush(stdout);

        // A driver that idles or gets stuck in one window cannot pass; a run that a click on an
        // open menu's Exit ended early is held to what its own steps should have done.
        const int ran = exitByClick_ ? step_ : steps_;
        const int minimumCycles = std::max(exitByClick_ ? 0 : 2, ran / 100);
        const int minimumOpened = std::max(exitByClick_ ? 0 : 5, ran / 20);
        if (cycles_ < minimumCycles || opened < minimumOpened) {
            Fail(QStringLiteral("too little happened: %1 cycles (at least %2 wanted), %3 windows "
                                "opened (at least %4 wanted)")
                     .arg(cycles_)
                     .arg(minimumCycles)
                     .arg(opened)
                     .arg(minimumOpened));
            return false;
        }
        // The default run, the one the suite makes, must reach every window and dialog. Other
        // seeds only report what they reached: a short or unlucky run may miss a deep window.
        if (seed_ == DefaultSeed && steps_ >= DefaultSteps) {
            const QStringList everyKind = {"AboutBox",
                                           "Form2",
                                           "Form3",
                                           "Form4",
                                           "Form5",
                                           "Form6",
                                           "Form7",
                                           "TMessageForm \"Information\"",
                                           "TMessageForm \"Confirm\"",
                                           "QMessageBox \"Try It Yourself!\""};
            QStringList missing;
            for (const QString& kind : everyKind)
                if (!opened_.count(kind))
                    missing << kind;
            if (!missing.isEmpty()) {
                Fail(QStringLiteral("never reached: %1").arg(missing.join(QStringLiteral(", "))));
                return false;
            }
        }
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == Form1 && event->type() == QEvent::Show && exitPerformed_)
            quizShownAfterExit_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    enum class Phase { Splash, Random, Final };

    template <class T> static T* Control(QObject* parent, const char* name) {
        auto* found = parent->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("missing control %s", name);
        return found;
    }

    // ---- the tick: check, then choose and post one action ----

    void Tick() {
        if (failed_ || exitPerformed_)
            return;
        if (clock_.elapsed() - lastProgress_ > 20000) {
            Fail(QStringLiteral("no progress for 20 s"));
            return;
        }
        if (const QWidget* closing = Settling()) {
            if (++settleTicks_ > ActivationGraceTicks)
                Fail(QStringLiteral("%1 is hidden but its modal loop does not return")
                         .arg(Name(closing)));
            return;
        }
        settleTicks_ = 0;
        if (!CheckInvariants() || pending_)
            return;

        if (phase_ == Phase::Splash) {
            SplashTick();
            return;
        }

        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup ? popup : QApplication::activeModalWidget();
        if (!target)
            target = Form1;
        // Shortcuts and menu mnemonics go to the active window only: wait until the window on
        // top has become active, as it must after every opening and closing.
        if (!popup && qobject_cast<QMenu*>(QApplication::activeWindow())) {
            // The offscreen platform activates every window it shows, menus included, and keeps
            // a closed menu active. A desktop never activates a menu, so the window that had the
            // activation before still has it there.
            target->activateWindow();
            return;
        }
        // Here no window manager hands the activation on: the window on top becomes active
        // only if the program asks for it, as it must whenever a window above it closes.
        if (!popup && QApplication::activeWindow() != target) {
            if (++waitTicks_ > ActivationGraceTicks) {
                const QWindow* focus = QGuiApplication::focusWindow();
                Fail(QStringLiteral("%1 is on top but %2 stays the active window (the "
                                    "platform's focus is on %3)")
                         .arg(Name(target), Name(QApplication::activeWindow()),
                              focus ? focus->objectName() : QStringLiteral("no window")));
            }
            return;
        }
        waitTicks_ = 0;

        if (phase_ == Phase::Random && step_ >= steps_) {
            phase_ = Phase::Final;
            goal_ = static_cast<Exit>(random_.bounded(3));
            Record(QStringLiteral("final phase, heading for %1").arg(ExitName(goal_)));
        }
        if (phase_ == Phase::Final) {
            if (++finalTicks_ > FinalPhaseTicks)
                Fail(QStringLiteral("the final phase did not reach %1").arg(ExitName(goal_)));
            else
                FinalAction(target, popup);
            return;
        }

        ++step_;
        lastProgress_ = clock_.elapsed();
        if (popup)
            PopupAction(static_cast<QMenu*>(popup));
        else if (qobject_cast<QDialog*>(target))
            DialogAction(target);
        else
            WindowAction(target);
    }

    void SplashTick() {
        if (AboutBox->isVisible()) {
            if (!splashSeen_) {
                splashSeen_ = true;
                if (AboutBox->Timer1->Interval() != 4000 || !AboutBox->Timer1->IsRunning()) {
                    Fail(QStringLiteral("the splash opened without its 4000 ms timer"));
                    return;
                }
            }
            if (QApplication::activeWindow() != AboutBox)
                return;
            QWidget* ok = Control<QPushButton>(AboutBox, "OKButton");
            Post(QStringLiteral("splash: click OKButton"),
                 [this, ok = QPointer<QWidget>(ok)] { ClickAt(ok, Centre(ok)); });
            return;
        }
        if (!splashSeen_) {
            if (clock_.elapsed() > 10000)
                Fail(QStringLiteral("the splash never opened"));
            return;
        }
        if (QApplication::activeWindow() != Form1)
            return;
        if (AboutBox->Timer1->Interval() != 0 || AboutBox->Timer1->IsRunning()) {
            Fail(QStringLiteral("the About window's timer still runs after the splash"));
            return;
        }
        phase_ = Phase::Random;
    }

    // A window that has just been closed is hidden at once, but its modal loop returns, and the
    // code that opened it goes on, only after the event loop's current pass: a timer of that pass
    // sees a state that no user input can meet. Such a tick neither checks nor acts.
    static const QWidget* Settling() {
        for (const ModalForm& m : ModalForms())
            if (m.form->IsShownModally() && !m.form->isVisible())
                return m.form;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(widget) && !widget->isVisible())
                return widget;
        return nullptr;
    }

    // ---- invariants ----

    bool CheckInvariants() {
        // An error that escaped a handler: the flow must never cause one.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && IsErrorBox(widget)) {
                Fail(
                    QStringLiteral("error box: %1").arg(static_cast<QMessageBox*>(widget)->text()));
                return false;
            }
        }

        // Every answer slot holds the value of the checked button of its group.
        static constexpr std::array<int, 3> values = {quiz::YesValue, quiz::MaybeValue,
                                                      quiz::NoValue};
        for (int n = 1; n <= quiz::QuestionCount; ++n) {
            const auto& group = radios_[static_cast<std::size_t>(n - 1)];
            int checked = -1;
            for (std::size_t i = 0; i < group.size(); ++i) {
                if (group[i]->isChecked()) {
                    if (checked >= 0)
                        return Fail(QStringLiteral("question %1 has two checked buttons").arg(n));
                    checked = values[i];
                }
            }
            if (checked < 0)
                return Fail(QStringLiteral("question %1 has no checked button").arg(n));
            if (quiz::Answers[n] != checked)
                return Fail(QStringLiteral("answer %1 is %2 but its checked button stands for %3")
                                .arg(n)
                                .arg(quiz::Answers[n])
                                .arg(checked));
        }

        // The quiz window is hidden exactly while the map is up.
        const bool mapUp = Form3->isVisible();
        if (Form1->isVisible() == mapUp)
            return Fail(QStringLiteral("quiz window %1 while the map is %2")
                            .arg(Form1->isVisible() ? "visible" : "hidden", mapUp ? "up" : "down"));

        // Back from the map: the answers are reset, unless kept, and the program goes on.
        if (mapUp && !mapWasUp_) {
            ++cycles_;
            for (int n = 1; n <= quiz::QuestionCount; ++n)
                answersAtMap_[static_cast<std::size_t>(n - 1)] = quiz::Answers[n];
        }
        if (!mapUp && mapWasUp_) {
            if (quiz::ExitRequested)
                return Fail(QStringLiteral("back from the map with ExitRequested set"));
            for (int n = 1; n <= quiz::QuestionCount; ++n) {
                const int expected = quiz::KeepAnswers
                                         ? answersAtMap_[static_cast<std::size_t>(n - 1)]
                                         : quiz::MaybeValue;
                if (quiz::Answers[n] != expected)
                    return Fail(QStringLiteral("back from the map (answers %1): answer %2 is %3, "
                                               "not %4")
                                    .arg(quiz::KeepAnswers ? "kept" : "reset")
                                    .arg(n)
                                    .arg(quiz::Answers[n])
                                    .arg(expected));
            }
        }
        mapWasUp_ = mapUp;

        // The windows on screen form one of the stacks that the navigation allows.
        QStringList forms;
        int modalForms = 0;
        for (const ModalForm& m : ModalForms()) {
            if (!m.form->isVisible())
                continue;
            forms << QString::fromLatin1(m.name);
            if (!m.form->IsShownModally() || m.form->windowModality() != Qt::ApplicationModal)
                return Fail(QStringLiteral("%1 is visible without being shown modally")
                                .arg(QString::fromLatin1(m.name)));
            ++modalForms;
        }
        if (modalForms > 3)
            return Fail(QStringLiteral("%1 windows are modal at once: %2")
                            .arg(modalForms)
                            .arg(forms.join(QStringLiteral(", "))));
        QList<QWidget*> dialogs;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && qobject_cast<QDialog*>(widget))
                dialogs << widget;
        if (dialogs.size() > 1)
            return Fail(QStringLiteral("%1 dialogs are open at once").arg(dialogs.size()));

        static const QStringList allowedStacks = {"",
                                                  "Form5",
                                                  "AboutBox",
                                                  "Form3",
                                                  "Form2,Form3",
                                                  "Form3,Form4",
                                                  "Form3,Form5",
                                                  "Form3,Form6",
                                                  "AboutBox,Form3",
                                                  "Form3,Form6,Form7"};
        QStringList sorted = forms;
        sorted.sort();
        const QString stack = sorted.join(u',');
        if (!allowedStacks.contains(stack))
            return Fail(QStringLiteral("windows open at once that the navigation never stacks: %1")
                            .arg(stack));
        QWidget* expectedTop = nullptr;
        if (!dialogs.isEmpty()) {
            const bool tryItYourself = qobject_cast<QMessageBox*>(dialogs.front()) != nullptr;
            if (!(stack == QStringLiteral("Form3") || (stack.isEmpty() && !tryItYourself)))
                return Fail(QStringLiteral("%1 is open above %2")
                                .arg(Name(dialogs.front()), stack.isEmpty() ? "Form1" : stack));
            expectedTop = dialogs.front();
        } else if (Form7->isVisible()) {
            expectedTop = Form7;
        } else {
            for (const ModalForm& m : ModalForms())
                if (m.form != Form3 && m.form->isVisible())
                    expectedTop = m.form;
            if (!expectedTop && mapUp)
                expectedTop = Form3;
        }
        // Each open window runs one modal loop inside the program's own, and no other loop runs.
        const int loops = QThread::currentThread()->loopLevel();
        const int expectedLoops = 1 + modalForms + int(dialogs.size());
        if (loops != expectedLoops)
            return Fail(QStringLiteral("%1 event loops run with %2 modal windows open")
                            .arg(loops)
                            .arg(expectedLoops - 1));
        if (QApplication::activeModalWidget() != expectedTop)
            return Fail(QStringLiteral("%1 is the modal window, but %2 is on top of the stack")
                            .arg(Name(QApplication::activeModalWidget()), Name(expectedTop)));

        // Help, About... opens the About window without its splash timer.
        if (phase_ != Phase::Splash && AboutBox->isVisible() &&
            (AboutBox->Timer1->Interval() != 0 || AboutBox->Timer1->IsRunning()))
            return Fail(QStringLiteral("the About window runs its timer after the splash"));

        // Count what opened since the last tick.
        std::set<QWidget*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget != Form1)
                shown.insert(widget);
        for (QWidget* widget : shown) {
            if (shownBefore_.count(widget))
                continue;
            if (qobject_cast<QMenu*>(widget))
                ++menusOpened_;
            else
                ++opened_[Name(widget)];
        }
        shownBefore_ = std::move(shown);
        return true;
    }

    // ---- choosing actions ----

    void WindowAction(QWidget* window) {
        // Biased towards the quiz-and-map cycle, so that many cycles happen.
        const int bias = random_.bounded(100);
        if (window == Form1 && bias < 10) {
            PostClick(QStringLiteral("Form1: Show Results"), results_, Centre(results_));
            return;
        }
        if (window == Form3 && bias < 4) {
            PostClick(QStringLiteral("Form3: Restart"), restart_, Centre(restart_));
            return;
        }
        // ... and towards the deepest stack, map, resources and organisation.
        if (window == Form3 && bias < 10) {
            QAction* item = infoItems_.at(random_.bounded(int(infoItems_.size())));
            TriggerMenuItem(window, item);
            return;
        }
        if (window == Form6 && bias < 25) {
            QWidget* logo = logos_.at(random_.bounded(int(logos_.size())));
            PostClick(QStringLiteral("Form6: click %1").arg(logo->objectName()), logo,
                      Centre(logo));
            return;
        }

        // The quiz window's close box ends the program; the reading windows close more often
        // than the map, so that the run keeps moving between windows.
        const int closeWeight = window == Form1 ? 0 : window == Form3 ? 6 : 10;
        switch (Pick({35, 15, 25, 15, closeWeight, 4})) {
        case 0:
            ClickRandomControl(window);
            break;
        case 1:
            ClickRandomPoint(window);
            break;
        case 2:
            PressKey(window, RandomKey());
            break;
        case 3:
            TriggerRandomMenuItem(window);
            break;
        case 4:
            PostClose(window);
            break;
        default:
            PostAltTap(window);
            break;
        }
    }

    void DialogAction(QWidget* dialog) {
        switch (Pick({45, 15, 10, 8, 8, 14})) {
        case 0: {
            QList<QAbstractButton*> buttons;
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                if (button->isVisible() && button->isEnabled())
                    buttons << button;
            if (buttons.isEmpty()) {
                ClickRandomPoint(dialog);
                return;
            }
            QAbstractButton* button = buttons.at(random_.bounded(int(buttons.size())));
            PostClick(QStringLiteral("%1: click %2").arg(Name(dialog), button->text()), button,
                      Centre(button));
            break;
        }
        case 1:
            PressKey(dialog, {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")});
            break;
        case 2:
            PressKey(dialog, {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")});
            break;
        case 3:
            PostClose(dialog);
            break;
        case 4:
            PressKey(dialog, RandomLetter(Qt::NoModifier));
            break;
        default:
            if (random_.bounded(2) == 0)
                ClickRandomPoint(dialog);
            else
                PressKey(dialog, RandomKey());
            break;
        }
    }

    void PopupAction(QMenu* menu) {
        switch (Pick({50, 35, 15})) {
        case 0: {
            static const std::array<KeyStroke, 7> keys = {{
                {Qt::Key_Up, Qt::NoModifier, {}},
                {Qt::Key_Down, Qt::NoModifier, {}},
                {Qt::Key_Left, Qt::NoModifier, {}},
                {Qt::Key_Right, Qt::NoModifier, {}},
                {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")},
                {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")},
                {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")},
            }};
            const int index = random_.bounded(int(keys.size()) + 1);
            KeyStroke stroke =
                index < int(keys.size()) ? keys[std::size_t(index)] : RandomLetter(Qt::NoModifier);
            if (KeyWouldExit(menu, stroke))
                stroke = {Qt::Key_Down, Qt::NoModifier, {}};
            PressKey(menu, stroke);
            break;
        }
        case 1: {
            const QPoint at(random_.bounded(menu->width()), random_.bounded(menu->height()));
            if (IsExit(menu->actionAt(at))) {
                PressKey(menu, {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")});
                return;
            }
            PostClick(QStringLiteral("%1: click at %2,%3").arg(Name(menu)).arg(at.x()).arg(at.y()),
                      menu, at);
            break;
        }
        default: {
            // A click outside the menu, into the window it belongs to, closes it.
            QWidget* window = QApplication::activeModalWidget();
            if (!window)
                window = Form1;
            ClickRandomPoint(window);
            break;
        }
        }
    }

    void FinalAction(QWidget* target, QWidget* popup) {
        if (popup) {
            PressKey(popup, {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")});
        } else if (qobject_cast<QDialog*>(target)) {
            PressKey(target, {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")});
        } else if (target == Form3 && goal_ == Exit::MapFileExit) {
            PostExit(QStringLiteral("Form3: File, Exit"), [this] { mapExit_->trigger(); });
        } else if (target != Form1) {
            PostClose(target);
        } else if (goal_ == Exit::MapFileExit) {
            PostClick(QStringLiteral("Form1: Show Results"), results_, Centre(results_));
        } else if (goal_ == Exit::QuizFileExit) {
            PostExit(QStringLiteral("Form1: File, Exit"), [this] { quizExit_->trigger(); });
        } else {
            PostExit(QStringLiteral("Form1: close box"), [] { Form1->close(); });
        }
    }

    void ClickRandomControl(QWidget* window) {
        QList<QWidget*> controls;
        for (QWidget* control : window->findChildren<QWidget*>())
            if (control->window() == window && control->isVisible() && control->isEnabled() &&
                !control->rect().isEmpty())
                controls << control;
        if (controls.isEmpty()) {
            ClickRandomPoint(window);
            return;
        }
        QWidget* control = controls.at(random_.bounded(int(controls.size())));
        const QPoint at(random_.bounded(control->width()), random_.bounded(control->height()));
        PostClick(QStringLiteral("%1: click %2 (%3) at %4,%5")
                      .arg(Name(window), control->objectName(),
                           QString::fromLatin1(control->metaObject()->className()))
                      .arg(at.x())
                      .arg(at.y()),
                  control, at);
    }

    void ClickRandomPoint(QWidget* window) {
        const QPoint at(random_.bounded(window->width()), random_.bounded(window->height()));
        PostClick(QStringLiteral("%1: click at %2,%3").arg(Name(window)).arg(at.x()).arg(at.y()),
                  window, at);
    }

    void TriggerRandomMenuItem(QWidget* window) {
        auto* mainWindow = qobject_cast<QMainWindow*>(window);
        auto* bar = mainWindow ? qobject_cast<QMenuBar*>(mainWindow->menuWidget()) : nullptr;
        QList<QAction*> items;
        if (bar) {
            for (QMenu* menu : bar->findChildren<QMenu*>()) {
                if (!menu->menuAction()->isEnabled() || !menu->menuAction()->isVisible())
                    continue;
                for (QAction* item : menu->actions())
                    if (item->isEnabled() && item->isVisible() && !item->isSeparator() &&
                        !item->menu() && !IsExit(item))
                        items << item;
            }
        }
        if (items.isEmpty()) {
            PressKey(window, RandomKey());
            return;
        }
        TriggerMenuItem(window, items.at(random_.bounded(int(items.size()))));
    }

    void TriggerMenuItem(QWidget* window, QAction* item) {
        Post(QStringLiteral("%1: menu %2").arg(Name(window), item->objectName()),
             [item = QPointer<QAction>(item)] {
                 if (item)
                     item->trigger();
             });
    }

    KeyStroke RandomKey() {
        static const std::array<KeyStroke, 18> keys = {{
            {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")},
            {Qt::Key_Backtab, Qt::ShiftModifier, {}},
            {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")},
            {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")},
            {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")},
            {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")},
            {Qt::Key_Up, Qt::NoModifier, {}},
            {Qt::Key_Down, Qt::NoModifier, {}},
            {Qt::Key_Left, Qt::NoModifier, {}},
            {Qt::Key_Right, Qt::NoModifier, {}},
            {Qt::Key_Home, Qt::NoModifier, {}},
            {Qt::Key_End, Qt::NoModifier, {}},
            {Qt::Key_PageUp, Qt::NoModifier, {}},
            {Qt::Key_PageDown, Qt::NoModifier, {}},
            {Qt::Key_F1, Qt::NoModifier, {}},
            {Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03")},
            {Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01")},
            {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")},
        }};
        switch (Pick({60, 25, 15})) {
        case 0:
            return keys[std::size_t(random_.bounded(int(keys.size())))];
        case 1:
            return RandomLetter(Qt::NoModifier);
        default:
            return RandomLetter(Qt::AltModifier);
        }
    }

    KeyStroke RandomLetter(Qt::KeyboardModifiers modifiers) {
        const int letter = random_.bounded(26);
        return {static_cast<Qt::Key>(Qt::Key_A + letter), modifiers, QString(QChar(u'a' + letter))};
    }

    // ---- the program's exits, which only the final phase may use ----

    bool IsExit(const QAction* action) const {
        return action && (action == quizExit_ || action == mapExit_);
    }

    // A key in an open menu runs the highlighted item (Enter, Space) or the item whose
    // accelerator letter it is.
    bool KeyWouldExit(const QMenu* menu, const KeyStroke& stroke) const {
        const bool runsHighlighted = stroke.key == Qt::Key_Return || stroke.key == Qt::Key_Enter ||
                                     stroke.key == Qt::Key_Space;
        if (runsHighlighted && IsExit(menu->activeAction()))
            return true;
        for (const QAction* action : menu->actions()) {
            if (!IsExit(action))
                continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
            if (!mnemonic.isEmpty() && mnemonic[0].key() == stroke.key)
                return true;
        }
        return false;
    }

    // ---- posting actions: each runs from the event loop, so it may open a modal window and
    // wait in it while the ticker goes on ----

    void Post(const QString& text, std::function<void()> action) {
        Record(text);
        pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, action = std::move(action)] {
                pending_ = false;
                action();
            },
            Qt::QueuedConnection);
    }

    void PostClick(const QString& text, QWidget* control, QPoint at) {
        Post(text, [this, control = QPointer<QWidget>(control), at] { ClickAt(control, at); });
    }

    void PostClose(QWidget* window) {
        Post(QStringLiteral("%1: close box").arg(Name(window)),
             [window = QPointer<QWidget>(window)] {
                 if (window)
                     window->close();
             });
    }

    void PostAltTap(QWidget* window) {
        Post(QStringLiteral("%1: Alt alone").arg(Name(window)),
             [window = QPointer<QWidget>(window)] {
                 if (!window || !window->windowHandle())
                     return;
                 QPointer<QWindow> handle = window->windowHandle();
                 qt_handleKeyEvent(handle, QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
                 if (handle)
                     qt_handleKeyEvent(handle, QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
             });
    }

    void PostExit(const QString& text, std::function<void()> exit) {
        Post(text, [this, exit = std::move(exit)] {
            ExitUsed(goal_);
            exit();
        });
    }

    void ExitUsed(Exit exit) {
        goal_ = exit;
        exitPerformed_ = true;
        ticker_.stop();
        // If the program does not end now, fail rather than hang.
        QTimer::singleShot(10000, this, [this] {
            Fail(QStringLiteral("the program did not end after %1").arg(ExitName(goal_)));
        });
    }

    void PressKey(QWidget* window, const KeyStroke& stroke) {
        Post(QStringLiteral("%1: key %2").arg(Name(window), Describe(stroke)),
             [window = QPointer<QWidget>(window), stroke] {
                 if (!window || !window->windowHandle())
                     return;
                 // Delivered at once, as the window system would, with no event processing in
                 // between: a key that opens a modal window waits in it here.
                 QPointer<QWindow> handle = window->windowHandle();
                 qt_handleKeyEvent(handle, QEvent::KeyPress, stroke.key, stroke.modifiers,
                                   stroke.text);
                 if (handle)
                     qt_handleKeyEvent(handle, QEvent::KeyRelease, stroke.key, stroke.modifiers,
                                       stroke.text);
             });
    }

    // A left click at `at` in `control`, sent to its window as the window system would send it,
    // so that it reaches whatever lies at that point and respects modality.
    void ClickAt(QWidget* control, QPoint at) {
        if (!control || !control->isVisible())
            return;
        QWidget* window = control->window();
        QPointer<QWindow> handle = window->windowHandle();
        if (!handle)
            return;
        const QPoint local = control->mapTo(window, at);
        const QPoint global = handle->mapToGlobal(local);
        // Whatever it was aimed at, a click on an open menu chooses the item under it.
        if (const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            const QAction* item = menu->actionAt(menu->mapFromGlobal(global));
            if (IsExit(item)) {
                Record(QStringLiteral("the click chooses %1").arg(item->objectName()));
                exitByClick_ = true;
                ExitUsed(item == mapExit_ ? Exit::MapFileExit : Exit::QuizFileExit);
            }
        }
        timestamp_ += 1000; // far apart, so that no two clicks make a double click
        qt_handleMouseEvent(handle, local, global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, timestamp_);
        if (handle)
            qt_handleMouseEvent(handle, local, global, Qt::NoButton, Qt::LeftButton,
                                QEvent::MouseButtonRelease, Qt::NoModifier, timestamp_ + 100);
    }

    static QPoint Centre(const QWidget* control) { return control->rect().center(); }

    int Pick(std::initializer_list<int> weights) {
        int total = 0;
        for (int weight : weights)
            total += weight;
        int roll = random_.bounded(total);
        int index = 0;
        for (int weight : weights) {
            if (roll < weight)
                return index;
            roll -= weight;
            ++index;
        }
        return index - 1;
    }

    // ---- reporting ----

    void Record(const QString& text) {
        const QString line = QStringLiteral("step %1: %2").arg(step_).arg(text);
        trace_ = trace_ * 31u + static_cast<quint32>(qHash(line));
        if (verbose_)
            std::printf("%s\n", qPrintable(line));
        recent_.push_back(line);
        if (recent_.size() > RecentActions)
            recent_.pop_front();
    }

    bool Fail(const QString& why) {
        if (failed_)
            return false;
        failed_ = true;
        ticker_.stop();
        std::fprintf(stderr,
                     "FAIL: %s\n  seed %u (QUIZ_MONKEY_SEED=%u QUIZ_MONKEY_STEPS=%d), step %d of "
                     "%d\n  last actions:\n",
                     qPrintable(why), seed_, seed_, steps_, step_, steps_);
        for (const QString& line : recent_)
            std::fprintf(stderr, "    %s\n", qPrintable(line));
        std::fflush(stderr);
        QCoreApplication::exit(1);
        return false;
    }

    const bool verbose_ = qEnvironmentVariableIsSet("QUIZ_MONKEY_VERBOSE");
    const quint32 seed_;
    const int steps_;
    QRandomGenerator random_;
    QTimer ticker_;
    QElapsedTimer clock_;
    qint64 lastProgress_ = 0;

    std::array<std::vector<QRadioButton*>, quiz::QuestionCount> radios_;
    QPushButton* results_ = nullptr;
    QPushButton* restart_ = nullptr;
    QAction* quizExit_ = nullptr;
    QAction* mapExit_ = nullptr;
    QList<QAction*> infoItems_;
    QList<QWidget*> logos_;

    Phase phase_ = Phase::Splash;
    Exit goal_ = Exit::QuizFileExit;
    bool splashSeen_ = false;
    bool pending_ = false;
    bool failed_ = false;
    bool exitPerformed_ = false;
    bool exitByClick_ = false;
    bool quizShownAfterExit_ = false;
    int step_ = 0;
    int waitTicks_ = 0;
    int settleTicks_ = 0;
    int finalTicks_ = 0;
    int timestamp_ = 0;

    bool mapWasUp_ = false;
    std::array<int, quiz::QuestionCount> answersAtMap_{};
    int cycles_ = 0;
    int menusOpened_ = 0;
    std::map<QString, int> opened_;
    std::set<QWidget*> shownBefore_;

    std::deque<QString> recent_;
    quint32 trace_ = 0;
};

// The offscreen platform says for every raise() and keyboard grab that it cannot do them; over
// thousands of actions that would bury the report.
QtMessageHandler defaultHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    // The program's own start-up, as its main() does it, with the monkey beside it.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    InitialiseProgram();
    CreateWindows();
    defaultHandler = qInstallMessageHandler(QuietHandler);
    bool ok = false;
    {
        Monkey monkey(SeedFromEnvironment(), StepsFromEnvironment());
        Form1->show();
        monkey.Start();
        const int status = app.exec();
        ok = monkey.Finish(status);
    }
    DestroyWindows();
    return ok ? 0 : 1;
}
