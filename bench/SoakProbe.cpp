// Loaded into the real program with LD_PRELOAD (bench/soak.sh), this repeats each user action
// thousands of times through the windows' own controls and reports, per action, how much the
// heap and the number of live objects grew per repeat once warmed up, and what one focus change
// in a reading window costs before the repeats and after them:
//   QUIZ_SOAK_REPEATS=<n> [QUIZ_SOAK_WARMUP=<n>]  LD_PRELOAD=libquiz_soak_probe.so  <program>
// Each step waits until its window is on top, active and painted, as a user's next click would.
// Results go to stdout; a run that gets stuck ends the program with status 3.

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <set>
#include <vector>

#include "ProbeSupport.h"

// Qt's table of hooks for object-tracking tools: entries 3 and 4 are called for every QObject
// made and destroyed.
extern Q_CORE_EXPORT quintptr qtHookData[];

namespace {

using namespace probe;

constexpr int AddQObjectHook = 3;
constexpr int RemoveQObjectHook = 4;

std::atomic<long> liveObjects{0};

void ObjectAdded(QObject*) {
    ++liveObjects;
}

void ObjectRemoved(QObject*) {
    --liveObjects;
}

long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

int FromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

struct Step {
    const char* window; // the window that must be on top, active and painted before the step
    std::function<void(QWidget*)> act;
};
using Steps = std::vector<Step>;

// The window manager's close request reaches the program through this same call.
void CloseBox(QWidget* window) {
    window->windowHandle()->close();
}

// A focus change inside the quotes window, back and forth between its text box and its button;
// returns the mean time of one in nanoseconds, the median of several batches, so that a moment
// when the machine runs something else does not count.
double FocusChangeNs(QWidget* quotes) {
    QWidget* memo = Find<QWidget>(quotes, "memQuotes");
    QWidget* ok = Find<QWidget>(quotes, "btnOK");
    constexpr int Batches = 21;
    constexpr int Changes = 200;
    std::vector<double> means;
    for (int batch = 0; batch < Batches; ++batch) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < Changes; ++i)
            (i % 2 ? memo : ok)->setFocus(Qt::TabFocusReason);
        means.push_back(double(clock.nsecsElapsed()) / Changes);
    }
    std::nth_element(means.begin(), means.begin() + Batches / 2, means.end());
    return means[Batches / 2];
}

struct Action {
    const char* name;
    Steps enter;  // from the quiz window to where the repeats start
    Steps repeat; // one repeat, ending where it started
    Steps leave;  // back to the quiz window
};

std::vector<Action> Actions() {
    const Steps toMap = {{"TForm1", [](QWidget* w) { Press(w, "btnResults"); }},
                         {"TMessageForm", [](QWidget* w) { Press(w, "OK"); }}};
    const Steps fromMap = {{"TForm3", [](QWidget* w) { Press(w, "cmdRestart"); }},
                           {"TMessageForm", [](QWidget* w) { Press(w, "Yes"); }}};
    return {
        {"quotes window, OK",
         {},
         {{"TForm1", [](QWidget* w) { ClickOn(w, "lblQ2"); }},
          {"TForm5", [](QWidget* w) { Press(w, "btnOK"); }}},
         {}},
        {"quotes window, close box",
         {},
         {{"TForm1", [](QWidget* w) { ClickOn(w, "lblQ2"); }}, {"TForm5", CloseBox}},
         {}},
        {"About window",
         {},
         {{"TForm1", [](QWidget* w) { Choose(w, "mnuHelpAbout"); }},
          {"TAboutBox", [](QWidget* w) { Press(w, "OKButton"); }}},
         {}},
        {"Information message",
         {},
         {{"TForm1", [](QWidget* w) { Choose(w, "mnuHelpIntroducing"); }},
          {"TMessageForm", [](QWidget* w) { Press(w, "OK"); }}},
         {}},
        {"results cycle",
         {},
         {toMap[0],
          toMap[1],
          {"TForm3", [](QWidget* w) { Press(w, "cmdRestart"); }},
          {"TMessageForm", [](QWidget* w) { Press(w, "No"); }}},
         {}},
        {"organisation from Resources",
         toMap,
         {{"TForm3", [](QWidget* w) { Choose(w, "Resources1"); }},
          {"TForm6", [](QWidget* w) { ClickOn(w, "imgHeralds"); }},
          {"TForm7", [](QWidget* w) { Press(w, "btnOK"); }},
          {"TForm6", [](QWidget* w) { Press(w, "btnOK"); }}},
         fromMap},
        {"Try It Yourself! box",
         toMap,
         {{"TForm3", [](QWidget* w) { Choose(w, "Hmmmm1"); }},
          {"QMessageBox",
           [](QWidget* w) { static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); }}},
         fromMap},
    };
}

