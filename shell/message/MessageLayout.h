#pragma once

#include <vector>

#include "Placement.h"

// Geometry of the message dialog, worked out from the dialog font's average character width w
// and height h ("dialog units"), the wrapped text's size and the number of buttons. Plain
// integer arithmetic, so the whole layout can be checked without a window.
namespace quiz {

struct MessageLayout {
    int horizontalMargin = 0;
    int verticalMargin = 0;
    int horizontalSpacing = 0;
    int verticalSpacing = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int buttonSpacing = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    LayoutRect icon;
    LayoutRect text;
    std::vector<LayoutRect> buttons; // in the order Yes, No, OK of those present
};

inline constexpr int MessageIconSize = 32;

// n dialog units of a horizontal (w / 4) or vertical (h / 8) unit, halves rounded up.
constexpr int HorizontalUnits(int n, int w) {
    return (n * w + 2) / 4;
}
constexpr int VerticalUnits(int n, int h) {
    return (n * h + 4) / 8;
}

// Text wider than this wraps.
constexpr int MessageWrapWidth(int screenWidth) {
    return screenWidth / 2;
}

MessageLayout LayOutMessage(int w, int h, int textWidth, int textHeight, int buttonCount);

} // namespace quiz
