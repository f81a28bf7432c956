#pragma once

#include <QMargins>
#include <QPoint>

class QScreen;
class QWidget;

namespace quiz {

class Desktop;

// Where a window stands when it opens.
enum class Placing {
    AsDesigned, // where the window was put, moved out of any strip a panel reserves
    Centred,    // centred, frame included, on the work area of the monitor that shows its opener
    ByToolkit,  // where the toolkit puts it (the system's message boxes)
};

// Where the program's top-level windows stand on the desktop, by their frames: the Qt side of the
// arithmetic in Placement.h.

// The monitor that shows `opener`; the primary monitor when there is none.
QScreen* ScreenOf(const QWidget* opener);

// Moves a top-level window so that its frame's top-left corner lands on `frameTopLeft`, its frame
// being `frame`, also before the window has been shown with a frame.
void MoveFrameTo(QWidget& window, QPoint frameTopLeft, const QMargins& frame);

// Puts a window that is about to show where `placing` says, opened from `opener` (none for a window
// of its own). Once it shows with its real frame, it is put right where the desktop could only
// guess the frame or the window manager put it elsewhere.
void PlaceForShowing(QWidget& window, Placing placing, QWidget* opener, Desktop& desktop);

} // namespace quiz
