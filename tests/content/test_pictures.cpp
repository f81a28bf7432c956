#include <QtTest>

#include <QDir>
#include <QPainter>

#include <array>
#include <set>
#include <vector>

#include "Pictures.h"

namespace {

// ---- Small maps ----

constexpr qreal FrameSize = 4608; // logical units of a small map, origin in the middle

const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(145, 145, 145);
const QRgb ZoneAqua = qRgb(0, 250, 250);
const QRgb CentreAqua = qRgb(0, 255, 255);
const QRgb Backdrop = qRgb(255, 0, 255); // what the image holds before the map is drawn

enum Zone { Top, Left, Centre, Right, Bottom, Outside };

// Points well inside each region (at least 4 pixels from any edge at 121 x 121), in map units,
// y growing downwards. Off-axis points check that the zone boundaries run along the diagonals.
struct Sample {
    QPointF unit;
    Zone zone;
};
const Sample MapSamples[] = {
    {{0, -1500}, Top},         {{700, -1000}, Top},      {{-700, -1000}, Top},
    {{0, 1500}, Bottom},       {{700, 1000}, Bottom},    {{-700, 1000}, Bottom},
    {{-1500, 0}, Left},        {{-1000, 700}, Left},     {{-1000, -700}, Left},
    {{1500, 0}, Right},        {{1000, 700}, Right},     {{1000, -700}, Right},
    {{0, 0}, Centre},          {{450, -450}, Centre},    {{-450, 450}, Centre},
    {{-2150, -2150}, Outside}, {{2150, -2150}, Outside}, {{-2150, 2150}, Outside},
    {{2150, 2150}, Outside},   {{1300, -1300}, Outside}, {{-1300, 1300}, Outside},
    {{0, -2290}, Outside},     {{2290, 0}, Outside},
};

// The zone each philosophy highlights: 1 Libertarian top, 2 Left Liberal left, 3 Centrist centre,
// 4 Right Conservative right, 5 Authoritarian bottom.
constexpr Zone Highlighted[6] = {Outside, Top, Left, Centre, Right, Bottom};

QRgb ExpectedColour(int philosophy, Zone zone) {
    if (zone == Outside)
        return White;
    if (zone != Highlighted[philosophy])
        return Grey;
    return zone == Centre ? CentreAqua : ZoneAqua;
}

QImage RenderMap(int philosophy, QSizeF box, qreal ratio = 1) {
    QImage image((box * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Backdrop);
    QPainter painter(&image);
    content::DrawSmallMap(painter, QRectF(QPointF(0, 0), box), philosophy);
    return image;
}

// The device pixel of `image` (drawn with a map filling `box` at `origin`) that holds the map
// point.
QPoint PixelOf(const QImage& image, QPointF origin, QSizeF box, QPointF unit) {
    const qreal ratio = image.devicePixelRatio();
    const qreal x = origin.x() + (unit.x() / FrameSize + 0.5) * box.width();
    const qreal y = origin.y() + (unit.y() / FrameSize + 0.5) * box.height();
    return QPoint(int(x * ratio), int(y * ratio));
}

QString Describe(QRgb c) {
    return QStringLiteral("(%1, %2, %3, a %4)")
        .arg(qRed(c))
        .arg(qGreen(c))
        .arg(qBlue(c))
        .arg(qAlpha(c));
}

void CheckMapSamples(const QImage& image, QPointF origin, QSizeF box, int philosophy) {
    for (const Sample& sample : MapSamples) {
        const QPoint pixel = PixelOf(image, origin, box, sample.unit);
        const QRgb actual = image.pixel(pixel);
        const QRgb expected = ExpectedColour(philosophy, sample.zone);
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("philosophy %1, point (%2, %3): %4, expected %5")
                                .arg(philosophy)
                                .arg(sample.unit.x())
                                .arg(sample.unit.y())
                                .arg(Describe(actual), Describe(expected))));
    }
}

// ---- Logos ----

struct LogoSize {
    int organisation;
    QSize size;
};
const LogoSize LogoSizes[] = {
    {1, {336, 326}}, {2, {478, 105}}, {3, {441, 170}}, {4, {883, 155}}, {5, {202, 242}},
};

// ---- Icon and cursor ----

