#pragma once

#include <QByteArray>

#include <memory>
#include <optional>

namespace quiz {

class Desktop;
class StackView;

// X11 window managers (openbox, xfwm4, icewm, mutter...), reached through Qt's xcb plug-in.
// Mutter 43 minimises a modal window alone and leaves its opener on screen: the stack restores the
// top when the opener is offered the activation (ModalStack::ActivationOffered; the focus filter in
// X11.cpp makes the offer).
std::unique_ptr<Desktop> MakeX11Desktop(StackView& stack);

// The address of a session bus that an earlier program launched for this user on the X display
// named by DISPLAY: the D-Bus library announces it through an X selection whose owner window
// carries the address. Asked before the application object exists.
std::optional<QByteArray> SessionBusOfDisplay();

} // namespace quiz
