#include "WindowManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "Placement.h"
#include "X11.h"

namespace quiz {

namespace {

using x11::Atom;

// Reads a window property of 32-bit items; empty when it is not set.
std::vector<uint32_t> Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type) {
    const auto reply = x11::TakeReply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* items = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

// Asks an EWMH window manager for the frame it would give a window that is not mapped yet: it
// answers by setting _NET_FRAME_EXTENTS on the window. Empty when the window manager does not
// offer this, or does not answer within a moment.
std::optional<QMargins> RequestFrameExtents(xcb_connection_t* connection, xcb_window_t root,
                                            xcb_window_t window) {
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE)
        return std::nullopt;
    const std::vector<uint32_t> offered = Property(connection, root, supported, XCB_ATOM_ATOM);
    if (std::find(offered.begin(), offered.end(), request) == offered.end())
        return std::nullopt;

    xcb_delete_property(connection, window, extents);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The answer is a property change; polling it keeps the toolkit's own event handling out of
    // the way. A window manager answers within a few milliseconds.
    QElapsedTimer waited;
    waited.start();
    do {
        const std::vector<uint32_t> frame =
            Property(connection, window, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4)
            return QMargins(int(frame[0]), int(frame[2]), int(frame[1]), int(frame[3]));
        QThread::usleep(500);
    } while (waited.elapsed() < 250);
    return std::nullopt;
}

// The frame of another shown window of the program, which a window manager without advance
// answers most likely gives this one too.
QMargins FrameOfShownWindow(const QWidget* except) {
    for (QWindow* other : QGuiApplication::topLevelWindows()) {
        if (other->isVisible() && other != except->windowHandle() &&
            !other->frameMargins().isNull())
            return other->frameMargins();
    }
    return {};
}

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

LayoutRect Layout(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

void MinimiseTogether(QWidget* changed) {
    const bool minimised = changed->isMinimized();
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == changed || !other->isVisible() || other->isMinimized() == minimised)
            continue;
        // A maximised window stays maximised under the minimising.
        other->setWindowState(minimised ? other->windowState() | Qt::WindowMinimized
                                        : other->windowState() & ~Qt::WindowMinimized);
    }
    if (!minimised) {
        if (QWidget* top = QApplication::activeModalWidget()) {
            top->raise();
            top->activateWindow();
        }
    }
}

class MinimiseTogetherFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType())
            MinimiseTogether(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

QMargins ExpectedFrameMargins(QWidget* window) {
    window->winId(); // the native window, with its type and size hints, must exist
    QWindow* handle = window->windowHandle();
    if (!handle->frameMargins().isNull())
        return handle->frameMargins();
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (const std::optional<QMargins> frame =
            RequestFrameExtents(connection, screen->root, xcb_window_t(window->winId())))
        return *frame;
    return FrameOfShownWindow(window);
}

void MoveFrameTo(QWidget* window, QPoint frameTopLeft) {
    // A window not created yet is placed by its frame, which the window manager then honours.
    // Once created, it is placed by its client area, where the expected frame puts it: the
    // toolkit's own idea of the frame is empty before the first showing and stale after a hide.
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->move(frameTopLeft);
        return;
    }
    const QMargins frame = ExpectedFrameMargins(window);
    window->setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

void StayWithOpener(QWidget* window, QWidget* opener) {
    window->winId();
    QWindow* parent = opener && opener->isVisible() ? opener->windowHandle() : nullptr;
    window->windowHandle()->setTransientParent(parent);
}

void MinimiseWithProgram(QWidget* window) {
    static MinimiseTogetherFilter* const filter = new MinimiseTogetherFilter;
    window->installEventFilter(filter);
}

QWidget* OpenerWindow() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() != Qt::Popup &&
            window->windowType() != Qt::ToolTip)
            return window;
    }
    return nullptr;
}

QScreen* OpenerScreen(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    if (const QWindow* parent = handle ? handle->transientParent() : nullptr)
        return parent->screen();
    if (const QWidget* opener = OpenerWindow(); opener && opener != window)
        return opener->screen();
    return QGuiApplication::primaryScreen();
}

void CentreOnOpenerScreen(QWidget* window) {
    const QScreen* screen = OpenerScreen(window);
    if (!screen)
        return;
    const QSize outer = window->size().grownBy(ExpectedFrameMargins(window));
    const LayoutRect at =
        CentredIn(Layout(screen->availableGeometry()), outer.width(), outer.height());
    MoveFrameTo(window, QPoint(at.left, at.top));
}

void KeepOutOfReservedStrips(QWidget* window) {
    const QPoint centre = window->pos() + window->rect().center();
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry() == screen->geometry())
        return; // no panel: the window stays where it is, past the screen's edges or not
    const QRect frame(window->pos(), window->size().grownBy(ExpectedFrameMargins(window)));
    const LayoutRect moved = OutOfReservedStrips(Layout(frame), Layout(screen->geometry()),
                                                 Layout(screen->availableGeometry()));
    if (moved.left != frame.left() || moved.top != frame.top())
        MoveFrameTo(window, QPoint(moved.left, moved.top));
}

void PublishTransientParent(QWidget* window) {
    xcb_connection_t* connection = X11Connection();
    const QWindow* parent =
        window->windowHandle() ? window->windowHandle()->transientParent() : nullptr;
    if (!connection || !parent)
        return;
    const auto parentId = xcb_window_t(parent->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parentId);
    xcb_flush(connection);
}

} // namespace quiz
