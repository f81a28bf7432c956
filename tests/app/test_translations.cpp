#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "Answers.h"
#include "MapPlacement.h"
#include "Scoring.h"
#include "Translations.h"
#include "Wording.h"

namespace {

QString FromEngine(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Installs one of the program's catalogues for the life of the object.
class Speaking {
public:
    explicit Speaking(const QString& language) {
        loaded_ = catalogue_.load(QStringLiteral(":/i18n/quiz_") + language);
        if (loaded_)
            QCoreApplication::installTranslator(&catalogue_);
    }
    ~Speaking() { QCoreApplication::removeTranslator(&catalogue_); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
    bool Loaded() const { return loaded_; }

private:
    QTranslator catalogue_;
    bool loaded_ = false;
};

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void chooseLanguage_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        const auto row = [](const char* name, QStringList preferred, const char* chosen) {
            QTest::newRow(name) << preferred << QString::fromLatin1(chosen);
        };
        row("German with a region", {"de-DE"}, "de");
        row("Swiss German, underscore", {"de_CH"}, "de");
        row("Mexican Spanish", {"es-MX", "es"}, "es");
        row("English first wins over German", {"en-US", "de-DE"}, "");
        row("an unspoken language falls through", {"fr-FR", "es-ES"}, "es");
        row("none spoken is English", {"fr-FR", "pt-BR"}, "");
        row("the C locale is English", {"C", "de"}, "");
        row("nothing at all is English", {}, "");
    }
    void chooseLanguage() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(quiz::ChooseLanguage(preferred, quiz::TranslatedLanguages()), chosen);
    }

    // Without a catalogue every text is the engine's own, to the character.
    void untranslatedWordingIsTheEngines() {
        for (int n = 1; n <= quiz::QuestionCount; ++n) {
            QCOMPARE(content::Statement(n), FromEngine(quiz::QuestionAt(n).statement));
            QCOMPARE(content::Topic(n), FromEngine(quiz::QuestionAt(n).topic));
        }
        for (std::string_view label : quiz::PhilosophyLabels) {
            QCOMPARE(content::ResultSentence(label),
                     QString::fromStdString(quiz::ResultSentence(label)));
            for (const auto& [personal, economic] : {std::pair{0, 100}, {60, 40}, {100, 100}}) {
                QStringList words;
                for (const std::string& sentence : quiz::ResultInWords(personal, economic, label))
                    words << QString::fromStdString(sentence);
                QCOMPARE(content::ResultInWords(personal, economic, label), words);
            }
        }
        QCOMPARE(content::ResultInWords(50, 50, {}).size(), 1); // before the first result
        for (int score = 0; score <= 100; score += 10) {
            QCOMPARE(content::PersonalScoreCaption(score),
                     QString::fromStdString(quiz::PersonalScoreCaption(score)));
            QCOMPARE(content::EconomicScoreCaption(score),
                     QString::fromStdString(quiz::EconomicScoreCaption(score)));
            QCOMPARE(content::ScoringExplanation(score, 100 - score),
                     QString::fromStdString(quiz::ScoringExplanation(score, 100 - score)));
        }
    }

    // Each language says the result of one sheet in its own words, with the scores in it.
    void resultInEachLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : quiz::TranslatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void resultInEachLanguage() {
        QFETCH(QString, language);
        const QString english = content::ResultSentence("Right Conservative");
        const QString englishCaption = content::PersonalScoreCaption(60);
        const Speaking speaking(language);
        QVERIFY2(speaking.Loaded(), qPrintable(language));

        const QString philosophy = content::PhilosophyName("Right Conservative");
        QVERIFY(!philosophy.isEmpty() && philosophy != QLatin1String("Right Conservative"));
        const QString sentence = content::ResultSentence("Right Conservative");
        QVERIFY2(sentence != english && sentence.contains(philosophy), qPrintable(sentence));
        const QString caption = content::PersonalScoreCaption(60);
        QVERIFY2(caption != englishCaption && caption.contains(QLatin1String("60")),
                 qPrintable(caption));
        const QString explanation = content::ScoringExplanation(70, 30);
        for (const char* number : {"20", "10", "70", "30"})
            QVERIFY2(explanation.contains(QLatin1String(number)), qPrintable(explanation));
        QVERIFY2(!explanation.contains(QRegularExpression(QStringLiteral("%\\d"))),
                 qPrintable(explanation));
        const QStringList words = content::ResultInWords(70, 30, "Right Conservative");
        QCOMPARE(words.size(), 2);
        QVERIFY(words[0].contains(philosophy));
        QVERIFY(words[1].contains(QLatin1String("70")) && words[1].contains(QLatin1String("30")));
        for (int n = 1; n <= quiz::QuestionCount; ++n)
            QVERIFY2(content::Statement(n) != FromEngine(quiz::QuestionAt(n).statement),
                     qPrintable(content::Statement(n)));
    }

    // Qt's own catalogue comes with each language: the buttons of the system message box.
    void qtsOwnCatalogueIsCompiledIn() {
        for (const QString& language : quiz::TranslatedLanguages()) {
            QTranslator qt;
            QVERIFY2(qt.load(QStringLiteral(":/i18n/qtbase_") + language), qPrintable(language));
            QVERIFY(!qt.translate("QPlatformTheme", "Cancel").isEmpty());
        }
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translations.moc"
