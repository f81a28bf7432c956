#pragma once

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <initializer_list>
#include <utility>
#include <vector>

#include "MessageDialog.h"
#include "ModalResult.h"

// Canned answers for the program's message dialogs, so that most flow tests need no nested loop
// of their own. The dialogs are the real ones, run through the stack as the program runs them:
// each one that shows while answers are queued is closed at once with the next answer, and what
// it showed is recorded. With nothing queued, a dialog stays up as usual.
namespace testing {

struct ShownMessage {
    QString text; // as the dialog shows it: a CR LF pair is one line break
    quiz::MessageKind kind;
    quiz::MessageButtons buttons;
};

namespace detail {

class MessageAnswerer : public QObject {
public:
    static MessageAnswerer& Instance() {
        static QPointer<MessageAnswerer> instance;
        if (!instance) {
            instance = new MessageAnswerer(qApp);
            qApp->installEventFilter(instance);
        }
        return *instance;
    }

    std::deque<TModalResult> queued;
    std::vector<ShownMessage> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* form = qobject_cast<TMessageForm*>(watched);
        if (!form || event->type() != QEvent::Show || queued.empty())
            return false;
        quiz::MessageButtons buttons;
        for (const auto& [name, button] : {std::pair("Yes", quiz::MessageButton::Yes),
                                           {"No", quiz::MessageButton::No},
                                           {"OK", quiz::MessageButton::OK}})
            if (form->findChild<QPushButton*>(QLatin1String(name)))
                buttons |= button;
        const auto* text = form->findChild<QLabel*>(QStringLiteral("Message"));
        shown.push_back({text ? text->text() : QString(),
                         form->windowTitle() == QLatin1String("Information")
                             ? quiz::MessageKind::Information
                             : quiz::MessageKind::Confirmation,
                         buttons});
        const TModalResult answer = queued.front();
        queued.pop_front();
        // Once the dialog's display has begun, as a click would.
        QTimer::singleShot(0, form, [form, answer] { form->done(answer); });
        return false;
    }

private:
    using QObject::QObject;
};

} // namespace detail

inline void QueueMessageAnswers(std::initializer_list<TModalResult> answers) {
    auto& queued = detail::MessageAnswerer::Instance().queued;
    queued.insert(queued.end(), answers);
}

inline bool HasQueuedMessageAnswers() {
    return !detail::MessageAnswerer::Instance().queued.empty();
}

inline void ClearQueuedMessageAnswers() {
    detail::MessageAnswerer::Instance().queued.clear();
    detail::MessageAnswerer::Instance().shown.clear();
}

inline std::vector<ShownMessage> TakeAnsweredMessages() {
    return std::exchange(detail::MessageAnswerer::Instance().shown, {});
}

} // namespace testing
