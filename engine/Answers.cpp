#include "Answers.h"

#include <cassert>

namespace quiz {

// clang-format off
const std::array<Question, QuestionCount> QuestionCatalogue{{
    {1, Group::Personal, "Conscription",
     "Military service should be voluntary, never compulsory"},
    {2, Group::Personal, "Media",
     "Government should not control radio, TV, press or Internet"},
    {3, Group::Personal, "Privacy",
     "Laws should not govern sex between consenting adults"},
    {4, Group::Personal, "Prohibition",
     "Repeal the laws against buying and using drugs"},
    {5, Group::Personal, "Borders",
     "Peaceful people should be free to cross any border"},
    {6, Group::Economic, "Subsidies",
     "End government subsidies to businesses and farms"},
    {7, Group::Economic, "Protectionism",
     "Replace tariffs and import quotas with free trade"},
    {8, Group::Economic, "Labor",
     "Abolish minimum-wage laws and let wages be agreed freely"},
    {9, Group::Economic, "Income Tax",
     "Replace taxes with fees paid by those who use a service"},
    {10, Group::Economic, "Defense",
     "Our government should stop policing the rest of the world"},
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
