#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include <functional>
#include <vector>

#include "Application.h"
#include "Cursors.h"
#include "GuiTestSupport.h"
#include "MapPlacement.h"
#include "MapWidgets.h"
#include "MessageAnswers.h"
#include "MessageDialog.h"
#include "Navigation.h"
#include "Program.h"
#include "Scoring.h"

#include "About.h"
#include "History.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Quotes.h"
#include "Sources.h"

using testing::child;
using testing::ModalAction;

namespace {

const QColor Aqua(0, 255, 255);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

QWidget* Client() {
    return Form3->centralWidget();
}

template <class T> T* Control(const char* name) {
    return child<T>(Form3, name);
}

void SetScores(int personal, int economic) {
    quiz::PersonalScore = personal;
    quiz::EconomicScore = economic;
}

// Shows the map modally and runs `inside` once it is up; closes the map afterwards unless
// `inside` did. A guard closes it in any case, so that a failure cannot hang the run.
struct MapRun {
    bool opened = false;
    TModalResult result = -1;
};

MapRun ShowMap(const std::function<void()>& inside) {
    MapRun run;
    ModalAction action([&](QWidget* modal) {
        run.opened = modal == Form3;
        if (run.opened)
            inside();
        if (Form3->isVisible())
            Form3->Close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, Form3, [] {
        if (Form3->isVisible())
            Form3->Close();
    });
    guard.start(30000);
    run.result = Form3->ShowModal();
    return run;
}

// What a reading window or message showed when it came up above the map.
struct Opened {
    QWidget* window = nullptr;
    QString title;
    int topic = -1;
    int profile = -1;
};

// Arms a watcher for a window that opens above `below`, records it with the selectors as they
// stood when it appeared, and closes it.
class CloseWhenOpened {
public:
    explicit CloseWhenOpened(QWidget* below)
        : action_(
              [this](QWidget* modal) {
                  seen_ = {modal, modal->windowTitle(), quiz::TopicIndex, quiz::ProfileIndex};
                  modal->close();
              },
              below) {}
    const Opened& Seen() const { return seen_; }

private:
    Opened seen_;
    ModalAction action_;
};

// The map's client area as the window shows it.
QImage ClientImage() {
    const QImage window = Form3->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return window.copy(QRect(Client()->mapTo(Form3, QPoint(0, 0)), Client()->size()));
}

QColor Pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// With QUIZ_MAP_SHOTS set to a directory, pictures of the window are saved there to look at.
void SaveShot(const QImage& image, const QString& name) {
    const QString directory = qEnvironmentVariable("QUIZ_MAP_SHOTS");
    if (!directory.isEmpty())
        image.save(directory + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Score point of the chart, in client pixels.
QPointF ScorePoint(double economic, double personal) {
    return {8 + 255.6 + 2.2075 * (economic - personal), 8 + 420.5 - 2.1025 * (economic + personal)};
}

// Ink boxes of the region names, client pixels.
const QRect RegionNames[] = {
    QRect(QPoint(213, 55), QPoint(313, 70)),   QRect(QPoint(65, 198), QPoint(128, 235)),
    QRect(QPoint(226, 211), QPoint(300, 227)), QRect(QPoint(336, 198), QPoint(462, 235)),
    QRect(QPoint(201, 350), QPoint(324, 366)),
};

// Calls `onPaint` for every widget paint of the program while it lives.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<void(QWidget*)> onPaint)
        : onPaint_(std::move(onPaint)) {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            onPaint_(static_cast<QWidget*>(watched));
        return false;
    }

private:
    std::function<void(QWidget*)> onPaint_;
};

} // namespace

class TestPolimap : public QObject {
    Q_OBJECT
private slots:
    void init() {
        quiz::ResetNavigation();
        SetScores(50, 50);
        quiz::Philosophy = "Centrist";
        testing::ClearQueuedMessageAnswers();
    }

    void cleanup() {
        QVERIFY2(!testing::HasQueuedMessageAnswers(), "a canned answer was not used");
        testing::ClearQueuedMessageAnswers();
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " left open"));
    }

