#pragma once

#include <QDialog>
#include <QFlags>
#include <QString>

#include "ModalResult.h"

#include <QMessageBox>

class QPushButton;

namespace quiz {

enum class MessageKind { Information, Confirmation };

enum class MessageButton { Yes = 0x1, No = 0x2, OK = 0x4 };
Q_DECLARE_FLAGS(MessageButtons, MessageButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageButtons)

// Shows `text` in a new modal message dialog and returns the result of the button that closed
// it (Yes 6, No 7, OK 1), or 2 when the dialog was closed by its close box. A CR LF pair in the
// text is one line break.
TModalResult RunMessageDialog(const QString& text, MessageKind kind, MessageButtons buttons);

// A message as plain text, the way message boxes copy themselves: the title, the text, and the
// button captions without their access marks and three blanks apart, each block between lines
// of dashes, every line ending in a line feed. A CR LF pair in the text is one line break.
QString MessageAsText(const QString& title, const QString& text, const QStringList& buttons);

// Shows the system's own message box with `icon`, `title`, `text` and an OK button, modal and
// where the toolkit puts it, owned by the application rather than by a window. Ctrl+C and
// Ctrl+Insert in it put it on the clipboard as MessageAsText, as they do in the program's own
// message dialog.
void RunSystemMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                         const QString& objectName = {});

} // namespace quiz

// The dialog itself: title and icon of its kind, the text wrapped to half the screen width, and a
// centred row of buttons. Built for one message and destroyed when it has closed.
class TMessageForm : public QDialog {
    Q_OBJECT
public:
    TMessageForm(const QString& text, quiz::MessageKind kind, quiz::MessageButtons buttons,
                 QWidget* parent = nullptr);

    // Accepted by the dialog's own close path: the close box and the system close command.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
