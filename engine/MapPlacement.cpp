#include "MapPlacement.h"

#include "Answers.h"

#include <cassert>
#include <cstdlib>

namespace quiz {

std::string PersonalScoreCaption(int personal) {
    return "Your Personal Self-Government Score Is " + std::to_string(personal);
}

std::string EconomicScoreCaption(int economic) {
    return "Your Economic Self-Government Score Is " + std::to_string(economic);
}

std::string ScoringExplanation(int personal, int economic) {
    std::string text = "You get " + std::to_string(YesValue) + " for each \"Yes,\" " +
                       std::to_string(MaybeValue) + " for each \"Maybe,\" and " +
                       std::to_string(NoValue) + " for every \"No.\" ";
    text += "Your score on personal issues was ";
    text += std::to_string(personal);
    text += "%, and your economic score was ";
    text += std::to_string(economic);
    text += "%.  The red dot on the graph shows where your scores meet.";
    return text;
}

std::vector<std::string> ResultInWords(int personal, int economic, std::string_view philosophy) {
    std::vector<std::string> words;
    if (!philosophy.empty())
        words.push_back("Your philosophy is " + std::string(philosophy) + ".");
    words.push_back("The red dot marks a personal self-government score of " +
                    std::to_string(personal) + " and an economic self-government score of " +
                    std::to_string(economic) + ".");
    return words;
}

long long RoundHalfEven(long long numerator, long long denominator) {
    assert(denominator > 0);
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator; // same sign as the numerator
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    // Now numerator = quotient * denominator + remainder with 0 <= remainder < denominator.
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

DotBox DotBounds(int personal, int economic) {
    const int d = economic - personal;
    const int s = economic + personal;
    // 2.17 * d and 2.1 * s are worked out in exact integer hundredths and tenths, so that the
    // halves at d = +-50 (108.5) really are halves and go to the even neighbour.
    const long long shift = RoundHalfEven(217LL * d, 100);
    const long long rise = RoundHalfEven(21LL * s, 10);
    return {static_cast<int>(255 + shift), static_cast<int>(419 - rise)};
}

std::optional<int> HotZoneAt(int x, int y) {
    for (const HotZone& zone : HotZones) {
        if (zone.Contains(x, y))
            return zone.philosophy;
    }
    return std::nullopt;
}

} // namespace quiz
