// The whole program as a user meets it: the real start-up and the eight real windows, driven by
// mouse clicks delivered through the window system. Each test follows the window flow from the
// screen the previous one left, and checks what the user sees: which windows are visible, which
// one is on top, captions, key texts and the answers on the radio buttons.

#include <QGroupBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Answers.h"
#include "Application.h"
#include "FlowSupport.h"
#include "Navigation.h"
#include "Program.h"
#include "QuestionControls.h"
#include "Scoring.h"
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

// Answers the quiz by clicking the radio buttons.
void AnswerWithClicks(const QString& sheet) {
    for (int n = 1; n <= quiz::QuestionCount; ++n)
        Click(Radio(n, sheet.at(n - 1)));
}

QString ResultSentence(const QString& philosophy) {
    return QStringLiteral("According to your answers, your political philosophy is ") + philosophy +
           QStringLiteral(".  The red dot on the next screen shows where you fit on the political "
                          "map.");
}

QString PersonalCaption(int score) {
    return QStringLiteral("Your Personal Self-Government Score Is %1").arg(score);
}
QString EconomicCaption(int score) {
    return QStringLiteral("Your Economic Self-Government Score Is %1").arg(score);
}

const QString ProfileCaptions[] = {
    QStringLiteral("Profiles: Libertarians"), QStringLiteral("Profiles: Left Liberals"),
    QStringLiteral("Profiles: Centrists"), QStringLiteral("Profiles: Right Conservatives"),
    QStringLiteral("Profiles: Authoritarians")};
const char* const SmallMaps[] = {"imgMapLib", "imgMapLeft", "imgMapCent", "imgMapRight",
                                 "imgMapAuth"};

// The small maps the profiles window shows, by name.
QStringList VisibleSmallMaps() {
    QStringList shown;
    for (const char* name : SmallMaps)
        if (child<QWidget>(Form2, name)->isVisible())
            shown << QString::fromLatin1(name);
    return shown;
}

// What a reading window showed while it was on top.
struct Seen {
    bool onTop = false;
    QStringList visible;
    QString title;
    QString heading; // the topic caption of the quotes window
    QString text;    // the reading area
    int selector = -1;
    QStringList smallMaps;
    bool readOnly = false;
};

Seen Look(QWidget* window) {
    Seen seen;
    seen.onTop = Modal() == window;
    seen.visible = VisibleWindows();
    seen.title = window->windowTitle();
    if (window == Form5) {
        seen.heading = child<QLabel>(Form5, "lblTopic")->text();
        seen.text = child<QPlainTextEdit>(Form5, "memQuotes")->toPlainText();
        seen.selector = quiz::TopicIndex;
    } else if (window == Form2) {
        seen.text = child<QPlainTextEdit>(Form2, "memProfile")->toPlainText();
        seen.selector = quiz::ProfileIndex;
        seen.smallMaps = VisibleSmallMaps();
    } else if (window == Form7) {
        auto* memo = child<QPlainTextEdit>(Form7, "memAddress");
        seen.text = memo->toPlainText();
        seen.readOnly = memo->isReadOnly();
        seen.selector = quiz::OrganisationIndex;
    }
    return seen;
}

// Waits until the window has painted its content from its selector since it had painted
// `before` times: a window opened again shows its last content until its first new paint.
void WaitForPaint(TForm* window, int before) {
    if (!QTest::qWaitFor([window, before] { return window->PaintCount() > before; }))
        Problem(NameOf(window) + QStringLiteral(" never painted"));
}

// Opens a reading window with `open`, records what it shows, and closes it with `close`.
Seen OpenAndLook(TForm* window, const std::function<void()>& open,
                 const std::function<void()>& close) {
    Seen seen;
    const int before = window->PaintCount();
    WithModal(window, open, [&](QWidget*) {
        WaitForPaint(window, before);
        seen = Look(window);
        close();
    });
    return seen;
}

