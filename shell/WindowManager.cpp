#include "WindowManager.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
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

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

constexpr Qt::WindowStates LargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

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

// Qt hands the focus that an X window manager offers a blocked window on to the top modal
// window, and so brings that window back when the window manager, having minimised it, offers the
// focus to the window below (xfwm4 does): the stack could not be minimised from its top. The
// window manager may make that offer before it marks the window minimised, so the offer is turned
// down and answered a moment later instead: by bringing the top modal window forward, unless it
// is minimised by then, when minimising the others follows. It lives as long as the application.
class MinimisedModalFocusFilter : public QObject, public QAbstractNativeEventFilter {
public:
    explicit MinimisedModalFocusFilter(xcb_connection_t* connection)
        : QObject(qApp)
        , connection_(connection)
        , protocols_(Atom(connection, "WM_PROTOCOLS"))
        , takeFocus_(Atom(connection, "WM_TAKE_FOCUS"))
        , state_(Atom(connection, "WM_STATE")) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        xcb_window_t offeredTo = XCB_WINDOW_NONE;
        if ((event->response_type & 0x7f) == XCB_FOCUS_IN) {
            offeredTo = reinterpret_cast<const xcb_focus_in_event_t*>(event)->event;
        } else if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (client->type == protocols_ && client->format == 32 &&
                client->data.data32[0] == takeFocus_)
                offeredTo = client->window;
        }
        const QWidget* modal = QApplication::activeModalWidget();
        if (offeredTo == XCB_WINDOW_NONE || !modal || !IsBlockedWindow(offeredTo, modal))
            return false;
        if (!answerPending_) {
            answerPending_ = true;
            // xfwm4 marks the window a few milliseconds after its offer, later on a busy machine.
            QTimer::singleShot(200, this, &MinimisedModalFocusFilter::BringModalForward);
        }
        return true;
    }

private:
    void BringModalForward() {
        answerPending_ = false;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || IsIconic(modal))
            return;
        modal->raise();
        modal->activateWindow();
    }

    // One of the program's windows that the modal window blocks; not the modal window itself, nor
    // a menu of its, which takes the keyboard while it is open.
    static bool IsBlockedWindow(xcb_window_t id, const QWidget* modal) {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->internalWinId() == id)
                return window != modal &&
                       (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
        }
        return false;
    }

    bool IsIconic(const QWidget* window) const {
        constexpr uint32_t IconicState = 3;
        const std::vector<uint32_t> state =
            Property(connection_, xcb_window_t(window->internalWinId()), state_, state_);
        return !state.empty() && state.front() == IconicState;
    }

    xcb_connection_t* const connection_;
    const xcb_atom_t protocols_;
    const xcb_atom_t takeFocus_;
    const xcb_atom_t state_;
    bool answerPending_ = false;
};

// Lies over a window that a modal window blocks, on Wayland: a compositor may stack the window
// over its modal window without the program knowing (sway does not keep a child above its
// parent), and its controls, which take no input, must not look as if they did. (An X window
// manager keeps a transient window above its owner.)
class BlockedVeil : public QWidget {
public:
    explicit BlockedVeil(QWidget* window)
        : QWidget(window) {
        setObjectName(QStringLiteral("BlockedVeil"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(128, 128, 128, 112));
    }
};

// The program's side of one top-level window's dealings with the desktop (see ManageWindow).
class WindowGuard : public QObject {
public:
    explicit WindowGuard(QWidget* window)
        : QObject(window)
        , window_(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_->windowHandle()) {
            if (event->type() == QEvent::Expose && awaitingMap_ &&
                window_->windowHandle()->isExposed()) {
                awaitingMap_ = false;
                QTimer::singleShot(0, this, &WindowGuard::LetFixedSizeGrow);
            }
            return false;
        }
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::WindowStateChange:
            MinimiseTogether(window_);
            break;
        case QEvent::WindowBlocked:
        case QEvent::WindowUnblocked:
            blocked_ = event->type() == QEvent::WindowBlocked;
            break;
        case QEvent::WindowActivate:
            // After the toolkit's own requests to activate this window, which it makes while it
            // handles the activation: a Wayland compositor honours the last request. (On X11
            // the toolkit hands the focus on to the modal window itself.)
            if (blocked_)
                QTimer::singleShot(0, this, &WindowGuard::HandOnActivation);
            break;
        default:
            break;
        }
        if (OnWayland()) {
            FollowCompositorSize(event);
            Veil(event);
        }
        return false;
    }

