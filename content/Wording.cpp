#include "Wording.h"

#include "Answers.h"

#include <QCoreApplication>

namespace content {

namespace {

QString Translated(const char* context, std::string_view english) {
    return QCoreApplication::translate(context,
                                       QByteArray(english.data(), qsizetype(english.size())));
}

QString Results(const char* text) {
    return QCoreApplication::translate("Results", text);
}

} // namespace

QString Topic(int question) {
    return Translated("Questions", quiz::QuestionAt(question).topic);
}

QString Statement(int question) {
    return Translated("Questions", quiz::QuestionAt(question).statement);
}

QString PhilosophyName(std::string_view label) {
    return label.empty() ? QString() : Translated("Questions", label);
}

QString ResultSentence(std::string_view label) {
    //: The result message; %1 is the philosophy ("Left Liberal").
    return Results(QT_TRANSLATE_NOOP("Results",
                                     "According to your answers, your political philosophy is "
                                     "%1.  The red dot on the next screen shows where you fit on "
                                     "the political map."))
        .arg(PhilosophyName(label));
}

QString PersonalScoreCaption(int personal) {
    return Results(QT_TRANSLATE_NOOP("Results", "Your Personal Self-Government Score Is %1"))
        .arg(personal);
}

QString EconomicScoreCaption(int economic) {
    return Results(QT_TRANSLATE_NOOP("Results", "Your Economic Self-Government Score Is %1"))
        .arg(economic);
}

QString ScoringExplanation(int personal, int economic) {
    //: %1, %2 and %3 are what a Yes, a Maybe and a No add (20, 10, 0); %4 and %5 the personal
    //: and the economic score.
    return Results(QT_TRANSLATE_NOOP("Results",
                                     "You get %1 for each \"Yes,\" %2 for each \"Maybe,\" and %3 "
                                     "for every \"No.\" Your score on personal issues was %4%, "
                                     "and your economic score was %5%.  The red dot on the graph "
                                     "shows where your scores meet."))
        .arg(quiz::YesValue)
        .arg(quiz::MaybeValue)
        .arg(quiz::NoValue)
        .arg(personal)
        .arg(economic);
}

QStringList ResultInWords(int personal, int economic, std::string_view label) {
    QStringList words;
    if (!label.empty()) {
        //: Said by a screen reader on the map, and copied with the result; %1 is the philosophy.
        words << Results(QT_TRANSLATE_NOOP("Results", "Your philosophy is %1."))
                     .arg(PhilosophyName(label));
    }
    //: Said by a screen reader on the map, and copied with the result.
    words << Results(QT_TRANSLATE_NOOP("Results",
                                       "The red dot marks a personal self-government score of %1 "
                                       "and an economic self-government score of %2."))
                 .arg(personal)
                 .arg(economic);
    return words;
}

} // namespace content