// The lines of the result cycle as the user sees them.
struct Cycle {
    QString resultTitle;
    QString resultText;
    QStringList visibleUnderResult;
    QStringList visibleWithMap;
    bool mapOnTop = false;
    QString mapTitle;
    QString personalCaption;
    QString economicCaption;
    QPoint dot;
};

// Clicks "Show Results", reads the result message and closes it with `closeResult` (or lets a
// canned answer close it), then runs `onMap` on the map window, which must close the map.
Cycle ShowResults(const std::function<void(QWidget*)>& closeResult,
                  const std::function<void()>& onMap) {
    Cycle cycle;
    const int before = Form3->PaintCount();
    const auto click = [] { Click(child<QPushButton>(Form1, "btnResults")); };
    WithModal(
        Form3,
        [&] {
            if (!closeResult)
                return click();
            WithMessage(click, [&](QWidget* dialog) {
                cycle.resultTitle = dialog->windowTitle();
                cycle.resultText = MessageText(dialog);
                cycle.visibleUnderResult = VisibleWindows();
                closeResult(dialog);
            });
        },
        [&](QWidget*) {
            WaitForPaint(Form3, before);
            cycle.mapOnTop = Modal() == Form3;
            cycle.visibleWithMap = VisibleWindows();
            cycle.mapTitle = Form3->windowTitle();
            cycle.personalCaption = child<QLabel>(Form3, "lblPscore")->text();
            cycle.economicCaption = child<QLabel>(Form3, "lblEscore")->text();
            cycle.dot = child<QWidget>(Form3, "shpRedDot")->pos();
            onMap();
        });
    return cycle;
}

// The confirmation "Keep your old answers?" as it was shown, answered by `answer`.
struct Question {
    QString title;
    QString text;
    QStringList buttons;
};
Question AnswerRestart(const std::function<void()>& restart,
                       const std::function<void(QWidget*)>& answer) {
    Question question;
    WithMessage(restart, [&](QWidget* dialog) {
        question.title = dialog->windowTitle();
        question.text = MessageText(dialog);
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            question.buttons << button->text();
        answer(dialog);
    });
    return question;
}

} // namespace

