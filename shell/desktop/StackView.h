#pragma once

#include <functional>

class QObject;
class QWidget;

namespace quiz {

// What a desktop may know of the program's modal stack, which owns it and hands it this view at
// construction: which window is on top, which ones it blocks, and where to offer an activation
// that the desktop gave a blocked window. The stack's rules (ModalStack.h) stay the stack's.
class StackView {
public:
    // The top of the stack; none while nothing is modal.
    virtual QWidget* Top() const = 0;
    // Whether a modal window stands above `window`, which shows.
    virtual bool Blocks(const QWidget& window) const = 0;
    // Whether `control` takes input now: its window shows, is not minimised, and is not blocked.
    virtual bool TakesInput(const QWidget& control) const = 0;
    // The desktop offers the activation to `blocked`, which the stack blocks and which shows: the
    // stack hands it to its top.
    virtual void ActivationOffered(QWidget& blocked) = 0;
    // Calls `changed` each time which windows take input may have changed, while `context` lives.
    virtual void WhenInputChanges(QObject& context, std::function<void()> changed) = 0;

protected:
    StackView() = default;
    ~StackView() = default;
    StackView(const StackView&) = default;
    StackView& operator=(const StackView&) = default;
};

} // namespace quiz
