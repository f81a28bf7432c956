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

// Tells an X window manager which window a just shown window belongs to (its transient parent),
// as the toolkit does only for dialogs: the window manager then keeps it above that window and
// minimises and restores them together.
void PublishTransientParent(QWidget* window);

} // namespace quiz
