#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace quiz {

// The frame that the window manager puts, or will put, around a top-level window: its border on
// each side, the caption included in the top. A window that has been shown knows its frame; for
// one that has never been shown, a window manager that supports it is asked to work it out in
// advance, and otherwise the frame of another window of the program that is showing stands in.
// Without a window manager, or where the platform does not place windows, it is empty.
QMargins ExpectedFrameMargins(QWidget* window);

// Moves a top-level window so that its frame's top-left corner lands on `frameTopLeft`, also
// before the window has been shown with a frame, when the toolkit does not know it yet.
void MoveFrameTo(QWidget* window, QPoint frameTopLeft);

// Makes a window about to be shown modally a transient of the window it was opened from (none
// when that one is hidden), and, once it is shown, PublishTransientParent tells an X window
// manager so, which the toolkit does only for dialogs: the window manager then keeps it above
// that window and minimises and restores the two together.
void StayWithOpener(QWidget* window, QWidget* opener);
void PublishTransientParent(QWidget* window);

// From now on, when the window is minimised or restored, every other shown window of the program
// goes the same way, so that no window is left on screen waiting for one the user cannot see.
// After a restore the window on top of the modal stack has the activation.
void MinimiseWithProgram(QWidget* window);

} // namespace quiz