class Soak : public QObject {
public:
    Soak(int repeats, int warmup) {
        script_.push_back({"TAboutBox", [](QWidget* w) { Press(w, "OKButton"); }});
        TimeFocusChange("before the repeats");
        for (const Action& action : Actions()) {
            Append(action.enter);
            for (int i = 0; i < warmup; ++i)
                Append(action.repeat);
            Measure(action, repeats);
            Append(action.leave);
        }
        TimeFocusChange("after the repeats");
        script_.push_back({"TForm1", [](QWidget* w) { Choose(w, "mnuFileExit"); }});

        qApp->installEventFilter(this);
        connect(&poll_, &QTimer::timeout, this, &Soak::Poll);
        poll_.start(1);
        clock_.start();
    }

protected:
    // A window counts as painted once something inside it has painted since it was last shown.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && widget->isWindow())
            painted_.erase(widget);
        else if (event->type() == QEvent::Paint)
            painted_.insert(widget->window());
        return false;
    }

private:
    void Append(const Steps& steps) { script_.insert(script_.end(), steps.begin(), steps.end()); }

    // The measured repeats, read between two quiet points in the quiz window or the map, and
    // the heap after each of them.
    void Measure(const Action& action, int repeats) {
        const char* base = action.repeat.front().window;
        script_.push_back({base, [this, repeats](QWidget*) { Mark(repeats); }});
        for (int i = 0; i < repeats; ++i) {
            Append(action.repeat);
            script_.push_back({base, [this](QWidget*) { heap_.push_back(HeapInUse()); }});
        }
        script_.push_back({base, [this, name = action.name, repeats](QWidget*) {
                               const long long heap = HeapInUse() - heapMark_;
                               const long objects = liveObjects - objectsMark_;
                               std::printf("%-28s %8.1f bytes per repeat (end to end %8.1f), "
                                           "%+ld live objects after %d repeats\n",
                                           name, GrowthPerRepeat(heap_), double(heap) / repeats,
                                           objects, repeats);
                               std::fflush(stdout);
                           }});
    }

    void Mark(int repeats) {
        heap_.clear();
        heap_.reserve(std::size_t(repeats)); // before the mark: no growth of its own to count
        heapMark_ = HeapInUse();
        objectsMark_ = liveObjects;
    }

    // The heap's growth per repeat, read from its low points: the least it held after a repeat
    // of the first half and after one of the second half. On X11 the heap rises and falls as a
    // saw: about 200 bytes more for each window made, of which about 100 KB are freed again
    // every 500 windows, with the program's own X11 code turned off as well (offscreen the heap
    // stays flat), so the end-to-end figure swings by up to 100 bytes a repeat with the point
    // of the saw at which the repeats happen to end. What a repeat keeps for good raises both
    // low points alike.
    static double GrowthPerRepeat(const std::vector<long long>& heap) {
        if (heap.size() < 2)
            return 0;
        const auto half = heap.begin() + std::ptrdiff_t(heap.size() / 2);
        const auto first = std::min_element(heap.begin(), half);
        const auto second = std::min_element(half, heap.end());
        return double(*second - *first) / double(second - first);
    }

    void TimeFocusChange(const char* when) {
        script_.push_back({"TForm1", [](QWidget* w) { ClickOn(w, "lblQ2"); }});
        script_.push_back({"TForm5", [when](QWidget* w) {
                               std::printf("one focus change in the quotes window %s: %.2f us\n",
                                           when, FocusChangeNs(w) / 1000);
                               std::fflush(stdout);
                           }});
        script_.push_back({"TForm5", [](QWidget* w) { Press(w, "btnOK"); }});
    }

    void Poll() {
        if (next_ == script_.size() || busy_)
            return;
        const Step& step = script_[next_];
        QWidget* top = probe::Top();
        const bool ready = top && NameOf(top) == QLatin1String(step.window) &&
                           QApplication::activeWindow() == top && painted_.count(top);
        if (!ready) {
            if (clock_.elapsed() > 20000) {
                const QWidget* active = QApplication::activeWindow();
                std::fprintf(stderr, "soak: stuck at step %zu before %s: %s is on top, %s active\n",
                             next_, step.window, top ? qPrintable(NameOf(top)) : "nothing",
                             active ? qPrintable(NameOf(active)) : "nothing");
                poll_.stop();
                QCoreApplication::exit(3);
            }
            return;
        }
        clock_.restart();
        ++next_;
        // Posted, so that a step that opens a modal window waits in it without holding the poll.
        busy_ = true;
        QTimer::singleShot(0, top, [this, act = step.act, window = QPointer<QWidget>(top)] {
            busy_ = false;
            if (window)
                act(window);
        });
    }

    std::vector<Step> script_;
    std::size_t next_ = 0;
    bool busy_ = false;
    std::set<QWidget*> painted_;
    QTimer poll_;
    QElapsedTimer clock_;
    std::vector<long long> heap_; // after each measured repeat
    long long heapMark_ = 0;
    long objectsMark_ = 0;
};

void StartSoak() {
    qtHookData[AddQObjectHook] = reinterpret_cast<quintptr>(&ObjectAdded);
    qtHookData[RemoveQObjectHook] = reinterpret_cast<quintptr>(&ObjectRemoved);
    const int repeats = FromEnvironment("QUIZ_SOAK_REPEATS", 2000);
    auto* soak = new Soak(repeats, FromEnvironment("QUIZ_SOAK_WARMUP", repeats / 10));
    soak->setParent(QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartSoak)
