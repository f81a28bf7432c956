#include <QtTest>

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "MapChart.h"
#include "MapPlacement.h"

namespace {

const QRgb Aqua = qRgb(0, 255, 255);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);

// The layout of the chart, written down here independently of the drawing code.
QPointF ScorePoint(double economic, double personal) {
    return {255.6 + 2.2075 * (economic - personal), 420.5 - 2.1025 * (economic + personal)};
}
void Scores(QPointF point, double& economic, double& personal) {
    const double difference = (point.x() - 255.6) / 2.2075;
    const double sum = (420.5 - point.y()) / 2.1025;
    economic = (sum + difference) / 2;
    personal = (sum - difference) / 2;
}
// Distance in score points from the nearest grid line (e or p = 10, 20, ..., 90).
double GridDistance(QPointF point) {
    double e = 0, p = 0;
    Scores(point, e, p);
    auto distance = [](double v) {
        const double k = std::clamp(std::round(v / 10) * 10, 10.0, 90.0);
        return std::abs(v - k);
    };
    return std::min(distance(e), distance(p));
}
bool InsideDiamond(QPointF point, double marginPoints = 0) {
    double e = 0, p = 0;
    Scores(point, e, p);
    return e >= marginPoints && e <= 100 - marginPoints && p >= marginPoints &&
           p <= 100 - marginPoints;
}

struct Extent {
    const char* text;
    QRectF box;
};
QRectF Span(double x0, double x1, double y0, double y1) {
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

const Extent RegionNames[] = {
    {"Libertarian", Span(205, 305, 47, 62)},     {"Left", Span(57, 92, 190, 206)},
    {"Liberal", Span(57, 120, 211, 227)},        {"Centrist", Span(218, 292, 203, 219)},
    {"Right", Span(405, 454, 190, 210)},         {"Conservative", Span(328, 454, 211, 227)},
    {"Authoritarian", Span(193, 316, 342, 358)},
};
const Extent TickNumbers[] = {
    {"personal 20", Span(186, 209, 380, 396)}, {"personal 40", Span(142, 165, 338, 354)},
    {"personal 60", Span(98, 120, 296, 312)},  {"personal 80", Span(58, 80, 258, 273)},
    {"personal 100", Span(0, 33, 212, 227)},   {"economic 20", Span(301, 324, 380, 396)},
    {"economic 40", Span(345, 368, 338, 354)}, {"economic 60", Span(390, 413, 296, 312)},
    {"economic 80", Span(434, 457, 254, 269)}, {"economic 100", Span(478, 512, 212, 227)},
};
const QRectF CentristBars[] = {
    Span(186.3, 191.2, 144.0, 275.3),
    Span(319.1, 324.0, 144.0, 275.3),
    Span(186.3, 324.0, 144.0, 148.6),
    Span(186.3, 324.0, 270.6, 275.3),
};
const QLineF Spokes[] = {
    {188.7, 146.4, 144.5, 104.3},
    {321.5, 146.4, 365.8, 104.2},
    {188.7, 272.9, 144.5, 315.1},
    {321.5, 272.9, 365.8, 315.2},
};
struct Title {
    const char* text;
    QPointF from;
    QPointF to;
    QLineF side;
};
const Title AxisTitles[] = {
    {"personal", {1, 239}, {198, 429}, {ScorePoint(0, 100), ScorePoint(0, 0)}},
    {"economic", {306, 430}, {520, 229}, {ScorePoint(0, 0), ScorePoint(100, 0)}},
};

double DistanceToSegment(QPointF point, const QLineF& segment) {
    const QPointF d = segment.p2() - segment.p1();
    const double t = std::clamp(
        QPointF::dotProduct(point - segment.p1(), d) / QPointF::dotProduct(d, d), 0.0, 1.0);
    const QPointF nearest = segment.p1() + t * d;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

// Near the borders or a region name, where a white pixel is not grid and a blue one not a cell.
bool NearBordersOrNames(QPointF point, double margin) {
    for (const QRectF& bar : CentristBars)
        if (bar.adjusted(-margin, -margin, margin, margin).contains(point))
            return true;
    for (const QLineF& spoke : Spokes)
        if (DistanceToSegment(point, spoke) < 2.5 + margin)
            return true;
    for (const Extent& name : RegionNames)
        if (name.box.adjusted(-margin, -margin, margin, margin).contains(point))
            return true;
    return false;
}

QImage Render(qreal pixelRatio, QSize logicalSize = {520, 430}, QRectF box = {0, 0, 520, 430}) {
    QImage image(logicalSize * pixelRatio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Aqua);
    {
        QPainter painter(&image);
        content::DrawPoliticalMap(painter, box);
    }
    return image;
}

// The device pixel that holds a logical point.
QRgb At(const QImage& image, QPointF logical) {
    const double ratio = image.devicePixelRatio();
    return image.pixel(int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio)));
}

