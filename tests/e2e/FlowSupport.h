#pragma once

// Helpers for the end-to-end tests: clicks and keys delivered the way the window system delivers
// them (to the top-level window, so a window blocked by a modal one ignores them), and acting on a
// modal window from inside its own event loop.

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtTest>

#include <functional>

#include "Form.h"
#include "GuiTestSupport.h"
#include "MessageAnswers.h"
#include "MessageDialog.h"

#include "Answers.h"
#include "Question.h"

namespace flow {

using testing::child;

// Things that went wrong inside a callback, where a failed QVERIFY cannot stop the test. Every
// test checks that the list is empty when it ends.
inline QStringList& Problems() {
    static QStringList problems;
    return problems;
}
inline void Problem(const QString& what) {
    Problems() << what;
}

inline QString NameOf(const QObject* object) {
    if (!object)
        return QStringLiteral("(none)");
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// Runs `act` once `ready` holds, polling from timers, so that it also fires inside a nested modal
// loop. Gives up after the deadline.
class When : public QObject {
public:
    When(std::function<bool()> ready, std::function<void()> act, int timeoutMs = 10000)
        : ready_(std::move(ready))
        , act_(std::move(act))
        , deadline_(timeoutMs) {
        Poll();
    }
    bool Done() const { return done_; }

private:
    void Poll() {
        QTimer::singleShot(10, this, [this] {
            if (ready_()) {
                done_ = true;
                act_();
            } else if (!deadline_.hasExpired()) {
                Poll();
            }
        });
    }

    std::function<bool()> ready_;
    std::function<void()> act_;
    QDeadlineTimer deadline_;
    bool done_ = false;
};

// The window on top, the one that takes the user's input.
inline QWidget* Modal() {
    return QApplication::activeModalWidget();
}

inline bool IsMessageDialog(const QWidget* widget) {
    return qobject_cast<const TMessageForm*>(widget) != nullptr;
}

// Runs `trigger`, which opens a modal window and returns once that window has closed. As soon as
// the window accepted by `match` is the active modal window, `inside` runs on it and must close
// it; a window it leaves open is closed here and counted as a problem.
struct ModalRun {
    bool seen = false;
    QString title;
};
inline ModalRun WithModal(const std::function<bool(QWidget*)>& match,
                          const std::function<void()>& trigger,
                          const std::function<void(QWidget*)>& inside, const QString& what) {
    ModalRun run;
    When when(
        [&] {
            QWidget* modal = Modal();
            return modal && modal->isVisible() && match(modal);
        },
        [&] {
            QPointer<QWidget> modal = Modal();
            run.seen = true;
            run.title = modal->windowTitle();
            inside(modal);
            if (modal && modal->isVisible()) {
                Problem(what + QStringLiteral(": left open"));
                modal->close();
            }
        });
    trigger();
    if (!run.seen)
        Problem(what + QStringLiteral(": never became the active modal window (on top: ") +
                NameOf(Modal()) + QLatin1Char(')'));
    return run;
}
inline ModalRun WithModal(QWidget* window, const std::function<void()>& trigger,
                          const std::function<void(QWidget*)>& inside) {
    return WithModal([window](QWidget* modal) { return modal == window; }, trigger, inside,
                     NameOf(window));
}
inline ModalRun WithMessage(const std::function<void()>& trigger,
                            const std::function<void(QWidget*)>& inside) {
    return WithModal(IsMessageDialog, trigger, inside, QStringLiteral("message dialog"));
}

// The text of a message dialog as the user reads it.
inline QString MessageText(QWidget* dialog) {
    return child<QLabel>(dialog, "Message")->text();
}

// A left click delivered to the top-level window at the widget's point.
inline void Click(QWidget* widget, QPoint at = {}) {
    const QPoint local = at.isNull() ? widget->rect().center() : at;
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, local));
}

// The title-bar close box: the window system asks the window to close.
inline void CloseBox(QWidget* window) {
    window->windowHandle()->close();
}

// Whether the user's keys reach the window on top: an open menu, or the active window when no
// modal window is above it.
inline bool ReadyForKeys() {
    if (QApplication::activePopupWidget())
        return QGuiApplication::focusWindow() != nullptr;
    QWidget* active = QApplication::activeWindow();
    QWidget* modal = Modal();
    return active && active->isVisible() && (!modal || modal == active) &&
           QGuiApplication::focusWindow() == active->windowHandle();
}

