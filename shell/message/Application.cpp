#include "Application.h"

#include <QMessageBox>

#include "MessageDialog.h"
#include "ModalStack.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(tr("Unknown error"));
    }
    return false;
}

void TApplication::ShowException(const QString& message) {
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    quiz::RunSystemMessageBox(QMessageBox::Critical, QApplication::applicationName(), text,
                              QStringLiteral("ErrorBox"));
}