QString Describe(QRgb c) {
    return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}
QString Where(QPointF p) {
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// White lettering over blue is inked where a pixel is at least half white; black lettering
// over aqua where it is at least half black.
bool WhiteInk(QRgb c) {
    return qRed(c) >= 128 && qGreen(c) >= 128;
}
bool BlackInk(QRgb c) {
    return qGreen(c) < 128 && qBlue(c) < 128;
}

// The logical centre of a device pixel.
QPointF LogicalCentre(const QImage& image, int x, int y) {
    const double ratio = image.devicePixelRatio();
    return {(x + 0.5) / ratio, (y + 0.5) / ratio};
}

// Inked pixels of lettering: white pixels off the grid and the borders, or black pixels.
std::vector<QPointF> InkedPixels(const QImage& image, bool white) {
    std::vector<QPointF> inked;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const QPointF centre = LogicalCentre(image, x, y);
            if (white) {
                if (!WhiteInk(c) || GridDistance(centre) < 0.5)
                    continue;
                bool onBorder = false;
                for (const QRectF& bar : CentristBars)
                    onBorder = onBorder || bar.adjusted(-1, -1, 1, 1).contains(centre);
                for (const QLineF& spoke : Spokes)
                    onBorder = onBorder || DistanceToSegment(centre, spoke) < 4;
                if (onBorder)
                    continue;
            } else if (!BlackInk(c)) {
                continue;
            }
            inked.push_back(centre);
        }
    }
    return inked;
}

double DistanceToRect(QPointF point, const QRectF& rect) {
    const double dx = std::max({rect.left() - point.x(), 0.0, point.x() - rect.right()});
    const double dy = std::max({rect.top() - point.y(), 0.0, point.y() - rect.bottom()});
    return std::hypot(dx, dy);
}

// Hands each inked pixel to the nearest of the boxes, if it lies within `margin` of it, and
// gives the logical box spanned by each box's pixels; pixels near none are left over.
std::vector<QRectF> InkBoxes(const QImage& image, const std::vector<QPointF>& inked,
                             const std::vector<QRectF>& boxes, double margin,
                             std::vector<QPointF>* leftOver) {
    const double half = 0.5 / image.devicePixelRatio();
    std::vector<QRectF> spans(boxes.size());
    for (const QPointF& p : inked) {
        std::size_t nearest = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (DistanceToRect(p, boxes[i]) < DistanceToRect(p, boxes[nearest]))
                nearest = i;
        if (DistanceToRect(p, boxes[nearest]) > margin) {
            if (leftOver)
                leftOver->push_back(p);
            continue;
        }
        const QRectF pixel(p - QPointF(half, half), p + QPointF(half, half));
        spans[nearest] = spans[nearest].isNull() ? pixel : spans[nearest].united(pixel);
    }
    return spans;
}

// The dark pixels connected to `seed` (eight neighbours), as logical pixel centres.
std::vector<QPointF> DarkComponent(const QImage& image, QPoint seed, std::vector<char>& seen) {
    auto dark = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qGreen(c) < 200 && qBlue(c) < 200;
    };
    std::vector<QPointF> component;
    std::vector<QPoint> stack{seed};
    seen[std::size_t(seed.y() * image.width() + seed.x())] = 1;
    while (!stack.empty()) {
        const QPoint at = stack.back();
        stack.pop_back();
        component.push_back(LogicalCentre(image, at.x(), at.y()));
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint next = at + QPoint(dx, dy);
                if (next.x() < 0 || next.y() < 0 || next.x() >= image.width() ||
                    next.y() >= image.height())
                    continue;
                char& mark = seen[std::size_t(next.y() * image.width() + next.x())];
                if (!mark && dark(next.x(), next.y())) {
                    mark = 1;
                    stack.push_back(next);
                }
            }
        }
    }
    return component;
}

} // namespace