    // Before the map is first shown: the design as it stands in the form.
    void designOfTheWindow() {
        QCOMPARE(Form3->windowTitle(), QStringLiteral("The Political Map"));
        QCOMPARE(Client()->size(), QSize(540, 440));
        QCOMPARE(Form3->minimumSize(), Form3->maximumSize());
        QCOMPARE(Form3->pos(), QPoint(43, -4));
        QCOMPARE(Client()->palette().color(QPalette::Window), Aqua);
        QCOMPARE(Form3->font().pixelSize(), 13);

        const struct {
            const char* name;
            QRect geometry;
        } controls[] = {
            // bottom of the stacking order first
            {"imgMap", {8, 8, 520, 430}},
            {"shpRedDot", {267, 419, 19, 16}},
            {"lblPscore", {8, 0, 145, 64}},
            {"lblEscore", {384, 0, 145, 64}},
            {"imgHotBedLib", {200, 40, 121, 105}},
            {"imgHotBedRight", {336, 160, 137, 121}},
            {"imgHotBedLeft", {56, 160, 137, 121}},
            {"imgHotBedCent", {200, 160, 121, 113}},
            {"imgHotBedAuth", {200, 288, 129, 113}},
            {"cmdProfile", {42, 401, 89, 33}},
            {"cmdRestart", {410, 401, 89, 33}},
        };
        QList<QWidget*> stacking;
        for (QObject* object : Client()->children()) {
            if (object->isWidgetType())
                stacking << static_cast<QWidget*>(object);
        }
        QCOMPARE(stacking.size(), qsizetype(std::size(controls)));
        for (int i = 0; i < stacking.size(); ++i) {
            QCOMPARE(stacking[i]->objectName(), QString::fromLatin1(controls[i].name));
            QCOMPARE(stacking[i]->geometry(), controls[i].geometry);
        }

        QCOMPARE(Control<QPushButton>("cmdProfile")->text(), QStringLiteral("Your Profile"));
        QCOMPARE(Control<QPushButton>("cmdRestart")->text(), QStringLiteral("Restart"));
        for (const char* name : {"lblPscore", "lblEscore"}) {
            auto* label = Control<QLabel>(name);
            QVERIFY(label->wordWrap());
            QVERIFY(label->autoFillBackground());
            QVERIFY(label->alignment().testFlags(Qt::AlignLeft | Qt::AlignTop));
            QCOMPARE(label->palette().color(QPalette::Window), Aqua);
        }
        QCOMPARE(Control<QLabel>("lblPscore")->text(), QStringLiteral("PSscore Goes Here"));
        QCOMPARE(Control<QLabel>("lblEscore")->text(), QStringLiteral("EScore goes Here"));
        QVERIFY(Control<QWidget>("shpRedDot")->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    // A paint that finds new scores shows them at once: no paint ever shows the captions or
    // the dot as they were before.
    void staleCaptionsAndDotAreNeverPainted() {
        SetScores(20, 80);
        const QString personal = QStringLiteral("Your Personal Self-Government Score Is 20");
        const QString economic = QStringLiteral("Your Economic Self-Government Score Is 80");
        QStringList paintedCaptions;
        QList<QPoint> paintedDots;
        MapRun run;
        {
            PaintWatch watch([&](QWidget* painted) {
                if (auto* label = qobject_cast<QLabel*>(painted);
                    label && label->parent() == Client())
                    paintedCaptions << label->text();
                else if (painted->objectName() == QLatin1String("shpRedDot"))
                    paintedDots << painted->pos();
            });
            run = ShowMap([] {
                QTRY_VERIFY(Form3->PaintCount() > 0); // the paint of opening has come
                Form3->grab();
            });
        }
        QVERIFY(run.opened);
        QVERIFY(paintedCaptions.size() >= 2);
        QVERIFY(!paintedDots.isEmpty());
        for (const QString& caption : std::as_const(paintedCaptions))
            QVERIFY2(caption == personal || caption == economic, qPrintable(caption));
        for (const QPoint& dot : std::as_const(paintedDots))
            QCOMPARE(dot, QPoint(385, 209));
    }

    void menuBarAsDesigned() {
        const std::vector<std::pair<QString, QStringList>> design = {
            {"&File", {"mnuFileRestart:&Restart", "mnuFileExit:E&xit"}},
            {"&Quotes",
             {"PersonalIssues1:Personal Issues", "mnuQuotesConscription:   &Conscription",
              "mnuQuotesMedia:   &Media", "mnuQuotesPrivacy:   &Privacy",
              "mnuQuotesProhibition:   P&rohibition", "mnuQuotesBorders:   &Borders",
              "EconomicIssues1:Economic Issues", "mnuQuotesSubsidies:   &Subsidies",
              "mnuQuotesProtectionism:   Pr&otectionism", "mnuQuotesLabor:   &Labor",
              "mnuQuotesTaxes:   &Income Tax", "mnuQuotesDefense:   &Defense"}},
            {"&Info", {"Resources1:&Resources", "Quizhistory1:&Quiz history", "Hmmmm1:&Hmmmm..."}},
            {"&Profiles",
             {"mnuProfLib:&Libertarians", "mnuProfLeft:L&eft liberals",
              "mnuProfRight:&Right conservatives", "mnuProfAuth:&Authoritarians",
              "mnuProfCent:&Centrists"}},
            {"&Help", {"mnuHelpScoring:&Scoring", "mnuHelpAbout:&About..."}},
        };
        // As it stands while the map is up: a window that takes no input has its commands off.
        const MapRun run = ShowMap([&] {
            auto* bar = Control<QMenuBar>("MainMenu1");
            QCOMPARE(Form3->menuBar(), bar);
            const QList<QAction*> menus = bar->actions();
            QCOMPARE(menus.size(), qsizetype(design.size()));
            for (int m = 0; m < menus.size(); ++m) {
                const auto& [title, items] = design[std::size_t(m)];
                QCOMPARE(menus[m]->text(), title);
                QVERIFY(menus[m]->isEnabled());
                QMenu* menu = menus[m]->menu();
                QVERIFY(menu);
                QStringList shown;
                for (QAction* item : menu->actions()) {
                    shown << item->objectName() + QLatin1Char(':') + item->text();
                    QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
                    QVERIFY(item->isEnabled() && item->isVisible() && !item->isSeparator());
                }
                QCOMPARE(shown, items);
            }
        });
        QVERIFY(run.opened);
    }

    // The three leading blanks of the topic captions reach the screen: each topic's text starts
    // to the right of the headings' text.
    void topicsStandIndentedUnderTheHeadings() {
        QImage image;
        QList<int> textLeft; // per item, the first column with dark ink
        const MapRun run = ShowMap([&] {
            QMenu* quotes = Control<QMenu>("mnuQuotes");
            quotes->popup(Form3->mapToGlobal(QPoint(0, 0)));
            QTRY_VERIFY(quotes->isVisible());
            image = quotes->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (QAction* item : quotes->actions()) {
                const QRect row = quotes->actionGeometry(item);
                int left = -1;
                for (int x = row.left(); x <= row.right() && left < 0; ++x)
                    for (int y = row.top(); y <= row.bottom() && left < 0; ++y)
                        if (qGray(image.pixel(x, y)) < 100)
                            left = x;
                textLeft << left;
            }
            quotes->hide();
        });
        QVERIFY(run.opened);
        SaveShot(image, QStringLiteral("polimap_quotes_menu"));
        QCOMPARE(textLeft.size(), 12);
        QVERIFY(textLeft[0] > 0);
        QCOMPARE(textLeft[0], textLeft[6]);
        for (int i = 0; i < textLeft.size(); ++i) {
            if (i != 0 && i != 6)
                QVERIFY2(textLeft[i] >= textLeft[0] + 6, qPrintable(QString::number(i)));
        }
    }

    void zonesShowTheQuestionCursor() {
        const QCursor question = quiz::CursorNumber(1);
        QVERIFY(question.shape() != Qt::ArrowCursor);
        for (const char* name :
             {"imgHotBedLib", "imgHotBedLeft", "imgHotBedCent", "imgHotBedRight", "imgHotBedAuth"})
            QVERIFY2(Control<QWidget>(name)->cursor() == question, name);
        QCOMPARE(Control<QWidget>("imgMap")->cursor().shape(), Qt::ArrowCursor);
    }

    void closingPaths_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer"); // canned answer to "Keep your old answers?", 0 none
        QTest::addColumn<bool>("keepBefore");
        QTest::addColumn<bool>("exitBefore");
        QTest::addColumn<bool>("keepAfter");
        QTest::addColumn<bool>("exitAfter");
        QTest::newRow("Restart, Yes") << "button" << mrYes << false << false << true << false;
        QTest::newRow("Restart, No") << "button" << mrNo << true << false << false << false;
        QTest::newRow("Restart, dismissed")
            << "button" << mrCancel << true << false << false << false;
        QTest::newRow("File Restart, Yes") << "restart" << mrYes << false << false << true << false;
        QTest::newRow("File Restart, No") << "restart" << mrNo << true << false << false << false;
        QTest::newRow("File Exit") << "exit" << 0 << false << false << false << true;
        QTest::newRow("File Exit keeps KeepAnswers")
            << "exit" << 0 << true << false << true << true;
        QTest::newRow("close box, nothing set") << "close" << 0 << false << false << false << false;
        QTest::newRow("close box, answers kept") << "close" << 0 << true << false << true << false;
        QTest::newRow("close box, exit pending") << "close" << 0 << false << true << false << true;
    }
    void closingPaths() {
        QFETCH(QString, how);
        QFETCH(int, answer);
        QFETCH(bool, keepBefore);
        QFETCH(bool, exitBefore);
        QFETCH(bool, keepAfter);
        QFETCH(bool, exitAfter);
        quiz::KeepAnswers = keepBefore;
        quiz::ExitRequested = exitBefore;
        if (answer)
            testing::QueueMessageAnswers({answer});

        const MapRun run = ShowMap([&] {
            if (how == QLatin1String("button"))
                QTest::mouseClick(Control<QPushButton>("cmdRestart"), Qt::LeftButton);
            else if (how == QLatin1String("restart"))
                Control<QAction>("mnuFileRestart")->trigger();
            else if (how == QLatin1String("exit"))
                Control<QAction>("mnuFileExit")->trigger();
            else
                Form3->windowHandle()->close(); // as the title bar's close box does
        });

        QVERIFY(run.opened);
        QCOMPARE(run.result, mrCancel);
        QVERIFY(!Form3->isVisible());
        QCOMPARE(quiz::KeepAnswers, keepAfter);
        QCOMPARE(quiz::ExitRequested, exitAfter);
        const std::vector<testing::ShownMessage> asked = testing::TakeAnsweredMessages();
        QCOMPARE(asked.size(), std::size_t(answer ? 1 : 0));
        if (answer) {
            QCOMPARE(asked[0].text, QStringLiteral("Keep your old answers?"));
            QCOMPARE(asked[0].kind, quiz::MessageKind::Confirmation);
            QCOMPARE(asked[0].buttons, quiz::MessageButton::Yes | quiz::MessageButton::No);
        }
    }

    // The real question dialog above the map: Enter answers Yes, Esc and its close box No.
    void restartWithTheRealDialog_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("keepBefore");
        QTest::addColumn<bool>("keepAfter");
        QTest::newRow("Enter") << "enter" << false << true;
        QTest::newRow("Esc") << "esc" << true << false;
        QTest::newRow("close box") << "close" << true << false;
    }
    void restartWithTheRealDialog() {
        QFETCH(QString, answer);
        QFETCH(bool, keepBefore);
        QFETCH(bool, keepAfter);
        quiz::KeepAnswers = keepBefore;
        QString title;
        QStringList texts;
        const MapRun run = ShowMap([&] {
            ModalAction respond(
                [&](QWidget* dialog) {
                    title = dialog->windowTitle();
                    for (QLabel* label : dialog->findChildren<QLabel*>())
                        texts << label->text();
                    if (answer == QLatin1String("enter"))
                        testing::PressKey(dialog, Qt::Key_Return);
                    else if (answer == QLatin1String("esc"))
                        testing::PressKey(dialog, Qt::Key_Escape);
                    else
                        dialog->windowHandle()->close();
                },
                Form3);
            QTest::mouseClick(Control<QPushButton>("cmdRestart"), Qt::LeftButton);
        });
        QVERIFY(run.opened);
        QCOMPARE(title, QStringLiteral("Confirm"));
        QVERIFY(texts.contains(QStringLiteral("Keep your old answers?")));
        QCOMPARE(quiz::KeepAnswers, keepAfter);
        QVERIFY(!quiz::ExitRequested);
        QVERIFY(!Form3->isVisible());
    }

