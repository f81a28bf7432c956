#pragma once

#include <QMargins>
#include <QPoint>

class QScreen;
class QString;
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

// The window that a window about to open is opened from: the program's active window, else the
// top of its modal stack, else a shown window of the program (the quiz window when the splash
// opens over it, before the desktop has activated it). None while no window shows.
QWidget* OpenerWindow();

// The monitor that shows a window's opener: its transient parent once StayWithOpener has run,
// else OpenerWindow(); the primary monitor when there is none.
QScreen* OpenerScreen(const QWidget* window);

// Centres a window, frame included, on the work area of the monitor that shows its opener.
void CentreOnOpenerScreen(QWidget* window);

// Moves a window about to be shown out of any strip that a panel reserves along an edge of its
// monitor, frame included (see OutOfReservedStrips). Without a panel it stays where it is.
void KeepOutOfReservedStrips(QWidget* window);

// The least client width at which the title bar shows `title` whole: on Wayland, where Qt may
// draw the title bar itself (weston, GNOME) and cuts the title short at its buttons; elsewhere 0,
// the window manager's title bars being its own affair.
int ClientWidthShowingTitle(const QString& title);

// Makes the window behave toward the desktop as one of the program's windows:
// - When it is minimised or restored, every other shown window of the program goes the same
//   way, so that no window is left on screen waiting for one the user cannot see; also where the
//   window manager then offers the focus to the window below (xfwm4). After a restore the
//   window on top of the modal stack has the activation.
// - When the desktop activates it while a modal window blocks it (a click, focus following the
//   mouse, a compositor that does not keep a child above its parent), the top modal window is
//   brought forward and asks for the activation; on Wayland through the compositor's activation
//   protocol, whose answer is the compositor's: sway, by default, only marks it as urgent. There,
//   a window that a modal window blocks wears a grey veil, so that it never looks usable.
// - On Wayland, a window of fixed size follows the compositor into the maximised and
//   full-screen states, and otherwise keeps its size.
void ManageWindow(QWidget* window);

} // namespace quiz
