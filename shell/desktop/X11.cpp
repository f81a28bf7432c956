#include "X11.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include "Desktop.h"
#include "StackView.h"
#include "XSettings.h"
#include "Xcb.h"

namespace quiz {

namespace {

// When the X focus comes to one of the program's windows that a modal window blocks, or leaves it
// (FocusIn, WM_TAKE_FOCUS, FocusOut), Qt 6.4 relays it by asking the window manager to activate
// the modal window (_NET_ACTIVE_WINDOW). xfwm4 4.18, minimising the top modal window, moves the
// focus to the window below, and may do so before it unmaps the modal window and marks it
// minimised; the relayed request then reaches it after the minimising, and it restores the modal
// window: the stack could not be minimised from its top (desktop_MinimiseXfwm4: the map and a
// profile stayed on screen). So these focus events of a blocked window are handled here instead:
// the X focus moves straight to the modal window, as long as Qt has it mapped, which restores
// nothing; a window manager keeps a transient window above its owner, so it shows there already.
// Where the modal window was being minimised, the focus goes nowhere, and its new state reaches
// the stack, which minimises the rest with it.
class FocusOfferFilter : public QAbstractNativeEventFilter {
public:
    FocusOfferFilter(xcb_connection_t* connection, StackView& stack)
        : connection_(connection)
        , stack_(stack)
        , protocols_(x11::Atom(connection, "WM_PROTOCOLS"))
        , takeFocus_(x11::Atom(connection, "WM_TAKE_FOCUS")) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        xcb_window_t offeredTo = XCB_WINDOW_NONE;
        xcb_timestamp_t time = XCB_CURRENT_TIME;
        if ((event->response_type & 0x7f) == XCB_FOCUS_OUT) {
            const auto* focusOut = reinterpret_cast<const xcb_focus_out_event_t*>(event);
            return BlockedWindow(focusOut->event) != nullptr;
        }
        if ((event->response_type & 0x7f) == XCB_FOCUS_IN) {
            offeredTo = reinterpret_cast<const xcb_focus_in_event_t*>(event)->event;
        } else if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (client->type == protocols_ && client->format == 32 &&
                client->data.data32[0] == takeFocus_) {
                offeredTo = client->window;
                time = client->data.data32[1];
            }
        }
        const QWidget* blocked = offeredTo == XCB_WINDOW_NONE ? nullptr : BlockedWindow(offeredTo);
        if (!blocked)
            return false;
        const QWindow* top = stack_.Top()->windowHandle();
        if (top && top->isExposed()) {
            // Checked, and the error discarded: the window manager may unmap the window first.
            const xcb_void_cookie_t focus = xcb_set_input_focus_checked(
                connection_, XCB_INPUT_FOCUS_PARENT, xcb_window_t(top->winId()), time);
            xcb_discard_reply(connection_, focus.sequence);
            xcb_flush(connection_);
        } else if (stack_.Top()->isMinimized() && !blocked->isMinimized()) {
            // Mutter 43 now and then leaves the opener of a modal window on screen when the
            // user minimises that window, and nothing brought the top back; offered to the
            // opener, the focus brings it back (after this event's handling). Covered by
            // desktop_mutter_xwayland and desktop_gnome-shell_xwayland.
            QTimer::singleShot(0, &pending_,
                               [this, window = QPointer<QWidget>(const_cast<QWidget*>(blocked))] {
                                   if (window)
                                       stack_.ActivationOffered(*window);
                               });
        }
        return true;
    }

private:
    // The top-level window of the program with this id, if the modal stack blocks it; not the
    // modal window itself, nor a menu, which takes the keyboard while it is open.
    const QWidget* BlockedWindow(xcb_window_t id) const {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->internalWinId() == id)
                return (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog) &&
                               stack_.Blocks(*window)
                           ? window
                           : nullptr;
        }
        return nullptr;
    }

    xcb_connection_t* const connection_;
    StackView& stack_;
    const xcb_atom_t protocols_;
    const xcb_atom_t takeFocus_;
    QObject pending_; // the offers not yet made go with the filter
};

class X11Desktop : public Desktop {
public:
    X11Desktop(xcb_connection_t* connection, StackView& stack)
        : Desktop(stack)
        , connection_(connection)
        , frameExtents_(x11::Atom(connection, "_NET_FRAME_EXTENTS"))
        , filter_(connection, stack) {
        // The filter takes itself out of the event dispatcher when it goes.
        QCoreApplication::instance()->installNativeEventFilter(&filter_);
    }
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    // Qt 6.4 writes WM_TRANSIENT_FOR only for dialog-like window types, and deletes it when it
    // shows a plain window: without the write here the window manager neither keeps a modal
    // window above its opener nor minimises the two together. The program's windows stay plain
    // windows, because openbox 3.6 forces a dialog wholly onto the screen, and the design puts the
    // map's frame at (43, -4) and the history's at (-2, 0). The write follows Qt's map request;
    // openbox and xfwm4 also take the property when it changes on a window they already manage.
    // Covered by desktop_Frames (the property of the quotes and organisation windows) and
    // desktop_Minimise.
    void Shown(QWidget& window) override {
        const QWindow* parent = window.windowHandle()->transientParent();
        if (!parent || window.windowType() != Qt::Window)
            return;
        const auto parentId = xcb_window_t(parent->winId());
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()),
                            XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parentId);
        xcb_flush(connection_);
    }

    // The frame as the window manager publishes it (_NET_FRAME_EXTENTS, in device pixels), and
    // none before it has. Qt 6.4 falls back on the window tree where nothing is published yet, and
    // kwin_x11 5.27 first reparents a window into a frame of 1 x 1 pixels: the margins came out
    // negative (0, 0, -430, -309 for the splash), and the splash and the result message were
    // centred as if they had no size, their top-left corner at the screen's centre; mutter 43 on
    // X11 gave a message no caption at first, and it stood a caption's height too high. Covered
    // by desktop_kwin-x11_x11 and desktop_gnome-shell_xwayland.
    QMargins FrameOf(const QWindow& window) const override {
        const auto reply = x11::TakeReply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, xcb_window_t(window.winId()),
                                                    frameExtents_, XCB_ATOM_CARDINAL, 0, 4),
                                   nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
            return {};
        const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        const qreal ratio = window.devicePixelRatio();
        const auto logical = [ratio](uint32_t side) { return qRound(qreal(side) / ratio); };
        return {logical(sides[0]), logical(sides[2]), logical(sides[1]), logical(sides[3])};
    }

    // The X settings manager's settings are a property of the window that owns the selection of
    // screen 0 (X servers today have only one screen).
    QString ThemeName() const override {
        const xcb_atom_t selection = x11::Atom(connection_, "_XSETTINGS_S0");
        const xcb_atom_t property = x11::Atom(connection_, "_XSETTINGS_SETTINGS");
        const auto owner = x11::TakeReply(xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, selection), nullptr));
        if (!owner || owner->owner == XCB_WINDOW_NONE)
            return {};
        const auto reply = x11::TakeReply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, owner->owner, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
                                   nullptr));
        if (!reply || xcb_get_property_value_length(reply.get()) <= 0)
            return {};
        const QByteArray settings(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                  xcb_get_property_value_length(reply.get()));
        return XSettingsString(settings, "Net/ThemeName");
    }

private:
    xcb_connection_t* const connection_;
    const xcb_atom_t frameExtents_;
    FocusOfferFilter filter_;
};

} // namespace

std::unique_ptr<Desktop> MakeX11Desktop(StackView& stack) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::make_unique<Desktop>(stack);
    return std::make_unique<X11Desktop>(x11->connection(), stack);
}

} // namespace quiz