class TestFlow : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTest(); }
    void cleanup() { CheckTestEnd(); }

    // Start: the quiz window comes up and its first paint opens the About window over it as a
    // splash. The quiz window behind takes no clicks; OK closes the splash at once.
    void splashAtStart() {
        ShowCounter aboutShows(AboutBox);
        QStringList visible;
        bool splashOnTop = false;
        bool flagSet = false;
        QString title;
        int armedWith = -1;
        bool quizTookAClick = true;
        bool stillOnTopAfterRepaint = false;
        bool closedAtOnce = false;
        When splash([] { return Modal() == AboutBox && AboutBox->isVisible(); },
                    [&] {
                        splashOnTop = true;
                        visible = VisibleWindows();
                        flagSet = quiz::SplashShown;
                        title = AboutBox->windowTitle();
                        armedWith = AboutBox->Timer1->Interval();
                        // A click on the quiz window's background would show the instruction.
                        testing::QueueMessageAnswers({mrOk});
                        Click(Form1->centralWidget(), QPoint(620, 20));
                        quizTookAClick = !testing::HasQueuedMessageAnswers();
                        testing::ClearQueuedMessageAnswers();
                        // Paints of the quiz window while the splash is up only redraw it.
                        Form1->centralWidget()->repaint();
                        // Waits for a second splash that must not open over the first.
                        QTest::qWait(50);
                        stillOnTopAfterRepaint = Modal() == AboutBox;
                        Click(child<QPushButton>(AboutBox, "OKButton"));
                        closedAtOnce = !AboutBox->isVisible();
                    });
        QVERIFY(
            QTest::qWaitFor([&] { return splash.Done() && !AboutBox->IsShownModally(); }, 3000));
        QVERIFY(splashOnTop);
        QCOMPARE(visible, Windows({"TForm1", "TAboutBox"}));
        QVERIFY(flagSet);
        QCOMPARE(title, QStringLiteral("About"));
        QCOMPARE(armedWith, 4000);
        QVERIFY(!quizTookAClick);
        QVERIFY(stillOnTopAfterRepaint);
        QVERIFY(closedAtOnce);
        QCOMPARE(aboutShows.Count(), 1);
        // The quiz window is back in front, the timer off.
        QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(AboutBox->Timer1->Interval(), 0);
        QVERIFY(!AboutBox->Timer1->IsRunning());
        QCOMPARE(RadioSheet(), AllMaybe);
        // The click that the splash kept from the quiz window reaches it now.
        testing::QueueMessageAnswers({mrOk});
        Click(Form1->centralWidget(), QPoint(620, 20));
        QVERIFY(!testing::HasQueuedMessageAnswers());
        QCOMPARE(testing::TakeAnsweredMessages().size(), std::size_t(1));

        // Later paints, minimising and restoring: no second splash.
        Form1->showMinimized();
        QTRY_VERIFY(Form1->isMinimized());
        Form1->showNormal();
        QTRY_VERIFY(!Form1->isMinimized());
        Form1->centralWidget()->repaint();
        // Waits for a second splash that must not open: it would come from a timer of 0 ms.
        QTest::qWait(300);
        QCOMPARE(aboutShows.Count(), 1);
        QVERIFY(!Modal());
        QTRY_VERIFY(Form1->isActiveWindow());
    }

    // Statement labels and Quotes items open the quotes window on their topic over the visible
    // quiz window; Help opens its messages and the About window, which then has no time limit.
    void readingWindowsFromTheQuizWindow() {
        Watchdog dog(60000);
        for (int n = 1; n <= quiz::QuestionCount; ++n) {
            const QString topic = QStringLiteral("Topic: %1.").arg(Statement(n));
            const QString quotes = content::QuotationLines(n).join(u'\n');
            const QByteArray labelName = QStringLiteral("lblQ%1").arg(n).toLatin1();
            auto* label = child<QLabel>(Form1, labelName.constData());
            const Seen byLabel = OpenAndLook(
                Form5, [&] { Click(label); }, [] { Click(child<QPushButton>(Form5, "btnOK")); });
            QVERIFY(byLabel.onTop);
            QCOMPARE(byLabel.visible, Windows({"TForm1", "TForm5"}));
            QCOMPARE(byLabel.title, QStringLiteral("Topical Quotes"));
            QCOMPARE(byLabel.heading, topic);
            QCOMPARE(byLabel.text, quotes);
            QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
            QTRY_VERIFY(Form1->isActiveWindow());

            const std::string item(testing::ControlsOf(n).menuItemName);
            const Seen byMenu = OpenAndLook(
                Form5, [&] { ChooseWithMouse(Form1, "mnuQuotes", item.c_str()); },
                [] { CloseBox(Form5); });
            QVERIFY(byMenu.onTop);
            QCOMPARE(byMenu.heading, topic);
            QCOMPARE(byMenu.text, quotes);
            QVERIFY(!Form5->isVisible());
        }

        // The two headings of the Quotes menu only close the menu; Info and Profiles are greyed.
        for (const char* heading : {"PersonalIssues1", "EconomicIssues1"}) {
            ChooseWithMouse(Form1, "mnuQuotes", heading);
            // Waits for a window that must not open.
            QTest::qWait(100);
            QVERIFY(!Modal());
            QVERIFY(!QApplication::activePopupWidget());
        }
        auto* bar = child<QMenuBar>(Form1, "MainMenu1");
        for (const char* greyed : {"mnuInfo", "mnuProfiles"}) {
            Click(bar, bar->actionGeometry(child<QMenu>(Form1, greyed)->menuAction()).center());
            // Waits for a menu that must not open.
            QTest::qWait(100);
            QVERIFY2(!QApplication::activePopupWidget(), greyed);
        }

        // Help, About...: the same window as the splash, without the timer.
        int interval = -1;
        bool openAfterAWhile = false;
        QStringList visible;
        WithModal(
            AboutBox, [] { ChooseWithMouse(Form1, "mnuHelp", "mnuHelpAbout"); },
            [&](QWidget*) {
                interval = AboutBox->Timer1->Interval();
                visible = VisibleWindows();
                // Waits for a close that must not come: opened from Help, it has no timer.
                QTest::qWait(500);
                openAfterAWhile = Modal() == AboutBox;
                CloseBox(AboutBox);
            });
        QCOMPARE(interval, 0);
        QCOMPARE(visible, Windows({"TForm1", "TAboutBox"}));
        QVERIFY(openAfterAWhile);

        // Help, Introducing: a real information dialog, closed by its close box.
        QString title, text;
        WithMessage([] { ChooseWithMouse(Form1, "mnuHelp", "mnuHelpIntroducing"); },
                    [&](QWidget* dialog) {
                        title = dialog->windowTitle();
                        text = MessageText(dialog);
                        visible = VisibleWindows();
                        CloseBox(dialog);
                    });
        QCOMPARE(title, QStringLiteral("Information"));
        QCOMPARE(text, QStringLiteral("Welcome to Quiz!  People everywhere are discovering that "
                                      "the old \"Left - Right\" axis just doesn't describe the "
                                      "real world.  Here's a system that makes a lot more sense.  "
                                      "I hope you enjoy it!\n-Avery Quill"));
        QCOMPARE(visible, Windows({"TForm1", "TMessageForm"}));
        // The window that was active before the message is active again.
        QTRY_VERIFY(Form1->isActiveWindow());

        // A click on a heading shows the instruction; a click into a group box shows nothing.
        WithMessage([] { Click(child<QLabel>(Form1, "lblPersonal")); },
                    [&](QWidget* dialog) {
                        text = MessageText(dialog);
                        Click(child<QPushButton>(dialog, "OK"));
                    });
        QCOMPARE(text, QStringLiteral("Please answer each question by clicking on the Yes, No, or "
                                      "Maybe buttons. When you have answered all the questions, "
                                      "click on Show Results.\n\nClick on any question to see a "
                                      "relevant quotation."));
        Click(child<QGroupBox>(Form1, "grpQ7"), QPoint(240, 6));
        // Waits for a message that must not open.
        QTest::qWait(100);
        QVERIFY(!Modal());
        QTRY_VERIFY(Form1->isActiveWindow());
    }

    // Show Results without a Restart yet: the close box of the map brings the quiz window back
    // with every answer on Maybe.
    void closeBoxBeforeAnyRestartResetsTheAnswers() {
        Watchdog dog(30000);
        AnswerWithClicks(QStringLiteral("YNMMYNNYMY"));
        QCOMPARE(RadioSheet(), QStringLiteral("YNMMYNNYMY"));
        QCOMPARE(AnswerSheet(), QStringLiteral("YNMMYNNYMY"));
        // Personal 20+0+10+10+20, economic 0+0+20+10+20.
        const Cycle cycle =
            ShowResults([](QWidget* dialog) { Click(child<QPushButton>(dialog, "OK")); },
                        [] { CloseBox(Form3); });
        QCOMPARE(cycle.resultTitle, QStringLiteral("Information"));
        QCOMPARE(cycle.resultText, ResultSentence(QStringLiteral("Centrist")));
        QCOMPARE(quiz::PersonalScore, 60);
        QCOMPARE(quiz::EconomicScore, 50);
        QCOMPARE(cycle.visibleUnderResult, Windows({"TForm1", "TMessageForm"}));
        QVERIFY(cycle.mapOnTop);
        QCOMPARE(cycle.visibleWithMap, QStringList{"TForm3"});
        QCOMPARE(cycle.personalCaption, PersonalCaption(60));
        QCOMPARE(cycle.economicCaption, EconomicCaption(50));

        QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(RadioSheet(), AllMaybe);
        QCOMPARE(AnswerSheet(), AllMaybe);
    }

    // The full cycle: the result message, the map with its captions and dot, every reading
    // window the map opens, and Restart answered Yes.
    void resultsMapAndItsReadingWindows() {
        Watchdog dog(90000);
        const QString answers = QStringLiteral("YYNMYNNMYM");
        AnswerWithClicks(answers);
        QCOMPARE(AnswerSheet(), answers);
        // Personal 20+20+0+10+20 = 70, economic 0+0+10+20+10 = 40: Left Liberal, number 2.
        const int philosophy = 2;
        const QString label = QStringLiteral("Left Liberal");

        std::vector<Seen> zones, profileItems, quoteItems, organisations;
        Seen yourProfile, history;
        QStringList withResources, withHistory, withAbout;
        bool resourcesOnTop = false, aboutWithoutTimer = false;
        QString tryTitle, tryText, scoringTitle, scoringText;
        bool mapActiveAfterMessages = false;
        Question restart;

        const Cycle cycle = ShowResults(
            [](QWidget*) { Key(Qt::Key_Return); },
            [&] {
                // The five zones of the chart, by clicks on the map.
                for (const char* zone : {"imgHotBedLib", "imgHotBedLeft", "imgHotBedCent",
                                         "imgHotBedRight", "imgHotBedAuth"})
                    zones.push_back(OpenAndLook(
                        Form2, [&] { Click(child<QWidget>(Form3, zone)); },
                        [] { Click(child<QPushButton>(Form2, "Button1")); }));
                // The Profiles menu, in its display order; the close box leaves no map behind.
                for (const char* item :
                     {"mnuProfLib", "mnuProfLeft", "mnuProfRight", "mnuProfAuth", "mnuProfCent"})
                    profileItems.push_back(OpenAndLook(
                        Form2, [&] { ChooseWithMouse(Form3, "mnuProfiles", item); },
                        [] { CloseBox(Form2); }));
                yourProfile = OpenAndLook(
                    Form2, [] { Click(child<QPushButton>(Form3, "cmdProfile")); },
                    [] { Click(child<QPushButton>(Form2, "Button1")); });

                for (int n = 1; n <= quiz::QuestionCount; ++n) {
                    const std::string item(testing::ControlsOf(n).menuItemName);
                    quoteItems.push_back(OpenAndLook(
                        Form5, [&] { ChooseWithMouse(Form3, "mnuQuotes", item.c_str()); },
                        [] { Click(child<QPushButton>(Form5, "btnOK")); }));
                }

                // Resources, then each logo: three windows open modally above the hidden quiz.
                WithModal(
                    Form6, [] { ChooseWithMouse(Form3, "mnuInfo", "Resources1"); },
                    [&](QWidget*) {
                        resourcesOnTop = Modal() == Form6;
                        withResources = VisibleWindows();
                        for (const char* logo :
                             {"imgTarrant", "imgBooks", "imgHeralds", "imgLantern", "imgGrove"})
                            organisations.push_back(OpenAndLook(
                                Form7, [&] { Click(child<QWidget>(Form6, logo)); },
                                [] { Click(child<QPushButton>(Form7, "btnOK")); }));
                        Click(child<QPushButton>(Form6, "btnOK"));
                    });

                history = OpenAndLook(
                    Form4, [] { ChooseWithMouse(Form3, "mnuInfo", "Quizhistory1"); },
                    [] { Click(child<QPushButton>(Form4, "btnCloseHistory")); });

                WithModal(
                    [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; },
                    [] { ChooseWithMouse(Form3, "mnuInfo", "Hmmmm1"); },
                    [&](QWidget* box) {
                        tryTitle = box->windowTitle();
                        tryText = static_cast<QMessageBox*>(box)->text();
                        Click(static_cast<QMessageBox*>(box)->button(QMessageBox::Ok));
                    },
                    QStringLiteral("Try It Yourself!"));

                WithModal(
                    AboutBox, [] { ChooseWithMouse(Form3, "mnuHelp", "mnuHelpAbout"); },
                    [&](QWidget*) {
                        aboutWithoutTimer = AboutBox->Timer1->Interval() == 0;
                        withAbout = VisibleWindows();
                        Click(child<QPushButton>(AboutBox, "OKButton"));
                    });

                WithMessage([] { ChooseWithMouse(Form3, "mnuHelp", "mnuHelpScoring"); },
                            [&](QWidget* dialog) {
                                scoringTitle = dialog->windowTitle();
                                scoringText = MessageText(dialog);
                                CloseBox(dialog);
                            });
                mapActiveAfterMessages =
                    QTest::qWaitFor([] { return Form3->isActiveWindow(); }, 1000);

                restart = AnswerRestart(
                    [] { Click(child<QPushButton>(Form3, "cmdRestart")); },
                    [](QWidget* dialog) { Click(child<QPushButton>(dialog, "Yes")); });
            });

        QCOMPARE(cycle.resultTitle, QStringLiteral("Information"));
        QCOMPARE(cycle.resultText, ResultSentence(label));
        QCOMPARE(cycle.visibleUnderResult, Windows({"TForm1", "TMessageForm"}));
        QVERIFY(cycle.mapOnTop);
        QCOMPARE(cycle.visibleWithMap, QStringList{"TForm3"});
        QCOMPARE(cycle.mapTitle, QStringLiteral("The Political Map"));
        QCOMPARE(cycle.personalCaption, PersonalCaption(70));
        QCOMPARE(cycle.economicCaption, EconomicCaption(40));
        // Left 255 + R(2.17 x -30) = 190, top 419 - 2.1 x 110 = 188.
        QCOMPARE(cycle.dot, QPoint(190, 188));

        const int zoneProfiles[] = {1, 2, 3, 4, 5};
        const int itemProfiles[] = {1, 2, 4, 5, 3};
        for (std::size_t i = 0; i < 5; ++i) {
            for (const auto& [seen, profile] : {std::pair{zones[i], zoneProfiles[i]},
                                                std::pair{profileItems[i], itemProfiles[i]}}) {
                QVERIFY(seen.onTop);
                QCOMPARE(seen.visible, Windows({"TForm3", "TForm2"}));
                QCOMPARE(seen.selector, profile);
                QCOMPARE(seen.title, ProfileCaptions[profile - 1]);
                QCOMPARE(seen.smallMaps, QStringList{SmallMaps[profile - 1]});
                QCOMPARE(seen.text, content::Essay(profile));
            }
        }
        QCOMPARE(yourProfile.selector, philosophy);
        QCOMPARE(yourProfile.title, ProfileCaptions[philosophy - 1]);
        QCOMPARE(yourProfile.smallMaps, QStringList{SmallMaps[philosophy - 1]});

        QCOMPARE(quoteItems.size(), std::size_t(10));
        for (int n = 1; n <= 10; ++n) {
            const Seen& seen = quoteItems[std::size_t(n - 1)];
            QVERIFY(seen.onTop);
            QCOMPARE(seen.visible, Windows({"TForm3", "TForm5"}));
            QCOMPARE(seen.heading, QStringLiteral("Topic: %1.").arg(Statement(n)));
            QCOMPARE(seen.text, content::QuotationLines(n).join(u'\n'));
        }

        QVERIFY(resourcesOnTop);
        QCOMPARE(withResources, Windows({"TForm3", "TForm6"}));
        const int logoOrganisations[] = {3, 4, 1, 2, 5};
        QCOMPARE(organisations.size(), std::size_t(5));
        for (std::size_t i = 0; i < 5; ++i) {
            const Seen& seen = organisations[i];
            const int organisation = logoOrganisations[i];
            QVERIFY(seen.onTop);
            // Map, resources and organisation windows open modally; the quiz window is hidden.
            QCOMPARE(seen.visible, Windows({"TForm3", "TForm6", "TForm7"}));
            QCOMPARE(seen.selector, organisation);
            QCOMPARE(seen.title, content::OrganisationName(organisation));
            QCOMPARE(seen.text.section(u'\n', 0, 0), seen.title);
            QCOMPARE(seen.text, content::OrganisationDetails(organisation).join(u'\n'));
            QVERIFY(seen.readOnly);
        }

        QVERIFY(history.onTop);
        QCOMPARE(history.title, QStringLiteral("History of the Quiz"));
        QCOMPARE(history.visible, Windows({"TForm3", "TForm4"}));

        QCOMPARE(tryTitle, QStringLiteral("Try It Yourself!"));
        QCOMPARE(tryText, QStringLiteral("Try taking the quiz again, but this time answer "
                                         "according to current U.S. policy, instead of your own "
                                         "beliefs.  How does the country score?"));
        QVERIFY(aboutWithoutTimer);
        QCOMPARE(withAbout, Windows({"TForm3", "TAboutBox"}));
        QCOMPARE(scoringTitle, QStringLiteral("Information"));
        QCOMPARE(scoringText,
                 QStringLiteral("You get 20 for each \"Yes,\" 10 for each \"Maybe,\" and 0 for "
                                "every \"No.\" Your score on personal issues was 70%, and your "
                                "economic score was 40%.  The red dot on the graph shows where "
                                "your scores meet."));
        QVERIFY(mapActiveAfterMessages);

        QCOMPARE(restart.title, QStringLiteral("Confirm"));
        QCOMPARE(restart.text, QStringLiteral("Keep your old answers?"));
        QCOMPARE(restart.buttons, QStringList({"&Yes", "&No"}));

        // Restart answered Yes: the quiz window is back with the same answers.
        QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(RadioSheet(), answers);
        QCOMPARE(AnswerSheet(), answers);
    }

    // After a Restart answered Yes, the close box of the map keeps the answers too.
    void closeBoxAfterRestartYesKeepsTheAnswers() {
        Watchdog dog(30000);
        const QString answers = RadioSheet();
        QVERIFY(answers != AllMaybe);
        testing::QueueMessageAnswers({mrOk}); // the result message
        const Cycle cycle = ShowResults(nullptr, [] { CloseBox(Form3); });
        QVERIFY(cycle.mapOnTop);
        QCOMPARE(cycle.personalCaption, PersonalCaption(70));
        QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
        QCOMPARE(RadioSheet(), answers);
        QCOMPARE(AnswerSheet(), answers);
    }

    // Restart answered No, dismissed by Esc, or by the question's close box: the answers go back
    // to Maybe, each time after a Restart answered Yes had kept them.
    void restartNotAnsweredYesResetsTheAnswers_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<bool>("viaMenu");
        QTest::addColumn<QString>("dismiss");
        QTest::newRow("No") << "NNNNNYYYYY" << false << "No";
        QTest::newRow("Esc") << "YMNYMNYMNY" << true << "Esc";
        QTest::newRow("close box") << "MMMMMMMMMY" << false << "close box";
    }
    void restartNotAnsweredYesResetsTheAnswers() {
        QFETCH(QString, answers);
        QFETCH(bool, viaMenu);
        QFETCH(QString, dismiss);
        Watchdog dog(30000);
        const auto restart = [viaMenu] {
            if (viaMenu)
                ChooseWithMouse(Form3, "mnuFile", "mnuFileRestart");
            else
                Click(child<QPushButton>(Form3, "cmdRestart"));
        };

        AnswerWithClicks(answers);
        testing::QueueMessageAnswers({mrOk, mrYes}); // result message, then Restart: Yes
        ShowResults(nullptr, restart);
        QCOMPARE(RadioSheet(), answers);

        testing::QueueMessageAnswers({mrOk});
        Question question;
        const Cycle cycle = ShowResults(nullptr, [&] {
            question = AnswerRestart(restart, [&](QWidget* dialog) {
                if (dismiss == QLatin1String("No"))
                    Click(child<QPushButton>(dialog, "No"));
                else if (dismiss == QLatin1String("Esc"))
                    Key(Qt::Key_Escape);
                else
                    CloseBox(dialog);
            });
        });
        QVERIFY(cycle.mapOnTop);
        QCOMPARE(question.text, QStringLiteral("Keep your old answers?"));
        QCOMPARE(VisibleWindows(), QStringList{"TForm1"});
        QTRY_VERIFY(Form1->isActiveWindow());
        QCOMPARE(RadioSheet(), AllMaybe);
        QCOMPARE(AnswerSheet(), AllMaybe);
        QVERIFY(!quiz::KeepAnswers);
    }

    // The program-ending cases come last: each one ends the main loop of the program.

    // File, Exit in the map: the main loop ends with 0 and the quiz window is not shown again.
    void mapFileExitEndsTheProgram() {
        AnswerWithClicks(QStringLiteral("YYYYYNNNNN"));
        ShowCounter quizShows(Form1);
        bool mapOnTop = false;
        QStringList visibleWithMap;
        int showsBeforeExit = -1;
        QTimer::singleShot(0, Form1, [&] {
            ShowResults([](QWidget*) { Key(Qt::Key_Escape); },
                        [&] {
                            mapOnTop = Modal() == Form3;
                            visibleWithMap = VisibleWindows();
                            showsBeforeExit = quizShows.Count();
                            ChooseWithMouse(Form3, "mnuFile", "mnuFileExit");
                        });
        });
        QObject scope; // a program that does not end in time is ended with 99
        QTimer::singleShot(30000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(mapOnTop);
        QCOMPARE(visibleWithMap, QStringList{"TForm3"});
        QCOMPARE(showsBeforeExit, 0);
        QCOMPARE(quizShows.Count(), 0);
        QCOMPARE(VisibleWindows(), QStringList());
    }

    // A second run of the program: the splash closes by itself after four seconds, then File,
    // Exit of the quiz window ends the program at once.
    void quizFileExitEndsTheProgram() {
        DestroyWindows();
        InitialiseProgram();
        CreateWindows();
        Form1->show();

        const testing::TimedWindow splash(AboutBox, AboutBox->Timer1);
        When exitAfterSplash([] { return quiz::SplashShown && !AboutBox->IsShownModally(); },
                             [] { ChooseWithMouse(Form1, "mnuFile", "mnuFileExit"); }, 15000);
        QObject scope; // a program that does not end in time is ended with 99
        QTimer::singleShot(30000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(exitAfterSplash.Done());
        const QString timing = splash.Check(4000, 1000);
        QVERIFY2(timing.isEmpty(), qPrintable(timing));
        QCOMPARE(VisibleWindows(), QStringList());
    }

    // A third run: the splash closed by its close box, then the close box of the quiz window.
    void quizCloseBoxEndsTheProgram() {
        DestroyWindows();
        InitialiseProgram();
        CreateWindows();
        Form1->show();

        bool splashClosed = false;
        When splash([] { return Modal() == AboutBox && AboutBox->isVisible(); },
                    [&] {
                        CloseBox(AboutBox);
                        splashClosed = !AboutBox->isVisible();
                    });
        When closeQuiz([] { return quiz::SplashShown && !AboutBox->IsShownModally(); },
                       [] { CloseBox(Form1); });
        QObject scope; // a program that does not end in time is ended with 99
        QTimer::singleShot(30000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(splashClosed);
        QVERIFY(closeQuiz.Done());
        QCOMPARE(AboutBox->Timer1->Interval(), 0);
        QCOMPARE(VisibleWindows(), QStringList());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    InitialiseProgram();
    CreateWindows();
    Form1->show();
    TestFlow test;
    const int status = QTest::qExec(&test, argc, argv);
    DestroyWindows();
    return status;
}

#include "test_flow.moc"
