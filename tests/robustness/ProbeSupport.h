#pragma once

// What the probes that LD_PRELOAD loads into the shipped program share (the scripted session of
// the privacy check, the long-session benchmark): finding the window on top and acting on its
// controls by object name, as a user would. They link only Qt, so the program under test stays
// the binary that ships.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cstdio>

namespace probe {

// How a window is called in a script: its object name, or its class for the system box.
inline QString NameOf(const QWidget* window) {
    return window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                          : window->objectName();
}

// The window a user acts on: the modal window on top, otherwise the quiz window if it shows.
inline QWidget* Top() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QStringLiteral("TForm1"))
            return window;
    return nullptr;
}

// The named control of a window; a missing one ends the program with status 3.
template <class T> T* Find(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "probe: %s has no %s\n", qPrintable(NameOf(window)), name);
        QCoreApplication::exit(3);
    }
    return found;
}

inline void Press(QWidget* window, const char* name) {
    if (auto* button = Find<QAbstractButton>(window, name))
        button->click();
}

inline void Choose(QWidget* window, const char* name) {
    if (auto* item = Find<QAction>(window, name))
        item->trigger();
}

// A left click on a label or picture, which reacts to the press and release themselves.
inline void ClickOn(QWidget* window, const char* name) {
    QWidget* control = Find<QWidget>(window, name);
    if (!control)
        return;
    const QPointF local = QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(control, &release);
}

} // namespace probe
