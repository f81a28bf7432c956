#include "MessageDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <vector>

#include "Accessibility.h"
#include "Desktop.h"
#include "Fonts.h"
#include "MessageLayout.h"
#include "ModalStack.h"
#include "WindowPlacement.h"

namespace quiz {

namespace {

// A CR LF pair in a message is one line break.
QString WithLineFeeds(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

// Puts a message dialog's title, `text` and the captions of its buttons, in their order on the
// screen from left to right, on the clipboard as MessageAsText.
void CopyMessage(const QWidget& dialog, const QString& text) {
    QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    buttons.removeIf(
        [&dialog](const QAbstractButton* button) { return !button->isVisibleTo(&dialog); });
    std::stable_sort(buttons.begin(), buttons.end(), [&dialog](const QWidget* a, const QWidget* b) {
        return a->mapTo(&dialog, QPoint()).x() < b->mapTo(&dialog, QPoint()).x();
    });
    QStringList captions;
    for (const QAbstractButton* button : buttons)
        captions << button->text();
    QGuiApplication::clipboard()->setText(MessageAsText(dialog.windowTitle(), text, captions));
}

// Qt's own message box copies itself only on Windows; on other systems Ctrl+C does nothing there.
class MessageBoxCopy : public QObject {
public:
    explicit MessageBoxCopy(QMessageBox& box)
        : QObject(&box)
        , box_(box) {
        box.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        CopyMessage(box_, box_.text());
        return true;
    }

private:
    QMessageBox& box_;
};

} // namespace

QString MessageAsText(const QString& title, const QString& text, const QStringList& buttons) {
    const QString rule = QStringLiteral("---------------------------\n");
    const QString shown = WithLineFeeds(text);
    QStringList captions;
    for (const QString& caption : buttons)
        captions << WithoutAccelerator(caption);
    return rule + title + u'\n' + rule + shown + u'\n' + rule +
           captions.join(QStringLiteral("   ")) + u'\n' + rule;
}

void RunSystemMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                         const QString& objectName) {
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setObjectName(objectName);
    new MessageBoxCopy(box);
    Stack().Run(box, Placing::ByToolkit);
}

TModalResult RunMessageDialog(const QString& text, MessageKind kind, MessageButtons buttons) {
    TMessageForm dialog(text, kind, buttons);
    // On the monitor, but not over the window that asked for it.
    return Stack().Run(dialog, Placing::Centred);
}

} // namespace quiz

using namespace quiz;

TMessageForm::TMessageForm(const QString& text, MessageKind kind, MessageButtons buttons,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("TMessageForm"));
    setModal(true);
    const QFont font = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    setFont(font);

    // 1-2: the font's average character width and height give the dialog units.
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int w = metrics.horizontalAdvance(alphabet) / 52;
    const int h = metrics.height();

    // 3: the text wrapped at half the width of the screen it will show on; a CR LF pair is one
    // line break.
    const QString shown = WithLineFeeds(text);
    const QScreen* screen = ScreenOf(Stack().Opener());
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const QRect textRect =
        metrics.boundingRect(QRect(0, 0, MessageWrapWidth(screenSize.width()), 0),
                             Qt::AlignLeft | Qt::TextWordWrap, shown);

    struct Choice {
        MessageButton button;
        QString caption;
        TModalResult result;
        const char* name;
    };
    std::vector<Choice> present;
    for (const Choice& choice : {Choice{MessageButton::Yes, tr("&Yes"), mrYes, "Yes"},
                                 Choice{MessageButton::No, tr("&No"), mrNo, "No"},
                                 Choice{MessageButton::OK, tr("OK"), mrOk, "OK"}}) {
        if (buttons.testFlag(choice.button))
            present.push_back(choice);
    }

    const MessageLayout layout =
        LayOutMessage(w, h, textRect.width(), textRect.height(), static_cast<int>(present.size()));
    const bool information = kind == MessageKind::Information;
    setWindowTitle(information ? tr("Information") : tr("Confirm"));
    // A message too narrow for its title where the program draws the title bar widens, its
    // contents staying in the middle.
    const int width = std::max(layout.clientWidth,
                               Stack().CurrentDesktop().ClientWidthShowingTitle(windowTitle()));
    const QPoint shift((width - layout.clientWidth) / 2, 0);
    setFixedSize(width, layout.clientHeight);
    const auto place = [shift](QWidget* control, const LayoutRect& r) {
        control->setGeometry(QRect(r.left, r.top, r.width, r.height).translated(shift));
    };

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image"));
    place(icon, layout.icon);
    icon->setPixmap(style()
                        ->standardIcon(information ? QStyle::SP_MessageBoxInformation
                                                   : QStyle::SP_MessageBoxQuestion)
                        .pixmap(MessageIconSize, MessageIconSize));
    icon->setAccessibleName(information ? tr("Information") : tr("Question"));

    auto* message = new QLabel(shown, this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(message, layout.text);

    for (std::size_t i = 0; i < present.size(); ++i) {
        const Choice& choice = present[i];
        auto* button = new QPushButton(choice.caption, this);
        button->setObjectName(QString::fromLatin1(choice.name));
        place(button, layout.buttons[i]);
        button->setAutoDefault(true);
        const TModalResult result = choice.result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        if (choice.button == MessageButton::OK ||
            (choice.button == MessageButton::Yes && !buttons.testFlag(MessageButton::OK)))
            defaultButton_ = button;
        if (choice.button == MessageButton::No ||
            (choice.button == MessageButton::OK && !buttons.testFlag(MessageButton::No)))
            cancelButton_ = button;
    }
    if (defaultButton_) {
        defaultButton_->setDefault(true);
        defaultButton_->setFocus();
    }
}

void TMessageForm::reject() {
    done(mrCancel);
}

void TMessageForm::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyMessage(*this, findChild<QLabel*>(QStringLiteral("Message"))->text());
        return;
    }
    // Esc presses the cancel button (OK or No); the close box alone answers 2.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_)
            cancelButton_->click();
        else
            reject();
        return;
    }
    // An accelerator letter works on its own too, as in a native message box.
    if (event->modifiers() == Qt::NoModifier && !event->text().isEmpty()) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            const QString caption = button->text();
            const auto mark = caption.indexOf(QLatin1Char('&'));
            if (mark >= 0 && mark + 1 < caption.size() &&
                caption.at(mark + 1).toLower() == event->text().at(0).toLower()) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}
