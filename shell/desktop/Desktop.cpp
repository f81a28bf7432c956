#include "Desktop.h"

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace quiz {

Desktop::Desktop(StackView& stack)
    : stack_(stack) {}

Desktop::~Desktop() = default;

void Desktop::Manage(QWidget&) {}

Desktop::Frame Desktop::ExpectedFrame(QWidget& window) {
    const int kind = window.windowFlags().toInt();
    if (const QWindow* handle = window.windowHandle(); handle && !FrameOf(*handle).isNull())
        return {framesByKind_[kind] = FrameOf(*handle), true};
    if (const auto known = framesByKind_.find(kind); known != framesByKind_.end())
        return {known->second, true};
    for (const QWindow* other : QGuiApplication::topLevelWindows()) {
        if (other->isVisible() && other != window.windowHandle() && !FrameOf(*other).isNull())
            return {FrameOf(*other), false};
    }
    return {};
}

QMargins Desktop::FrameOf(const QWindow& window) const {
    return window.frameMargins();
}

void Desktop::Shown(QWidget&) {}

void Desktop::Activate(QWidget& window) {
    window.raise();
    window.activateWindow();
    // Where nothing took the platform's focus over when this window last hid (offscreen, with no
    // window manager to move it), the platform still has it here, asking again changes nothing,
    // and the widgets would never learn that their window is active again.
    if (QGuiApplication::focusWindow() == window.windowHandle() &&
        QApplication::activeWindow() != &window)
        QApplication::setActiveWindow(&window);
}

void Desktop::Hidden(QWidget& window) {
    // Before the opener asks for the activation: Qt asks an X window manager to activate a
    // window only while the window it takes for the active one is no transient of it, and
    // otherwise moves the X focus itself, which does nothing where the focus never left the
    // opener (this window closed before the window manager had given it the focus).
    window.windowHandle()->setTransientParent(nullptr);
}

void Desktop::BlockedWindowActivated(QWidget& window) {
    // After the toolkit's own requests to activate this window, which it makes while it handles
    // the activation: a Wayland compositor honours the last request. (On X11 the toolkit relays
    // the focus to the modal window itself.) Offered only if the window still has it then.
    QTimer::singleShot(0, &window, [this, &window] {
        if (window.isActiveWindow())
            stack_.ActivationOffered(window);
    });
}

void Desktop::ActivatedWhileBlocked(QWidget&) {}

QString Desktop::ThemeName() const {
    return {};
}

int Desktop::ClientWidthShowingTitle(const QString&) const {
    return 0;
}

} // namespace quiz
