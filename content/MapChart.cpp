#include "MapChart.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <utility>

namespace content {
namespace {

// Everything below is in chart units: pixels of the 520 x 430 box at design scale, with pixel
// (x, y) covering [x, x + 1) x [y, y + 1).

// The chart is the square of score values turned by 45 degrees, a little wider than high:
// the score point (e, p) lies at x = CentreX + StepX * (e - p), y = BottomY - StepY * (e + p).
constexpr double CentreX = 255.6;
constexpr double BottomY = 420.5;
constexpr double StepX = 2.2075;
constexpr double StepY = 2.1025;

constexpr QPointF ScorePoint(double economic, double personal) {
    return {CentreX + StepX * (economic - personal), BottomY - StepY * (economic + personal)};
}

constexpr QPointF BottomCorner = ScorePoint(0, 0);
constexpr QPointF TopCorner = ScorePoint(100, 100);
constexpr QPointF LeftCorner = ScorePoint(0, 100);
constexpr QPointF RightCorner = ScorePoint(100, 0);

// Lettering is placed by its ink, not by its em box, so the glyphs land where the layout wants
// them whatever the face's side bearings and line spacing are.
struct InkBox {
    double left;
    double right;
    double top;
    double bottom;
};

enum class Edge { Centred, Left, Right };

struct Lettering {
    const char* text;
    InkBox ink;
    Edge edge; // which horizontal edge is held; the other axis is always centred
};

// The names stand in their regions; "Left" and "Liberal" share their left edge, "Right" and
// "Conservative" their right edge. A name is a text of the catalogue, a two-line one with a line
// break, so that a language words each region as a whole; each line has a box of its own. Room
// is the widest a name's ink may be in its region: a longer translation is drawn smaller.
struct RegionName {
    const char* name;
    int line;
    InkBox ink;
    Edge edge;
    double room;
};

const RegionName RegionNames[] = {
    {QT_TRANSLATE_NOOP("MapChart", "Libertarian"), 0, {205, 305, 47, 62}, Edge::Centred, 100},
    {QT_TRANSLATE_NOOP("MapChart", "Left\nLiberal"), 0, {57, 92, 190, 206}, Edge::Left, 120},
    {QT_TRANSLATE_NOOP("MapChart", "Left\nLiberal"), 1, {57, 120, 211, 227}, Edge::Left, 120},
    {QT_TRANSLATE_NOOP("MapChart", "Centrist"), 0, {218, 292, 203, 219}, Edge::Centred, 120},
    {QT_TRANSLATE_NOOP("MapChart", "Right\nConservative"),
     0,
     {405, 454, 190, 210},
     Edge::Right,
     126},
    {QT_TRANSLATE_NOOP("MapChart", "Right\nConservative"),
     1,
     {328, 454, 211, 227},
     Edge::Right,
     126},
    {QT_TRANSLATE_NOOP("MapChart", "Authoritarian"), 0, {193, 316, 342, 358}, Edge::Centred, 130},
};

// Just outside the two lower sides, beside the grid lines 20 to 80 and the side corners. The
// left "100" starts at the box's edge, so it is held there rather than centred past it.
constexpr Lettering TickNumbers[] = {
    {"20", {186, 209, 380, 396}, Edge::Centred}, {"40", {142, 165, 338, 354}, Edge::Centred},
    {"60", {98, 120, 296, 312}, Edge::Centred},  {"80", {58, 80, 258, 273}, Edge::Centred},
    {"100", {0, 33, 212, 227}, Edge::Left},      {"20", {301, 324, 380, 396}, Edge::Centred},
    {"40", {345, 368, 338, 354}, Edge::Centred}, {"60", {390, 413, 296, 312}, Edge::Centred},
    {"80", {434, 457, 254, 269}, Edge::Centred}, {"100", {478, 512, 212, 227}, Edge::Centred},
};

// An axis title runs along a lower side, outside the diamond, with its baseline parallel to the
// side about 46 pixels out. It is placed by the point of the baseline where its ink begins. The
// titles only just fit between the tick numbers and the edges of the box, so their glyphs are
// set 3 % tighter than the face's own spacing: at full spacing the end of the economic title
// would run into the "100" beside the right corner.
struct SlantedTitle {
    const char* text;
    QPointF inkStart;
    QPointF sideFrom; // the side, in reading direction
    QPointF sideTo;
};

// A translated title longer than the English one is drawn smaller, to the English length.
const SlantedTitle AxisTitles[] = {
    {QT_TRANSLATE_NOOP("MapChart", "Personal  Self-Governor  (%)"),
     {1.5, 242},
     LeftCorner,
     BottomCorner},
    {QT_TRANSLATE_NOOP("MapChart", "Economic  Self-Governor  (%)"),
     {311.5, 430.5},
     BottomCorner,
     RightCorner},
};

constexpr double TitleSpacingPercent = 97;

// The border bars of the Centrist square, whose sides lie on e - p = -30 and 30 and on
// e + p = 70 and 130. The bars are a little thicker across x than across y because the whole
// chart is stretched that way.
constexpr QRectF CentristBars[] = {
    QRectF(QPointF(186.3, 144.0), QPointF(191.2, 275.3)),
    QRectF(QPointF(319.1, 144.0), QPointF(324.0, 275.3)),
    QRectF(QPointF(186.3, 144.0), QPointF(324.0, 148.6)),
    QRectF(QPointF(186.3, 270.6), QPointF(324.0, 275.3)),
};

constexpr double SpokeWidth = 4.8;

// A spoke leaves a corner of the Centrist square along a grid line (one score held, the other
// running out to 0 or 100) and ends flush with the diamond's side.
struct Spoke {
    QPointF start;
    double economicStep;
    double personalStep;
    QPointF sideFrom;
    QPointF sideTo;
};

constexpr Spoke Spokes[] = {
    {{188.7, 146.4}, 0, +1, LeftCorner, TopCorner},     // e = 50, p from 80 to 100
    {{321.5, 146.4}, +1, 0, TopCorner, RightCorner},    // p = 50, e from 80 to 100
    {{188.7, 272.9}, -1, 0, LeftCorner, BottomCorner},  // p = 50, e from 20 to 0
    {{321.5, 272.9}, 0, -1, BottomCorner, RightCorner}, // e = 50, p from 20 to 0
};

QFont LetteringFont() {
    // A plain sans-serif face whose capitals are about 15 pixels tall. The glyph outlines are
    // drawn as paths, so hinting would only make the ink differ between scales.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(22);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath TextOutline(const QFont& font, const QString& text) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// The outline drawn smaller, about its origin, where its ink is wider than `room`.
QPainterPath WithinRoom(const QPainterPath& outline, double room) {
    const double width = outline.boundingRect().width();
    if (width <= room)
        return outline;
    return QTransform::fromScale(room / width, room / width).map(outline);
}

// Fills an outline, first with a rim of the halo colour round it where there is one.
void FillLettering(QPainter& painter, const QPainterPath& outline, const QColor& colour,
                   const QColor& halo) {
    if (halo.alpha() != 0)
        painter.strokePath(outline, QPen(halo, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(outline, colour);
}

void DrawLettering(QPainter& painter, const QPainterPath& outline, const InkBox& box, Edge edge,
                   const QColor& colour, const QColor& halo) {
    const QRectF ink = outline.boundingRect();
    double dx = 0;
    switch (edge) {
    case Edge::Centred:
        dx = (box.left + box.right) / 2 - ink.center().x();
        break;
    case Edge::Left:
        dx = box.left - ink.left();
        break;
    case Edge::Right:
        dx = box.right - ink.right();
        break;
    }
    const double dy = (box.top + box.bottom) / 2 - ink.center().y();
    FillLettering(painter, outline.translated(dx, dy), colour, halo);
}

void DrawSlantedTitle(QPainter& painter, const QFont& font, const SlantedTitle& title,
                      const QColor& colour, const QColor& halo) {
    const QString text = QCoreApplication::translate("MapChart", title.text);
    QPainterPath outline = TextOutline(font, text);
    if (text != QLatin1String(title.text)) // measured against the English only when translated
        outline = WithinRoom(
            outline, TextOutline(font, QString::fromLatin1(title.text)).boundingRect().width());
    const QPointF side = title.sideTo - title.sideFrom;
    QTransform placement;
    placement.translate(title.inkStart.x(), title.inkStart.y());
    placement.rotate(std::atan2(side.y(), side.x()) * 180 / std::numbers::pi);
    placement.translate(-outline.boundingRect().left(), 0);
    FillLettering(painter, placement.map(outline), colour, halo);
}

QPolygonF SpokeOutline(const Spoke& spoke) {
    const QPointF direction(StepX * (spoke.economicStep - spoke.personalStep),
                            -StepY * (spoke.economicStep + spoke.personalStep));
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF halfAcross = QPointF(-direction.y(), direction.x()) * (SpokeWidth / 2 / length);
    const QLineF side(spoke.sideFrom, spoke.sideTo);
    QPolygonF outline;
    for (const QPointF& offset : {halfAcross, -halfAcross}) {
        const QPointF edgeStart = spoke.start + offset;
        QPointF end;
        QLineF(edgeStart, edgeStart + direction).intersects(side, &end);
        outline << edgeStart << end;
    }
    // Start, end of one edge, end and start of the other: a convex quadrilateral.
    std::swap(outline[2], outline[3]);
    return outline;
}

} // namespace

ChartColours ChartColoursOf(quiz::Look look) {
    using quiz::Role;
    const auto of = [look](Role role) { return quiz::ColourOf(role, look); };
    return {.zones = of(Role::ChartZones),
            .outline = of(Role::ChartOutline),
            .grid = of(Role::ChartGrid),
            .regionNames = of(Role::ChartNames),
            .borders = of(Role::ChartBorders),
            .lettering = of(Role::ChartLettering),
            .halo = of(Role::ChartHalo),
            .dot = of(Role::ChartDot),
            .dotOutline = of(Role::ChartDotOutline)};
}

void DrawPoliticalMap(QPainter& painter, const QRectF& box, const ChartColours& colours) {
    if (box.isEmpty())
        return;
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.translate(box.topLeft());
    painter.scale(box.width() / MapChartSize.width(), box.height() / MapChartSize.height());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    const QPolygonF diamond{BottomCorner, LeftCorner, TopCorner, RightCorner};
    painter.setBrush(colours.zones);
    painter.drawPolygon(diamond);

    // The grid is drawn without antialiasing so that its 1-pixel lines stay pure white at design
    // scale instead of smearing into two grey rows; at higher pixel ratios the same 1-unit pen
    // covers proportionally more device pixels and stays white as well. Clipping to the diamond
    // keeps the ends of the lines from spilling past the antialiased sides.
    painter.save();
    QPainterPath inside;
    inside.addPolygon(diamond);
    painter.setClipPath(inside, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colours.grid, 1.0));
    for (int k = 10; k <= 90; k += 10) {
        painter.drawLine(ScorePoint(0, k), ScorePoint(100, k));
        painter.drawLine(ScorePoint(k, 0), ScorePoint(k, 100));
    }
    painter.restore();

    const QFont font = LetteringFont();
    for (const RegionName& name : RegionNames) {
        const QString line =
            QCoreApplication::translate("MapChart", name.name).split(u'\n').value(name.line);
        DrawLettering(painter, WithinRoom(TextOutline(font, line), name.room), name.ink, name.edge,
                      colours.regionNames, colours.halo);
    }
    for (const Lettering& tick : TickNumbers)
        DrawLettering(painter, TextOutline(font, QString::fromLatin1(tick.text)), tick.ink,
                      tick.edge, colours.lettering, colours.halo);

    painter.setBrush(colours.borders);
    for (const QRectF& bar : CentristBars)
        painter.drawRect(bar);
    for (const Spoke& spoke : Spokes)
        painter.drawPolygon(SpokeOutline(spoke));
    if (colours.outline.alpha() != 0) {
        painter.setPen(QPen(colours.outline, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(diamond);
        painter.setPen(Qt::NoPen);
    }

    QFont titleFont = font;
    titleFont.setLetterSpacing(QFont::PercentageSpacing, TitleSpacingPercent);
    for (const SlantedTitle& title : AxisTitles)
        DrawSlantedTitle(painter, titleFont, title, colours.lettering, colours.halo);

    painter.restore();
}

} // namespace content