private:
    void HandOnActivation() {
        QWidget* modal = QApplication::activeModalWidget();
        if (blocked_ && modal && modal != window_ && !modal->isMinimized() &&
            window_->isActiveWindow()) {
            modal->raise();
            modal->activateWindow();
        }
    }

    void Veil(QEvent* event) {
        if (event->type() != QEvent::WindowBlocked && event->type() != QEvent::WindowUnblocked &&
            event->type() != QEvent::Resize)
            return;
        if (!veil_ && blocked_)
            veil_ = new BlockedVeil(window_);
        if (veil_) {
            veil_->setGeometry(window_->rect());
            veil_->raise();
            veil_->setVisible(blocked_);
        }
    }

    // Qt draws the title bars on Wayland, and gives every window a maximise button that the
    // program cannot take away; a compositor may also maximise a window on its own. It requires
    // a maximised window to take exactly the size it configures, and Qt keeps a window to its
    // maximum size, so a window of fixed size would break the protocol and lose the connection.
    // Once it is mapped with its fixed size (which tiling compositors read to let it float), it
    // may grow: it follows the maximised and full-screen states, its controls where they are,
    // and at any other size it goes back to its own.
    void FollowCompositorSize(QEvent* event) {
        switch (event->type()) {
        case QEvent::Show:
            window_->windowHandle()->installEventFilter(this);
            awaitingMap_ = true;
            break;
        case QEvent::Hide:
            awaitingMap_ = false;
            if (fixedSize_.isValid() && !(window_->windowState() & LargeStates)) {
                window_->setFixedSize(fixedSize_);
                fixedSize_ = QSize();
            }
            break;
        case QEvent::Resize:
            if (fixedSize_.isValid())
                QTimer::singleShot(0, this, &WindowGuard::KeepFixedSize);
            break;
        default:
            break;
        }
    }

    void LetFixedSizeGrow() {
        if (!window_->isVisible() || window_->minimumSize() != window_->maximumSize())
            return;
        fixedSize_ = window_->size();
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void KeepFixedSize() {
        if (fixedSize_.isValid() && !(window_->windowState() & LargeStates) &&
            window_->size() != fixedSize_)
            window_->resize(fixedSize_);
    }

    QWidget* const window_;
    BlockedVeil* veil_ = nullptr;
    bool blocked_ = false;
    bool awaitingMap_ = false;
    QSize fixedSize_; // while a window of fixed size may grow
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

int ClientWidthShowingTitle(const QString& title) {
    if (!OnWayland())
        return 0;
    // Qt's title bar sets the title in a 14-pixel font, starting about 15 pixels left of the bar's
    // middle, and cuts it some 70 pixels from the right edge, where its buttons begin; the frame
    // adds 3 pixels at each side.
    QFont font = QGuiApplication::font();
    font.setPixelSize(14);
    const int titleWidth = QFontMetrics(font).horizontalAdvance(title);
    return 2 * (titleWidth + 55) - 6;
}

void ManageWindow(QWidget* window) {
    static const bool filtering = [] {
        if (xcb_connection_t* connection = X11Connection())
            qApp->installNativeEventFilter(new MinimisedModalFocusFilter(connection));
        return true;
    }();
    Q_UNUSED(filtering);
    new WindowGuard(window);
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
