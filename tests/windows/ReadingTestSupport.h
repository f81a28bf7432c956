#pragma once

// Helpers for the reading windows' tests: running a window modally while a test acts inside it,
// counting the paints a window receives, and finding a control's focus mark.

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

#include "Form.h"
#include "GuiTestSupport.h"
#include "Style.h"

namespace testing {

// Shows `form` modally, runs `inside` once it is the active modal window, then closes it unless
// `inside` closed it already. Assertions belong after the call, on values `inside` recorded.
inline TModalResult WhileOpen(TForm* form, const std::function<void()>& inside,
                              QWidget* above = nullptr) {
    ModalAction act(
        [&](QWidget*) {
            inside();
            if (form->isVisible())
                form->Close();
        },
        above);
    const TModalResult result = form->ShowModal();
    if (!act.Done())
        qWarning("%s never became the active modal window", qPrintable(form->objectName()));
    return result;
}

// Counts QEvent::Paint for a window and every widget inside it.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window)
        : window_(window) {
        qApp->installEventFilter(this);
    }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    int Count() const { return count_; }
    void Reset() { count_ = 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && window_ && widget->window() == window_)
                ++count_;
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    int count_ = 0;
};

// How many pixels of a control, as it draws itself now, are in the colour of the focus mark.
inline qsizetype FocusMarkPixels(QWidget* control) {
    const QImage look = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(look.constBits());
    const QRgb mark = quiz::ColourOf(quiz::Role::FocusMark, quiz::Look::Design).rgba();
    return std::count(pixels, pixels + look.width() * look.height(), mark);
}

// Paints of the window and its children during one second in which nobody touches it, after
// the paints of opening it have settled.
inline int IdlePaints(QWidget* window) {
    PaintCounter counter(window);
    Settle([&] { return counter.Count(); });
    counter.Reset();
    // Waits for paints that must not come: an idle window gets none in a second.
    QTest::qWait(1000);
    return counter.Count();
}

} // namespace testing
