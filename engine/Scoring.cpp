#include "Scoring.h"

#include <cassert>

namespace quiz {

int PersonalScore = 0;
int EconomicScore = 0;
std::string Philosophy;

std::string_view PhilosophyLabel(int philosophy) {
    assert(philosophy >= 1 && philosophy <= PhilosophyCount);
    return PhilosophyLabels[static_cast<std::size_t>(philosophy - 1)];
}

namespace {

// The sum of the answers to the questions of one group, as the catalogue sorts them.
int GroupScore(const AnswerSheet& answers, Group group) {
    int score = 0;
    for (const Question& question : QuestionCatalogue)
        if (question.group == group)
            score += answers[question.number];
    return score;
}

} // namespace

int PersonalScoreOf(const AnswerSheet& answers) {
    return GroupScore(answers, Group::Personal);
}

int EconomicScoreOf(const AnswerSheet& answers) {
    return GroupScore(answers, Group::Economic);
}

int Classify(int p, int e) {
    struct Rule {
        bool holds;
        int philosophy;
    };
    // The regions are not mirror images of each other; the single-pair rules (3, 6, 9, 13)
    // carve out the cells that the threshold rules leave to the neighbouring class.
    const Rule rules[] = {
        {p <= 20 && e <= 40, Authoritarian},     // 1
        {p <= 40 && e <= 20, Authoritarian},     // 2
        {p == 30 && e == 30, Authoritarian},     // 3
        {p >= 50 && e <= 20, LeftLiberal},       // 4
        {p >= 70 && e <= 40, LeftLiberal},       // 5
        {p == 60 && e == 30, LeftLiberal},       // 6
        {p <= 20 && e >= 50, RightConservative}, // 7
        {p <= 40 && e >= 70, RightConservative}, // 8
        {p == 30 && e == 60, RightConservative}, // 9
        {p >= 80 && e >= 50, Libertarian},       // 10
        {p >= 50 && e >= 80, Libertarian},       // 11
        {p >= 70 && e >= 60, Libertarian},       // 12
        {p == 60 && e == 70, Libertarian},       // 13
    };
    for (const Rule& rule : rules) {
        if (rule.holds)
            return rule.philosophy;
    }
    return Centrist; // 14
}

Result Score(const AnswerSheet& answers) {
    const int p = PersonalScoreOf(answers);
    const int e = EconomicScoreOf(answers);
    return {p, e, Classify(p, e)};
}

std::string ResultSentence(std::string_view philosophy) {
    std::string text = "According to your answers, your political philosophy is ";
    text += philosophy;
    text += ".  The red dot on the next screen shows where ";
    text += "you fit on the political map.";
    return text;
}

} // namespace quiz
