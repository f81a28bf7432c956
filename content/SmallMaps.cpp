#include "Catalogue.h"
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cmath>
#include <numbers>

// The small profile maps: the diamond of the political map in grey, cut into a centre square and
// four corner zones, with one zone in aqua. Drawn in a logical frame of 4608 x 4608 units with the
// origin in the middle and y growing downwards, then stretched into the caller's box.

namespace content {
namespace {

constexpr qreal FrameSize = 4608;
constexpr qreal DiamondHalf = 2260; // centre to each corner of the diamond
constexpr qreal InnerHalf = 676;    // centre to each side of the inner square
constexpr qreal LineWidth = 32;     // outlines (which lie inside their shape) and dividing lines

// A square turned by 45 degrees, corners on the axes.
QPolygonF Diamond(qreal half) {
    return QPolygonF({QPointF(0, -half), QPointF(half, 0), QPointF(0, half), QPointF(-half, 0)});
}

QPolygonF Square(qreal half) {
    return QPolygonF(QRectF(-half, -half, 2 * half, 2 * half));
}

// The band between a closed outline and the same shape drawn smaller: an outline drawn inside.
QPainterPath Band(const QPolygonF& outer, const QPolygonF& inner) {
    QPainterPath band;
    band.setFillRule(Qt::OddEvenFill);
    band.addPolygon(outer);
    band.closeSubpath();
    band.addPolygon(inner);
    band.closeSubpath();
    return band;
}

// A diamond's edges run at 45 degrees, so moving them in by d brings the corners in by d * sqrt 2.
constexpr qreal DiamondInside = DiamondHalf - LineWidth * std::numbers::sqrt2;

// The top (Libertarian) zone, up to the inside of the diamond's outline: the top corner down to the
// midpoints of the two upper edges, in along the diagonals to the inner square's top corners, and
// along its top side. The dividing lines and the inner square's outline are drawn over its edges.
QPolygonF TopZone() {
    const qreal m = DiamondInside / 2;
    return QPolygonF({QPointF(0, -DiamondInside), QPointF(m, -m), QPointF(InnerHalf, -InnerHalf),
                      QPointF(-InnerHalf, -InnerHalf), QPointF(-m, -m)});
}

// The dividing line from the inner square's top-right corner to the midpoint of the diamond's
// upper-right edge: a band LineWidth wide along the diagonal, cut off by the rectangle between
// those two points (so both of its ends are square to the frame, not to the line).
QPolygonF TopRightDividingLine() {
    const qreal a = InnerHalf;                           // the line runs from (a, -a) ...
    const qreal b = DiamondHalf / 2;                     // ... to (b, -b)
    const qreal d = LineWidth / 2 * std::numbers::sqrt2; // band |x + y| <= d, measured along x
    return QPolygonF({QPointF(a, -a), QPointF(a + d, -a), QPointF(b, -b + d), QPointF(b, -b),
                      QPointF(b - d, -b), QPointF(a, -a - d)});
}

// The outer zones are quarter turns of the top one, clockwise on the screen.
qreal ZoneTurn(int philosophy) {
    switch (philosophy) {
    case 1: // Libertarian: top
        return 0;
    case 4: // Right Conservative: right
        return 90;
    case 5: // Authoritarian: bottom
        return 180;
    case 2: // Left Liberal: left
        return 270;
    default:
        return -1;
    }
}

} // namespace

SmallMapColours SmallMapColoursOf(quiz::Look look) {
    using quiz::Role;
    return {quiz::ColourOf(Role::SmallMapPaper, look), quiz::ColourOf(Role::SmallMapInk, look),
            quiz::ColourOf(Role::SmallMapZones, look),
            quiz::ColourOf(Role::SmallMapHighlight, look),
            quiz::ColourOf(Role::SmallMapCentre, look)};
}

void DrawSmallMap(QPainter& painter, const QRectF& box, int philosophy,
                  const SmallMapColours& colours) {
    Q_ASSERT(IsPhilosophy(philosophy));

    painter.save();
    QTransform frameToBox;
    frameToBox.translate(box.center().x(), box.center().y());
    frameToBox.scale(box.width() / FrameSize, box.height() / FrameSize);
    painter.setTransform(frameToBox, true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    painter.fillRect(QRectF(-FrameSize / 2, -FrameSize / 2, FrameSize, FrameSize), colours.paper);

    painter.setBrush(colours.zones);
    painter.drawPolygon(Diamond(DiamondHalf));
    painter.fillPath(Band(Diamond(DiamondHalf), Diamond(DiamondInside)), colours.ink);

    const qreal turn = ZoneTurn(philosophy);
    if (turn >= 0) {
        painter.setBrush(colours.highlight);
        painter.drawPolygon(QTransform().rotate(turn).map(TopZone()));
    }

    painter.setBrush(colours.ink);
    for (const qreal lineTurn : {0.0, 90.0, 180.0, 270.0})
        painter.drawPolygon(QTransform().rotate(lineTurn).map(TopRightDividingLine()));

    if (philosophy == 3) {
        painter.setBrush(colours.centre);
        painter.drawPolygon(Square(InnerHalf));
    }
    painter.fillPath(Band(Square(InnerHalf), Square(InnerHalf - LineWidth)), colours.ink);

    painter.restore();
}

} // namespace content
