#include "ModalStack.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "Desktop.h"
#include "ModalResult.h"

namespace quiz {

namespace {

QPointer<ModalStack> instance;

void SetTransientParent(QWidget& window, QWidget* parent) {
    window.winId();
    window.windowHandle()->setTransientParent(parent ? parent->windowHandle() : nullptr);
}

} // namespace

ModalStack& ModalStack::Instance() {
    if (!instance)
        instance = new ModalStack(QCoreApplication::instance());
    return *instance;
}

ModalStack::ModalStack(QObject* parent)
    : QObject(parent)
    , desktop_(MakeDesktop(QGuiApplication::platformName(), *this)) {}

ModalStack::~ModalStack() = default;

void ModalStack::Manage(QWidget& window) {
    if (std::find(managed_.begin(), managed_.end(), &window) != managed_.end())
        return;
    managed_.erase(std::remove(managed_.begin(), managed_.end(), nullptr), managed_.end());
    managed_.emplace_back(&window);
    window.installEventFilter(this);
    connect(&window, &QObject::destroyed, this, &ModalStack::EndDisplaysOfDestroyedWindows);
    desktop_->Manage(window);
}

int ModalStack::Run(QWidget& window, Placing placing) {
    if (window.isVisible() || IsShownModally(window))
        throw std::logic_error("Cannot make a visible window modal");
    Manage(window);
    const QPointer<QWidget> opener = Opener();
    const QPointer<QWidget> shown = &window;

    // The transient parent first: the desktop places a transient by its parent, and learns of it
    // only when the window is mapped.
    SetTransientParent(window, opener);
    // A window that was minimised when it closed opens on screen all the same.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    displays_.push_back({&window, &loop});
    QMetaObject::Connection dialogEnd;
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialogEnd = connect(dialog, &QDialog::finished, this,
                            [this, dialog](int result) { End(*dialog, result); });
    emit InputChanged();

    PlaceForShowing(window, placing, opener, *desktop_);
    window.show();
    desktop_->Shown(window);
    BringForward(window);
    const int result = loop.exec(QEventLoop::DialogExec);

    displays_.erase(std::find_if(displays_.begin(), displays_.end(),
                                 [&](const Display& d) { return d.loop == &loop; }));
    disconnect(dialogEnd);
    if (shown) {
        window.hide();
        window.setWindowModality(Qt::NonModal);
        desktop_->Hidden(window); // a transient of none from now on
    }
    emit InputChanged();
    if (opener && opener->isVisible())
        BringForward(*opener);
    return result;
}

void ModalStack::End(QWidget& window, int result) {
    const auto display = std::find_if(displays_.begin(), displays_.end(),
                                      [&](const Display& d) { return d.window == &window; });
    if (display != displays_.end())
        display->loop->exit(result); // the display ends when Run() is back from its loop
}

void ModalStack::EndDisplaysOfDestroyedWindows() {
    for (const Display& display : displays_) {
        if (!display.window)
            display.loop->exit(mrCancel);
    }
}

bool ModalStack::IsShownModally(const QWidget& window) const {
    return std::any_of(displays_.begin(), displays_.end(),
                       [&](const Display& d) { return d.window == &window; });
}

void ModalStack::Show(QWidget& window) {
    Manage(window);
    PlaceForShowing(window, Placing::AsDesigned, nullptr, *desktop_);
    window.show();
    BringForward(window);
}

QWidget* ModalStack::Top() const {
    return displays_.empty() ? nullptr : displays_.back().window.data();
}

QWidget* ModalStack::Opener() const {
    if (QWidget* top = Top())
        return top;
    for (QWidget* window : managed_) {
        if (window && window->isVisible())
            return window;
    }
    return nullptr;
}

// A window on top of the stack blocks the others while it shows: from its close until its display
// has ended, the window below takes input again, as it does in the toolkit's eyes.
const QWidget* ModalStack::BlockingTop() const {
    const QWidget* top = Top();
    return top && top->isVisible() ? top : nullptr;
}

bool ModalStack::TakesInput(const QWidget& control) const {
    const QWidget* window = control.window();
    const QWidget* top = BlockingTop();
    return window->isVisible() && !window->isMinimized() && (!top || top == window);
}

bool ModalStack::Blocks(const QWidget& window) const {
    const QWidget* top = BlockingTop();
    return top && top != &window && window.isVisible();
}

void ModalStack::BringForward(QWidget& window) {
    desktop_->Activate(window);
}

void ModalStack::FollowMinimised(QWidget& changed) {
    const bool minimised = changed.isMinimized();
    for (QWidget* other : managed_) {
        if (!other || other == &changed || !other->isVisible() || other->isMinimized() == minimised)
            continue;
        // A maximised window stays maximised under the minimising.
        other->setWindowState(minimised ? other->windowState() | Qt::WindowMinimized
                                        : other->windowState() & ~Qt::WindowMinimized);
    }
    if (!minimised) {
        if (QWidget* top = Top())
            BringForward(*top);
    }
}

void ModalStack::ActivationOffered(QWidget& blocked) {
    QWidget* top = Top();
    if (!Blocks(blocked) || blocked.isMinimized())
        return;
    if (top->isMinimized()) {
        // The desktop minimised the top alone (see desktop/), and the user, looking at the
        // window below, asks for it: the top comes back with it, or the user would be left with a
        // window that answers nothing.
        top->setWindowState(top->windowState() & ~Qt::WindowMinimized);
    } else {
        desktop_->ActivatedWhileBlocked(blocked);
    }
    BringForward(*top);
}

void ModalStack::WhenInputChanges(QObject& context, std::function<void()> changed) {
    connect(this, &ModalStack::InputChanged, &context, std::move(changed));
}

bool ModalStack::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        emit InputChanged();
        break;
    case QEvent::WindowStateChange:
        // As the window system reports it, and only a real change: the program's own requests, to
        // make the others follow, are reported back too, and where the reports come late,
        // following them again would echo without end.
        if (event->spontaneous() && bool(static_cast<QWindowStateChangeEvent*>(event)->oldState() &
                                         Qt::WindowMinimized) != window->isMinimized())
            FollowMinimised(*window);
        emit InputChanged();
        break;
    case QEvent::Close:
        // A window below the top closes only once it takes input again, whoever asks: the
        // desktop (its close box, Alt+F4, a task list) offers the close of a blocked window
        // where the toolkit does not refuse it (see desktop/), and the user is shown the window
        // that waits for an answer.
        if (Blocks(*window)) {
            event->ignore();
            BringForward(*Top());
            return true;
        }
        break;
    case QEvent::WindowActivate:
        if (Blocks(*window))
            desktop_->BlockedWindowActivated(*window);
        break;
    default:
        break;
    }
    return false;
}

} // namespace quiz
