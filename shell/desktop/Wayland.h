#pragma once

#include <memory>

namespace quiz {

class Desktop;
class StackView;

// Wayland compositors: Qt draws the title bars where the compositor leaves them to the program
// (weston), a compositor may maximise any window or stack a blocked window over its modal window
// (sway), and a client can neither place nor raise its windows. Qt 6.4 there closes a window that
// a modal window blocks when the compositor asks (its close box, Alt+F4): the stack was left with
// nothing on screen, until the stack refused such a close itself (ModalStack::eventFilter).
std::unique_ptr<Desktop> MakeWaylandDesktop(StackView& stack);

} // namespace quiz
