#include "Program.h"

#include "CommandLine.h"
#include "DisplayFailure.h"
#include "Translations.h"

#include "Accessibility.h"
#include "Answers.h"
#include "Application.h"
#include "Desktop.h"
#include "Fonts.h"
#include "ModalStack.h"
#include "Navigation.h"
#include "Pictures.h"
#include "SessionBus.h"
#include "Style.h"

#include "About.h"
#include "Address.h"
#include "History.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Question.h"
#include "Quotes.h"
#include "Sources.h"

void InitialiseProgram() {
    quiz::Answers.Initialise();
    quiz::ResetNavigation();
    QApplication::setApplicationName(QStringLiteral("Quiz!"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quiz"));
    QApplication::setWindowIcon(content::ProgramIcon()); // every title bar and the task list
    // No application display name: Qt would append it to every window caption.
    QApplication::setQuitOnLastWindowClosed(false); // the main window's close ends the program
    // The modal stack, with the desktop of this platform, whose theme the look follows.
    quiz::InstallStyle(quiz::Stack().CurrentDesktop().ThemeName());
    quiz::InstallAccessibility();
    // A steady caret: always visible in the text box that has the focus, and an idle window
    // with a caret in it does no work.
    QApplication::setCursorFlashTime(0);
    quiz::InstallFontSubstitutes();
    // Menus, which do not take their window's font, and anything else without a font of its
    // own use the windows' font too.
    QApplication::setFont(quiz::SystemFont());
}

void CreateWindows() {
    CreateForm(Form1);
    CreateForm(AboutBox);
    CreateForm(Form7);
    CreateForm(Form4);
    CreateForm(Form3);
    CreateForm(Form2);
    CreateForm(Form5);
    CreateForm(Form6);
}

void DestroyWindows() {
    auto destroy = [](auto*& form) {
        delete form;
        form = nullptr;
    };
    destroy(Form6);
    destroy(Form5);
    destroy(Form2);
    destroy(Form3);
    destroy(Form4);
    destroy(Form7);
    destroy(AboutBox);
    destroy(Form1);
}

int RunProgram(int argc, char* argv[]) {
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status; // --help, --version or a usage error
    // Qt's own high-DPI scaling maps the design's 96-dpi pixels to the screen.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    quiz::PrepareSessionBus();
    CatchDisplayFailure(argc, argv);
    TApplication app(argc, argv);
    DisplayOpened();
    quiz::InstallTranslations(); // before the first text is made
    InitialiseProgram();
    CreateWindows();
    Form1->Show();
    const int status = app.exec();
    DestroyWindows();
    return status;
}
