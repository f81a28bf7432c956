#include "Wayland.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>

#include "Colours.h"
#include "Desktop.h"
#include "StackView.h"

#if QUIZ_WAYLAND
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include "gtk-shell-client-protocol.h"
#endif

namespace quiz {

namespace {

constexpr Qt::WindowStates LargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// A grey veil over a window that a modal window blocks, once the compositor has stacked it over
// its modal window: its controls take no input, and must not look as if they did.
// Sway 1.7 raises any window it focuses, also one that a modal window blocks (it keeps no child
// above its parent); the program asks for the top modal window's activation, which sway by default
// only marks as urgent, so the blocked window stays on top until the user acts. (An X window
// manager keeps a transient window above its owner.) Seen with sway 1.7 and Qt 6.4; covered by
// desktop_BuriedModal.
class BlockedVeil : public QWidget {
public:
    static constexpr const char* Name = "BlockedVeil";

    BlockedVeil(QWidget& window, StackView& stack)
        : QWidget(&window)
        , window_(window) {
        setObjectName(QLatin1String(Name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        window.installEventFilter(this);
        stack.WhenInputChanges(*this, [this, &stack] {
            if (!window_.isVisible() || stack.TakesInput(window_))
                hide();
        });
    }

    // Covers the window, saying which window waits for the user beneath it.
    void Cover(const QString& waiting) {
        waiting_ = waiting;
        setGeometry(window_.rect());
        raise();
        show();
        update();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            setGeometry(window_.rect());
        return false;
    }

    // The words, in the window's own text colours on a box in the middle, tell the user what
    // the compositor would not do: bring the waiting window forward.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ColourOf(Role::Veil));
        const QString words =
            QStringLiteral("\u201c%1\u201d is waiting beneath this window.\nBring it to the front "
                           "to go on.")
                .arg(waiting_);
        const QFontMetrics metrics(font());
        const QRect text = metrics.boundingRect(rect().adjusted(16, 16, -16, -16),
                                                Qt::AlignCenter | Qt::TextWordWrap, words);
        const QRect box = text.adjusted(-10, -8, 10, 8);
        painter.fillRect(box, palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, words);
    }

private:
    QWidget& window_;
    QString waiting_;
};

// A window of fixed size that follows the compositor into the maximised and full-screen states.
// Qt draws the title bars on Wayland and gives every window a maximise button that the program
// cannot take away, and a compositor may maximise a window of its own accord (weston's keys). The
// xdg-shell protocol requires a maximised window to take exactly the size the compositor
// configures, and Qt keeps a window to its maximum size: a window of fixed size broke the
// protocol, and weston 10 ended the connection ("xdg_surface geometry does not match the
// configured maximized state"), ending the program. So once it is mapped with its fixed size
// (which tiling compositors read to let it float), it may grow: maximised or full screen it takes
// the compositor's size, its controls where they are, and at any other size it goes back to its
// own. Seen with Qt 6.4; covered by desktop_Maximise.
class FollowCompositorSize : public QObject {
public:
    explicit FollowCompositorSize(QWidget& window)
        : QObject(&window)
        , window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_.windowHandle()) {
            if (event->type() == QEvent::Expose && awaitingMap_ &&
                window_.windowHandle()->isExposed()) {
                awaitingMap_ = false;
                QTimer::singleShot(0, this, &FollowCompositorSize::LetFixedSizeGrow);
            }
            return false;
        }
        switch (event->type()) {
        case QEvent::Show:
            window_.windowHandle()->installEventFilter(this);
            awaitingMap_ = true;
            break;
        case QEvent::Hide:
            awaitingMap_ = false;
            if (fixedSize_.isValid() && !(window_.windowState() & LargeStates)) {
                window_.setFixedSize(fixedSize_);
                fixedSize_ = QSize();
            }
            break;
        case QEvent::Resize:
            if (fixedSize_.isValid())
                QTimer::singleShot(0, this, &FollowCompositorSize::KeepFixedSize);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void LetFixedSizeGrow() {
        if (!window_.isVisible() || window_.minimumSize() != window_.maximumSize())
            return;
        fixedSize_ = window_.size();
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void KeepFixedSize() {
        if (fixedSize_.isValid() && !(window_.windowState() & LargeStates) &&
            window_.size() != fixedSize_)
            window_.resize(fixedSize_);
    }

    QWidget& window_;
    bool awaitingMap_ = false;
    QSize fixedSize_; // while a window of fixed size may grow
};

#if QUIZ_WAYLAND
// Mutter (GNOME Shell's compositor) takes a Wayland client's window for a dialog only when the
// client marks it through mutter's own gtk_shell1 protocol (gtk_surface1.set_modal), as GTK does:
// an xdg_toplevel parent alone leaves it a normal window. Mutter 43 then placed the splash, the
// messages and the reading windows beside or below their opener (src/core/place.c centres only
// dialogs over their parent), and let the user minimise the top of the stack alone
// (src/core/window.c gives no window but a normal one a minimise), which left its opener active
// but deaf to every key and click. Marked as modal, such a window opens over its opener, cannot be
// minimised alone, and takes the focus whenever its opener is clicked (get_modal_transient in
// src/core/window.c). Other compositors do not offer the protocol. Covered by
// desktop_Compositors (mutter, GNOME Shell).
class GtkShell {
public:
    // The protocol on Qt's own connection, bound as the compositor announces it: before the first
    // window of the program is configured, since the compositor answers requests in order.
    static std::unique_ptr<GtkShell> Connect() {
        auto* native = QGuiApplication::platformNativeInterface();
        auto* display = native ? static_cast<wl_display*>(native->nativeResourceForIntegration(
                                     QByteArrayLiteral("wl_display")))
                               : nullptr;
        if (!display)
            return nullptr;
        return std::unique_ptr<GtkShell>(new GtkShell(display));
    }

    bool Bound() const { return shell_ != nullptr; }

    GtkShell(const GtkShell&) = delete;
    GtkShell& operator=(const GtkShell&) = delete;

    ~GtkShell() {
        if (shell_)
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(shell_));
        wl_registry_destroy(registry_);
    }

    // Marks `window`, just shown as the transient of its opener and not yet mapped, as a modal
    // dialog, until it hides (the toolkit makes a new surface at each showing).
    void MarkModal(QWindow& window) {
        auto* surface = static_cast<wl_surface*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
                QByteArrayLiteral("surface"), &window));
        if (!shell_ || !surface)
            return;
        gtk_surface1* marked = gtk_shell1_get_gtk_surface(shell_, surface);
        gtk_surface1_set_modal(marked);
        wl_display_flush(display_);
        new ReleaseOnHide(window, marked, version_);
    }

private:
    explicit GtkShell(wl_display* display)
        : display_(display)
        , registry_(wl_display_get_registry(display)) {
        wl_registry_add_listener(registry_, &registryListener_, this);
        wl_display_flush(display_);
    }

