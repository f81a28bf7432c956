// The whole program used from the keyboard alone, wherever the windows allow it: menu
// accelerators, F1, Tab order and arrow keys in the quiz window, Space, Enter and Esc in every
// window and in both kinds of message dialog. Keys go to the window that has the keyboard focus,
// as the window system delivers them.

#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include "Application.h"
#include "FlowSupport.h"
#include "MapPlacement.h"
#include "Navigation.h"
#include "Program.h"
#include "Texts.h"

#include "About.h"
#include "Address.h"
#include "History.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Question.h"
#include "Quotes.h"
#include "Sources.h"

using namespace flow;

namespace {

// Presses Tab until `name` has the focus; records a problem if it never does.
void TabTo(const QString& name) {
    for (int i = 0; i < 15 && Focus() != name; ++i)
        Key(Qt::Key_Tab);
    if (Focus() != name)
        Problem(QStringLiteral("Tab never reached ") + name);
}

// What a window showed when it came up, and what the keys did to it.
struct Seen {
    bool onTop = false;
    QString title;
    QString focus;   // the control that had the focus when the window opened
    QString heading; // topic caption of the quotes window
    QString text;    // the text of a message dialog
    int selector = -1;
};

Seen Look(QWidget* window) {
    Seen seen;
    if (!QTest::qWaitFor(ReadyForKeys, 2000))
        Problem(NameOf(window) + QStringLiteral(": the keyboard reaches no window"));
    seen.onTop = Modal() == window;
    seen.title = window->windowTitle();
    seen.focus = Focus();
    if (window == Form5) {
        seen.heading = child<QLabel>(Form5, "lblTopic")->text();
        seen.selector = quiz::TopicIndex;
    } else if (window == Form2) {
        seen.selector = quiz::ProfileIndex;
    } else if (window == Form7) {
        seen.selector = quiz::OrganisationIndex;
    } else if (IsMessageDialog(window)) {
        seen.text = MessageText(window);
    }
    return seen;
}

// Opens `window` with the keys in `open`, records what it shows, then runs `inside` (which must
// close it).
Seen OpenByKeys(TForm* window, const std::function<void()>& open,
                const std::function<void()>& inside) {
    Seen seen;
    WithModal(window, open, [&](QWidget*) {
        seen = Look(window);
        inside();
    });
    return seen;
}

Seen MessageByKeys(const std::function<void()>& open, const std::function<void()>& inside) {
    Seen seen;
    WithMessage(open, [&](QWidget* dialog) {
        seen = Look(dialog);
        inside();
    });
    return seen;
}

// Whether `window` is still open a moment after a key that must not close it.
bool StaysOpen(QWidget* window) {
    // Waits for a close that must not come.
    QTest::qWait(100);
    return window->isVisible() && Modal() == window;
}

const QString TakingTheQuiz = QStringLiteral(
    "Choose \"Yes\" if you (mostly) agree with each statement, \"Maybe\" if you aren't sure or "
    "need more information, and \"No\" if you (mostly) disagree.  \"Maybe\" also means you agree "
    "in principle, but think the idea needs work.");

// The accelerator letters of the ten topic items of both Quotes menus, in topic order.
const Qt::Key TopicKeys[] = {Qt::Key_C, Qt::Key_M, Qt::Key_P, Qt::Key_R, Qt::Key_B,
                             Qt::Key_S, Qt::Key_O, Qt::Key_L, Qt::Key_I, Qt::Key_D};

// Runs Show Results from the keyboard (`press` on the focused button), closes the result message
// with `closeResult`, and runs `onMap` once the map is on top; `onMap` must close it.
bool ResultsByKeys(Qt::Key press, Qt::Key closeResult, const std::function<void()>& onMap) {
    bool mapOnTop = false;
    TabTo(QStringLiteral("btnResults"));
    WithModal(
        Form3,
        [&] {
            if (testing::HasQueuedMessageAnswers())
                return Key(press);
            WithMessage([&] { Key(press); }, [&](QWidget*) { Key(closeResult); });
        },
        [&](QWidget*) {
            if (!QTest::qWaitFor(ReadyForKeys, 2000))
                Problem(QStringLiteral("the keyboard reaches no window"));
            mapOnTop = Modal() == Form3;
            onMap();
        });
    return mapOnTop;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTest(); }
    void cleanup() { CheckTestEnd(); }

