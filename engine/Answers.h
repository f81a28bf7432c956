#pragma once

#include <array>
#include <string_view>

namespace quiz {

// What an answer adds to its group's score.
inline constexpr int YesValue = 20;
inline constexpr int MaybeValue = 10;
inline constexpr int NoValue = 0;

inline constexpr int QuestionCount = 10;

enum class Group { Personal, Economic };

struct Question {
    int number;                 // 1..10, also the quotation topic number
    Group group;                // 1..5 personal, 6..10 economic
    std::string_view topic;     // the word the Quotes menus show
    std::string_view statement; // one sentence, no full stop; agreeing means less government
};

// The ten questions in question-number order (index 0 is question 1).
extern const std::array<Question, QuestionCount> QuestionCatalogue;

// Question n of the catalogue, n from 1 to 10.
const Question& QuestionAt(int number);

// The answer sheet: one value per question, indexed by question number 1..10.
class AnswerSheet {
public:
    AnswerSheet() { Initialise(); }

    void Initialise() { values_.fill(MaybeValue); }
    void Store(int question, int value);
    int operator[](int question) const;

private:
    std::array<int, QuestionCount> values_{};
};

// The program's one answer sheet. Start-up initialises it to Maybe everywhere; the quiz window's
// radio-button handlers are its only writers.
extern AnswerSheet Answers;

} // namespace quiz
