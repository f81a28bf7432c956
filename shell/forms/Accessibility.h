#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

namespace quiz {

// A caption as it reads: "&&" stands for one ampersand, a single one marks the access letter.
QString WithoutAccelerator(const QString& caption);

// Screen readers present `window` as a dialog, which they read whole when it opens, instead of as
// a plain frame, of which they read only the title and the focused control. Its title stays.
void ReadAsDialog(QWidget* window);

// `window` is one of the program's own windows (a TForm, which says so as it is built): screen
// readers present it as a frame, or as a dialog (ReadAsDialog); the press and toggle of its
// buttons, and the commands in its menus, do nothing while the window takes no input (see
// ModalStack::TakesInput), as their clicks and keys do nothing then, whoever triggers them.
void PresentAsProgramWindow(QWidget* window);

// Whether an assistive technology, such as a screen reader, listens to the program now. Qt's
// bridge to the desktop's accessibility bus comes on a moment after start-up, once the bus has
// answered, and then tells its activation observers, as QAccessible::setActive does.
bool AssistiveTechnologyActive();

// Tells `changed` each time an assistive technology starts or stops listening, while it lives.
class AssistiveTechnologyWatch : public QAccessible::ActivationObserver {
public:
    explicit AssistiveTechnologyWatch(std::function<void(bool)> changed);
    ~AssistiveTechnologyWatch() override;
    AssistiveTechnologyWatch(const AssistiveTechnologyWatch&) = delete;
    AssistiveTechnologyWatch& operator=(const AssistiveTechnologyWatch&) = delete;

    void accessibilityActiveChanged(bool active) override;

private:
    std::function<void(bool)> changed_;
};

// How the windows and their buttons present themselves to assistive technology: windows as frames
// or as dialogs (ReadAsDialog), and buttons whose press and toggle, like a click, do nothing
// while their window takes no input.
void InstallAccessibility();

} // namespace quiz
