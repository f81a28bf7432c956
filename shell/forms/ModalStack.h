#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

#include "StackView.h"
#include "WindowPlacement.h"

class QEventLoop;
class QWidget;

namespace quiz {

class Desktop;

// The one owner of the program's modal windows. Every modal display, of a window or of a message
// dialog, runs through Run(); the stack knows which window opened which, and decides:
// - which windows take input: the top of the stack alone, or, while nothing is modal, every
//   window that shows and is not minimised (TakesInput, asked by menu commands and screen-reader
//   actions alike);
// - the transient parents: a modal window is a transient of its opener while it shows, so that the
//   desktop keeps it above the opener and minimises the two together, and of none afterwards;
// - the activation: the window that opens has it, and when it closes its opener has it again;
//   when the desktop activates a window that the stack blocks, the top gets it (BringForward is
//   the program's only raise-and-activate);
// - minimising: when one shown window is minimised or restored, every other one follows, so that
//   no window waits for one that the user cannot see.
// - closing: a window that a modal window blocks refuses to close, whoever asks, and the top is
//   brought forward instead.
// What the desktop's window manager or compositor does differently is asked of the Desktop, which
// sees the stack through the StackView it is handed.
class ModalStack : public QObject, public StackView {
    Q_OBJECT
public:
    // The program's stack, made at start-up (by the first call) as a child of the application
    // object, with the desktop of Qt's platform plug-in.
    static ModalStack& Instance();
    ~ModalStack() override;

    // Shows `window` (a form or a dialog) modally and returns once it has closed, with the result
    // that End() gave. Meanwhile the other windows take no input but still paint. Afterwards the
    // window is hidden and its opener is active again. Showing a visible window modally is an
    // error (std::logic_error).
    int Run(QWidget& window, Placing placing);
    // Ends the modal display of `window` with `result` (a dialog's end is noticed by itself).
    void End(QWidget& window, int result);
    bool IsShownModally(const QWidget& window) const;

    // Shows a window without a modal loop (the main window): placed as designed, in front, active.
    void Show(QWidget& window);

    // The top of the stack; none while nothing is modal.
    QWidget* Top() const override;
    // The window that a window about to open is opened from: the top of the stack, else the first
    // of the program's windows that shows (the main window). None while no window shows.
    QWidget* Opener() const;
    // Whether `control` takes input now, from the mouse, the keyboard or a screen reader: its
    // window shows, is not minimised, and no modal window stands above it.
    bool TakesInput(const QWidget& control) const override;
    // Whether a modal window stands above `window`, which shows.
    bool Blocks(const QWidget& window) const override;
    // Raises `window` and asks for its activation.
    void BringForward(QWidget& window);
    // The desktop offers the activation to `blocked`, which a modal window blocks and which shows
    // (a click on it, a task list): the top of the stack takes it, restored first if the desktop
    // had minimised it alone.
    void ActivationOffered(QWidget& blocked) override;
    // InputChanged, for the desktop.
    void WhenInputChanges(QObject& context, std::function<void()> changed) override;

    // Looks after a top-level window of the program from its creation on: Run() does it itself.
    void Manage(QWidget& window);

    // The desktop the program runs on.
    quiz::Desktop& CurrentDesktop() const { return *desktop_; }

signals:
    // Which windows take input may have changed: a modal display began or ended, or a window of
    // the program was shown, hidden, minimised or restored.
    void InputChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ModalStack(QObject* parent);

    struct Display {
        QPointer<QWidget> window;
        QEventLoop* loop;
    };

    const QWidget* BlockingTop() const;
    void FollowMinimised(QWidget& changed);
    void EndDisplaysOfDestroyedWindows();

    std::vector<Display> displays_; // bottom first
    std::vector<QPointer<QWidget>> managed_;
    std::unique_ptr<quiz::Desktop> desktop_;
};

// The program's modal stack.
inline ModalStack& Stack() {
    return ModalStack::Instance();
}

} // namespace quiz
