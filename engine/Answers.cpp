#include "Answers.h"

#include "Shown.h"

#include <cassert>

namespace quiz {

// clang-format off
const std::array<Question, QuestionCount> QuestionCatalogue{{
    {1, Group::Personal, QUIZ_SHOWN("Questions", "Conscription"),
     QUIZ_SHOWN("Questions", "Military service should be voluntary, never compulsory")},
    {2, Group::Personal, QUIZ_SHOWN("Questions", "Media"),
     QUIZ_SHOWN("Questions", "Government should not control radio, TV, press or Internet")},
    {3, Group::Personal, QUIZ_SHOWN("Questions", "Privacy"),
     QUIZ_SHOWN("Questions", "Laws should not govern sex between consenting adults")},
    {4, Group::Personal, QUIZ_SHOWN("Questions", "Prohibition"),
     QUIZ_SHOWN("Questions", "Repeal the laws against buying and using drugs")},
    {5, Group::Personal, QUIZ_SHOWN("Questions", "Borders"),
     QUIZ_SHOWN("Questions", "Peaceful people should be free to cross any border")},
    {6, Group::Economic, QUIZ_SHOWN("Questions", "Subsidies"),
     QUIZ_SHOWN("Questions", "End government subsidies to businesses and farms")},
    {7, Group::Economic, QUIZ_SHOWN("Questions", "Protectionism"),
     QUIZ_SHOWN("Questions", "Replace tariffs and import quotas with free trade")},
    {8, Group::Economic, QUIZ_SHOWN("Questions", "Labor"),
     QUIZ_SHOWN("Questions", "Abolish minimum-wage laws and let wages be agreed freely")},
    {9, Group::Economic, QUIZ_SHOWN("Questions", "Income Tax"),
     QUIZ_SHOWN("Questions", "Replace taxes with fees paid by those who use a service")},
    {10, Group::Economic, QUIZ_SHOWN("Questions", "Defense"),
     QUIZ_SHOWN("Questions", "Our government should stop policing the rest of the world")},
}};
// clang-format on

AnswerSheet Answers;

const Question& QuestionAt(int number) {
    assert(number >= 1 && number <= QuestionCount);
    return QuestionCatalogue[static_cast<std::size_t>(number - 1)];
}

void AnswerSheet::Store(int question, int value) {
    assert(question >= 1 && question <= QuestionCount);
    assert(value == YesValue || value == MaybeValue || value == NoValue);
    values_[static_cast<std::size_t>(question - 1)] = value;
}

int AnswerSheet::operator[](int question) const {
    assert(question >= 1 && question <= QuestionCount);
    return values_[static_cast<std::size_t>(question - 1)];
}

} // namespace quiz
