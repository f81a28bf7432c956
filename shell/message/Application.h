#pragma once

#include <QApplication>

// The program's application object. An error that escapes an event handler is shown in a
// message box titled with the application title, and the event loop goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box for `message`: the text followed by a full stop, a stop icon, OK.
    static void ShowException(const QString& message);
};