    // KeepAnswers outlives the map: a close box after a Restart answered Yes keeps the answers
    // again, until a Restart is answered No.
    void keepAnswersCarriesOverLaterClosings() {
        auto closeBox = [] { Form3->windowHandle()->close(); };
        auto restart = [] {
            QTest::mouseClick(Control<QPushButton>("cmdRestart"), Qt::LeftButton);
        };
        QList<bool> keep;
        ShowMap(closeBox);
        keep << quiz::KeepAnswers;
        testing::QueueMessageAnswers({mrYes});
        ShowMap(restart);
        keep << quiz::KeepAnswers;
        ShowMap(closeBox);
        keep << quiz::KeepAnswers;
        testing::QueueMessageAnswers({mrNo});
        ShowMap(restart);
        keep << quiz::KeepAnswers;
        ShowMap(closeBox);
        keep << quiz::KeepAnswers;
        QCOMPARE(keep, QList<bool>({false, true, true, false, false}));
        QVERIFY(!quiz::ExitRequested);
    }

    void fileExitThroughTheKeyboard() {
        const MapRun run = ShowMap([] {
            QTest::keyClick(Form3, Qt::Key_F, Qt::AltModifier);
            QMenu* file = Control<QMenu>("mnuFile");
            QTRY_VERIFY(file->isVisible());
            QTest::keyClick(file, Qt::Key_X);
        });
        QVERIFY(run.opened);
        QVERIFY(quiz::ExitRequested);
        QVERIFY(!Form3->isVisible());
    }

