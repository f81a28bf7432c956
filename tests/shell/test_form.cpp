#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include <functional>
#include <stdexcept>

#include "Application.h"
#include "Cursors.h"
#include "Form.h"
#include "GuiTestSupport.h"
#include "Timer.h"

using testing::ModalAction;

namespace {

// A bare window of the program's kind, with a client area and a paint hook that counts.
class TestForm : public TForm {
public:
    explicit TestForm(const QString& name) {
        setObjectName(name);
        setCentralWidget(new QWidget);
        centralWidget()->setObjectName(QStringLiteral("Client"));
        Create();
        SetClientSize(200, 100, true);
    }
    int created = 0;
    int painted = 0;

protected:
    void FormCreate() override { ++created; }
    void FormPaint() override { ++painted; }
};

// Throws from its event handler, as a failing toolkit call would.
class Thrower : public QObject {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Out of system resources");
        return QObject::event(e);
    }
};

} // namespace

class TestFormOperations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        main_ = new TestForm(QStringLiteral("Main"));
        QCOMPARE(TForm::MainForm(), main_);
    }

    void creationHandlerRunsOnce() {
        TestForm other(QStringLiteral("Other"));
        QCOMPARE(other.created, 1);
        QVERIFY(!other.isVisible());
        QVERIFY(!other.IsMainForm());
    }

    void paintHookRunsOnPaintsAndIdleWindowGetsNone() {
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_));
        QTRY_VERIFY(main_->painted > 0);
        const int before = main_->painted;
        // Waits for a paint that must not come: an idle window gets none in 300 ms.
        QTest::qWait(300);
        QCOMPARE(main_->painted, before);
        main_->centralWidget()->update();
        QTRY_COMPARE(main_->painted, before + 1);
    }

    void nestedModalShowsReturnInOrder() {
        main_->show();
        main_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), main_);
        TestForm outer(QStringLiteral("Outer"));
        TestForm inner(QStringLiteral("Inner"));
        QStringList order;
        TModalResult innerResult = -1;

        // Inside the outer window: open the inner one, answer it with OK, then close the outer.
        ModalAction openInner([&](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(&outer));
            QVERIFY(!main_->isEnabled() || QApplication::activeModalWidget() == &outer);
            ModalAction answerInner(
                [&](QWidget*) {
                    order << QStringLiteral("inner up");
                    inner.SetModalResult(mrOk);
                },
                &outer);
            innerResult = inner.ShowModal();
            order << QStringLiteral("inner returned");
            QVERIFY(!inner.isVisible());
            QCOMPARE(QApplication::activeModalWidget(), &outer);
            outer.Close();
        });
        const TModalResult outerResult = outer.ShowModal();
        order << QStringLiteral("outer returned");

        QCOMPARE(innerResult, mrOk);
        QCOMPARE(outerResult, mrCancel); // Close on a modal window is cancel
        QCOMPARE(order, QStringList({"inner up", "inner returned", "outer returned"}));
        QVERIFY(!outer.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::activeWindow(), main_);
    }

    void closeBoxOfAModalWindowGivesCancel() {
        TestForm dialog(QStringLiteral("Dialog"));
        ModalAction closeIt([](QWidget* modal) { modal->close(); });
        QCOMPARE(dialog.ShowModal(), mrCancel);
        QVERIFY(!dialog.isVisible());
        // Shown again, the same instance comes back.
        ModalAction answer([&](QWidget*) { dialog.SetModalResult(mrYes); });
        QCOMPARE(dialog.ShowModal(), mrYes);
    }

    // However often a window opens and closes, by OK, Close or its close box, it keeps its
    // native window and Qt keeps nothing more: a focus change in it reaches the application once.
    void reopeningAWindowLeavesNothingBehind() {
        TestForm reading(QStringLiteral("Reading"));
        auto* first = new QPushButton(reading.centralWidget());
        auto* second = new QPushButton(reading.centralWidget());
        const std::function<void()> closings[] = {[&] { reading.SetModalResult(mrOk); },
                                                  [&] { reading.Close(); },
                                                  [&] { reading.windowHandle()->close(); }};
        int focusSignals = -1;
        connect(qApp, &QGuiApplication::focusObjectChanged, &reading, [&] { ++focusSignals; });
        auto openAndClose = [&](const std::function<void()>& close) {
            ModalAction act([&](QWidget*) { close(); });
            reading.ShowModal();
            QVERIFY(act.Done());
        };
        openAndClose(closings[0]);
        const WId native = reading.winId();
        const qsizetype widgets = QApplication::allWidgets().size();
        const qsizetype windows = QGuiApplication::allWindows().size();
        for (int i = 1; i < 300; ++i)
            openAndClose(closings[i % 3]);
        QCOMPARE(reading.winId(), native);
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        QCOMPARE(QGuiApplication::allWindows().size(), windows);
        openAndClose([&] {
            first->setFocus();
            focusSignals = 0;
            second->setFocus();
            reading.Close();
        });
        QCOMPARE(focusSignals, 1);
    }

    void showingAVisibleWindowModallyIsAnError() {
        TestForm shown(QStringLiteral("Shown"));
        shown.show();
        QVERIFY_THROWS_EXCEPTION(std::logic_error, shown.ShowModal());
    }

    void closingANonMainWindowOnlyHidesIt() {
        TestForm other(QStringLiteral("Other"));
        other.show();
        other.Close();
        QVERIFY(!other.isVisible());
        QVERIFY(main_->isVisible());
    }

    void timerIntervalZeroMeansStopped() {
        TTimer timer;
        int fired = 0;
        timer.OnTimer = [&] { ++fired; };
        timer.SetInterval(0);
        QVERIFY(!timer.IsRunning());
        // Waits for a tick that must not come: a bare QTimer at 0 would tick on every pass.
        QTest::qWait(150);
        QCOMPARE(fired, 0);

        timer.SetInterval(40);
        QTRY_VERIFY(fired >= 2);
        timer.SetInterval(0);
        const int stoppedAt = fired;
        // Waits for a tick that must not come: stopped, it would have ticked three times more.
        QTest::qWait(150);
        QCOMPARE(fired, stoppedAt);
    }

    // Set again to the same interval while it counts, the timer keeps its count: it ticks 400 ms
    // after the first setting, before a mark due 200 ms after the second setting, where a count
    // restarted there would tick 400 ms after it. Decided by the order in which Qt fires the
    // timers, which follows their due times also when a busy machine delivers them all late.
    void timerSameIntervalDoesNotRestart() {
        TTimer timer;
        QStringList order;
        timer.OnTimer = [&] {
            order << QStringLiteral("tick");
            timer.SetInterval(0);
        };
        timer.SetInterval(400);
        // Due 300 ms after the first setting, and so fired before the tick (due at 400).
        QTimer::singleShot(300, Qt::PreciseTimer, &timer, [&] {
            order << QStringLiteral("set again");
            timer.SetInterval(400); // unchanged: the count keeps running from the first setting
            // Due at 500 at the earliest: after the kept tick, before a restarted count's (700).
            QTimer::singleShot(200, Qt::PreciseTimer, &timer,
                               [&] { order << QStringLiteral("mark"); });
        });
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, 5000);
        QCOMPARE(order, QStringList({"set again", "tick", "mark"}));
    }

    void cursorTable() {
        QCOMPARE(quiz::CursorNumber(1).shape(), Qt::ArrowCursor);
        quiz::RegisterCursor(1, QCursor(Qt::WhatsThisCursor));
        QCOMPARE(quiz::CursorNumber(1).shape(), Qt::WhatsThisCursor);
    }

    void errorFromAHandlerIsShownAndTheProgramGoesOn() {
        auto* app = qobject_cast<TApplication*>(qApp);
        QVERIFY(app);
        Thrower thrower;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalAction answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_VERIFY(answer.Done());
        QCOMPARE(title, QStringLiteral("Quiz!"));
        QCOMPARE(text, QStringLiteral("Out of system resources."));
        QCOMPARE(icon, QMessageBox::Critical);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void captionsReachTheWindowSystemUnchanged() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        TestForm named(QStringLiteral("Named"));
        named.setWindowTitle(QStringLiteral("Meridian Political Quiz"));
        named.show();
        QVERIFY(QTest::qWaitForWindowExposed(&named));
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(named.winId()),
                                              QStringLiteral("_NET_WM_NAME")});
        QVERIFY(xprop.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(xprop.readAllStandardOutput()).trimmed(),
                 QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Meridian Political Quiz\""));
    }

    // Last: it ends the event loop for good.
    void closingTheHiddenMainWindowEndsTheLoop() {
        TestForm dialog(QStringLiteral("Dialog"));
        main_->hide();
        QEventLoop mainLoop;
        bool loopEnded = false;
        // A modal window closing while the main window is hidden must not end anything.
        ModalAction closeDialog([&](QWidget* modal) { modal->close(); });
        QTimer::singleShot(0, &dialog, [&] {
            dialog.ShowModal();
            // Waits for an end of the loop that must not come: 200 ms with the dialog closed.
            QTimer::singleShot(200, main_, [&] {
                QVERIFY(!loopEnded);
                main_->Close();
            });
        });
        QTimer::singleShot(3000, &mainLoop, [&] { mainLoop.exit(99); });
        const int status = mainLoop.exec();
        loopEnded = true;
        QCOMPARE(status, 0);
        QVERIFY(!main_->isVisible());
    }

    void cleanupTestCase() { delete main_; }

private:
    TestForm* main_ = nullptr;
};

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quiz!"));
    QApplication::setQuitOnLastWindowClosed(false);
    TestFormOperations test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_form.moc"
