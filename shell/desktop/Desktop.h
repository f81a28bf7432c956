#pragma once

#include <QMargins>

#include <map>
#include <memory>

#include "StackView.h"

class QString;
class QWidget;
class QWindow;

namespace quiz {

// What differs between the desktops the program runs on: one implementation per windowing
// protocol, in shell/desktop/, chosen once at start-up from Qt's platform plug-in. This plain one
// serves the offscreen platform and every platform without a file of its own: it learns the
// frames of the windows from the toolkit, and needs nothing else.
//
// The rules of the program's windows (which one is modal, what it blocks, who gets the activation
// back) are the modal stack's, not a desktop's: a desktop only tells the stack what its window
// manager or compositor did (through the StackView it is handed), and answers what only it can
// know. How a window is activated, and what its activation and hiding ask of the window system,
// is the desktop's.
class Desktop {
public:
    explicit Desktop(StackView& stack);
    virtual ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // A top-level window of the program, created hidden, that the stack now looks after.
    virtual void Manage(QWidget& window);

    // The frame that the window manager puts, or will put, around `window`: its border on each
    // side, the caption included in the top; empty where there is none. A window that has shown
    // knows its own; before that, a window of its kind that has shown tells (an answer kept per
    // kind: the same flags get the same decorations), and failing that the frame of any shown
    // window stands in, which is only a guess.
    struct Frame {
        QMargins margins;
        bool certain = false;
    };
    virtual Frame ExpectedFrame(QWidget& window);

    // `window` has just been asked to show, after its transient parent was set.
    virtual void Shown(QWidget& window);

    // Raises `window` and asks for its activation: the program's only raise-and-activate.
    virtual void Activate(QWidget& window);

    // `window`, shown modally as a transient of its opener, has just hidden at the end of its
    // display; the opener is activated next. It is a transient of none afterwards.
    virtual void Hidden(QWidget& window);

    // The toolkit has activated `window`, which the stack blocks: the activation is offered to the
    // stack (StackView::ActivationOffered), which hands it to its top.
    virtual void BlockedWindowActivated(QWidget& window);

    // The desktop has activated `window` although the modal stack blocks it (a click, focus that
    // follows the mouse, a task list), and the stack is about to hand the activation on to its top.
    virtual void ActivatedWhileBlocked(QWidget& window);

    // The theme that the desktop's settings service names (an X settings manager's
    // Net/ThemeName); empty where there is none.
    virtual QString ThemeName() const;

    // The least client width at which the title bar shows `title` whole, where the program draws
    // the title bars itself; 0 where the window manager draws them.
    virtual int ClientWidthShowingTitle(const QString& title) const;

protected:
    // The frame that the toolkit knows `window` to have now; null while it knows none.
    virtual QMargins FrameOf(const QWindow& window) const;

    // The stack that owns this desktop.
    StackView& View() const { return stack_; }

private:
    StackView& stack_;
    std::map<int, QMargins> framesByKind_; // by window flags
};

// The desktop for Qt's platform plug-in `platformName` ("xcb", "wayland", "offscreen"...), for the
// modal stack that `stack` shows.
std::unique_ptr<Desktop> MakeDesktop(const QString& platformName, StackView& stack);

} // namespace quiz
