#include <ctime>

#include "About.h"
#include "Address.h"
#include "Application.h"
#include "GuiTestSupport.h"
#include "History.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Program.h"
#include "Question.h"
#include "Quotes.h"
#include "Scoring.h"
#include "Sources.h"

namespace {

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Counts what reaches the program while it is watched: paints, any other event for a widget,
// and timer ticks (the only one expected is the tick that ends the watch).
class EventCounter : public QObject {
public:
    EventCounter() { qApp->installEventFilter(this); }
    ~EventCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            ++timerTicks;
        else if (watched->isWidgetType())
            ++(event->type() == QEvent::Paint ? paints : otherWidgetEvents);
        return false;
    }
    int paints = 0;
    int otherWidgetEvents = 0;
    int timerTicks = 0;
};

struct IdleCost {
    int paints = -1;
    int otherWidgetEvents = -1;
    int timerTicks = -1;
    double cpuSeconds = -1;
};

// Lets the window settle after it opened, until a pass of the event loop brings it nothing, then
// watches it untouched for two seconds.
void MeasureIdle(IdleCost* cost, const std::function<void()>& done) {
    QTimer::singleShot(0, qApp, [cost, done] {
        {
            EventCounter settling;
            testing::Settle([&] { return settling.paints + settling.otherWidgetEvents; });
        }
        auto* counter = new EventCounter;
        const double cpuBefore = ProcessCpuSeconds();
        // Waits for events that must not come: nothing reaches an idle program in two seconds.
        QTimer::singleShot(2000, qApp, [cost, done, counter, cpuBefore] {
            cost->cpuSeconds = ProcessCpuSeconds() - cpuBefore;
            cost->paints = counter->paints;
            cost->otherWidgetEvents = counter->otherWidgetEvents;
            cost->timerTicks = counter->timerTicks;
            delete counter;
            done();
        });
    });
}

} // namespace

// With any window open and nobody touching it, the program paints nothing and does no work.
class TestIdle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        CreateWindows();
        quiz::SplashShown = true;
        quiz::TopicIndex = 9;
        quiz::ProfileIndex = 3;
        quiz::OrganisationIndex = 4;
        quiz::PersonalScore = 60;
        quiz::EconomicScore = 70;
        quiz::Philosophy = "Libertarian";
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }

    void quizWindow() {
        // A plain event loop, not a polling wait, so that the test itself costs nothing meanwhile.
        IdleCost cost;
        QEventLoop loop;
        MeasureIdle(&cost, [&loop] { loop.quit(); });
        QTimer timeout; // goes with the loop, so that it never ticks into a later case
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
        timeout.start(5000);
        QCOMPARE(loop.exec(), 0);
        Check(cost);
    }

    void modalWindows_data() {
        QTest::addColumn<TForm*>("form");
        QTest::newRow("About") << static_cast<TForm*>(AboutBox);
        QTest::newRow("History") << static_cast<TForm*>(Form4);
        QTest::newRow("Map") << static_cast<TForm*>(Form3);
        QTest::newRow("Profiles") << static_cast<TForm*>(Form2);
        QTest::newRow("Quotes") << static_cast<TForm*>(Form5);
        QTest::newRow("Resources") << static_cast<TForm*>(Form6);
        QTest::newRow("Organisation") << static_cast<TForm*>(Form7);
    }
    void modalWindows() {
        QFETCH(TForm*, form);
        IdleCost cost;
        testing::ModalAction watch([&](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(form));
            MeasureIdle(&cost, [form] { form->Close(); });
        });
        form->ShowModal();
        QVERIFY(watch.Done());
        Check(cost);
    }

    void cleanupTestCase() { DestroyWindows(); }

private:
    static void Check(const IdleCost& cost) {
        QCOMPARE(cost.paints, 0);
        QCOMPARE(cost.otherWidgetEvents, 0);
        QCOMPARE(cost.timerTicks, 1);
        // No timer, no polling: two idle seconds cost next to nothing (about a millisecond here;
        // the bound leaves room for a loaded machine and the sanitizers).
        QVERIFY2(cost.cpuSeconds >= 0 && cost.cpuSeconds < 0.05,
                 qPrintable(QStringLiteral("%1 s of CPU").arg(cost.cpuSeconds)));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestIdle test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_idle.moc"
