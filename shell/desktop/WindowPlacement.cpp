#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "Desktop.h"
#include "Placement.h"

namespace quiz {

namespace {

LayoutRect Layout(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

// Returns whether the frame was certain.
bool Centre(QWidget& window, const QScreen* screen, Desktop& desktop) {
    const Desktop::Frame frame = desktop.ExpectedFrame(window);
    if (!screen)
        return true;
    const QSize outer = window.size().grownBy(frame.margins);
    const LayoutRect at =
        CentredIn(Layout(screen->availableGeometry()), outer.width(), outer.height());
    MoveFrameTo(window, QPoint(at.left, at.top), frame.margins);
    return frame.certain;
}

// Moves a window out of any strip that a panel reserves along an edge of its monitor, frame
// included (see OutOfReservedStrips). Without a panel it stays where it is, past the screen's
// edges or not.
bool KeepOutOfReservedStrips(QWidget& window, QPoint put, Desktop& desktop) {
    const QPoint centre = put + window.rect().center();
    const QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry() == screen->geometry())
        return true;
    const Desktop::Frame frame = desktop.ExpectedFrame(window);
    const QRect outer(put, window.size().grownBy(frame.margins));
    const LayoutRect moved = OutOfReservedStrips(Layout(outer), Layout(screen->geometry()),
                                                 Layout(screen->availableGeometry()));
    if (moved.left != outer.left() || moved.top != outer.top())
        MoveFrameTo(window, QPoint(moved.left, moved.top), frame.margins);
    return frame.certain;
}

// Places a window as its placing says, a window as designed by where its frame was put; returns
// whether the frame it went by was certain.
bool Place(QWidget& window, Placing placing, QPoint put, QWidget* opener, Desktop& desktop) {
    return placing == Placing::AsDesigned ? KeepOutOfReservedStrips(window, put, desktop)
                                          : Centre(window, ScreenOf(opener), desktop);
}

// Places a window again once it shows with its frame: where its placing had to guess the frame,
// and where the window manager placed it by a rule of its own. The frame is known only once the
// window manager has published it, which may come after the window's first exposure (kwin_x11
// 5.27), so the window waits on each exposure and move of its own until then; and openbox 3.6 on
// a busy machine now and then placed a window that asked for a place of its own by its smart
// rule (the quotes window at (0, 30) beside a panel, not at (17, 30)). Before, the splash and the
// result message stood a caption's height too high under kwin_x11 in about one start in three;
// covered by desktop_kwin-x11_x11 and desktop_FramesBelowPanel.
class PlaceAgainWhenFramed : public QObject {
public:
    PlaceAgainWhenFramed(QWidget& window, Placing placing, QPoint put, QWidget* opener,
                         Desktop& desktop)
        : QObject(&window)
        , window_(&window)
        , placing_(placing)
        , put_(put)
        , opener_(opener)
        , desktop_(desktop) {
        window.windowHandle()->installEventFilter(this);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || !window_)
            return false;
        if (event->type() == QEvent::Hide && watched == window_) {
            Done();
        } else if (((event->type() == QEvent::Expose && window_->windowHandle()->isExposed()) ||
                    event->type() == QEvent::Move) &&
                   watched == window_->windowHandle() && desktop_.ExpectedFrame(*window_).certain) {
            Done();
            Place(*window_, placing_, put_, opener_, desktop_);
        }
        return false;
    }

private:
    void Done() {
        done_ = true;
        deleteLater();
    }

    bool done_ = false;
    QPointer<QWidget> window_;
    const Placing placing_;
    const QPoint put_;
    QPointer<QWidget> opener_;
    Desktop& desktop_;
};

} // namespace

QScreen* ScreenOf(const QWidget* opener) {
    return opener ? opener->screen() : QGuiApplication::primaryScreen();
}

void MoveFrameTo(QWidget& window, QPoint frameTopLeft, const QMargins& frame) {
    // A window not created yet is placed by its frame, which the window manager then honours.
    // Once created, it is placed by its client area, where the expected frame puts it: the
    // toolkit's own idea of the frame is empty before the first showing and stale after a hide.
    if (!window.testAttribute(Qt::WA_WState_Created)) {
        window.move(frameTopLeft);
        return;
    }
    window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
}

void PlaceForShowing(QWidget& window, Placing placing, QWidget* opener, Desktop& desktop) {
    if (placing == Placing::ByToolkit)
        return;
    const QPoint put = window.pos(); // where the window manager may not leave it
    Place(window, placing, put, opener, desktop);
    window.winId();
    new PlaceAgainWhenFramed(window, placing, put, opener, desktop);
}

} // namespace quiz
