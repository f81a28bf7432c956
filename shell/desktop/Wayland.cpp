#include "Wayland.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "Colours.h"
#include "Desktop.h"
#include "ModalStack.h"

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

    explicit BlockedVeil(QWidget& window)
        : QWidget(&window)
        , window_(window) {
        setObjectName(QLatin1String(Name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        window.installEventFilter(this);
        connect(&Stack(), &ModalStack::InputChanged, this, [this] {
            if (!window_.isVisible() || Stack().TakesInput(window_))
                hide();
        });
    }

    void Cover() {
        setGeometry(window_.rect());
        raise();
        show();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            setGeometry(window_.rect());
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), ColourOf(Role::Veil));
    }

private:
    QWidget& window_;
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

class WaylandDesktop : public Desktop {
public:
    void Manage(QWidget& window) override { new FollowCompositorSize(window); }

    void ActivatedWhileBlocked(QWidget& window) override {
        auto* veil = static_cast<BlockedVeil*>(window.findChild<QWidget*>(
            QLatin1String(BlockedVeil::Name), Qt::FindDirectChildrenOnly));
        if (!veil)
            veil = new BlockedVeil(window);
        veil->Cover();
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
};

} // namespace

std::unique_ptr<Desktop> MakeWaylandDesktop() {
    return std::make_unique<WaylandDesktop>();
}

} // namespace quiz
