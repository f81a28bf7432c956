#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Answers.h"
#include "Shown.h"

namespace quiz {

// Philosophy numbers double as profile selectors.
enum PhilosophyNumber : int {
    Libertarian = 1,
    LeftLiberal = 2,
    Centrist = 3,
    RightConservative = 4,
    Authoritarian = 5,
};

inline constexpr int PhilosophyCount = 5;

// Labels indexed by philosophy number - 1; other windows compare against these verbatim.
inline constexpr std::array<std::string_view, PhilosophyCount> PhilosophyLabels{
    QUIZ_SHOWN("Questions", "Libertarian"), QUIZ_SHOWN("Questions", "Left Liberal"),
    QUIZ_SHOWN("Questions", "Centrist"), QUIZ_SHOWN("Questions", "Right Conservative"),
    QUIZ_SHOWN("Questions", "Authoritarian")};

std::string_view PhilosophyLabel(int philosophy);

struct Result {
    int personalScore;
    int economicScore;
    int philosophy; // 1..5
};

int PersonalScoreOf(const AnswerSheet& answers);
int EconomicScoreOf(const AnswerSheet& answers);

// The fourteen rules, tested in order; the first that holds decides.
int Classify(int personal, int economic);

Result Score(const AnswerSheet& answers);

// "According to your answers, ..." for the given label.
std::string ResultSentence(std::string_view philosophy);

// Program-wide results, written only by the quiz window's CalculateResults.
extern int PersonalScore;
extern int EconomicScore;
extern std::string Philosophy; // empty until the first calculation

} // namespace quiz
