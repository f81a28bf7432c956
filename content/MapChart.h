#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include "Colours.h"

class QPainter;

namespace content {

// The chart's own box, in pixels at design scale.
inline constexpr QSizeF MapChartSize{520, 430};

// The colours of the chart and of the red dot that marks the result on it.
struct ChartColours {
    QColor zones;       // the diamond's fill, behind every region
    QColor outline;     // round the diamond; transparent for none
    QColor grid;        // the lines between the cells of 10 points
    QColor regionNames; // on the zones
    QColor borders;     // the bars between the regions
    QColor lettering;   // tick numbers and axis titles, beside the diamond
    QColor halo;        // a rim round every lettering, so no line runs through it; or transparent
    QColor dot;
    QColor dotOutline;
};

// The chart's colours in a look. As designed: a blue diamond with white lines and names, black
// lettering beside it, a red dot outlined in black. In high contrast: zones in the background
// colour, kept apart by borders in the text colour and outlined in it, the grid in the muted
// shade, every name and number in the text colour on a rim of the background. The dot stays red,
// which stands out against both black and white, in an outline of the text colour.
ChartColours ChartColoursOf(quiz::Look look);

// Draws the political map chart stretched into `box` (x and y scaled independently). It draws
// no background: everything outside its shapes keeps what was there, and nothing is drawn
// outside `box`. The painter's state is left as it was found.
void DrawPoliticalMap(QPainter& painter, const QRectF& box,
                      const ChartColours& colours = ChartColoursOf(quiz::Look::Design));

} // namespace content
