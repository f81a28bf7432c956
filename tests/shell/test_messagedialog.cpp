#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "Application.h"
#include "GuiTestSupport.h"
#include "MessageAnswers.h"
#include "MessageDialog.h"

using namespace quiz;
using testing::child;
using testing::ClearQueuedMessageAnswers;
using testing::HasQueuedMessageAnswers;
using testing::ModalAction;
using testing::QueueMessageAnswers;
using testing::TakeAnsweredMessages;

namespace {

const MessageButtons YesNo = MessageButton::Yes | MessageButton::No;

// Runs a real dialog, acting on it from a timer once it is up.
TModalResult RunAndAct(const QString& text, MessageKind kind, MessageButtons buttons,
                       const ModalAction::Action& action) {
    ModalAction act(action);
    const TModalResult result = RunMessageDialog(text, kind, buttons);
    if (!act.Done())
        qWarning("the dialog never became the active modal widget");
    return result;
}

// The button that Esc presses in `form`, or none.
QPushButton* PressedByEscape(TMessageForm& form) {
    QPushButton* pressed = nullptr;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        QObject::connect(button, &QPushButton::clicked, &form,
                         [&pressed, button] { pressed = button; });
    QTest::keyClick(&form, Qt::Key_Escape);
    return pressed;
}

// The row from `first` to `last` is centred in the dialog: the space right of it is the space
// left of it, or one pixel more when the difference is odd.
bool RowIsCentred(const QWidget& form, const QWidget* first, const QWidget* last) {
    const int leftGap = first->x();
    const int rightGap = form.width() - (last->x() + last->width());
    return rightGap == leftGap || rightGap == leftGap + 1;
}

} // namespace

