#pragma once

#include <memory>

namespace quiz {

class Desktop;
class StackView;

// Wayland compositors: Qt draws the title bars where the compositor leaves them to the program
// (weston), a compositor may maximise any window or stack a blocked window over its modal window
// (sway), and a client can neither place nor raise its windows.
std::unique_ptr<Desktop> MakeWaylandDesktop(StackView& stack);

} // namespace quiz
