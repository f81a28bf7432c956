#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "About.h"
#include "Application.h"
#include "GuiTestSupport.h"
#include "History.h"
#include "Navigation.h"
#include "Program.h"
#include "Question.h"
#include "Texts.h"

using namespace quiz;
using testing::child;

namespace {
// Counts how often a window is shown.
struct ShowCounter : QObject {
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++count;
        return false;
    }
    int count = 0;
};
} // namespace

// The splash and the two small windows without logic of their own.
class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        CreateWindows();
    }

    void aboutIsCreatedIdle() {
        QCOMPARE(AboutBox->Timer1->Interval(), 0);
        QVERIFY(!AboutBox->Timer1->IsRunning());
        QCOMPARE(child<QLabel>(AboutBox, "ProductName")->text(),
                 QStringLiteral("QUIZ Version 6.1 (Win 95/Win NT), December 10, 1996"));
        QCOMPARE(child<QLabel>(AboutBox, "Copyright")->text(), content::About().copyright);
        QVERIFY(!child<QLabel>(AboutBox, "ProgramIcon")->pixmap().isNull());
        QVERIFY(!child<QPushButton>(AboutBox, "OKButton")->icon().isNull());
        QCOMPARE(AboutBox->centralWidget()->size(), QSize(431, 310));
    }

    void aboutTextsFitTheirLabels() {
        for (const char* name :
             {"ProductName", "Version", "Label2", "Copyright", "Comments", "Label1"}) {
            auto* label = child<QLabel>(AboutBox, name);
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() + 1, name);
            QVERIFY2(needed.width() <= label->width(), name);
        }
    }

    void splashOpensOnceAtTheFirstPaintAndClosesItself() {
        QVERIFY(!SplashShown);
        ShowCounter shows(AboutBox);
        const testing::TimedWindow splash(AboutBox, AboutBox->Timer1);
        bool overVisibleQuiz = false;
        // The splash runs a nested loop, so everything is observed from a timer inside it.
        testing::ModalAction seen([&](QWidget* modal) {
            overVisibleQuiz = modal == AboutBox && Form1->isVisible() && SplashShown;
            // A paint of the quiz window meanwhile only redraws it.
            Form1->centralWidget()->repaint();
        });
        Form1->show();
        QTRY_VERIFY_WITH_TIMEOUT(seen.Done() && !AboutBox->isVisible(), 8000);
        QVERIFY(overVisibleQuiz);
        // Four seconds from the arming to the tick; a busy machine may deliver the tick late.
        const QString timing = splash.Check(4000, 2500);
        QVERIFY2(timing.isEmpty(), qPrintable(timing));
        QCOMPARE(AboutBox->Timer1->Interval(), 0);
        QVERIFY(!AboutBox->Timer1->IsRunning());

        // Later paints, hiding and showing again: no second splash.
        Form1->hide();
        Form1->show();
        Form1->centralWidget()->repaint();
        // Waits for a second splash that must not open: it would come from a timer of 0 ms.
        QTest::qWait(300);
        QCOMPARE(shows.count, 1);
    }

    // While an assistive technology listens, the splash waits for the user: nothing arms its
    // timer when one listens as it opens, and one that starts to listen with the splash up stops
    // it.
    void splashWaitsWhileAScreenReaderListens_data() {
        QTest::addColumn<bool>("listeningAtOpen");
        QTest::newRow("listening as it opens") << true;
        QTest::newRow("starts listening while it is up") << false;
    }
    void splashWaitsWhileAScreenReaderListens() {
        QFETCH(bool, listeningAtOpen);
        QAccessible::setActive(listeningAtOpen);
        SplashShown = false;
        bool armedAtOpen = true, armedOnceListening = true;
        testing::ModalAction seen([&](QWidget* modal) {
            armedAtOpen = modal == AboutBox && AboutBox->Timer1->IsRunning();
            QAccessible::setActive(true);
            armedOnceListening = AboutBox->Timer1->IsRunning();
            QTest::mouseClick(child<QPushButton>(modal, "OKButton"), Qt::LeftButton);
        });
        Form1->centralWidget()->repaint();
        QTRY_VERIFY_WITH_TIMEOUT(seen.Done() && !AboutBox->isVisible(), 8000);
        QAccessible::setActive(false);
        QCOMPARE(armedAtOpen, !listeningAtOpen);
        QVERIFY(!armedOnceListening);
    }

    void okAndEnterCloseAtOnceAndTheTimerStaysQuiet() {
        for (bool byEnter : {false, true}) {
            testing::ModalAction press([byEnter](QWidget* modal) {
                QCOMPARE(modal, static_cast<QWidget*>(AboutBox));
                if (byEnter)
                    testing::PressKey(modal, Qt::Key_Return);
                else
                    QTest::mouseClick(child<QPushButton>(modal, "OKButton"), Qt::LeftButton);
            });
            // As the splash does it: armed, shown, then off.
            AboutBox->Timer1->SetInterval(4000);
            QElapsedTimer clock;
            clock.start();
            AboutBox->ShowModal();
            AboutBox->Timer1->SetInterval(0);
            QVERIFY(press.Done());
            QVERIFY(clock.elapsed() < 2000);
        }
    }

    void historyKeepsWhatTheUserTyped() {
        auto* memo = child<QPlainTextEdit>(Form4, "Memo1");
        QCOMPARE(memo->toPlainText(), content::HistoryLines().join('\n'));
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(Form4->windowTitle(), QStringLiteral("History of the Quiz"));

        testing::ModalAction type([memo](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(Form4));
            // The OK button has the focus when the window opens.
            QCOMPARE(modal->focusWidget()->objectName(), QStringLiteral("btnCloseHistory"));
            memo->setFocus();
            memo->moveCursor(QTextCursor::End);
            QTest::keyClicks(memo, " Noted.");
            // Esc belongs to the text box while it has the focus.
            QTest::keyClick(memo, Qt::Key_Escape);
            QVERIFY(Form4->isVisible());
            child<QPushButton>(modal, "btnCloseHistory")->setFocus();
            QTest::keyClick(child<QPushButton>(modal, "btnCloseHistory"), Qt::Key_Escape);
        });
        Form4->ShowModal();
        QVERIFY(type.Done());
        QVERIFY(!Form4->isVisible());
        QVERIFY(memo->toPlainText().endsWith(" Noted."));

        // Copied as plain text only, as from the other reading boxes.
        bool rich = true;
        testing::ModalAction look([&](QWidget* modal) {
            memo->selectAll();
            memo->copy();
            rich = QGuiApplication::clipboard()->mimeData()->hasHtml();
            modal->close();
        });
        Form4->ShowModal();
        QVERIFY(memo->toPlainText().endsWith(" Noted."));
        QCOMPARE(QGuiApplication::clipboard()->text(), memo->toPlainText());
        QVERIFY(!rich);
    }

    void cleanupTestCase() { DestroyWindows(); }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestAbout test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_about.moc"