class TestMessageDialog : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        ClearQueuedMessageAnswers();
        QVERIFY(!QApplication::activeModalWidget());
    }

    void informationDialogLooks() {
        TMessageForm form(QStringLiteral("Hello there"), MessageKind::Information,
                          MessageButton::OK);
        QCOMPARE(form.windowTitle(), QStringLiteral("Information"));
        const auto buttons = form.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0]->text(), QStringLiteral("OK"));
        QVERIFY(buttons[0]->isDefault());
        QCOMPARE(PressedByEscape(form), buttons[0]);
        QVERIFY(!child<QLabel>(&form, "Image")->pixmap().isNull());
        QCOMPARE(child<QLabel>(&form, "Image")->size(), QSize(32, 32));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        // The stand-in font measures as in the worked example (w 6, h 13): a 75 x 23 button
        // below a one-line text, at 32 + 13 + 16, centred.
        QCOMPARE(buttons[0]->size(), QSize(75, 23));
        QCOMPARE(buttons[0]->y(), 61);
        QVERIFY(RowIsCentred(form, buttons[0], buttons[0]));
    }

    void confirmationButtonsStandYesThenNo() {
        // The set is unordered for the caller; the dialog lays out Yes then No.
        TMessageForm form(QStringLiteral("Keep your old answers?"), MessageKind::Confirmation,
                          MessageButton::No | MessageButton::Yes);
        QCOMPARE(form.windowTitle(), QStringLiteral("Confirm"));
        auto* yes = child<QPushButton>(&form, "Yes");
        auto* no = child<QPushButton>(&form, "No");
        QCOMPARE(yes->text(), QStringLiteral("&Yes"));
        QCOMPARE(no->text(), QStringLiteral("&No"));
        QVERIFY(yes->x() + yes->width() < no->x());
        QCOMPARE(yes->y(), no->y());
        QCOMPARE(yes->size(), no->size());
        QCOMPARE(no->x() - yes->x(), 75 + 6);
        QVERIFY(RowIsCentred(form, yes, no));
        QVERIFY(yes->isDefault() && !no->isDefault());
        QCOMPARE(PressedByEscape(form), no);
        QVERIFY(!child<QLabel>(&form, "Image")->pixmap().isNull());
    }

    void lineBreaksAndWrapping() {
        TMessageForm two(QStringLiteral("first\r\n\r\nsecond"), MessageKind::Information,
                         MessageButton::OK);
        auto* label = child<QLabel>(&two, "Message");
        QCOMPARE(label->text(), QStringLiteral("first\n\nsecond"));
        const int lineHeight = label->fontMetrics().height();
        QCOMPARE(label->height(), 3 * lineHeight);

        // A long text wraps at half the screen width.
        const QString longText = QString(QStringLiteral("word ")).repeated(200).trimmed();
        TMessageForm wide(longText, MessageKind::Information, MessageButton::OK);
        const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
        auto* wrapped = child<QLabel>(&wide, "Message");
        QVERIFY(wrapped->width() <= half);
        QVERIFY(wrapped->width() > half - 60);
        QVERIFY(wrapped->height() > 3 * lineHeight);
    }

    void keysAndCloseBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::addColumn<int>("expected");
        const int info = int(MessageKind::Information);
        const int confirm = int(MessageKind::Confirmation);
        QTest::newRow("information Enter") << info << int(Qt::Key_Return) << mrOk;
        QTest::newRow("information Esc") << info << int(Qt::Key_Escape) << mrOk;
        QTest::newRow("information close box") << info << 0 << mrCancel;
        QTest::newRow("confirm Enter") << confirm << int(Qt::Key_Return) << mrYes;
        QTest::newRow("confirm Esc") << confirm << int(Qt::Key_Escape) << mrNo;
        QTest::newRow("confirm close box") << confirm << 0 << mrCancel;
        QTest::newRow("confirm letter N") << confirm << int(Qt::Key_N) << mrNo;
        QTest::newRow("confirm Tab Enter") << confirm << int(Qt::Key_Tab) << mrNo;
    }
    void keysAndCloseBox() {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(int, expected);
        const MessageKind k = MessageKind(kind);
        const MessageButtons buttons =
            k == MessageKind::Information ? MessageButtons(MessageButton::OK) : YesNo;
        const TModalResult result =
            RunAndAct(QStringLiteral("Keep your old answers?"), k, buttons, [key](QWidget* dialog) {
                if (key == 0) {
                    dialog->close();
                } else if (key == Qt::Key_Tab) {
                    testing::PressKey(dialog, Qt::Key_Tab);
                    testing::PressKey(dialog, Qt::Key_Return);
                } else {
                    testing::PressKey(dialog, Qt::Key(key));
                }
            });
        QCOMPARE(result, expected);
    }

    void clickingAButtonReturnsItsResult() {
        const TModalResult yes =
            RunAndAct(QStringLiteral("?"), MessageKind::Confirmation, YesNo, [](QWidget* dialog) {
                QTest::mouseClick(child<QPushButton>(dialog, "Yes"), Qt::LeftButton);
            });
        QCOMPARE(yes, mrYes);
        const TModalResult no =
            RunAndAct(QStringLiteral("?"), MessageKind::Confirmation, YesNo, [](QWidget* dialog) {
                QTest::mouseClick(child<QPushButton>(dialog, "No"), Qt::LeftButton);
            });
        QCOMPARE(no, mrNo);
    }

    void focusStartsOnTheFirstButtonAndDialogIsCentred() {
        QWidget caller;
        caller.setGeometry(10, 10, 200, 100);
        caller.show();
        QString focused;
        QPoint centre;
        QPoint callerCentre = caller.geometry().center();
        RunAndAct(QStringLiteral("Keep your old answers?"), MessageKind::Confirmation, YesNo,
                  [&](QWidget* dialog) {
                      focused =
                          dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
                      centre = dialog->frameGeometry().center();
                      dialog->close();
                  });
        QCOMPARE(focused, QStringLiteral("Yes"));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY(qAbs(centre.x() - screenCentre.x()) <= 1);
        QVERIFY(qAbs(centre.y() - screenCentre.y()) <= 1);
        QVERIFY(centre != callerCentre);
    }

    // Ctrl+C and Ctrl+Insert copy a message as plain text, as message boxes do, the error box
    // (Qt's own message box) as well; the names screen readers give the buttons are the captions
    // without their access marks, as in the copy.
    void copiesItselfAsText_data() {
        QTest::addColumn<int>("kind"); // -1: the error box, -2: another system message box
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QStringList>("buttonNames");
        const QString rule = QStringLiteral("---------------------------\n");
        QTest::newRow("information, Ctrl+C")
            << int(MessageKind::Information) << int(Qt::Key_C)
            << QStringLiteral("first\r\n\r\nsecond")
            << rule + "Information\n" + rule + "first\n\nsecond\n" + rule + "OK\n" + rule
            << QStringList{"OK"};
        QTest::newRow("confirmation, Ctrl+Insert")
            << int(MessageKind::Confirmation) << int(Qt::Key_Insert)
            << QStringLiteral("Keep your old answers?")
            << rule + "Confirm\n" + rule + "Keep your old answers?\n" + rule + "Yes   No\n" + rule
            << QStringList{"Yes", "No"};
        QTest::newRow("error box, Ctrl+C")
            << -1 << int(Qt::Key_C) << QStringLiteral("Not enough timers available")
            << rule + QApplication::applicationName() + "\n" + rule +
                   "Not enough timers available.\n" + rule + "OK\n" + rule
            << QStringList{"OK"};
        QTest::newRow("system box, Ctrl+Insert")
            << -2 << int(Qt::Key_Insert) << QStringLiteral("one\r\ntwo")
            << rule + "Asked\n" + rule + "one\ntwo\n" + rule + "OK\n" + rule << QStringList{"OK"};
    }
    void copiesItselfAsText() {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, copied);
        QFETCH(QStringList, buttonNames);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        QString onClipboard;
        QStringList names;
        ModalAction act([&](QWidget* dialog) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key(key), Qt::ControlModifier);
            onClipboard = clipboard->text();
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
            dialog->close();
        });
        if (kind == -2)
            RunSystemMessageBox(QMessageBox::Question, QStringLiteral("Asked"), text);
        else if (kind < 0)
            TApplication::ShowException(text);
        else
            RunMessageDialog(
                text, MessageKind(kind),
                kind == int(MessageKind::Information) ? MessageButtons(MessageButton::OK) : YesNo);
        QVERIFY(act.Done());
        QCOMPARE(onClipboard, copied);
        QCOMPARE(names, buttonNames);
    }

    // The tests' canned answers close the real dialog as it shows and record what it showed.
    void cannedAnswersCloseTheRealDialog() {
        QueueMessageAnswers({mrYes, mrOk});
        QCOMPARE(RunMessageDialog(QStringLiteral("a"), MessageKind::Confirmation, YesNo), mrYes);
        QCOMPARE(RunMessageDialog(QStringLiteral("b"), MessageKind::Information, MessageButton::OK),
                 mrOk);
        QVERIFY(!HasQueuedMessageAnswers());
        const auto shown = TakeAnsweredMessages();
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, QStringLiteral("a"));
        QCOMPARE(shown[0].kind, MessageKind::Confirmation);
        QCOMPARE(shown[1].buttons, MessageButtons(MessageButton::OK));
        QVERIFY(TakeAnsweredMessages().empty());
    }
};

QTEST_MAIN(TestMessageDialog)
#include "test_messagedialog.moc"
