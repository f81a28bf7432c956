#pragma once

// Helpers shared by the GUI tests: finding controls by name, and acting on a modal window that a
// blocking call is about to open.

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

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

// Presses a key in `widget` (the focus widget inside it, if any).
inline void PressKey(QWidget* widget, Qt::Key key) {
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    QTest::keyClick(target, key);
}

} // namespace testing