    void yourProfile_data() {
        QTest::addColumn<QString>("philosophy");
        QTest::addColumn<int>("profile"); // 0: nothing opens
        QTest::newRow("Libertarian") << "Libertarian" << 1;
        QTest::newRow("Left Liberal") << "Left Liberal" << 2;
        QTest::newRow("Centrist") << "Centrist" << 3;
        QTest::newRow("Right Conservative") << "Right Conservative" << 4;
        QTest::newRow("Authoritarian") << "Authoritarian" << 5;
        QTest::newRow("other case") << "centrist" << 0;
        QTest::newRow("trailing blank") << "Libertarian " << 0;
        QTest::newRow("prefix") << "Left" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void yourProfile() {
        QFETCH(QString, philosophy);
        QFETCH(int, profile);
        quiz::Philosophy = philosophy.toStdString();
        Opened seen;
        bool stillUp = false;
        const MapRun run = ShowMap([&] {
            CloseWhenOpened watcher(Form3);
            QTest::mouseClick(Control<QPushButton>("cmdProfile"), Qt::LeftButton);
            // Waits for a window that must not open: 200 ms for one that opened late.
            if (!profile)
                QTest::qWait(200);
            seen = watcher.Seen();
            stillUp = Form3->isVisible();
        });
        QVERIFY(run.opened);
        QVERIFY(stillUp);
        if (profile) {
            QCOMPARE(seen.window, static_cast<QWidget*>(Form2));
            QCOMPARE(seen.profile, profile);
            QCOMPARE(quiz::ProfileIndex, profile);
        } else {
            QVERIFY(!seen.window);
            QCOMPARE(quiz::ProfileIndex, 0);
        }
    }

    // Clicks at client points: a point inside a zone opens that profile above the map, a point
    // just outside opens nothing. The dot lies under the zones and takes no clicks.
    void zoneEdgesByClicks() {
        const struct {
            QPoint at;
            int profile;
        } points[] = {
            {{320, 144}, 1}, {{321, 144}, 0}, {{320, 145}, 0}, {{200, 40}, 1},
            {{199, 40}, 0},  {{200, 39}, 0},  {{192, 200}, 2}, {{193, 200}, 0},
            {{199, 200}, 0}, {{56, 160}, 2},  {{55, 160}, 0},  {{200, 200}, 3},
            {{320, 272}, 3}, {{320, 273}, 0}, {{336, 160}, 4}, {{335, 160}, 0},
            {{472, 280}, 4}, {{473, 280}, 0}, {{472, 281}, 0}, {{328, 400}, 5},
            {{329, 400}, 0}, {{328, 401}, 0}, {{200, 288}, 5}, {{200, 287}, 0},
            {{264, 217}, 3}, // the middle of the dot at 50/50
        };
        SetScores(50, 50);
        QStringList wrong;
        QWidget* dot = nullptr;
        const MapRun run = ShowMap([&] {
            Form3->grab(); // the dot is in place
            dot = Client()->childAt(264, 217);
            for (const auto& point : points) {
                // The engine's zone lookup agrees with the window at every point.
                QCOMPARE(quiz::HotZoneAt(point.at.x(), point.at.y()).value_or(0), point.profile);
                quiz::ProfileIndex = 0;
                QWidget* target = Client()->childAt(point.at);
                if (!target)
                    target = Client();
                CloseWhenOpened watcher(Form3);
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(Client(), point.at));
                const Opened& seen = watcher.Seen();
                const int opened = seen.window == Form2 ? seen.profile : 0;
                if (opened != point.profile || (seen.window && seen.window != Form2))
                    wrong << QStringLiteral("(%1,%2) gave %3")
                                 .arg(point.at.x())
                                 .arg(point.at.y())
                                 .arg(opened);
            }
        });
        QVERIFY(run.opened);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
        QCOMPARE(dot, Control<QWidget>("imgHotBedCent"));
    }

