#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "About.h"
#include "Answers.h"
#include "Application.h"
#include "GuiTestSupport.h"
#include "MessageAnswers.h"
#include "MessageDialog.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Program.h"
#include "Question.h"
#include "QuestionControls.h"
#include "Quotes.h"
#include "Scoring.h"

using namespace quiz;
using testing::child;
using testing::ClearQueuedMessageAnswers;
using testing::HasQueuedMessageAnswers;
using testing::ModalAction;
using testing::QueueMessageAnswers;
using testing::ShownMessage;
using testing::TakeAnsweredMessages;

namespace {

QRadioButton* Radio(int question, char answer) {
    const QString name = (question == 3 && answer == 'N')
                             ? QStringLiteral("BtnQ3N")
                             : QStringLiteral("btnQ%1%2").arg(question).arg(QLatin1Char(answer));
    return child<QRadioButton>(Form1, name.toLatin1().constData());
}

QAction* Action(const char* name) {
    return child<QAction>(Form1, name);
}

void Click(QWidget* widget, QPoint at = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}

} // namespace

class TestQuestion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        CreateWindows();
        // The splash has its own test below; the flow tests start after it.
        SplashShown = true;
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }

    void init() {
        ClearQueuedMessageAnswers();
        KeepAnswers = false;
        ExitRequested = false;
        for (int n = 1; n <= 10; ++n)
            Radio(n, 'M')->setChecked(true);
    }

    void cleanup() {
        QVERIFY(!HasQueuedMessageAnswers());
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void layoutAndLabels() {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Meridian Political Quiz"));
        QCOMPARE(Form1->centralWidget()->size(), QSize(635, 442));
        QCOMPARE(Form1->centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(child<QLabel>(Form1, "lblSelf")->text(),
                 QStringLiteral("Are you a self-governor..."));
        QCOMPARE(child<QLabel>(Form1, "lblPersonal")->text(),
                 QStringLiteral("... On PERSONAL Issues?"));
        QCOMPARE(child<QLabel>(Form1, "lblEconomic")->text(),
                 QStringLiteral("... On ECONOMIC Issues?"));
        QCOMPARE(child<QPushButton>(Form1, "btnResults")->geometry(), QRect(257, 392, 112, 33));
        QCOMPARE(child<QGroupBox>(Form1, "grpQ5")->geometry(), QRect(6, 336, 297, 49));
        QCOMPARE(child<QGroupBox>(Form1, "grpQ6")->geometry(), QRect(312, 104, 299, 49));
        QCOMPARE(child<QLabel>(Form1, "lblQ10")->geometry(), QRect(8, 8, 217, 33));
        QCOMPARE(child<QLabel>(Form1, "lblQ2")->geometry(), QRect(8, 12, 211, 32));
        QCOMPARE(Radio(7, 'N')->geometry(), QRect(272, 20, 17, 17));
    }

    void everyStatementFitsItsLabel() {
        for (int n = 1; n <= 10; ++n) {
            auto* label =
                child<QLabel>(Form1, QStringLiteral("lblQ%1").arg(n).toLatin1().constData());
            QCOMPARE(label->text(), QString::fromUtf8(QuestionAt(n).statement.data()));
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->text()));
            QVERIFY2(needed.height() <= 2 * label->fontMetrics().height(),
                     qPrintable(label->text()));
        }
        for (const char* name : {"lblSelf", "lblPersonal", "lblEconomic", "lblYMNPersonal"}) {
            auto* label = child<QLabel>(Form1, name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
            QVERIFY2(label->fontMetrics().height() <= label->height(), name);
        }
    }

    void radioButtonsStoreTheirValueOnlyWhenChecking() {
        Click(Radio(4, 'Y'));
        QCOMPARE(Answers[4], YesValue);
        QVERIFY(!Radio(4, 'M')->isChecked());
        Click(Radio(4, 'N'));
        QCOMPARE(Answers[4], NoValue);
        Click(Radio(4, 'M'));
        QCOMPARE(Answers[4], MaybeValue);
        Click(Radio(3, 'N'));
        QCOMPARE(Answers[3], NoValue);
        // Groups are independent.
        QVERIFY(Radio(4, 'M')->isChecked());

        // A click on the button that is already checked runs nothing: the slot keeps a value
        // that the button would not store.
        Answers.Store(9, YesValue);
        Click(Radio(9, 'M'));
        QCOMPARE(Answers[9], YesValue);
        Answers.Store(9, MaybeValue);
    }

    void tabVisitsTheCheckedAnswerOfEachGroupInDesignOrder() {
        Click(Radio(2, 'Y'));
        Click(Radio(5, 'N'));
        auto* results = child<QPushButton>(Form1, "btnResults");
        Form1->activateWindow();
        results->setFocus();
        QTRY_VERIFY(results->hasFocus());
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"btnQ1M", "btnQ2Y", "btnQ3M", "btnQ5N", "btnQ4M", "btnQ6M",
                                       "btnQ7M", "btnQ8M", "btnQ9M", "btnQ10M", "btnResults"}));
    }

    void menus() {
        auto* bar = child<QMenuBar>(Form1, "MainMenu1");
        QStringList titles;
        for (QAction* a : bar->actions())
            titles << a->text();
        QCOMPARE(titles, QStringList({"&File", "&Quotes", "&Info", "&Profiles", "&Help"}));
        QVERIFY(!child<QMenu>(Form1, "mnuInfo")->menuAction()->isEnabled());
        QVERIFY(!child<QMenu>(Form1, "mnuProfiles")->menuAction()->isEnabled());
        QVERIFY(child<QMenu>(Form1, "mnuInfo")->actions().isEmpty());
        QCOMPARE(Action("mnuHelpTakingtheQuiz")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(Action("mnuFileExit")->text(), QStringLiteral("E&xit"));
        QCOMPARE(Action("mnuHelpAbout")->text(), QStringLiteral("&About..."));

        QStringList quotes;
        for (QAction* a : child<QMenu>(Form1, "mnuQuotes")->actions())
            quotes << a->objectName() + '=' + a->text();
        QStringList expected{"PersonalIssues1=Personal Issues"};
        for (int n = 1; n <= 10; ++n) {
            if (n == 6)
                expected << "EconomicIssues1=Economic Issues";
            const auto& controls = testing::ControlsOf(n);
            expected << QString::fromUtf8(controls.menuItemName) + '=' +
                            QString::fromUtf8(controls.menuCaption);
        }
        QCOMPARE(quotes, expected);
    }

    // Each topic's item in the Quotes menu reads as the catalogue's topic behind three blanks,
    // with one access mark in it, and the marks differ within each group of five.
    void quotesItemsShowTheirTopicWithDistinctMarks() {
        for (int first : {1, 6}) {
            QSet<QChar> letters;
            for (int n = first; n < first + 5; ++n) {
                const QString caption =
                    Action(std::string(testing::ControlsOf(n).menuItemName).c_str())->text();
                const QString topic = QString::fromUtf8(QuestionAt(n).topic);
                QVERIFY2(caption.startsWith(QLatin1String("   ")), qPrintable(caption));
                QCOMPARE(caption.count(u'&'), 1);
                QCOMPARE(caption.mid(3).remove(u'&'), topic);
                const QChar letter = caption.at(caption.indexOf(u'&') + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(caption));
                letters.insert(letter);
            }
        }
    }

    void headingsDoNothing() {
        const int before = TopicIndex;
        Action("PersonalIssues1")->trigger();
        Action("EconomicIssues1")->trigger();
        QCOMPARE(TopicIndex, before);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(TakeAnsweredMessages().empty());
    }

    void labelsAndQuotesItemsOpenTheirTopic() {
        for (int n = 1; n <= 10; ++n) {
            for (bool viaMenu : {false, true}) {
                TopicIndex = 0;
                int seen = -1;
                ModalAction closeQuotes([&](QWidget* modal) {
                    seen = modal == Form5 ? TopicIndex : -2;
                    modal->close();
                });
                if (viaMenu) {
                    const auto name = testing::ControlsOf(n).menuItemName;
                    Action(std::string(name).c_str())->trigger();
                } else {
                    Click(child<QLabel>(Form1,
                                        QStringLiteral("lblQ%1").arg(n).toLatin1().constData()));
                }
                QCOMPARE(seen, n);
                QVERIFY(!Form5->isVisible());
            }
        }
    }

    void questionCursorOnTheStatementsOnly() {
        QCOMPARE(child<QLabel>(Form1, "lblQ7")->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!child<QLabel>(Form1, "lblSelf")->testAttribute(Qt::WA_SetCursor));
        QVERIFY(!Radio(1, 'Y')->testAttribute(Qt::WA_SetCursor));
        QVERIFY(!Form1->centralWidget()->testAttribute(Qt::WA_SetCursor));
    }

    void helpMessagesAndStrayClicks() {
        QueueMessageAnswers({mrOk, mrOk});
        Action("mnuHelpIntroducing")->trigger();
        Action("mnuHelpTakingtheQuiz")->trigger();
        auto shown = TakeAnsweredMessages();
        QCOMPARE(shown.size(), std::size_t(2));
        // As the dialog shows it: the text's CR LF is one line break.
        QCOMPARE(shown[0].text,
                 QStringLiteral("Welcome to Quiz!  People everywhere are discovering that the old "
                                "\"Left - Right\" axis just doesn't describe the real world.  "
                                "Here's a system that makes a lot more sense.  I hope you enjoy "
                                "it!\n-Avery Quill"));
        QCOMPARE(
            shown[1].text,
            QStringLiteral("Choose \"Yes\" if you (mostly) agree with each statement, \"Maybe\" "
                           "if you aren't sure or need more information, and \"No\" if you "
                           "(mostly) disagree.  \"Maybe\" also means you agree in principle, "
                           "but think the idea needs work."));
        QCOMPARE(shown[1].kind, MessageKind::Information);
        QCOMPARE(shown[1].buttons, MessageButtons(MessageButton::OK));

        // F1 runs Taking the Quiz.
        QueueMessageAnswers({mrOk});
        Form1->activateWindow();
        QTRY_VERIFY(Form1->isActiveWindow());
        QTest::keyClick(Form1, Qt::Key_F1);
        shown = TakeAnsweredMessages();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].text, TForm1::TakingTheQuizText());

        const QString stray =
            QStringLiteral("Please answer each question by clicking on the Yes, No, or Maybe "
                           "buttons. When you have answered all the questions, click on Show "
                           "Results.\n\nClick on any question to see a relevant quotation.");
        // The background and the five headings show the instruction...
        QueueMessageAnswers({mrOk, mrOk, mrOk, mrOk, mrOk, mrOk});
        Click(Form1->centralWidget(), QPoint(620, 20));
        for (const char* name :
             {"lblSelf", "lblPersonal", "lblEconomic", "lblYMNPersonal", "lblYMNEconomic"})
            Click(child<QLabel>(Form1, name));
        shown = TakeAnsweredMessages();
        QCOMPARE(shown.size(), std::size_t(6));
        for (const ShownMessage& m : shown)
            QCOMPARE(m.text, stray);
        // ...the empty part of a group box and a radio button do not, nor a press and a release
        // of which only one is over the background. (Should the message show, it is answered.)
        QueueMessageAnswers({mrOk, mrOk, mrOk, mrOk});
        Click(child<QGroupBox>(Form1, "grpQ2"), QPoint(250, 5));
        Click(Radio(2, 'M'));
        QWidget* client = Form1->centralWidget();
        const QPoint background(620, 20), overGroup(100, 180);
        QTest::mouseRelease(client, Qt::LeftButton, {}, background);
        QTest::mousePress(client, Qt::LeftButton, {}, overGroup);
        QTest::mouseRelease(client, Qt::LeftButton, {}, background);
        QTest::mousePress(client, Qt::LeftButton, {}, background);
        QTest::mouseRelease(client, Qt::LeftButton, {}, overGroup);
        QCOMPARE(TakeAnsweredMessages().size(), std::size_t(0));
        ClearQueuedMessageAnswers();
    }

    void untouchedAnswersAnnounceCentristAndResetAfterTheMap() {
        QueueMessageAnswers({mrOk});
        bool quizHiddenDuringMap = false;
        ModalAction closeMap([&](QWidget* modal) {
            quizHiddenDuringMap = modal == Form3 && !Form1->isVisible();
            modal->close();
        });
        Click(child<QPushButton>(Form1, "btnResults"));
        QVERIFY(closeMap.Done());
        QVERIFY(quizHiddenDuringMap);
        const auto shown = TakeAnsweredMessages();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].text,
                 QStringLiteral("According to your answers, your political philosophy is "
                                "Centrist.  The red dot on the next screen shows where you fit on "
                                "the political map."));
        QCOMPARE(PersonalScore, 50);
        QCOMPARE(EconomicScore, 50);
        QCOMPARE(Philosophy, std::string("Centrist"));
        QVERIFY(Form1->isVisible());
    }

    void answersResetUnlessKept() {
        for (bool keep : {false, true}) {
            Click(Radio(1, 'Y'));
            Click(Radio(3, 'N'));
            Click(Radio(8, 'Y'));
            KeepAnswers = keep;
            // A slot whose button is already on Maybe must not be written by the reset: give it
            // a value the Maybe handler would overwrite.
            Answers.Store(5, YesValue);
            QueueMessageAnswers({mrOk});
            ModalAction closeMap([](QWidget* modal) { modal->close(); });
            Click(child<QPushButton>(Form1, "btnResults"));
            QVERIFY(closeMap.Done());
            QCOMPARE(Answers[5], YesValue);
            Answers.Store(5, MaybeValue);
            if (keep) {
                QVERIFY(Radio(1, 'Y')->isChecked() && Radio(3, 'N')->isChecked());
                QCOMPARE(Answers[1], YesValue);
                QCOMPARE(Answers[3], NoValue);
                QCOMPARE(Answers[8], YesValue);
            } else {
                for (int n = 1; n <= 10; ++n) {
                    QVERIFY(Radio(n, 'M')->isChecked());
                    if (n != 5)
                        QCOMPARE(Answers[n], MaybeValue);
                }
                QVERIFY(!Radio(3, 'N')->isChecked());
            }
            TakeAnsweredMessages();
        }
    }

    void keptAnswersGiveTheSameResultTwice() {
        Click(Radio(1, 'Y'));
        Click(Radio(2, 'Y'));
        Click(Radio(6, 'N'));
        KeepAnswers = true;
        std::string first;
        for (int cycle = 0; cycle < 2; ++cycle) {
            QueueMessageAnswers({mrOk});
            ModalAction closeMap([](QWidget* modal) { modal->close(); });
            Click(child<QPushButton>(Form1, "btnResults"));
            QVERIFY(closeMap.Done());
            if (cycle == 0)
                first = Philosophy;
        }
        QCOMPARE(Philosophy, first);
        QCOMPARE(PersonalScore, 70);
        QCOMPARE(EconomicScore, 40);
        TakeAnsweredMessages();
    }

    void helpAboutStaysOpenUntilClosed() {
        bool aboutWithoutTimer = false;
        bool stillOpenAfterFourSeconds = false;
        ModalAction check([&](QWidget* modal) {
            aboutWithoutTimer = modal == AboutBox && AboutBox->Timer1->Interval() == 0;
            // Waits for a close that must not come: the splash's four seconds and a little more.
            QTimer::singleShot(4300, AboutBox, [&] {
                stillOpenAfterFourSeconds = AboutBox->isVisible();
                QTest::mouseClick(child<QPushButton>(AboutBox, "OKButton"), Qt::LeftButton);
            });
        });
        QTimer::singleShot(0, Form1, [] { child<QAction>(Form1, "mnuHelpAbout")->trigger(); });
        QTRY_VERIFY_WITH_TIMEOUT(check.Done() && !AboutBox->isVisible(), 8000);
        QVERIFY(aboutWithoutTimer);
        QVERIFY(stillOpenAfterFourSeconds);
    }

    // Last: ends the event loop.
    void exitRequestedEndsTheProgramAfterTheMap() {
        QueueMessageAnswers({mrOk});
        ModalAction exitFromMap([](QWidget* modal) {
            ExitRequested = true;
            modal->close();
        });
        QEventLoop mainLoop;
        QTimer::singleShot(0, Form1, [] { Click(child<QPushButton>(Form1, "btnResults")); });
        QTimer::singleShot(5000, &mainLoop, [&] { mainLoop.exit(99); });
        QCOMPARE(mainLoop.exec(), 0);
        QVERIFY(!Form1->isVisible());
        TakeAnsweredMessages();
    }

    void cleanupTestCase() { DestroyWindows(); }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestQuestion test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_question.moc"