// A key as the user types it: into the window that has the keyboard focus, once the window on top
// has it (activation after a window closes arrives through the event queue).
inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (!QTest::qWaitFor(ReadyForKeys, 2000)) {
        Problem(QStringLiteral("key %1: the keyboard reaches no window (active %2, on top %3)")
                    .arg(QKeySequence(int(key) | int(modifiers)).toString(),
                         NameOf(QApplication::activeWindow()), NameOf(Modal())));
        return;
    }
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

// Alt plus the accelerator letter of a menu, then the letter of the item, as typed.
inline void MenuKeys(Qt::Key menu, Qt::Key item) {
    Key(menu, Qt::AltModifier);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000)) {
        Problem(QStringLiteral("Alt+%1 opened no menu").arg(QKeySequence(menu).toString()));
        return;
    }
    Key(item);
}

// The widget that has the keyboard focus, by name.
inline QString Focus() {
    return NameOf(QApplication::focusWidget());
}

// Chooses `item` of the menu `menu` in `form`'s menu bar with the mouse: a click on the menu's
// title opens it, a click on the item chooses it.
inline void ChooseWithMouse(QWidget* form, const char* menu, const char* item) {
    auto* bar = child<QMenuBar>(form, "MainMenu1");
    auto* popup = child<QMenu>(form, menu);
    auto* action = child<QAction>(form, item);
    Click(bar, bar->actionGeometry(popup->menuAction()).center());
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000)) {
        Problem(QStringLiteral("menu %1 did not open").arg(QLatin1String(menu)));
        return;
    }
    Click(popup, popup->actionGeometry(action).center());
}

// Closes whatever is left on top (menus, modal windows) after `ms`, and counts that as a problem,
// so that a failing test cannot hang the run.
class Watchdog : public QObject {
public:
    explicit Watchdog(int ms) {
        QTimer::singleShot(ms, this, [this] { Sweep(); });
    }

private:
    void Sweep() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            Problem(QStringLiteral("watchdog closed the menu ") + NameOf(popup));
            popup->close();
        } else if (QWidget* modal = Modal()) {
            Problem(QStringLiteral("watchdog closed ") + NameOf(modal));
            modal->close();
        }
        QTimer::singleShot(200, this, [this] { Sweep(); });
    }
};

// The quiz window's radio button for `answer` ('Y', 'M' or 'N') of `question`.
inline QRadioButton* Radio(int question, QChar answer) {
    const QString name = (question == 3 && answer == u'N')
                             ? QStringLiteral("BtnQ3N")
                             : QStringLiteral("btnQ%1%2").arg(question).arg(answer);
    return child<QRadioButton>(Form1, name.toLatin1().constData());
}

// The answers as the radio buttons show them, one letter per question: "YMN..."; '?' for a
// question with no button or more than one button checked.
inline QString RadioSheet() {
    QString sheet;
    for (int n = 1; n <= quiz::QuestionCount; ++n) {
        QString checked;
        for (QChar answer : {u'Y', u'M', u'N'})
            if (Radio(n, answer)->isChecked())
                checked += answer;
        sheet += checked.size() == 1 ? checked.at(0) : u'?';
    }
    return sheet;
}

// The answer sheet the scores are computed from, in the same letters.
inline QString AnswerSheet() {
    QString sheet;
    for (int n = 1; n <= quiz::QuestionCount; ++n) {
        const int value = quiz::Answers[n];
        sheet += value == quiz::YesValue     ? u'Y'
                 : value == quiz::MaybeValue ? u'M'
                 : value == quiz::NoValue    ? u'N'
                                             : u'?';
    }
    return sheet;
}

inline const QString AllMaybe = QStringLiteral("MMMMMMMMMM");

// The top-level windows the user sees, by name, sorted.
inline QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << NameOf(window);
    names.sort();
    return names;
}

inline QStringList Windows(QStringList names) {
    names.sort();
    return names;
}

inline QString Statement(int question) {
    const std::string_view text = quiz::QuestionAt(question).statement;
    return QString::fromUtf8(text);
}

// Before each test: no problems noted and no dialog answers queued.
inline void StartTest() {
    Problems().clear();
    testing::ClearQueuedMessageAnswers();
}

// After each test: nothing went wrong in a callback, every queued answer was used, and no modal
// window or menu was left open.
inline void CheckTestEnd() {
    QVERIFY2(Problems().isEmpty(), qPrintable(Problems().join(QStringLiteral("; "))));
    QVERIFY(!testing::HasQueuedMessageAnswers());
    QVERIFY(!Modal());
    QVERIFY(!QApplication::activePopupWidget());
}

// Counts how often a window is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    int Count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++count_;
        return false;
    }

private:
    int count_ = 0;
};

} // namespace flow
