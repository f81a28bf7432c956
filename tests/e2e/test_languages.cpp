// The result cycle in the language the desktop asks for (the test runs once per translated
// language): the result message, the same message as Ctrl+C copies it, the map's captions and
// the Restart question, each in the catalogue's words for the English the design shows.

#include <QClipboard>
#include <QPushButton>

#include "Application.h"
#include "FlowSupport.h"
#include "Navigation.h"
#include "Program.h"
#include "Translations.h"

#include "Polimap.h"
#include "Question.h"

using namespace flow;

namespace {

QString Language;

QString Tr(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

const char* const ResultEnglish = "According to your answers, your political philosophy is %1.  "
                                  "The red dot on the next screen shows where you fit on the "
                                  "political map.";

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTest(); }
    void cleanup() { CheckTestEnd(); }

    void resultCycleInTheDesktopsLanguage() {
        QVERIFY2(!Language.isEmpty(), "no translation installed");
        const QString philosophy = Tr("Questions", "Right Conservative");
        const QString sentence = Tr("Results", ResultEnglish).arg(philosophy);
        QVERIFY2(sentence != QString::fromLatin1(ResultEnglish).arg("Right Conservative"),
                 "the catalogue does not translate the result");

        for (int n = 1; n <= 10; ++n) // personal 20, economic 80
            Click(Radio(n, QStringLiteral("NNNMMYYYMM").at(n - 1)));
        QString title, text, copied;
        QStringList mapCaptions, question;
        WithModal(
            Form3,
            [&] {
                WithMessage([] { Click(child<QPushButton>(Form1, "btnResults")); },
                            [&](QWidget* dialog) {
                                title = dialog->windowTitle();
                                text = MessageText(dialog);
                                QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier);
                                copied = QGuiApplication::clipboard()->text();
                                Click(dialog->findChild<QPushButton*>());
                            });
            },
            [&](QWidget*) {
                QTRY_VERIFY(Form3->PaintCount() > 0);
                mapCaptions << child<QLabel>(Form3, "lblPscore")->text()
                            << child<QLabel>(Form3, "lblEscore")->text();
                WithMessage([] { Click(child<QPushButton>(Form3, "cmdRestart")); },
                            [&](QWidget* dialog) {
                                question << dialog->windowTitle() << MessageText(dialog);
                                for (QPushButton* button : dialog->findChildren<QPushButton*>())
                                    question << button->text();
                                for (QPushButton* button : dialog->findChildren<QPushButton*>())
                                    if (button->text() == Tr("TMessageForm", "&No"))
                                        Click(button);
                            });
            });

        QCOMPARE(title, Tr("TMessageForm", "Information"));
        QCOMPARE(text, sentence);
        for (const QString& part : {title, sentence, Tr("TMessageForm", "OK")})
            QVERIFY2(copied.contains(part), qPrintable(copied));
        QCOMPARE(mapCaptions,
                 QStringList({Tr("Results", "Your Personal Self-Government Score Is %1").arg(20),
                              Tr("Results", "Your Economic Self-Government Score Is %1").arg(80)}));
        QCOMPARE(question,
                 QStringList({Tr("TMessageForm", "Confirm"), Tr("TForm3", "Keep your old answers?"),
                              Tr("TMessageForm", "&Yes"), Tr("TMessageForm", "&No")}));
        QVERIFY(question[1] != QLatin1String("Keep your old answers?"));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    Language = quiz::InstallTranslations();
    InitialiseProgram();
    CreateWindows();
    quiz::SplashShown = true; // no splash: the test starts at the questions
    Form1->show();
    TestLanguages test;
    const int status = QTest::qExec(&test, argc, argv);
    DestroyWindows();
    return status;
}

#include "test_languages.moc"