    static void Announced(void* data, wl_registry* registry, uint32_t name, const char* interface,
                          uint32_t version) {
        auto* self = static_cast<GtkShell*>(data);
        if (self->shell_ || qstrcmp(interface, gtk_shell1_interface.name) != 0)
            return;
        // Up to the release of a marked surface; the events, left without a listener, are
        // dropped.
        self->version_ = std::min<uint32_t>(version, GTK_SURFACE1_RELEASE_SINCE_VERSION);
        self->shell_ = static_cast<gtk_shell1*>(
            wl_registry_bind(registry, name, &gtk_shell1_interface, self->version_));
    }
    static void Withdrawn(void*, wl_registry*, uint32_t) {}

    // The mark goes with the surface it was made for.
    class ReleaseOnHide : public QObject {
    public:
        ReleaseOnHide(QWindow& window, gtk_surface1* marked, uint32_t version)
            : QObject(&window)
            , marked_(marked)
            , version_(version) {
            window.installEventFilter(this);
        }
        ReleaseOnHide(const ReleaseOnHide&) = delete;
        ReleaseOnHide& operator=(const ReleaseOnHide&) = delete;
        ~ReleaseOnHide() override {
            if (version_ >= GTK_SURFACE1_RELEASE_SINCE_VERSION)
                gtk_surface1_release(marked_);
            else
                gtk_surface1_destroy(marked_);
        }

    protected:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Hide)
                deleteLater();
            return false;
        }

    private:
        gtk_surface1* const marked_;
        const uint32_t version_;
    };

    static constexpr wl_registry_listener registryListener_ = {&GtkShell::Announced,
                                                               &GtkShell::Withdrawn};

    wl_display* const display_;
    wl_registry* const registry_;
    gtk_shell1* shell_ = nullptr;
    uint32_t version_ = 0;
};
#endif

class WaylandDesktop : public Desktop {
public:
    using Desktop::Desktop;

    void Manage(QWidget& window) override { new FollowCompositorSize(window); }

    void Shown(QWidget& window) override {
#if QUIZ_WAYLAND
        if (window.windowHandle()->transientParent() && gtkShell_)
            gtkShell_->MarkModal(*window.windowHandle());
#else
        Q_UNUSED(window);
#endif
    }

    void ActivatedWhileBlocked(QWidget& window) override {
#if QUIZ_WAYLAND
        // Where the windows are marked as modal (mutter), the compositor keeps each above its
        // opener and hands the opener's activation to it: nothing is buried.
        if (gtkShell_ && gtkShell_->Bound())
            return;
#endif
        auto* veil = static_cast<BlockedVeil*>(window.findChild<QWidget*>(
            QLatin1String(BlockedVeil::Name), Qt::FindDirectChildrenOnly));
        if (!veil)
            veil = new BlockedVeil(window, View());
        veil->Cover(View().Top() ? View().Top()->windowTitle() : QString());
    }

    // Where the compositor leaves the title bars to the program (weston), Qt Wayland 6.4 draws
    // them with its "bradient" decoration (src/plugins/decorations/bradient/main.cpp): 3-pixel
    // borders; the title centred across the bar by its width in the application's font, but drawn
    // 14 pixels high, and clipped 5 pixels before the three 18-pixel buttons (5 apart, 8 from the
    // bar's right end). A dialog narrower than that cut its title ("Confirr" on weston 10).
    int ClientWidthShowingTitle(const QString& title) const override {
        constexpr int Border = 3, ButtonsAndGap = 3 * 18 + 2 * 5 + 8 + 5, LeftOfTitle = 35;
        QFont drawn = QGuiApplication::font();
        drawn.setPixelSize(14);
        const int centredBy = QFontMetrics(QGuiApplication::font()).horizontalAdvance(title);
        const int width = QFontMetrics(drawn).horizontalAdvance(title);
        // The title starts at (bar - centredBy) / 2 and must end by bar - ButtonsAndGap.
        const int bar =
            std::max(2 * width - centredBy + 2 * ButtonsAndGap, centredBy + 2 * LeftOfTitle);
        return bar - 2 * Border;
    }

#if QUIZ_WAYLAND
private:
    std::unique_ptr<GtkShell> gtkShell_ = GtkShell::Connect();
#endif
};

} // namespace

std::unique_ptr<Desktop> MakeWaylandDesktop(StackView& stack) {
    return std::make_unique<WaylandDesktop>(stack);
}

} // namespace quiz