const std::set<QRgb> StandardColours{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// The 4-connected groups of non-transparent pixels, each as its list of pixels.
std::vector<std::vector<QPoint>> OpaqueGroups(const QImage& image) {
    std::vector<std::vector<QPoint>> groups;
    std::vector<bool> seenFlags(std::size_t(image.width() * image.height()), false);
    const auto seen = [&](QPoint p) {
        return seenFlags[std::size_t(p.y() * image.width() + p.x())];
    };
    const auto mark = [&](QPoint p) {
        seenFlags[std::size_t(p.y() * image.width() + p.x())] = true;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0 || seen(QPoint(x, y)))
                continue;
            std::vector<QPoint> group;
            std::vector<QPoint> todo{QPoint(x, y)};
            mark(QPoint(x, y));
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                group.push_back(p);
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (image.rect().contains(q) && qAlpha(image.pixel(q)) != 0 && !seen(q)) {
                        mark(q);
                        todo.push_back(q);
                    }
                }
            }
            groups.push_back(group);
        }
    return groups;
}

QRect BoundsOf(const std::vector<QPoint>& points) {
    QRect bounds;
    for (const QPoint& p : points)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void smallMapsColourTheirZones_data() {
        QTest::addColumn<int>("philosophy");
        QTest::addColumn<int>("size");
        for (int p = 1; p <= 5; ++p)
            for (const int size : {121, 484})
                QTest::addRow("philosophy %d at %d", p, size) << p << size;
    }
    void smallMapsColourTheirZones() {
        QFETCH(int, philosophy);
        QFETCH(int, size);
        const QSizeF box(size, size);
        CheckMapSamples(RenderMap(philosophy, box), {0, 0}, box, philosophy);
    }

    void smallMapsHaveBlackLinesAndOutlines() {
        // At 484 pixels the 32-unit lines are over 3 pixels wide, so a pixel on their middle is
        // covered completely.
        const QSizeF box(484, 484);
        for (int p = 1; p <= 5; ++p) {
            const QImage image = RenderMap(p, box);
            const QPointF onLines[] = {
                {900, -900}, {-900, -900}, {900, 900}, {-900, 900}, // dividing lines
                {0, -660},   {0, 660},     {-660, 0},  {660, 0},    // inner square's outline
                {0, -2245},  {2245, 0},    {0, 2245},  {-2245, 0},  // diamond's outline
            };
            for (const QPointF& unit : onLines) {
                const QRgb c = image.pixel(PixelOf(image, {0, 0}, box, unit));
                QVERIFY2(c == qRgb(0, 0, 0),
                         qPrintable(QStringLiteral("philosophy %1 at (%2, %3): %4")
                                        .arg(p)
                                        .arg(unit.x())
                                        .arg(unit.y())
                                        .arg(Describe(c))));
            }
            // The outline of the diamond stays inside it: just outside a corner is white.
            QCOMPARE(image.pixel(PixelOf(image, {0, 0}, box, {0, -2275})), White);
        }
    }

    void smallMapFillsOnlyItsBoxAndStretchesEachAxis() {
        // A wide box somewhere inside a larger image: the map is stretched to the box and
        // nothing is drawn outside it; the painter's own state is left alone.
        QImage image(400, 200, QImage::Format_ARGB32);
        image.fill(Backdrop);
        QPainter painter(&image);
        painter.translate(10, 5);
        painter.setPen(QPen(Qt::red, 3));
        painter.setBrush(Qt::green);
        const QTransform before = painter.worldTransform();
        const QPointF origin(30, 20);
        const QSizeF box(242, 121);
        content::DrawSmallMap(painter, QRectF(origin, box), 4);
        QCOMPARE(painter.worldTransform(), before);
        QCOMPARE(painter.pen().color(), QColor(Qt::red));
        QCOMPARE(painter.brush().color(), QColor(Qt::green));
        painter.end();

        CheckMapSamples(image, origin + QPointF(10, 5), box, 4);
        const QRect drawn = QRectF(origin + QPointF(10, 5), box).toRect();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!drawn.adjusted(-1, -1, 1, 1).contains(x, y))
                    QCOMPARE(image.pixel(x, y), Backdrop);
    }

    void smallMapsAgreeAtDoubleDevicePixelRatio() {
        const QSizeF box(121, 121);
        for (int p = 1; p <= 5; ++p) {
            const QImage single = RenderMap(p, box, 1);
            const QImage twice = RenderMap(p, box, 2);
            QCOMPARE(twice.size(), QSize(242, 242));
            CheckMapSamples(twice, {0, 0}, box, p);
            for (const Sample& sample : MapSamples) {
                const QPoint a = PixelOf(single, {0, 0}, box, sample.unit);
                const QPoint b = PixelOf(twice, {0, 0}, box, sample.unit);
                QCOMPARE(twice.pixel(b), single.pixel(a));
            }
        }
    }

    void logosAreOneBitAt300Dpi() {
        for (const LogoSize& expected : LogoSizes) {
            const QImage logo = content::Logo(expected.organisation);
            const QByteArray which = QByteArray::number(expected.organisation);
            QVERIFY2(!logo.isNull(), which);
            QCOMPARE(logo.size(), expected.size);
            QCOMPARE(logo.format(), QImage::Format_Mono);
            QCOMPARE(logo.depth(), 1);
            QCOMPARE(logo.colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
            QCOMPARE(logo.dotsPerMeterX(), 11811);
            QCOMPARE(logo.dotsPerMeterY(), 11811);
        }
    }

    void logosHaveADrawingThatUsesTheirArea() {
        for (const LogoSize& expected : LogoSizes) {
            const QImage logo = content::Logo(expected.organisation);
            QVERIFY(!logo.isNull());
            qint64 black = 0;
            QRect inked;
            for (int y = 0; y < logo.height(); ++y)
                for (int x = 0; x < logo.width(); ++x)
                    if (logo.pixelIndex(x, y) == 0) {
                        ++black;
                        inked |= QRect(x, y, 1, 1);
                    }
            const double share = double(black) / (logo.width() * logo.height());
            const QByteArray what = QStringLiteral("logo %1: black %2, ink %3 x %4")
                                        .arg(expected.organisation)
                                        .arg(share)
                                        .arg(inked.width())
                                        .arg(inked.height())
                                        .toLatin1();
            QVERIFY2(share > 0.10 && share < 0.60, what);
            // The drawing spans most of the bitmap, leaving no large empty band.
            QVERIFY2(inked.width() > logo.width() * 0.85, what);
            QVERIFY2(inked.height() > logo.height() * 0.85, what);
        }
    }

    void logosAreDecodedOnce() {
        QCOMPARE(content::Logo(3).cacheKey(), content::Logo(3).cacheKey());
        QVERIFY(content::Logo(3).cacheKey() != content::Logo(4).cacheKey());
    }

    void programIconUsesTheStandardColours() {
        const QImage icon = content::ProgramIconImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        for (const QRgb c : icon.colorTable())
            QVERIFY2(qAlpha(c) == 0 || StandardColours.count(c) == 1, qPrintable(Describe(c)));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = icon.pixel(x, y);
                QVERIFY2(qAlpha(c) == 0 || StandardColours.count(c) == 1,
                         qPrintable(QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(Describe(c))));
            }
    }

    void programIconShowsTheMap() {
        const QImage icon = content::ProgramIconImage();
        // Transparent around the diamond: the four corner triangles.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int fromCorner = std::min(x, 31 - x) + std::min(y, 31 - y);
                if (fromCorner < 15)
                    QVERIFY2(qAlpha(icon.pixel(x, y)) == 0,
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        const QRgb blue = qRgb(0, 0, 255);
        const QRgb aqua = qRgb(0, 255, 255);
        const QRgb black = qRgb(0, 0, 0);
        QCOMPARE(icon.pixel(16, 5), aqua); // top zone
        QCOMPARE(icon.pixel(15, 8), aqua);
        QCOMPARE(icon.pixel(5, 16), blue);   // left zone
        QCOMPARE(icon.pixel(26, 15), blue);  // right zone
        QCOMPARE(icon.pixel(16, 26), blue);  // bottom zone
        QCOMPARE(icon.pixel(15, 15), blue);  // inside the inner square
        QCOMPARE(icon.pixel(11, 15), black); // the inner square's sides
        QCOMPARE(icon.pixel(16, 20), black);
        QCOMPARE(icon.pixel(0, 15), black); // the diamond's outline at its left corner
        QCOMPARE(icon.pixel(16, 0), black); // ... and at its top

        const QIcon qicon = content::ProgramIcon();
        QVERIFY(!qicon.isNull());
        QCOMPARE(qicon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
                 icon.convertToFormat(QImage::Format_ARGB32));
    }

    void cursorIsAnOutlinedQuestionMark() {
        const QImage image = content::QuestionCursorImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(content::QuestionCursorHotSpot(), QPoint(16, 9));
        const QRgb black = qRgb(0, 0, 0);
        const QRgb white = qRgb(255, 255, 255);
        int whites = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = image.pixel(x, y);
                QVERIFY2(qAlpha(c) == 0 || c == black || c == white,
                         qPrintable(QStringLiteral("(%1, %2) %3").arg(x).arg(y).arg(Describe(c))));
                if (c != white)
                    continue;
                ++whites;
                // Every white pixel is enclosed by the black outline: no transparent neighbour.
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        QVERIFY2(image.rect().contains(x + dx, y + dy) &&
                                     qAlpha(image.pixel(x + dx, y + dy)) != 0,
                                 qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        QVERIFY(whites > 60);

        // Two pieces: the hook with its stem, and below it a solid 6 x 6 dot.
        const auto groups = OpaqueGroups(image);
        QCOMPARE(groups.size(), std::size_t(2));
        const QRect a = BoundsOf(groups[0]);
        const QRect dot = BoundsOf(groups[1]);
        QCOMPARE(dot.size(), QSize(6, 6));
        QCOMPARE(groups[1].size(), std::size_t(36));
        QVERIFY(dot.top() > a.bottom() + 1);
        QCOMPARE(image.pixel(dot.center()), white);
        // The hook is wider than the stem and the dot sits under the stem, centred on the hot spot.
        QVERIFY(a.width() >= 3 * dot.width() / 2);
        QCOMPARE(dot.left() + dot.width() / 2, 16);
        QVERIFY(a.contains(content::QuestionCursorHotSpot()));
        QVERIFY(a.top() < 6 && dot.bottom() > 24);

        const QCursor cursor = content::QuestionCursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(16, 9));
        QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 image.convertToFormat(QImage::Format_ARGB32));
    }

    // With QUIZ_PICTURES_DIR set, writes every picture four times enlarged into that directory
    // for a look by eye; the maps are drawn at device pixel ratio 4 and checked as well.
    void renderEverythingFourTimesLarger() {
        const QString dir = qEnvironmentVariable("QUIZ_PICTURES_DIR");
        if (!dir.isEmpty())
            QVERIFY(QDir().mkpath(dir));
        for (int p = 1; p <= 5; ++p) {
            const QImage map = RenderMap(p, QSizeF(121, 121), 4);
            CheckMapSamples(map, {0, 0}, QSizeF(121, 121), p);
            if (!dir.isEmpty()) {
                QVERIFY(map.save(QDir(dir).filePath(QStringLiteral("map%1_4x.png").arg(p))));
                QVERIFY(RenderMap(p, QSizeF(121, 121))
                            .save(QDir(dir).filePath(QStringLiteral("map%1_1x.png").arg(p))));
            }
        }
        if (dir.isEmpty())
            QSKIP("QUIZ_PICTURES_DIR not set: nothing written");

        const QSize boxes[] = {{169, 159}, {259, 71}, {201, 87}, {271, 87}, {139, 127}};
        for (int o = 1; o <= 5; ++o) {
            const QSize box = boxes[o - 1];
            for (const int scale : {1, 4}) {
                QImage shown(box * scale, QImage::Format_RGB32);
                shown.fill(qRgb(0, 255, 255)); // the resources window's background
                QPainter painter(&shown);
                painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
                painter.drawImage(shown.rect(), content::Logo(o));
                painter.end();
                QVERIFY(shown.save(
                    QDir(dir).filePath(QStringLiteral("logo%1_box_%2x.png").arg(o).arg(scale))));
            }
        }
        const auto enlarged = [](const QImage& image) {
            QImage out(image.size() * 4, QImage::Format_ARGB32);
            out.fill(qRgb(200, 120, 200)); // shows where the picture is transparent
            QPainter painter(&out);
            painter.drawImage(out.rect(), image);
            return out;
        };
        QVERIFY(enlarged(content::ProgramIconImage()).save(QDir(dir).filePath("icon.png")));
        QVERIFY(enlarged(content::QuestionCursorImage()).save(QDir(dir).filePath("cursor.png")));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
