#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// The red dot's box on the map window, placed by its top-left corner. Its size never changes;
// the circle inside runs from Left + 1 to Left + 17 and from Top to Top + 16.
struct DotBox {
    int left;
    int top;
    static constexpr int width = 19;
    static constexpr int height = 16;
    friend bool operator==(const DotBox&, const DotBox&) = default;
};

// An invisible click zone of the map window, in client pixels. The map window places its zone
// controls from this table.
struct HotZone {
    std::string_view controlName;
    int left;
    int top;
    int width;
    int height;
    int philosophy;
    bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

inline constexpr std::array<HotZone, 5> HotZones{{
    {"imgHotBedLib", 200, 40, 121, 105, 1},
    {"imgHotBedLeft", 56, 160, 137, 121, 2},
    {"imgHotBedCent", 200, 160, 121, 113, 3},
    {"imgHotBedRight", 336, 160, 137, 121, 4},
    {"imgHotBedAuth", 200, 288, 129, 113, 5},
}};

std::string PersonalScoreCaption(int personal);
std::string EconomicScoreCaption(int economic);
std::string ScoringExplanation(int personal, int economic);

// The result in words, one sentence each: the philosophy (none before the first calculation) and
// where the red dot stands. Screen readers hear them on the map, and the map copies them.
std::vector<std::string> ResultInWords(int personal, int economic, std::string_view philosophy);

DotBox DotBounds(int personal, int economic);

// The philosophy number of the zone holding the point, if any.
std::optional<int> HotZoneAt(int x, int y);

// round(numerator / denominator) with exact halves going to the even neighbour.
long long RoundHalfEven(long long numerator, long long denominator);

} // namespace quiz