    void menuItemsOpenTheirWindows_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QWidget*>("window");
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("profile");
        const char* topics[] = {"Conscription", "Media",     "Privacy",       "Prohibition",
                                "Borders",      "Subsidies", "Protectionism", "Labor",
                                "Taxes",        "Defense"};
        for (int n = 1; n <= 10; ++n) {
            const QString item = QStringLiteral("mnuQuotes") + QLatin1String(topics[n - 1]);
            QTest::newRow(qPrintable(item)) << item << static_cast<QWidget*>(Form5) << n << 0;
        }
        const char* profiles[] = {"Lib", "Left", "Cent", "Right", "Auth"};
        for (int n = 1; n <= 5; ++n) {
            const QString item = QStringLiteral("mnuProf") + QLatin1String(profiles[n - 1]);
            QTest::newRow(qPrintable(item)) << item << static_cast<QWidget*>(Form2) << 0 << n;
        }
        QTest::newRow("Resources1") << "Resources1" << static_cast<QWidget*>(Form6) << 0 << 0;
        QTest::newRow("Quizhistory1") << "Quizhistory1" << static_cast<QWidget*>(Form4) << 0 << 0;
        QTest::newRow("mnuHelpAbout")
            << "mnuHelpAbout" << static_cast<QWidget*>(AboutBox) << 0 << 0;
    }
    void menuItemsOpenTheirWindows() {
        QFETCH(QString, item);
        QFETCH(QWidget*, window);
        QFETCH(int, topic);
        QFETCH(int, profile);
        Opened seen;
        bool backOnTheMap = false;
        const MapRun run = ShowMap([&] {
            CloseWhenOpened watcher(Form3);
            child<QAction>(Form3, qPrintable(item))->trigger();
            seen = watcher.Seen();
            backOnTheMap = QApplication::activeModalWidget() == Form3;
        });
        QVERIFY(run.opened);
        QCOMPARE(seen.window, window);
        QCOMPARE(seen.topic, topic);
        QCOMPARE(seen.profile, profile);
        QVERIFY(backOnTheMap);
    }

    void headingsDoNothing() {
        bool opened = true;
        const MapRun run = ShowMap([&] {
            CloseWhenOpened watcher(Form3);
            Control<QAction>("PersonalIssues1")->trigger();
            Control<QAction>("EconomicIssues1")->trigger();
            // Waits for a window that must not open: 200 ms for one that opened late.
            QTest::qWait(200);
            opened = watcher.Seen().window != nullptr;
        });
        QVERIFY(run.opened);
        QVERIFY(!opened);
        QCOMPARE(quiz::TopicIndex, 0);
        QCOMPARE(quiz::ProfileIndex, 0);
    }

    void tryItYourself() {
        QString title, text, copied;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool parentless = false;
        const MapRun run = ShowMap([&] {
            ModalAction answer(
                [&](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    if (!box) {
                        modal->close();
                        return;
                    }
                    title = box->windowTitle();
                    text = box->text();
                    icon = box->icon();
                    buttons = box->standardButtons();
                    parentless = box->parentWidget() == nullptr;
                    QTest::keyClick(box->focusWidget(), Qt::Key_C, Qt::ControlModifier);
                    copied = QGuiApplication::clipboard()->text();
                    box->button(QMessageBox::Ok)->click();
                },
                Form3);
            Control<QAction>("Hmmmm1")->trigger();
        });
        QVERIFY(run.opened);
        QCOMPARE(title, QStringLiteral("Try It Yourself!"));
        QCOMPARE(text, QStringLiteral("Try taking the quiz again, but this time answer according "
                                      "to current U.S. policy, instead of your own beliefs.  How "
                                      "does the country score?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(parentless);
        QCOMPARE(copied, quiz::MessageAsText(title, text, {QStringLiteral("OK")}));
    }

    // Ctrl+C and Ctrl+Insert put the result on the clipboard as plain text: the program's name,
    // then the words that screen readers hear from the window itself on every arrival, whichever
    // button has the focus.
    void copyTheResult() {
        SetScores(20, 80);
        quiz::Philosophy = "Right Conservative";
        QClipboard* clipboard = QGuiApplication::clipboard();
        QStringList copied;
        QString described;
        const MapRun run = ShowMap([&] {
            Control<QPushButton>("cmdRestart")->setFocus();
            for (Qt::Key key : {Qt::Key_C, Qt::Key_Insert}) {
                clipboard->setText(QStringLiteral("before"));
                QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
                copied << clipboard->text();
            }
            described =
                QAccessible::queryAccessibleInterface(Form3)->text(QAccessible::Description);
            Control<QPushButton>("cmdProfile")->setFocus(); // where the tests after expect it
        });
        QVERIFY(run.opened);
        const QString result = QStringLiteral(
            "Your philosophy is Right Conservative.\nThe red dot marks a personal self-government "
            "score of 20 and an economic self-government score of 80.\n");
        QCOMPARE(copied, QStringList(2, QStringLiteral("Quiz!\n") + result));
        QCOMPARE(described, result.trimmed().replace(u'\n', u' '));
    }

    // Personal 100 and economic 0 land in that order in the real information dialog.
    void scoringExplanation() {
        SetScores(100, 0);
        QString title;
        QStringList texts;
        const MapRun run = ShowMap([&] {
            ModalAction answer(
                [&](QWidget* dialog) {
                    title = dialog->windowTitle();
                    for (QLabel* label : dialog->findChildren<QLabel*>())
                        texts << label->text();
                    testing::PressKey(dialog, Qt::Key_Return);
                },
                Form3);
            Control<QAction>("mnuHelpScoring")->trigger();
        });
        QVERIFY(run.opened);
        QCOMPARE(title, QStringLiteral("Information"));
        QVERIFY2(texts.contains(QStringLiteral(
                     "You get 20 for each \"Yes,\" 10 for each \"Maybe,\" and 0 for every "
                     "\"No.\" Your score on personal issues was 100%, and your economic score "
                     "was 0%.  The red dot on the graph shows where your scores meet.")),
                 qPrintable(texts.join(QLatin1Char('|'))));
    }

    void captionsAndDotAfterAPaint_data() {
        QTest::addColumn<int>("personal");
        QTest::addColumn<int>("economic");
        QTest::addColumn<QPoint>("box");
        QTest::newRow("0/0") << 0 << 0 << QPoint(255, 419);
        QTest::newRow("100/100") << 100 << 100 << QPoint(255, -1);
        QTest::newRow("100/0") << 100 << 0 << QPoint(38, 209);
        QTest::newRow("0/100") << 0 << 100 << QPoint(472, 209);
        QTest::newRow("0/50") << 0 << 50 << QPoint(363, 314);
        QTest::newRow("50/0") << 50 << 0 << QPoint(147, 314);
        QTest::newRow("40/60") << 40 << 60 << QPoint(298, 209);
        QTest::newRow("80/20") << 80 << 20 << QPoint(125, 209);
    }
    void captionsAndDotAfterAPaint() {
        QFETCH(int, personal);
        QFETCH(int, economic);
        QFETCH(QPoint, box);
        SetScores(personal, economic);
        QImage image;
        ShowMap([&] { image = ClientImage(); });
        auto* pscore = Control<QLabel>("lblPscore");
        auto* escore = Control<QLabel>("lblEscore");
        QCOMPARE(pscore->text(),
                 QStringLiteral("Your Personal Self-Government Score Is %1").arg(personal));
        QCOMPARE(escore->text(),
                 QStringLiteral("Your Economic Self-Government Score Is %1").arg(economic));
        QCOMPARE(Control<QWidget>("shpRedDot")->geometry(), QRect(box, QSize(19, 16)));
        // The wrapped captions fit their boxes, and the circle's centre shows red.
        for (QLabel* label : {pscore, escore}) {
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(QRect(0, 0, label->width(), 1000),
                                                   Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->text()));
        }
        QCOMPARE(Pixel(image, box.x() + 9, box.y() + 8), Red);
    }

    // The circle inside its box: outline, fill, and the columns of the box that show the map.
    void redDotPixels_data() {
        QTest::addColumn<int>("personal");
        QTest::addColumn<int>("economic");
        QTest::addColumn<int>("left"); // the dot box
        QTest::addColumn<int>("top");
        QTest::newRow("30/30") << 30 << 30 << 255 << 293;
        QTest::newRow("70/70") << 70 << 70 << 255 << 125;
        QTest::newRow("60/40") << 60 << 40 << 212 << 209;
        QTest::newRow("100/0") << 100 << 0 << 38 << 209;
        QTest::newRow("0/100") << 0 << 100 << 472 << 209;
        QTest::newRow("100/100") << 100 << 100 << 255 << -1;
        QTest::newRow("0/0") << 0 << 0 << 255 << 419;
    }
    void redDotPixels() {
        QFETCH(int, personal);
        QFETCH(int, economic);
        QFETCH(int, left);
        QFETCH(int, top);
        QImage withDot, without, window;
        ShowMap([&] {
            SetScores(personal < 50 ? 100 : 0, 50); // the dot well away
            without = ClientImage();
            SetScores(personal, economic);
            withDot = ClientImage();
            window = Form3->grab().toImage();
        });
        SaveShot(window, QStringLiteral("polimap_%1_%2").arg(personal).arg(economic));

        QCOMPARE(Pixel(withDot, left + 9, top + 8), Red);
        QCOMPARE(Pixel(withDot, left + 1, top + 8), Black);
        QCOMPARE(Pixel(withDot, left + 16, top + 8), Black);
        QCOMPARE(Pixel(withDot, left + 9, top + 15), Black);
        if (top >= 0)
            QCOMPARE(Pixel(withDot, left + 9, top), Black);
        else // the circle's top row is cut off: its second row is the first one seen
            QVERIFY(Pixel(withDot, left + 9, 0) != Aqua);
        for (int y = std::max(top, 0); y < top + 16; ++y) {
            for (int x : {left, left + 17, left + 18})
                QVERIFY2(withDot.pixel(x, y) == without.pixel(x, y),
                         qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
        }
        if (top >= 0) // the corners of the circle's square show the map
            QCOMPARE(withDot.pixel(left + 1, top), without.pixel(left + 1, top));
        QCOMPARE(withDot.pixel(left + 16, top + 15), without.pixel(left + 16, top + 15));
    }

    // Over the whole domain the dot stays clear of the buttons and the captions, and its centre
    // is always seen red.
    void dotNeverReachesButtonsOrCaptions() {
        QStringList wrong;
        int checked = 0;
        const MapRun run = ShowMap([&] {
            auto* dot = Control<QWidget>("shpRedDot");
            const QRect blockers[] = {Control<QWidget>("cmdProfile")->geometry(),
                                      Control<QWidget>("cmdRestart")->geometry(),
                                      Control<QWidget>("lblPscore")->geometry(),
                                      Control<QWidget>("lblEscore")->geometry()};
            for (int personal = 0; personal <= 100; personal += 10) {
                for (int economic = 0; economic <= 100; economic += 10) {
                    SetScores(personal, economic);
                    const QImage image = ClientImage();
                    const QRect at = dot->geometry();
                    ++checked;
                    bool clear = true;
                    for (const QRect& blocker : blockers)
                        clear = clear && !at.intersects(blocker);
                    const QPoint centre = at.topLeft() + QPoint(9, 8);
                    if (!clear || Pixel(image, centre.x(), centre.y()) != Red)
                        wrong << QStringLiteral("%1/%2").arg(personal).arg(economic);
                }
            }
        });
        QVERIFY(run.opened);
        QCOMPARE(checked, 121);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(", "))));
    }

    // The chart fills its box: blue cells, white grid lines, aqua around the diamond.
    void chartPixels() {
        SetScores(50, 50);
        QImage image;
        ShowMap([&] { image = ClientImage(); });
        const QRect dot = Control<QWidget>("shpRedDot")->geometry();
        QStringList wrong;

        for (int i = 0; i < 10; ++i) {
            for (int j = 0; j < 10; ++j) {
                // Cells cut by the Centrist square's borders hold white bars.
                if (std::abs(i - j) == 3 || i + j == 6 || i + j == 12)
                    continue;
                const QPoint centre = ScorePoint(10 * i + 5, 10 * j + 5).toPoint();
                bool skip = dot.adjusted(-2, -2, 2, 2).contains(centre);
                for (const QRect& name : RegionNames)
                    skip = skip || name.adjusted(-3, -3, 3, 3).contains(centre);
                if (skip)
                    continue;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (Pixel(image, centre.x() + dx, centre.y() + dy) != Blue)
                            wrong
                                << QStringLiteral("cell e %1 p %2").arg(10 * i + 5).arg(10 * j + 5);
            }
        }

        // Grid lines e = k crossed at p = 35, and p = k crossed at e = 35.
        for (int k = 10; k <= 90; k += 20) {
            for (const QPointF& on : {ScorePoint(k, 35), ScorePoint(35, k)}) {
                const int x = qRound(on.x());
                const int y = int(on.y());
                bool white = false;
                for (int dx = -2; dx <= 2; ++dx)
                    white = white || Pixel(image, x + dx, y) == White;
                if (!white || Pixel(image, x - 6, y) != Blue || Pixel(image, x + 6, y) != Blue)
                    wrong << QStringLiteral("grid line %1 at (%2,%3)").arg(k).arg(x).arg(y);
            }
        }

        // Around the diamond, between and below the captions, and beyond its corners.
        for (const QPoint& outside :
             {QPoint(160, 30), QPoint(370, 30), QPoint(100, 400), QPoint(520, 380), QPoint(263, 3),
              QPoint(38, 214), QPoint(489, 214), QPoint(263, 434), QPoint(20, 100),
              QPoint(530, 100), QPoint(4, 436), QPoint(535, 436)})
            if (Pixel(image, outside.x(), outside.y()) != Aqua)
                wrong << QStringLiteral("outside (%1,%2)").arg(outside.x()).arg(outside.y());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
    }

    // The tab order is "Your Profile", then "Restart"; Tab moves between the two buttons only.
    void tabOrder() {
        QStringList chain;
        for (QWidget* w = Form3->nextInFocusChain(); w != Form3; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        }
        QCOMPARE(chain, QStringList({"cmdProfile", "cmdRestart"}));

        QStringList order;
        ShowMap([&] {
            QTRY_VERIFY(QApplication::focusWidget());
            for (int i = 0; i < 3; ++i) {
                order << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        });
        // The first in the tab order has the focus when the map opens.
        QCOMPARE(order, QStringList({"cmdProfile", "cmdRestart", "cmdProfile"}));
    }

    void accessibleNames() {
        SetScores(60, 40);
        quiz::Philosophy = "Centrist";
        ShowMap([] { Form3->grab(); });
        const QString description = Control<QWidget>("imgMap")->accessibleDescription();
        QVERIFY2(description.contains(QLatin1String("personal self-government score of 60")) &&
                     description.contains(QLatin1String("economic self-government score of 40")) &&
                     description.contains(QLatin1String("Centrist")),
                 qPrintable(description));
        QCOMPARE(Control<QWidget>("lblPscore")->accessibleName(),
                 QStringLiteral("Your Personal Self-Government Score Is 60"));
        QCOMPARE(Control<QWidget>("imgHotBedRight")->accessibleName(),
                 QStringLiteral("Right Conservative region"));
        for (const char* name : {"imgMap", "shpRedDot", "lblEscore", "imgHotBedLib",
                                 "imgHotBedLeft", "imgHotBedCent", "imgHotBedAuth"})
            QVERIFY2(!Control<QWidget>(name)->accessibleName().isEmpty(), name);
    }

    // Once its first paint has settled the captions and the dot, an idle map paints no more.
    void idleMapGetsNoPaints() {
        SetScores(10, 90);
        int idlePaints = -1;
        int painted = 0;
        const MapRun run = ShowMap([&] {
            QTRY_VERIFY(Form3->PaintCount() > 0);
            int count = 0;
            PaintWatch watch([&](QWidget* widget) {
                if (widget == Form3 || Form3->isAncestorOf(widget))
                    ++count;
            });
            testing::Settle([&] { return count; });
            count = 0;
            // Waits for paints that must not come: an idle map gets none in a second.
            QTest::qWait(1000);
            idlePaints = count;
            painted = Form3->PaintCount();
        });
        QVERIFY(run.opened);
        QVERIFY(painted > 0);
        QCOMPARE(idlePaints, 0);
        QCOMPARE(Control<QWidget>("shpRedDot")->pos(), QPoint(429, 209));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    InitialiseProgram();
    // The quiz window registers the question cursor when it is created; a stand-in makes the
    // zones' cursor tell even while it registers nothing.
    quiz::RegisterCursor(1, QCursor(Qt::WhatsThisCursor));
    CreateWindows();
    TestPolimap test;
    const int status = QTest::qExec(&test, argc, argv);
    DestroyWindows();
    return status;
}

#include "test_polimap.moc"