class TestMapChart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const QFontInfo info(QFont(QStringLiteral("Liberation Sans")));
        QVERIFY2(info.family() == QStringLiteral("Liberation Sans"),
                 qPrintable("the lettering face is missing; got " + info.family()));
        // Pictures to look at by eye.
        QVERIFY(Render(1).save(QDir::tempPath() + QStringLiteral("/mapchart_1x.png")));
        QVERIFY(Render(2).save(QDir::tempPath() + QStringLiteral("/mapchart_2x.png")));
    }

    void shapesAndColours_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("2x") << qreal(2);
    }
    void shapesAndColours() {
        QFETCH(qreal, ratio);
        const QImage image = Render(ratio);

        // Every cell of the 10 x 10 grid is blue in its middle, except where a name or a border
        // covers it.
        int cells = 0;
        for (int e = 5; e < 100; e += 10) {
            for (int p = 5; p < 100; p += 10) {
                const QPointF centre = ScorePoint(e, p);
                if (NearBordersOrNames(centre, 3))
                    continue;
                ++cells;
                QVERIFY2(At(image, centre) == Blue,
                         qPrintable(QStringLiteral("cell e %1 p %2 is %3")
                                        .arg(e)
                                        .arg(p)
                                        .arg(Describe(At(image, centre)))));
            }
        }
        QVERIFY(cells > 60);

        // Outside the diamond the aqua stays: the corners of the box and just beyond each side,
        // between the grid lines and beside the corners.
        for (QPointF corner :
             {QPointF(0.5, 0.5), QPointF(519.5, 0.5), QPointF(0.5, 429.5), QPointF(519.5, 429.5),
              QPointF(30, 210.2), QPointF(481, 210.2), QPointF(255.6, 424.5)})
            QCOMPARE(Describe(At(image, corner)), Describe(Aqua));
        const QPointF sides[4][2] = {{ScorePoint(0, 0), ScorePoint(0, 100)},
                                     {ScorePoint(0, 100), ScorePoint(100, 100)},
                                     {ScorePoint(100, 100), ScorePoint(100, 0)},
                                     {ScorePoint(100, 0), ScorePoint(0, 0)}};
        for (const auto& side : sides) {
            const QPointF centre = ScorePoint(50, 50);
            for (double t = 0.05; t < 1; t += 0.05) {
                const QPointF onSide = side[0] + t * (side[1] - side[0]);
                const QPointF d = side[1] - side[0];
                QPointF outward(d.y(), -d.x());
                outward /= std::hypot(outward.x(), outward.y());
                if (QPointF::dotProduct(outward, onSide - centre) < 0)
                    outward = -outward;
                const QPointF beyond = onSide + 2 * outward;
                bool nearTick = false;
                for (const Extent& tick : TickNumbers)
                    nearTick = nearTick || tick.box.adjusted(-2, -2, 2, 2).contains(beyond);
                if (nearTick)
                    continue;
                QVERIFY2(At(image, beyond) == Aqua,
                         qPrintable(Where(beyond) + " is " + Describe(At(image, beyond))));
            }
        }

        // The borders are white: the middles of the four bars of the Centrist square and of the
        // four spokes.
        for (QPointF onBorder : {QPointF(188.75, 180), QPointF(321.55, 250), QPointF(230, 146.3),
                                 QPointF(280, 272.95)})
            QCOMPARE(Describe(At(image, onBorder)), Describe(White));
        for (const QLineF& spoke : Spokes)
            QCOMPARE(Describe(At(image, spoke.center())), Describe(White));

        // Nothing black inside the diamond: the titles and tick numbers stay outside it.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPointF centre = LogicalCentre(image, x, y);
                if (InsideDiamond(centre, 0.5) && BlackInk(image.pixel(x, y)))
                    QFAIL(qPrintable("black inside the diamond at " + Where(centre)));
            }
        }
    }

    void gridLinesArePureWhite_data() { shapesAndColours_data(); }
    void gridLinesArePureWhite() {
        QFETCH(qreal, ratio);
        const QImage image = Render(ratio);
        // Along each of the 18 lines, every device column near the line is pure blue or pure
        // white (no grey from smearing), holds white within a pixel of the line, and is blue
        // three pixels away from it (the line is thin).
        int checked = 0;
        for (int k = 10; k <= 90; k += 10) {
            for (bool alongEconomic : {true, false}) {
                for (double t = 2; t <= 98; t += 0.25) {
                    const QPointF onLine = alongEconomic ? ScorePoint(t, k) : ScorePoint(k, t);
                    if (NearBordersOrNames(onLine, 4))
                        continue;
                    // Crossings with the other family of lines are not a column of one line.
                    double e = 0, p = 0;
                    Scores(onLine, e, p);
                    const double across = alongEconomic ? e : p;
                    if (std::abs(across - std::round(across / 10) * 10) < 1.5)
                        continue;
                    const int column = int(std::floor(onLine.x() * ratio));
                    const int row = int(std::floor(onLine.y() * ratio));
                    const int reach = int(ratio);
                    bool white = false;
                    for (int y = row - 2 * reach; y <= row + 2 * reach; ++y) {
                        const QRgb c = image.pixel(column, y);
                        QVERIFY2(c == White || c == Blue,
                                 qPrintable(Describe(c) + " near the grid at " + Where(onLine)));
                        white = white || (c == White && std::abs(y - row) <= reach);
                    }
                    QVERIFY2(white, qPrintable("no grid line at " + Where(onLine)));
                    QCOMPARE(Describe(At(image, onLine + QPointF(0, 3))), Describe(Blue));
                    QCOMPARE(Describe(At(image, onLine - QPointF(0, 3))), Describe(Blue));
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 2000);
    }

    void letteringExtents_data() { shapesAndColours_data(); }
    void letteringExtents() {
        QFETCH(qreal, ratio);
        const QImage image = Render(ratio);
        const double tolerance = 2;
        auto check = [&](const Extent& extent, const QRectF& measured) {
            const QRectF& want = extent.box;
            qInfo("%gx %-14s ink x %6.1f-%6.1f y %6.1f-%6.1f (layout x %g-%g y %g-%g)",
                  double(ratio), extent.text, measured.left(), measured.right(), measured.top(),
                  measured.bottom(), want.left(), want.right(), want.top(), want.bottom());
            const bool close = std::abs(measured.left() - want.left()) <= tolerance &&
                               std::abs(measured.right() - want.right()) <= tolerance &&
                               std::abs(measured.top() - want.top()) <= tolerance &&
                               std::abs(measured.bottom() - want.bottom()) <= tolerance;
            QVERIFY2(close, extent.text);
        };

        // Each name's white ink spans its box, and no white ink lies off the grid and the
        // borders farther than 3 pixels from the names' boxes.
        std::vector<QRectF> boxes;
        for (const Extent& name : RegionNames)
            boxes.push_back(name.box);
        std::vector<QPointF> stray;
        std::vector<QRectF> spans = InkBoxes(image, InkedPixels(image, true), boxes, 3, &stray);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            check(RegionNames[i], spans[i]);
        for (const QPointF& p : stray)
            QFAIL(qPrintable("stray white at " + Where(p)));

        // The tick numbers with black ink. A tick's ink is every dark shape that reaches into
        // its box, and none of them may stray beyond the box: a title glyph touching a digit would
        // join its shape. All other black ink belongs to the titles.
        std::vector<char> seen(std::size_t(image.width() * image.height()), 0);
        std::vector<QPointF> titleInk;
        for (const Extent& tick : TickNumbers) {
            const QRect device(
                QPoint(int(tick.box.left() * ratio), int(tick.box.top() * ratio)),
                QPoint(int(tick.box.right() * ratio) - 1, int(tick.box.bottom() * ratio) - 1));
            std::vector<QPointF> ink;
            for (int y = device.top(); y <= device.bottom(); ++y) {
                for (int x = device.left(); x <= device.right(); ++x) {
                    if (seen[std::size_t(y * image.width() + x)] || !BlackInk(image.pixel(x, y)))
                        continue;
                    for (const QPointF& p : DarkComponent(image, QPoint(x, y), seen)) {
                        QVERIFY2(DistanceToRect(p, tick.box) <= 2,
                                 qPrintable(Where(p) + " touches " + tick.text));
                        if (BlackInk(At(image, p)))
                            ink.push_back(p);
                    }
                }
            }
            check(tick, InkBoxes(image, ink, {tick.box}, 3, nullptr).front());
        }
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!seen[std::size_t(y * image.width() + x)] && BlackInk(image.pixel(x, y)))
                    titleInk.push_back(LogicalCentre(image, x, y));

        // The titles lie in a band parallel to their sides, from a little beyond the tick
        // numbers to about a line of lettering farther out, and run about the stretch of the
        // side from one edge of the box to the other.
        std::vector<int> claimed(titleInk.size(), 0);
        for (const Title& title : AxisTitles) {
            const QLineF side = title.side;
            const QPointF along = (side.p2() - side.p1()) / side.length();
            QPointF outward(along.y(), -along.x());
            if (QPointF::dotProduct(outward, side.p1() - ScorePoint(50, 50)) < 0)
                outward = -outward;
            double first = 1e9, last = -1e9, nearest = 1e9, farthest = -1e9;
            for (std::size_t i = 0; i < titleInk.size(); ++i) {
                const double out = QPointF::dotProduct(titleInk[i] - side.p1(), outward);
                const double on = QPointF::dotProduct(titleInk[i] - side.p1(), along);
                if (out < 0 || on < -60 || on > side.length() + 60)
                    continue;
                claimed[i] = 1;
                first = std::min(first, on);
                last = std::max(last, on);
                nearest = std::min(nearest, out);
                farthest = std::max(farthest, out);
            }
            const double from = QPointF::dotProduct(title.from - side.p1(), along);
            const double to = QPointF::dotProduct(title.to - side.p1(), along);
            qInfo("%gx %s title: ink along the side %.1f to %.1f (layout %.1f to %.1f), "
                  "%.1f to %.1f outside it",
                  double(ratio), title.text, first, last, from, to, nearest, farthest);
            QVERIFY(std::abs(first - from) <= 6);
            QVERIFY(std::abs(last - to) <= 12);
            QVERIFY(nearest >= 26 && nearest <= 34);
            QVERIFY(farthest >= 44 && farthest <= 54);
        }
        for (std::size_t i = 0; i < titleInk.size(); ++i)
            QVERIFY2(claimed[i], qPrintable("stray black at " + Where(titleInk[i])));
    }

    void doubleRatioMatchesDesignScale() {
        const QImage single = Render(1);
        const QImage twice = Render(2);
        // Wherever a pixel and its eight neighbours agree at design scale, the four device
        // pixels covering it at twice the ratio have that colour too.
        int compared = 0;
        for (int y = 1; y + 1 < single.height(); ++y) {
            for (int x = 1; x + 1 < single.width(); ++x) {
                const QRgb c = single.pixel(x, y);
                bool uniform = true;
                for (int dy = -1; dy <= 1 && uniform; ++dy)
                    for (int dx = -1; dx <= 1 && uniform; ++dx)
                        uniform = single.pixel(x + dx, y + dy) == c;
                if (!uniform)
                    continue;
                ++compared;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if (twice.pixel(2 * x + dx, 2 * y + dy) != c)
                            QFAIL(qPrintable(Where(QPointF(x, y)) + " is " + Describe(c) +
                                             " at 1x, " +
                                             Describe(twice.pixel(2 * x + dx, 2 * y + dy))));
            }
        }
        QVERIFY(compared > 150000);

        // Sharp, not blurred: where a row crosses one of the diamond's slanted sides, at most
        // two device pixels are blends of blue and aqua at either ratio.
        for (const QImage* image : {&single, &twice}) {
            const int ratio = int(image->devicePixelRatio());
            for (double y : {120.5, 180.5, 240.5, 290.5}) {
                const double side = 34.85 + std::abs(y - 210.25) * 2.2075 / 2.1025;
                const int row = int(y * ratio);
                int blends = 0;
                for (int x = int((side - 10) * ratio); x < int((side + 10) * ratio); ++x) {
                    const QRgb c = image->pixel(x, row);
                    blends += (c != Aqua && c != Blue && c != White) ? 1 : 0;
                }
                QVERIFY2(
                    blends <= 2,
                    qPrintable(QStringLiteral("%1 blended pixels on row %2").arg(blends).arg(y)));
            }
        }
    }

    void boxPlacementAndStretch() {
        const QImage reference = Render(1);
        // Moved by whole pixels, the chart is the same pixel for pixel, and nothing at all is
        // drawn outside its box (the titles run into the box's edges).
        const QImage moved = Render(1, {600, 500}, {40, 30, 520, 430});
        for (int y = 0; y < moved.height(); ++y) {
            for (int x = 0; x < moved.width(); ++x) {
                const bool inBox = x >= 40 && x < 560 && y >= 30 && y < 460;
                const QRgb want = inBox ? reference.pixel(x - 40, y - 30) : Aqua;
                if (moved.pixel(x, y) != want)
                    QFAIL(qPrintable(Where(QPointF(x, y)) + " differs"));
            }
        }

        // Stretched to twice the width only: the cells and the grid follow in x alone.
        const QImage wide = Render(1, {1040, 430}, {0, 0, 1040, 430});
        auto stretched = [](QPointF p) { return QPointF(2 * p.x(), p.y()); };
        QCOMPARE(Describe(At(wide, stretched(ScorePoint(15, 45)))), Describe(Blue));
        QCOMPARE(Describe(At(wide, stretched(ScorePoint(85, 55)))), Describe(Blue));
        QCOMPARE(Describe(At(wide, stretched(ScorePoint(0, 0)) + QPointF(0, 3))), Describe(Aqua));
        QCOMPARE(Describe(At(wide, stretched(ScorePoint(100, 0)) + QPointF(6, 0))), Describe(Aqua));
        QCOMPARE(Describe(At(wide, stretched(ScorePoint(50, 103)))), Describe(Aqua));
        QCOMPARE(Describe(At(wide, stretched(ScorePoint(45, 97)))), Describe(Blue));
    }

    void painterStateIsKept() {
        QImage image(100, 100, QImage::Format_ARGB32);
        image.fill(Aqua);
        QPainter painter(&image);
        painter.translate(3, 4);
        const QPen pen(Qt::red, 3);
        painter.setPen(pen);
        painter.setBrush(Qt::green);
        content::DrawPoliticalMap(painter, QRectF(0, 0, 52, 43));
        QCOMPARE(painter.transform(), QTransform::fromTranslate(3, 4));
        QVERIFY(!painter.hasClipping());
        QCOMPARE(painter.pen(), pen);
        QCOMPARE(painter.brush().color(), QColor(Qt::green));
        QVERIFY(!painter.testRenderHint(QPainter::Antialiasing));
        // An empty box draws nothing.
        const QImage before = image;
        content::DrawPoliticalMap(painter, QRectF(10, 10, 0, 40));
        painter.end();
        QCOMPARE(image, before);
    }

    void dotLandsOnItsScorePoint() {
        const QImage image = Render(1);
        // The window places the dot from the engine's rounded geometry; its circle's centre is
        // (Left + 9, Top + 8) in client pixels, the chart box starts at (8, 8).
        for (int p = 0; p <= 100; p += 10) {
            for (int e = 0; e <= 100; e += 10) {
                const quiz::DotBox dot = quiz::DotBounds(p, e);
                const QPointF centre(dot.left + 9 - 8, dot.top + 8 - 8);
                const QPointF target = ScorePoint(e, p);
                const double miss = std::hypot(centre.x() - target.x(), centre.y() - target.y());
                QVERIFY2(
                    miss <= 4.5,
                    qPrintable(QStringLiteral("P %1 E %2 misses by %3").arg(p).arg(e).arg(miss)));
                if (p == 0 || p == 100 || e == 0 || e == 100)
                    continue; // on the diamond's rim the centre may sit on its edge
                // Blue, a white line or border, or the antialiased edge between them.
                const QRgb under = At(image, centre);
                QVERIFY2(qBlue(under) == 255 && qRed(under) == qGreen(under),
                         qPrintable(QStringLiteral("P %1 E %2 lands on %3")
                                        .arg(p)
                                        .arg(e)
                                        .arg(Describe(under))));
            }
        }
    }
};

QTEST_MAIN(TestMapChart)
#include "test_mapchart.moc"
