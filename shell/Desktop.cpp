#include "Desktop.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>

#include "desktop/Wayland.h"
#if QUIZ_X11
#include "desktop/X11.h"
#endif

namespace quiz {

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

std::unique_ptr<Desktop> MakeDesktop(const QString& platformName) {
#if QUIZ_X11
    if (platformName == QLatin1String("xcb"))
        return MakeX11Desktop();
#endif
    if (platformName.startsWith(QLatin1String("wayland")))
        return MakeWaylandDesktop();
    return std::make_unique<Desktop>();
}

} // namespace quiz
