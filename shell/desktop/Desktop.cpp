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

void Desktop::ActivatedWhileBlocked(QWidget&) {}

QString Desktop::ThemeName() const {
    return {};
}

int Desktop::ClientWidthShowingTitle(const QString&) const {
    return 0;
}

} // namespace quiz
