#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

namespace content {

// The chart's own box, in pixels at design scale.
inline constexpr QSizeF MapChartSize{520, 430};

// Draws the political map chart stretched into `box` (x and y scaled independently). It draws
// no background: everything outside its shapes keeps what was there, and nothing is drawn
// outside `box`. The painter's state is left as it was found.
void DrawPoliticalMap(QPainter& painter, const QRectF& box);

} // namespace content
