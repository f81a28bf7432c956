#pragma once

#include <array>
#include <string_view>

// The controls that stand for each question in the quiz window, as its form names them: the
// statement's label and the item of the Quotes menu with its caption (three blanks, then the
// topic with its access mark), in question order.
namespace testing {

struct QuestionControls {
    std::string_view labelName;
    std::string_view menuItemName;
    std::string_view menuCaption;
};

// clang-format off
inline constexpr std::array<QuestionControls, 10> QuestionControlTable{{
    {"lblQ1", "mnuQuotesConscription", "   &Conscription"},
    {"lblQ2", "mnuQuotesMedia", "   &Media"},
    {"lblQ3", "mnuQuotesPrivacy", "   &Privacy"},
    {"lblQ4", "mnuQuotesProhibition", "   P&rohibition"},
    {"lblQ5", "mnuQuotesBorders", "   &Borders"},
    {"lblQ6", "mnuQuotesSubsidies", "   &Subsidies"},
    {"lblQ7", "mnuQuotesProtectionism", "   Pr&otectionism"},
    {"lblQ8", "mnuQuotesLabor", "   &Labor"},
    {"lblQ9", "mnuQuotesTaxes", "   &Income Tax"},
    {"lblQ10", "mnuQuotesDefense", "   &Defense"},
}};
// clang-format on

// The controls of question n, n from 1 to 10.
inline const QuestionControls& ControlsOf(int number) {
    return QuestionControlTable[static_cast<std::size_t>(number - 1)];
}

} // namespace testing
