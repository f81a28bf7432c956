// Renders every window of the program, and both message dialog kinds, into PNG files, in the
// language of the environment (LANGUAGE, LC_ALL, LANG) as the program chooses it:
//   screenshots <output folder>
// Run it through scripts/screenshots.sh, which starts an X server, so that fonts and styles
// are those of a real desktop.

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include "About.h"
#include "Address.h"
#include "Answers.h"
#include "Application.h"
#include "History.h"
#include "MessageDialog.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Program.h"
#include "Question.h"
#include "Quotes.h"
#include "Scoring.h"
#include "Sources.h"
#include "Translations.h"
#include "Wording.h"

namespace {

QDir output;

void Save(QWidget* window, const QString& name) {
    window->show();
    window->raise();
    QApplication::processEvents();
    QThread::msleep(50);
    QApplication::processEvents();
    window->grab().save(output.filePath(name + QStringLiteral(".png")));
    window->hide();
}

// A window with one of its menus pulled down, as one picture.
void SaveMenu(QWidget* window, const char* menuName, const QString& name) {
    window->show();
    auto* menu = window->findChild<QMenu*>(QString::fromLatin1(menuName));
    auto* bar = window->findChild<QMenuBar*>();
    bar->setActiveAction(menu->menuAction());
    QApplication::processEvents();
    QThread::msleep(50);
    QApplication::processEvents();
    QPixmap picture(window->size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, window->grab());
    painter.drawPixmap(menu->mapToGlobal(QPoint()) - window->mapToGlobal(QPoint()), menu->grab());
    painter.end();
    picture.save(output.filePath(name + QStringLiteral(".png")));
    menu->hide();
    window->hide();
}

void SetScores(int personal, int economic) {
    quiz::PersonalScore = personal;
    quiz::EconomicScore = economic;
    quiz::Philosophy = std::string(quiz::PhilosophyLabel(quiz::Classify(personal, economic)));
}

void SaveDialog(const QString& text, quiz::MessageKind kind, quiz::MessageButtons buttons,
                const QString& name) {
    TMessageForm dialog(text, kind, buttons);
    Save(&dialog, name);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    output = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    output.mkpath(QStringLiteral("."));
    quiz::InstallTranslations();
    InitialiseProgram();
    CreateWindows();
    quiz::SplashShown = true; // no splash over the quiz window's picture

    Form1->findChild<QWidget*>(QStringLiteral("btnQ1Y"))->setProperty("checked", true);
    Form1->findChild<QWidget*>(QStringLiteral("btnQ7N"))->setProperty("checked", true);
    Save(Form1, QStringLiteral("quiz"));
    Save(AboutBox, QStringLiteral("about"));
    Save(Form4, QStringLiteral("history"));

    const int pairs[][2] = {{60, 70}, {100, 100}, {0, 100}, {100, 0}, {50, 50}};
    for (const auto& pair : pairs) {
        SetScores(pair[0], pair[1]);
        Save(Form3, QStringLiteral("map-%1-%2").arg(pair[0]).arg(pair[1]));
    }
    SetScores(60, 70);
    Save(Form3, QStringLiteral("map"));
    SaveMenu(Form3, "mnuQuotes", QStringLiteral("map-menu-quotes"));

    for (int topic : {1, 9}) {
        quiz::TopicIndex = topic;
        Save(Form5, QStringLiteral("quotes-%1").arg(topic));
    }
    for (int profile : {1, 3, 5}) {
        quiz::ProfileIndex = profile;
        Save(Form2, QStringLiteral("profile-%1").arg(profile));
    }
    Save(Form6, QStringLiteral("resources"));
    for (int organisation : {1, 4}) {
        quiz::OrganisationIndex = organisation;
        Save(Form7, QStringLiteral("organisation-%1").arg(organisation));
    }

    SaveDialog(content::ResultSentence("Right Conservative"), quiz::MessageKind::Information,
               quiz::MessageButton::OK, QStringLiteral("dialog-information"));
    SaveDialog(QCoreApplication::translate("TForm3", "Keep your old answers?"),
               quiz::MessageKind::Confirmation, quiz::MessageButton::Yes | quiz::MessageButton::No,
               QStringLiteral("dialog-confirmation"));

    DestroyWindows();
    return 0;
}
