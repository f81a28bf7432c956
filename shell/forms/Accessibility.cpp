#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "ModalStack.h"

namespace quiz {

namespace {

const char* const DialogProperty = "quizReadAsDialog";
const char* const ProgramWindowProperty = "quizProgramWindow";

bool IsProgramWindow(const QObject* object) {
    return object && object->property(ProgramWindowProperty).toBool();
}

bool reportedActive = false; // as the activation observers were last told

// A window of the program: a frame, or a dialog where the window asks for it. Decided when asked,
// because a window may be queried while it is still being built.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QAccessible::Role role() const override {
        return widget()->property(DialogProperty).toBool() ? QAccessible::Dialog
                                                           : QAccessible::Window;
    }
};

// A push button, radio button or check box of one of the program's windows. Its press and toggle
// act only while the button takes input, so that a screen reader cannot reach past a modal window
// where the mouse and the keyboard cannot.
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, RoleOf(button)) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return WithoutAccelerator(button()->text());
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        if (auto* push = qobject_cast<QPushButton*>(button()))
            state.defaultButton = push->isDefault();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{button()->isCheckable() ? toggleAction() : pressAction()} +
               QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!Stack().TakesInput(*button()))
            return;
        if (action == pressAction())
            button()->animateClick(); // clicks once the screen reader has its answer
        else if (action == toggleAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    static QAccessible::Role RoleOf(const QAbstractButton* button) {
        if (qobject_cast<const QRadioButton*>(button))
            return QAccessible::RadioButton;
        if (qobject_cast<const QCheckBox*>(button))
            return QAccessible::CheckBox;
        return QAccessible::Button;
    }
};

// Asked before Qt's own factory, with the most derived class name first: answers at once for the
// program's windows and for the buttons inside them, and leaves everything else to Qt.
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (IsProgramWindow(object))
        return new FormAccessible(static_cast<QWidget*>(object));
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (button && IsProgramWindow(button->window()))
        return new ButtonAccessible(button);
    return nullptr;
}

// Keeps the commands in a window's menus disabled while the window takes no input, so that a
// screen reader cannot trigger one where the mouse and the keyboard cannot: its menu items act
// only while their command is enabled. The menu titles stay as they are, and a command that the
// window itself disabled stays disabled.
class MenuGate : public QObject {
public:
    explicit MenuGate(QWidget* window)
        : QObject(window)
        , window_(window) {
        connect(&Stack(), &ModalStack::InputChanged, this, &MenuGate::Update);
    }

private:
    void Update() {
        const bool closed = !Stack().TakesInput(*window_);
        for (const QMenuBar* bar : window_->findChildren<QMenuBar*>())
            for (const QAction* title : bar->actions())
                if (title->menu())
                    Gate(title->menu(), closed);
    }

    static void Gate(const QMenu* menu, bool closed) {
        for (QAction* command : menu->actions()) {
            if (command->menu()) {
                Gate(command->menu(), closed);
            } else if (closed && command->isEnabled()) {
                command->setEnabled(false);
                command->setProperty(GatedProperty, true);
            } else if (!closed && command->property(GatedProperty).toBool()) {
                command->setProperty(GatedProperty, false);
                command->setEnabled(true);
            }
        }
    }

    static constexpr const char* GatedProperty = "quizGated";
    QWidget* const window_;
};

} // namespace

QString WithoutAccelerator(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

void ReadAsDialog(QWidget* window) {
    window->setProperty(DialogProperty, true);
}

void PresentAsProgramWindow(QWidget* window) {
    window->setProperty(ProgramWindowProperty, true);
    new MenuGate(window);
}

bool AssistiveTechnologyActive() {
    return QAccessible::isActive() || reportedActive;
}

AssistiveTechnologyWatch::AssistiveTechnologyWatch(std::function<void(bool)> changed)
    : changed_(std::move(changed)) {
    QAccessible::installActivationObserver(this);
}

AssistiveTechnologyWatch::~AssistiveTechnologyWatch() {
    QAccessible::removeActivationObserver(this);
}

void AssistiveTechnologyWatch::accessibilityActiveChanged(bool active) {
    changed_(active);
}

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    static AssistiveTechnologyWatch record([](bool active) { reportedActive = active; });
}

} // namespace quiz
