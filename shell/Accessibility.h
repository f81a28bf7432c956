#pragma once

class QWidget;

namespace quiz {

// Screen readers present `window` as a dialog, which they read whole when it opens, instead of as
// a plain frame, of which they read only the title and the focused control. Its title stays.
void ReadAsDialog(QWidget* window);

// The commands in the menus of `window` do nothing while the window takes no input (see
// ModalStack::TakesInput), as their clicks and keys do nothing then, whoever triggers them.
void GateMenus(QWidget* window);

// How the windows and their buttons present themselves to assistive technology: windows as frames
// or as dialogs (ReadAsDialog), and buttons whose press and toggle, like a click, do nothing
// while their window takes no input.
void InstallAccessibility();

} // namespace quiz
