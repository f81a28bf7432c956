#pragma once

// Helpers shared by the GUI tests: finding controls by name, and acting on a modal window that a
// blocking call is about to open.

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

#include "Timer.h"

namespace testing {

// The child named `name`, or a test failure naming it.
template <class T> T* child(QObject* parent, const char* name) {
    T* found = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("missing control %s", name);
    return found;
}

// Waits (from a timer, so it works inside a nested modal loop) until a modal widget other than
// `above` is active, then runs `action` on it. Records whether it ever saw one; gives up after
// the deadline so that a failure cannot leave the run hanging.
class ModalAction : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    explicit ModalAction(Action action, QWidget* above = nullptr, int timeoutMs = 5000)
        : action_(std::move(action))
        , above_(above)
        , deadline_(timeoutMs) {
        poll();
    }

    bool Done() const { return done_; }
    QString SeenTitle() const { return title_; }

private:
    void poll() {
        QTimer::singleShot(10, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != above_ && modal->isVisible()) {
                done_ = true;
                title_ = modal->windowTitle();
                action_(modal);
                return;
            }
            if (!deadline_.hasExpired())
                poll();
        });
    }

    Action action_;
    QPointer<QWidget> above_;
    QDeadlineTimer deadline_;
    bool done_ = false;
    QString title_;
};

// Times a window that its own timer closes, such as the splash. Everything is read at the
// moment it happens: the timer's interval and the time left on it as the window shows, and the
// tick that closes it. No polling delay enters the measure.
class TimedWindow : public QObject {
public:
    TimedWindow(QWidget* window, TTimer* timer)
        : window_(window)
        , timer_(timer)
        , onTimer_(timer->OnTimer) {
        clock_.start();
        window->installEventFilter(this);
        timer->OnTimer = [this] {
            firedAt_ = clock_.elapsed();
            onTimer_();
            closedByTick_ = !window_->isVisible();
        };
    }
    ~TimedWindow() override {
        if (timer_)
            timer_->OnTimer = onTimer_;
    }

    // Empty when the window showed with its timer armed with `interval` just before, and the
    // timer's tick closed it, not before the tick was due and at most `lateBy` after; otherwise
    // what went wrong.
    QString Check(int interval, int lateBy) const {
        if (!armed_ || interval_ != interval)
            return QStringLiteral("armed with %1 when shown").arg(armed_ ? interval_ : 0);
        if (!closedByTick_)
            return QStringLiteral("the tick did not close the window");
        // The clock reads whole milliseconds and the time left is rounded up: 1 ms of slack.
        const qint64 shown = firedAt_ - shownAt_;
        // Arming and showing are one step of the program; 100 ms leaves room for a busy machine.
        if (interval - left_ > 100 || shown < left_ - 1 || shown > left_ + lateBy)
            return QStringLiteral("%1 ms left when shown, closed %2 ms later")
                .arg(left_)
                .arg(shown);
        return {};
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && shownAt_ < 0) {
            shownAt_ = clock_.elapsed();
            interval_ = timer_->Interval();
            armed_ = timer_->IsRunning();
            left_ = timer_->RemainingTime();
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    QPointer<TTimer> timer_;
    std::function<void()> onTimer_;
    QElapsedTimer clock_;
    qint64 shownAt_ = -1, firedAt_ = -1;
    int interval_ = 0, left_ = -1;
    bool armed_ = false, closedByTick_ = false;
};

// Waits until what opening or changing a window set off is over: `count` (paints, say) has not
// grown for `quietMs`, a span a busy machine (or a sanitized build) still fits its late updates
// in. False after `timeoutMs` for a window that never rests, which the idle check after it then
// shows.
inline bool Settle(const std::function<int()>& count, int timeoutMs = 3000, int quietMs = 200) {
    int last = count();
    QElapsedTimer quiet;
    quiet.start();
    return QTest::qWaitFor(
        [&] {
            if (const int now = count(); now != last) {
                last = now;
                quiet.restart();
            }
            return quiet.elapsed() >= quietMs;
        },
        timeoutMs);
}

// Presses a key in `widget` (the focus widget inside it, if any).
inline void PressKey(QWidget* widget, Qt::Key key) {
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    QTest::keyClick(target, key);
}

} // namespace testing
