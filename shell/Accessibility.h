#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

namespace quiz {

// A caption as it reads: "&&" stands for one ampersand, a single one marks the access letter.
QString WithoutAccelerator(const QString& caption);

// Whether a control takes input now, as it takes clicks: its window is shown and no modal window
// stands above it.
bool TakesInput(const QWidget* control);

// Screen readers present `window` as a dialog, which they read whole when it opens, instead of as
// a plain frame, of which they read only the title and the focused control. Its title stays.
void ReadAsDialog(QWidget* window);

// The commands in the menus of `window` do nothing while the window is hidden, minimised or
// blocked by a modal window, as their clicks and keys do nothing then, whoever triggers them.
void GateMenus(QWidget* window);

// How the windows and their buttons present themselves to assistive technology: windows as frames
// or as dialogs (ReadAsDialog), and buttons whose press and toggle, like a click, do nothing
// while their window is hidden or blocked by a modal window.
void InstallAccessibility();

} // namespace quiz
