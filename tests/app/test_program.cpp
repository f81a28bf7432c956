#include <QFileInfo>
#include <QMenuBar>

#include "Answers.h"
#include "Application.h"
#include "Form.h"
#include "GuiTestSupport.h"
#include "Navigation.h"
#include "Program.h"

#include "About.h"
#include "Address.h"
#include "History.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Question.h"
#include "Quotes.h"
#include "Sources.h"

// Start-up as the program does it: state first, then the eight windows in their fixed order.
class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        quiz::Answers.Store(4, quiz::YesValue);
        quiz::SplashShown = true;
        quiz::TopicIndex = 7;
        InitialiseProgram();
        CreateWindows();
    }

    void stateIsFreshAndTitleSet() {
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(quiz::Answers[n], 10); // Maybe
        QCOMPARE(quiz::SplashShown, false);
        QCOMPARE(quiz::TopicIndex, 0);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quiz!"));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
    }

    void windowsExistHiddenWithTheirDesign_data() {
        QTest::addColumn<TForm*>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client"); // empty for sizeable windows given by outer size
        QTest::addColumn<bool>("fixed");
        QTest::newRow("Form1") << static_cast<TForm*>(Form1) << "TForm1"
                               << "Meridian Political Quiz" << QSize(635, 442) << true;
        QTest::newRow("AboutBox") << static_cast<TForm*>(AboutBox) << "TAboutBox"
                                  << "About" << QSize(431, 310) << true;
        QTest::newRow("Form7") << static_cast<TForm*>(Form7) << "TForm7"
                               << "Your Name Here" << QSize() << false;
        QTest::newRow("Form4") << static_cast<TForm*>(Form4) << "TForm4"
                               << "History of the Quiz" << QSize() << false;
        QTest::newRow("Form3") << static_cast<TForm*>(Form3) << "TForm3"
                               << "The Political Map" << QSize(540, 440) << true;
        QTest::newRow("Form2") << static_cast<TForm*>(Form2) << "TForm2"
                               << "Profiles" << QSize(426, 275) << true;
        QTest::newRow("Form5") << static_cast<TForm*>(Form5) << "TForm5"
                               << "Topical Quotes" << QSize() << false;
        QTest::newRow("Form6") << static_cast<TForm*>(Form6) << "TForm6"
                               << "Resources" << QSize() << false;
    }
    void windowsExistHiddenWithTheirDesign() {
        QFETCH(TForm*, form);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(bool, fixed);
        QVERIFY(form);
        QCOMPARE(form->objectName(), name);
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(!form->isVisible());
        if (client.isValid())
            QCOMPARE(form->centralWidget()->size(), client);
        QCOMPARE(form->minimumSize() == form->maximumSize(), fixed);
    }

    void quizWindowIsTheMainWindow() { QCOMPARE(TForm::MainForm(), static_cast<TForm*>(Form1)); }

    // A dock matches the windows to their launcher: on X11 by the class that Qt gives every
    // window, the application name; on Wayland by the app id, the desktop file's name.
    void desktopEntryMatchesTheWindows() {
        QFile entry(QStringLiteral(QUIZ_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QFileInfo(entry).completeBaseName(), QGuiApplication::desktopFileName());
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        QVERIFY(
            lines.contains(QStringLiteral("StartupWMClass=") + QApplication::applicationName()));
    }

    // The pictures of the start-up and of every window but the resources window (whose logos are
    // PNGs, decoded when it first opens) are drawn by code, so showing them loads no image-format
    // plug-in: Qt loads every one of those to read any image file.
    void windowsDrawnByCodeLoadNoImagePlugin() {
        quiz::SplashShown = true;
        quiz::TopicIndex = 1;
        quiz::ProfileIndex = 2;
        quiz::OrganisationIndex = 3;
        for (TForm* form :
             std::initializer_list<TForm*>{Form1, AboutBox, Form7, Form4, Form3, Form2, Form5}) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            form->grab();
            form->hide();
        }
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libQt6Gui")); // the list is readable and names libraries
        QByteArrayList plugins;
        for (const QByteArray& line : mapped.split('\n')) {
            if (line.contains("/imageformats/"))
                plugins.append(line.mid(line.lastIndexOf(' ') + 1));
        }
        QVERIFY2(plugins.isEmpty(), plugins.join(' ').constData());
    }

    void cleanupTestCase() {
        DestroyWindows();
        QVERIFY(!Form1 && !Form6);
        QVERIFY(!TForm::MainForm());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestProgram test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_program.moc"