    // The splash has OK as its default button: Enter closes it, Esc (no cancel button) does not.
    void splashClosesWithEnter() {
        QString focus;
        bool openAfterEsc = false;
        bool closedByEnter = false;
        When splash([] { return Modal() == AboutBox && AboutBox->isVisible(); },
                    [&] {
                        if (!QTest::qWaitFor(ReadyForKeys, 2000))
                            Problem(QStringLiteral("the keyboard reaches no window"));
                        focus = Focus();
                        Key(Qt::Key_Escape);
                        openAfterEsc = StaysOpen(AboutBox);
                        Key(Qt::Key_Return);
                        closedByEnter = !AboutBox->isVisible();
                    });
        QVERIFY(
            QTest::qWaitFor([&] { return splash.Done() && !AboutBox->IsShownModally(); }, 3000));
        QCOMPARE(focus, QStringLiteral("OKButton"));
        QVERIFY(openAfterEsc);
        QVERIFY(closedByEnter);
        QTRY_VERIFY(Form1->isActiveWindow());
        // "Show Results" is first in the quiz window's tab order.
        QCOMPARE(Focus(), QStringLiteral("btnResults"));
    }

    // Tab stops on the checked answer of each group, in the order 1, 2, 3, 5, 4, 6 ... 10; the
    // arrow keys, Up and Down too, move the answer inside a group, and the answer sheet follows.
    void tabOrderAndArrowKeys() {
        QCOMPARE(Focus(), QStringLiteral("btnResults"));
        const QString target = QStringLiteral("YNMNYMYNMY");
        const int order[] = {1, 2, 3, 5, 4, 6, 7, 8, 9, 10};
        QStringList landed, answered, expectedLanded, expectedAnswered;
        for (int question : order) {
            Key(Qt::Key_Tab);
            landed << Focus();
            const QChar answer = target.at(question - 1);
            // Up and Down move along the row as Left and Right do.
            if (answer == u'Y')
                Key(question % 2 ? Qt::Key_Left : Qt::Key_Up);
            else if (answer == u'N')
                Key(question % 2 ? Qt::Key_Right : Qt::Key_Down);
            answered << Focus();
            expectedLanded << Radio(question, u'M')->objectName();
            expectedAnswered << Radio(question, answer)->objectName();
        }
        Key(Qt::Key_Tab);
        landed << Focus();
        expectedLanded << QStringLiteral("btnResults");
        QCOMPARE(landed, expectedLanded);
        QCOMPARE(answered, expectedAnswered);
        QCOMPARE(RadioSheet(), target);
        QCOMPARE(AnswerSheet(), target);

        // Backwards, Tab lands on the new answers.
        QStringList back, expectedBack;
        for (int i = 9; i >= 0; --i) {
            Key(Qt::Key_Tab, Qt::ShiftModifier);
            back << Focus();
            expectedBack << Radio(order[i], target.at(order[i] - 1))->objectName();
        }
        QCOMPARE(back, expectedBack);

        // Question 1 has the focus on its Yes. Right twice walks it to No; Space on the checked
        // button changes nothing.
        QCOMPARE(Focus(), QStringLiteral("btnQ1Y"));
        Key(Qt::Key_Right);
        QCOMPARE(Focus(), QStringLiteral("btnQ1M"));
        QCOMPARE(quiz::Answers[1], quiz::MaybeValue);
        Key(Qt::Key_Right);
        QCOMPARE(Focus(), QStringLiteral("btnQ1N"));
        QCOMPARE(quiz::Answers[1], quiz::NoValue);
        Key(Qt::Key_Space);
        QVERIFY(Radio(1, u'N')->isChecked());
        QCOMPARE(quiz::Answers[1], quiz::NoValue);
        Key(Qt::Key_Left);
        Key(Qt::Key_Left);
        QCOMPARE(RadioSheet(), target);
        QCOMPARE(AnswerSheet(), target);
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Focus(), QStringLiteral("btnResults"));
    }

    // F1, the Help and Quotes accelerators, and Enter, Esc and Space in what they open.
    void quizWindowMenusByKeys() {
        Watchdog dog(60000);
        QCOMPARE(Focus(), QStringLiteral("btnResults"));

        const Seen f1 = MessageByKeys([] { Key(Qt::Key_F1); }, [] { Key(Qt::Key_Return); });
        QCOMPARE(f1.title, QStringLiteral("Information"));
        QCOMPARE(f1.text, TakingTheQuiz);
        QCOMPARE(f1.focus, QStringLiteral("OK"));
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(Focus(), QStringLiteral("btnResults"));

        const Seen taking =
            MessageByKeys([] { MenuKeys(Qt::Key_H, Qt::Key_T); }, [] { Key(Qt::Key_Escape); });
        QCOMPARE(taking.text, TakingTheQuiz);
        const Seen introducing =
            MessageByKeys([] { MenuKeys(Qt::Key_H, Qt::Key_I); }, [] { Key(Qt::Key_Space); });
        QVERIFY2(introducing.text.startsWith(QStringLiteral("Welcome to Quiz!")),
                 qPrintable(introducing.text));

        bool aboutKeptEsc = false;
        const Seen about = OpenByKeys(
            AboutBox, [] { MenuKeys(Qt::Key_H, Qt::Key_A); },
            [&] {
                Key(Qt::Key_Escape);
                aboutKeptEsc = StaysOpen(AboutBox);
                Key(Qt::Key_Return);
            });
        QVERIFY(about.onTop);
        QCOMPARE(about.focus, QStringLiteral("OKButton"));
        QVERIFY(aboutKeptEsc);
        QCOMPARE(AboutBox->Timer1->Interval(), 0);

        // Alt+Q and the item's letter open the quotes on that topic; Esc closes them.
        for (int n = 1; n <= 10; ++n) {
            const Seen quotes = OpenByKeys(
                Form5, [n] { MenuKeys(Qt::Key_Q, TopicKeys[n - 1]); }, [] { Key(Qt::Key_Escape); });
            QVERIFY(quotes.onTop);
            QCOMPARE(quotes.selector, n);
            QCOMPARE(quotes.heading, QStringLiteral("Topic: %1.").arg(Statement(n)));
            QCOMPARE(quotes.focus, QStringLiteral("btnOK"));
            QVERIFY(!Form5->isVisible());
        }

        // In the quotes window Esc belongs to the reading area while it has the focus; Edit,
        // Copy without a selection leaves the clipboard alone; Enter on OK closes.
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QString inReadingArea, afterTab;
        bool keptEsc = false;
        OpenByKeys(
            Form5, [] { MenuKeys(Qt::Key_Q, Qt::Key_I); },
            [&] {
                Key(Qt::Key_Tab);
                inReadingArea = Focus();
                Key(Qt::Key_Escape);
                keptEsc = StaysOpen(Form5);
                MenuKeys(Qt::Key_E, Qt::Key_C);
                Key(Qt::Key_Tab);
                afterTab = Focus();
                Key(Qt::Key_Return);
            });
        QCOMPARE(inReadingArea, QStringLiteral("memQuotes"));
        QVERIFY(keptEsc);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(afterTab, QStringLiteral("btnOK"));
        QVERIFY(!Form5->isVisible());

        // The headings of the Quotes menu: Enter on the first one only closes the menu.
        Key(Qt::Key_Q, Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
        QCOMPARE(child<QMenu>(Form1, "mnuQuotes")->activeAction(),
                 child<QAction>(Form1, "PersonalIssues1"));
        Key(Qt::Key_Return);
        // Waits for a window that must not open.
        QTest::qWait(100);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!Modal());

        // The greyed Info and Profiles menus do not open.
        for (Qt::Key greyed : {Qt::Key_I, Qt::Key_P}) {
            Key(greyed, Qt::AltModifier);
            // Waits for a menu that must not open.
            QTest::qWait(100);
            QVERIFY(!QApplication::activePopupWidget());
            QVERIFY(!Modal());
            Key(Qt::Key_Escape); // leaves the menu bar
        }
        QTRY_COMPARE(Focus(), QStringLiteral("btnResults"));
    }

    // The result cycle and every window the map opens, by keys (the logos excepted: pictures
    // take no focus, so the organisation window is opened with the mouse).
    void mapWindowByKeys() {
        Watchdog dog(90000);
        const QString answers = RadioSheet();
        QCOMPARE(answers, QStringLiteral("YNMNYMYNMY"));
        // Personal 20+0+10+0+20 = 50, economic 10+20+0+10+20 = 60: Centrist, number 3.
        const int philosophy = 3;

        QString mapFocus, afterTab, afterBacktab;
        Seen yourProfile, profileMemo, resources, organisation, history, historyAgain, scoring,
            confirm;
        std::vector<Seen> profiles, quotes;
        bool profileKeptEsc = false, profileTabbedOut = false, organisationKeptEsc = false,
             historyKeptEsc = false, historyTabbedOut = false;
        QString organisationOk, resourcesFocusBack, copied, tryTitle;
        int tryBoxesClosed = 0;
        QStringList confirmFocus;

        const bool mapOnTop = ResultsByKeys(Qt::Key_Space, Qt::Key_Return, [&] {
            mapFocus = Focus();
            Key(Qt::Key_Tab);
            afterTab = Focus();
            Key(Qt::Key_Tab, Qt::ShiftModifier);
            afterBacktab = Focus();

            // Enter on the focused "Your Profile"; Esc closes the profile.
            yourProfile = OpenByKeys(
                Form2, [] { Key(Qt::Key_Return); }, [] { Key(Qt::Key_Escape); });
            // Space opens it too; in the essay box Esc is the box's, and Tab leaves the box.
            profileMemo = OpenByKeys(
                Form2, [] { Key(Qt::Key_Space); },
                [&] {
                    Key(Qt::Key_Tab);
                    const QString inBox = Focus();
                    Key(Qt::Key_Escape);
                    profileKeptEsc = inBox == QLatin1String("memProfile") && StaysOpen(Form2);
                    TabTo(QStringLiteral("Button1"));
                    profileTabbedOut = Focus() == QLatin1String("Button1");
                    if (profileTabbedOut)
                        Key(Qt::Key_Escape);
                    else
                        Click(child<QPushButton>(Form2, "Button1"));
                });

            // Profiles: L, E, R, A, C in display order.
            for (Qt::Key item : {Qt::Key_L, Qt::Key_E, Qt::Key_R, Qt::Key_A, Qt::Key_C})
                profiles.push_back(OpenByKeys(
                    Form2, [item] { MenuKeys(Qt::Key_P, item); }, [] { Key(Qt::Key_Escape); }));
            for (int n = 1; n <= 10; ++n)
                quotes.push_back(OpenByKeys(
                    Form5, [n] { MenuKeys(Qt::Key_Q, TopicKeys[n - 1]); },
                    [] { Key(Qt::Key_Escape); }));

            // Info, Resources; a logo by mouse; the organisation window by keys.
            resources = OpenByKeys(
                Form6, [] { MenuKeys(Qt::Key_I, Qt::Key_R); },
                [&] {
                    organisation = OpenByKeys(
                        Form7, [] { Click(child<QWidget>(Form6, "imgTarrant")); },
                        [&] {
                            Key(Qt::Key_Escape);
                            organisationKeptEsc = StaysOpen(Form7);
                            // A double click selects a word of the name, Alt+E, C copies it.
                            auto* memo = child<QPlainTextEdit>(Form7, "memAddress");
                            QWidget* area = memo->viewport();
                            const QPoint word =
                                memo->cursorRect(QTextCursor(memo->document())).center() +
                                QPoint(3, 0);
                            QTest::mouseDClick(area->window()->windowHandle(), Qt::LeftButton, {},
                                               area->mapTo(area->window(), word));
                            const QString selected = memo->textCursor().selectedText();
                            MenuKeys(Qt::Key_E, Qt::Key_C);
                            copied = selected.isEmpty()
                                         ? QString()
                                         : QApplication::clipboard()->text() + u'|' + selected;
                            Key(Qt::Key_Tab);
                            organisationOk = Focus();
                            Key(Qt::Key_Escape);
                        });
                    if (!QTest::qWaitFor(ReadyForKeys, 2000))
                        Problem(QStringLiteral("the keyboard reaches no window"));
                    resourcesFocusBack = Focus();
                    Key(Qt::Key_Escape);
                });

            history = OpenByKeys(
                Form4, [] { MenuKeys(Qt::Key_I, Qt::Key_Q); },
                [&] {
                    Key(Qt::Key_Tab);
                    const QString inBox = Focus();
                    Key(Qt::Key_Escape);
                    historyKeptEsc = inBox == QLatin1String("Memo1") && StaysOpen(Form4);
                    TabTo(QStringLiteral("btnCloseHistory"));
                    historyTabbedOut = Focus() == QLatin1String("btnCloseHistory");
                    if (historyTabbedOut)
                        Key(Qt::Key_Escape);
                    else
                        Click(child<QPushButton>(Form4, "btnCloseHistory"));
                });
            historyAgain = OpenByKeys(
                Form4, [] { MenuKeys(Qt::Key_I, Qt::Key_Q); }, [] { Key(Qt::Key_Escape); });

            // Info, Hmmmm...: the system message box closes by Enter and by Esc.
            for (Qt::Key close : {Qt::Key_Return, Qt::Key_Escape})
                WithModal(
                    [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; },
                    [] { MenuKeys(Qt::Key_I, Qt::Key_H); },
                    [&](QWidget* box) {
                        tryTitle = box->windowTitle();
                        Key(close);
                        if (!box->isVisible())
                            ++tryBoxesClosed;
                    },
                    QStringLiteral("Try It Yourself!"));

            scoring =
                MessageByKeys([] { MenuKeys(Qt::Key_H, Qt::Key_S); }, [] { Key(Qt::Key_Escape); });
            OpenByKeys(
                AboutBox, [] { MenuKeys(Qt::Key_H, Qt::Key_A); }, [] { Key(Qt::Key_Return); });

            // File, Restart: Yes has the focus, Tab moves between the two buttons, Enter answers.
            confirm = MessageByKeys([] { MenuKeys(Qt::Key_F, Qt::Key_R); },
                                    [&] {
                                        confirmFocus << Focus();
                                        Key(Qt::Key_Tab);
                                        confirmFocus << Focus();
                                        Key(Qt::Key_Tab, Qt::ShiftModifier);
                                        confirmFocus << Focus();
                                        Key(Qt::Key_Return);
                                    });
        });

        QVERIFY(mapOnTop);
        QCOMPARE(mapFocus, QStringLiteral("cmdProfile"));
        QCOMPARE(afterTab, QStringLiteral("cmdRestart"));
        QCOMPARE(afterBacktab, QStringLiteral("cmdProfile"));

        QVERIFY(yourProfile.onTop);
        QCOMPARE(yourProfile.selector, philosophy);
        QCOMPARE(yourProfile.focus, QStringLiteral("Button1"));
        QCOMPARE(profileMemo.selector, philosophy);
        QVERIFY(profileKeptEsc);
        QVERIFY2(profileTabbedOut, "Tab does not leave the essay box");

        const int profileNumbers[] = {1, 2, 4, 5, 3};
        QCOMPARE(profiles.size(), std::size_t(5));
        for (std::size_t i = 0; i < 5; ++i) {
            QVERIFY(profiles[i].onTop);
            QCOMPARE(profiles[i].selector, profileNumbers[i]);
        }
        QCOMPARE(profiles[2].title, QStringLiteral("Profiles: Right Conservatives"));
        QCOMPARE(profiles[4].title, QStringLiteral("Profiles: Centrists"));
        QCOMPARE(quotes.size(), std::size_t(10));
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(quotes[std::size_t(n - 1)].selector, n);
            QCOMPARE(quotes[std::size_t(n - 1)].heading,
                     QStringLiteral("Topic: %1.").arg(Statement(n)));
        }

        QVERIFY(resources.onTop);
        QCOMPARE(resources.focus, QStringLiteral("btnOK"));
        QVERIFY(organisation.onTop);
        QCOMPARE(organisation.selector, 3);
        // The reading area is first in the tab order, so Esc is first the box's.
        QCOMPARE(organisation.focus, QStringLiteral("memAddress"));
        QVERIFY(organisationKeptEsc);
        QVERIFY2(!copied.isEmpty(), "the double click selected nothing");
        const QString clipboard = copied.section(u'|', 0, 0);
        const QString selected = copied.section(u'|', 1);
        QCOMPARE(clipboard, selected);
        QVERIFY2(content::OrganisationName(3).contains(selected), qPrintable(selected));
        QCOMPARE(organisationOk, QStringLiteral("btnOK"));
        QCOMPARE(resourcesFocusBack, QStringLiteral("btnOK"));

        QVERIFY(history.onTop);
        QCOMPARE(history.focus, QStringLiteral("btnCloseHistory"));
        QVERIFY(historyKeptEsc);
        QVERIFY2(historyTabbedOut, "Tab does not leave the history box");
        QCOMPARE(historyAgain.focus, QStringLiteral("btnCloseHistory"));

        QCOMPARE(tryTitle, QStringLiteral("Try It Yourself!"));
        QCOMPARE(tryBoxesClosed, 2);
        QCOMPARE(scoring.title, QStringLiteral("Information"));
        QVERIFY2(scoring.text.contains(QLatin1String(
                     "Your score on personal issues was 50%, and your economic score was 60%.")),
                 qPrintable(scoring.text));

        QCOMPARE(confirm.title, QStringLiteral("Confirm"));
        QCOMPARE(confirm.text, QStringLiteral("Keep your old answers?"));
        QCOMPARE(confirmFocus, QStringList({"Yes", "No", "Yes"}));

        // Yes: the quiz window is back with the answers, the focus where it was.
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
        QCOMPARE(RadioSheet(), answers);
        QCOMPARE(AnswerSheet(), answers);
        QCOMPARE(Focus(), QStringLiteral("btnResults"));
    }

    // The ways to answer "Keep your old answers?" from the keyboard, and to get there.
    void restartQuestionByKeys_data() {
        QTest::addColumn<QList<int>>("keys"); // key codes, Alt marked by Qt::ALT
        QTest::addColumn<QString>("restart"); // how Restart is chosen
        QTest::addColumn<bool>("keep");
        QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << "Alt+F, R" << true;
        QTest::newRow("Esc") << QList<int>{Qt::Key_Escape} << "Enter" << false;
        QTest::newRow("Y") << QList<int>{Qt::Key_Y} << "Space" << true;
        QTest::newRow("N") << QList<int>{Qt::Key_N} << "Alt+F, R" << false;
        QTest::newRow("Alt+Y") << QList<int>{(Qt::ALT | Qt::Key_Y).toCombined()} << "Enter" << true;
        QTest::newRow("Alt+N") << QList<int>{(Qt::ALT | Qt::Key_N).toCombined()} << "Space"
                               << false;
        QTest::newRow("Tab, Enter") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << "Enter" << false;
        QTest::newRow("Tab, Space")
            << QList<int>{Qt::Key_Tab, Qt::Key_Space} << "Alt+F, R" << false;
    }
    void restartQuestionByKeys() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, restart);
        QFETCH(bool, keep);
        Watchdog dog(30000);
        const auto chooseRestart = [restart] {
            if (restart == QLatin1String("Alt+F, R"))
                return MenuKeys(Qt::Key_F, Qt::Key_R);
            TabTo(QStringLiteral("cmdRestart"));
            Key(restart == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Space);
        };

        // A first cycle leaves the opposite answer behind, so that this one shows.
        for (int n = 1; n <= 10; ++n)
            Click(Radio(n, n % 2 ? u'Y' : u'N'));
        const QString answers = RadioSheet();
        testing::QueueMessageAnswers({mrOk, keep ? mrNo : mrYes});
        QVERIFY(ResultsByKeys(Qt::Key_Return, Qt::Key_Return, chooseRestart));
        QCOMPARE(quiz::KeepAnswers, !keep);
        for (int n = 1; n <= 10; ++n)
            Click(Radio(n, n % 2 ? u'Y' : u'N'));

        Seen question;
        const bool mapOnTop = ResultsByKeys(Qt::Key_Return, Qt::Key_Escape, [&] {
            question = MessageByKeys(chooseRestart, [&] {
                for (int key : keys)
                    Key(Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                        Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
                // An Alt+letter accelerator clicks its button with a short animation.
                if (!QTest::qWaitFor([] { return !IsMessageDialog(Modal()); }, 1000))
                    Problem(QStringLiteral("the keys left the question open"));
            });
        });
        QVERIFY(mapOnTop);
        QCOMPARE(question.text, QStringLiteral("Keep your old answers?"));
        QCOMPARE(quiz::KeepAnswers, keep);
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(RadioSheet(), keep ? answers : AllMaybe);
        QCOMPARE(AnswerSheet(), keep ? answers : AllMaybe);
    }

    // Last, as they end the program: Alt+F, X in the map, then in a second run in the quiz window.
    void mapExitByKeysEndsTheProgram() {
        ShowCounter quizShows(Form1);
        bool mapOnTop = false;
        QTimer::singleShot(0, Form1, [&] {
            mapOnTop = ResultsByKeys(Qt::Key_Return, Qt::Key_Return,
                                     [] { MenuKeys(Qt::Key_F, Qt::Key_X); });
        });
        QObject scope; // a program that does not end in time is ended with 99
        QTimer::singleShot(30000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(mapOnTop);
        QCOMPARE(quizShows.Count(), 0);
        QCOMPARE(VisibleWindows(), QStringList());
    }

    void quizExitByKeysEndsTheProgram() {
        DestroyWindows();
        InitialiseProgram();
        CreateWindows();
        Form1->show();
        When splash([] { return Modal() == AboutBox && AboutBox->isVisible(); },
                    [] { Key(Qt::Key_Return); });
        When exitByKeys([] { return quiz::SplashShown && !AboutBox->IsShownModally(); },
                        [] { MenuKeys(Qt::Key_F, Qt::Key_X); });
        QObject scope;
        QTimer::singleShot(30000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(splash.Done());
        QVERIFY(exitByKeys.Done());
        QCOMPARE(VisibleWindows(), QStringList());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    InitialiseProgram();
    CreateWindows();
    Form1->show();
    TestKeyboard test;
    const int status = QTest::qExec(&test, argc, argv);
    DestroyWindows();
    return status;
}

#include "test_keyboard.moc"
