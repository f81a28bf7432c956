// A scripted session for the real program, loaded into it with LD_PRELOAD. It starts as soon as
// the application object exists and drives the windows through their own controls, as a user
// would: it dismisses the splash, answers a few questions, reads quotations, shows the results,
// visits the reading windows, copies text, restarts keeping the answers and leaves by File, Exit.
// It links only Qt and finds every window and control by its object name, so the program under
// test is the shipped binary, unchanged.
//
// Progress goes to stderr ("session: ..."); the last line says whether every step ran. A session
// that gets stuck ends the program with status 3.

#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

#include "ProbeSupport.h"

namespace {

using namespace probe;

// Selects the whole text of a reading box and copies it with Edit, Copy.
void CopyAll(QWidget* window, const char* box) {
    auto* memo = Find<QPlainTextEdit>(window, box);
    if (!memo)
        return;
    QGuiApplication::clipboard()->clear();
    memo->selectAll();
    Choose(window, "mnuEditCopy");
    const qsizetype copied = QGuiApplication::clipboard()->text().size();
    std::fprintf(stderr, "session: copied %lld characters\n", static_cast<long long>(copied));
    if (copied == 0)
        QCoreApplication::exit(3);
}

struct Step {
    const char* window; // the window that must be on top before the step acts
    const char* what;
    std::function<void(QWidget*)> act;
};

std::vector<Step> Script() {
    return {
        {"TAboutBox", "close the splash", [](QWidget* w) { Press(w, "OKButton"); }},
        {"TForm1", "answer 1 Yes", [](QWidget* w) { Press(w, "btnQ1Y"); }},
        {"TForm1", "answer 3 No", [](QWidget* w) { Press(w, "BtnQ3N"); }},
        {"TForm1", "answer 6 No", [](QWidget* w) { Press(w, "btnQ6N"); }},
        {"TForm1", "answer 9 Yes", [](QWidget* w) { Press(w, "btnQ9Y"); }},
        {"TForm1", "quotes on media", [](QWidget* w) { ClickOn(w, "lblQ2"); }},
        {"TForm5", "Edit, Copy", [](QWidget* w) { CopyAll(w, "memQuotes"); }},
        {"TForm5", "close the quotes", [](QWidget* w) { Press(w, "btnOK"); }},
        {"TForm1", "Show Results", [](QWidget* w) { Press(w, "btnResults"); }},
        {"TMessageForm", "read the result", [](QWidget* w) { Press(w, "OK"); }},
        {"TForm3", "Info, Resources", [](QWidget* w) { Choose(w, "Resources1"); }},
        {"TForm6", "first organisation", [](QWidget* w) { ClickOn(w, "imgHeralds"); }},
        {"TForm7", "Edit, Copy", [](QWidget* w) { CopyAll(w, "memAddress"); }},
        {"TForm7", "close the organisation", [](QWidget* w) { Press(w, "btnOK"); }},
        {"TForm6", "close the resources", [](QWidget* w) { Press(w, "btnOK"); }},
        {"TForm3", "Profiles, Libertarian", [](QWidget* w) { Choose(w, "mnuProfLib"); }},
        {"TForm2", "close the profile", [](QWidget* w) { Press(w, "Button1"); }},
        {"TForm3", "Info, Quiz history", [](QWidget* w) { Choose(w, "Quizhistory1"); }},
        {"TForm4", "close the history", [](QWidget* w) { Press(w, "btnCloseHistory"); }},
        {"TForm3", "Help, Scoring", [](QWidget* w) { Choose(w, "mnuHelpScoring"); }},
        {"TMessageForm", "close the scoring", [](QWidget* w) { Press(w, "OK"); }},
        {"TForm3", "Info, Hmmmm...", [](QWidget* w) { Choose(w, "Hmmmm1"); }},
        {"QMessageBox", "close its box", [](QWidget* w) { w->close(); }},
        {"TForm3", "Restart", [](QWidget* w) { Press(w, "cmdRestart"); }},
        {"TMessageForm", "keep the answers", [](QWidget* w) { Press(w, "Yes"); }},
        {"TForm1", "Help, About...", [](QWidget* w) { Choose(w, "mnuHelpAbout"); }},
        {"TAboutBox", "close About", [](QWidget* w) { Press(w, "OKButton"); }},
        {"TForm1", "File, Exit", [](QWidget* w) { Choose(w, "mnuFileExit"); }},
    };
}

class Session : public QObject {
public:
    Session()
        : steps_(Script()) {
        // The poll keeps running inside every modal loop; each step is posted so that a step
        // that opens a modal window waits in it without holding up the poll.
        connect(&poll_, &QTimer::timeout, this, &Session::Poll);
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
            std::fprintf(stderr, "session: %s\n",
                         next_ == steps_.size() ? "complete" : "INCOMPLETE at program end");
        });
        poll_.start(20);
        clock_.start();
    }

private:
    void Poll() {
        if (next_ == steps_.size()) {
            poll_.stop();
            return;
        }
        const Step& step = steps_[next_];
        QWidget* top = probe::Top();
        if (!top || !top->isVisible() || NameOf(top) != QLatin1String(step.window)) {
            ready_ = 0;
            if (clock_.elapsed() > 20000) {
                std::fprintf(stderr, "session: stuck before \"%s\": %s is on top\n", step.what,
                             top ? qPrintable(NameOf(top)) : "nothing");
                poll_.stop();
                QCoreApplication::exit(3);
            }
            return;
        }
        // Let a window that has just opened paint before it is used.
        if (++ready_ < 3)
            return;
        ready_ = 0;
        clock_.restart();
        ++next_;
        std::fprintf(stderr, "session: %s: %s\n", step.window, step.what);
        QTimer::singleShot(0, top, [act = step.act, window = QPointer<QWidget>(top)] {
            if (window)
                act(window);
        });
    }

    const std::vector<Step> steps_;
    std::size_t next_ = 0;
    int ready_ = 0;
    QTimer poll_;
    QElapsedTimer clock_;
};

void StartSession() {
    // Owned by the application, so it goes when the program ends.
    auto* session = new Session;
    session->setParent(QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartSession)
