#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

// Relative luminance (0 for black, 1 for white) and contrast ratio (1:1 to 21:1), as WCAG 2
// defines them, for the tests that check how far the program's colours stand apart.
// Transparency is ignored.
namespace quiz::test {

inline double RelativeLuminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

inline double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace quiz::test
