// make_logos: draws the five organisation logos and writes them as 1-bit PNGs.
//
// The PNGs in content/logos/ are committed; run this only to remake them, e.g. after an
// organisation's name has changed (the names, as in content/OrganisationTexts.cpp, are in the
// table in main below):
//
//   cmake --build <build dir> --target make_logos
//   QT_QPA_PLATFORM=offscreen <build dir>/make_logos <source dir>/content/logos
//
// It needs the Liberation Sans and Liberation Serif faces (Debian package fonts-liberation2).
//
// Each logo is drawn with QPainter, anti-aliased, into a white ARGB image of the bitmap's exact
// size, then cut at half brightness into a 1-bit image whose colour table is black, white, with
// 300 dots per inch. The program shows each logo stretched into an image box whose proportions
// differ from the bitmap's (very much so for the Books logo), so each logo is laid out in the
// coordinates of its box and stretched to the bitmap here: the bitmap looks distorted on its own,
// and the logo looks right where it is shown. Lettering is bold and at least about 11 box pixels
// high, so that it stays readable at that size.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int DotsPerMeter = 11811; // 300 dots per inch

const QString Sans = QStringLiteral("Liberation Sans");
const QString Serif = QStringLiteral("Liberation Serif");

// ---- Drawing helpers (all in box coordinates, black on white) ----

// The outline of one line of text in a bold face, scaled uniformly to be as large as fits into
// box, and centred in it (or set against its left edge). The box is measured against the ink of
// the letters, so for capitals its height is the capital height.
QPainterPath FittedText(const QString& text, const QString& family, const QRectF& box,
                        Qt::Alignment horizontal = Qt::AlignHCenter, qreal letterSpacing = 0) {
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(true);
    if (letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing * 200);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    const QSizeF size = ink.size() * scale;
    const qreal left =
        horizontal == Qt::AlignLeft ? box.left() : box.left() + (box.width() - size.width()) / 2;
    const qreal top = box.top() + (box.height() - size.height()) / 2;
    QTransform place;
    place.translate(left, top);
    place.scale(scale, scale);
    place.translate(-ink.left(), -ink.top());
    return place.map(path);
}

QPainterPath Ellipse(const QPointF& centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath Rect(qreal left, qreal top, qreal width, qreal height) {
    QPainterPath path;
    path.addRect(left, top, width, height);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A rectangular frame of the given thickness inside the rectangle.
QPainterPath Frame(const QRectF& outer, qreal thickness) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(outer);
    path.addRect(outer.adjusted(thickness, thickness, -thickness, -thickness));
    return path;
}

// A five-pointed star, point up.
QPainterPath Star(const QPointF& centre, qreal outer) {
    const qreal inner = outer * 0.40;
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal angle = std::numbers::pi * (-0.5 + i / 5.0);
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// ---- The five logos ----

struct Logo {
    const char* file;
    QSize bitmap;      // pixels of the PNG
    QSizeF box;        // pixels of the image box that shows it
    QStringList lines; // the organisation's name, as set in the logo
    std::function<void(QPainter&, const QStringList&)> draw;
};

// 1 Heralds: a herald's trumpet with a starred banner over the name, in a double frame.
void DrawHeralds(QPainter& p, const QStringList& lines) {
    p.fillPath(Frame(QRectF(2, 2, 165, 155), 3.5), Qt::black);
    p.fillPath(Frame(QRectF(8, 8, 153, 143), 1.5), Qt::black);

    // The trumpet: mouthpiece, tube and flared bell, pointing right.
    p.fillPath(Rect(30, 27, 5, 12), Qt::black);
    p.fillPath(Rect(34, 30.5, 86, 5), Qt::black);
    QPainterPath bell;
    bell.moveTo(114, 30.5);
    bell.cubicTo(128, 29, 136, 20, 142, 14);
    bell.lineTo(142, 52);
    bell.cubicTo(136, 46, 128, 37, 114, 35.5);
    bell.closeSubpath();
    p.fillPath(bell, Qt::black);

    // The banner hanging from the tube, swallow-tailed, with a white star.
    p.fillPath(Polygon({{52, 35}, {104, 35}, {104, 78}, {78, 68}, {52, 78}}), Qt::black);
    p.fillPath(Star(QPointF(78, 51), 12), Qt::white);

    p.fillPath(FittedText(lines[0], Sans, QRectF(18, 88, 133, 17)), Qt::black);
    p.fillPath(FittedText(lines[1], Sans, QRectF(18, 112, 133, 27)), Qt::black);
}

// 2 Lantern: a hand lantern giving light, beside the name.
void DrawLantern(QPainter& p, const QStringList& lines) {
    const qreal cx = 30;
    // Ring, cap, glass body with a flame, base.
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(QPointF(cx, 8), 6, 5);
    ring.addEllipse(QPointF(cx, 8), 3, 2.5);
    p.fillPath(ring, Qt::black);
    p.fillPath(Polygon({{cx - 6, 12}, {cx + 6, 12}, {cx + 15, 21}, {cx - 15, 21}}), Qt::black);
    p.fillPath(Rect(cx - 13, 21, 26, 32), Qt::black);
    p.fillPath(Rect(cx - 9.5, 24, 19, 26), Qt::white);
    QPainterPath flame;
    flame.moveTo(cx, 27);
    flame.cubicTo(cx + 3, 33, cx + 6, 38, cx + 5, 42);
    flame.cubicTo(cx + 4, 46.5, cx - 4, 46.5, cx - 5, 42);
    flame.cubicTo(cx - 6, 38, cx - 3, 33, cx, 27);
    p.fillPath(flame, Qt::black);
    p.fillPath(Polygon({{cx - 15, 53}, {cx + 15, 53}, {cx + 11, 60}, {cx - 11, 60}}), Qt::black);
    p.fillPath(Rect(cx - 16, 60, 32, 4), Qt::black);

    // Rays of light either side of the glass.
    for (const qreal side : {-1.0, 1.0}) {
        for (const qreal dy : {-9.0, 0.0, 9.0}) {
            const QPointF from(cx + side * 17, 37 + dy * 0.9);
            const QPointF to(cx + side * 26, 37 + dy * 1.6);
            QPainterPath ray(from);
            ray.lineTo(to);
            QPen pen(Qt::black, 2.6, Qt::SolidLine, Qt::RoundCap);
            p.strokePath(ray, pen);
        }
    }

    p.fillPath(Rect(64, 34, 188, 2.5), Qt::black);
    p.fillPath(FittedText(lines[0], Serif, QRectF(64, 6, 188, 24), Qt::AlignLeft), Qt::black);
    p.fillPath(FittedText(lines[1], Sans, QRectF(64, 42, 188, 19), Qt::AlignLeft, 0.08), Qt::black);
}

// 3 Tarrant: a torch on the left, the name between rules on the right.
void DrawTarrant(QPainter& p, const QStringList& lines) {
    const qreal cx = 22;
    // The flame: a tongue leaning a little to the right, with a white heart.
    QPainterPath flame;
    flame.moveTo(cx + 3, 3);
    flame.cubicTo(cx + 6, 11, cx + 14, 16, cx + 13, 25);
    flame.cubicTo(cx + 12.5, 29, cx + 9, 32, cx + 6, 32);
    flame.lineTo(cx - 6, 32);
    flame.cubicTo(cx - 9, 32, cx - 12.5, 29, cx - 12, 24);
    flame.cubicTo(cx - 11, 15, cx - 1, 12, cx + 3, 3);
    p.fillPath(flame, Qt::black);
    QPainterPath heart;
    heart.moveTo(cx + 1, 14);
    heart.cubicTo(cx + 3, 19, cx + 7, 22, cx + 6, 26);
    heart.cubicTo(cx + 5.5, 28.5, cx + 3, 29.5, cx, 29.5);
    heart.cubicTo(cx - 3, 29.5, cx - 5.5, 28.5, cx - 5.5, 26);
    heart.cubicTo(cx - 5.5, 21, cx - 1, 19, cx + 1, 14);
    p.fillPath(heart, Qt::white);
    // The cup and the tapering handle with two bands.
    p.fillPath(Polygon({{cx - 13, 33}, {cx + 13, 33}, {cx + 8, 44}, {cx - 8, 44}}), Qt::black);
    p.fillPath(Polygon({{cx - 6, 46}, {cx + 6, 46}, {cx + 3, 83}, {cx - 3, 83}}), Qt::black);
    p.fillPath(Rect(cx - 8, 52, 16, 3), Qt::black);
    p.fillPath(Rect(cx - 7, 62, 14, 3), Qt::black);

    const QRectF text(46, 0, 150, 87);
    p.fillPath(Rect(text.left(), 6, text.width(), 4), Qt::black);
    p.fillPath(FittedText(lines[0], Serif, QRectF(text.left(), 16, text.width(), 32)), Qt::black);
    p.fillPath(Rect(text.left(), 55, text.width(), 2), Qt::black);
    p.fillPath(FittedText(lines[1], Sans, QRectF(text.left(), 62, text.width(), 13),
                          Qt::AlignHCenter, 0.12),
               Qt::black);
    p.fillPath(Rect(text.left(), 80, text.width(), 4), Qt::black);
}

// 4 Books: an open book on the left, the name on the right.
void DrawBooks(QPainter& p, const QStringList& lines) {
    const qreal cx = 40;
    // Two pages rising to their outer corners, the spine low in the middle.
    QPainterPath pages;
    pages.moveTo(cx, 14);
    pages.cubicTo(cx - 10, 5, cx - 24, 3, cx - 35, 7);
    pages.lineTo(cx - 35, 66);
    pages.cubicTo(cx - 24, 62, cx - 10, 64, cx, 73);
    pages.cubicTo(cx + 10, 64, cx + 24, 62, cx + 35, 66);
    pages.lineTo(cx + 35, 7);
    pages.cubicTo(cx + 24, 3, cx + 10, 5, cx, 14);
    pages.closeSubpath();
    p.fillPath(pages, Qt::black);
    // White lines of print on each page, following the curve of the page.
    for (int i = 0; i < 6; ++i) {
        const qreal y = 17 + i * 8.2;
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath line(QPointF(cx + side * 5, y + 3));
            line.cubicTo(QPointF(cx + side * 12, y - 2), QPointF(cx + side * 20, y - 3),
                         QPointF(cx + side * 30, y - 1));
            p.strokePath(line, QPen(Qt::white, 2.8, Qt::SolidLine, Qt::FlatCap));
        }
    }
    // The cover showing under the pages.
    QPainterPath cover;
    cover.moveTo(cx - 39, 70);
    cover.cubicTo(cx - 24, 66, cx - 10, 70, cx, 81);
    cover.cubicTo(cx + 10, 70, cx + 24, 66, cx + 39, 70);
    p.strokePath(cover, QPen(Qt::black, 3.2, Qt::SolidLine, Qt::RoundCap));

    p.fillPath(FittedText(lines[0], Serif, QRectF(88, 6, 177, 32), Qt::AlignLeft), Qt::black);
    p.fillPath(Rect(88, 44, 177, 2.5), Qt::black);
    p.fillPath(FittedText(lines[1], Sans, QRectF(88, 52, 177, 14), Qt::AlignLeft, 0.1), Qt::black);
    p.fillPath(Rect(88, 73, 177, 2.5), Qt::black);
}

// 5 Grove: three trees, the middle one tallest, on a rise of ground over the name.
QPainterPath Tree(qreal cx, qreal crownY, qreal r, qreal groundY) {
    QPainterPath tree;
    tree.setFillRule(Qt::WindingFill);
    tree.addPath(Ellipse(QPointF(cx, crownY - 0.45 * r), 0.75 * r, 0.65 * r));
    tree.addPath(Ellipse(QPointF(cx - 0.55 * r, crownY + 0.15 * r), 0.6 * r, 0.5 * r));
    tree.addPath(Ellipse(QPointF(cx + 0.55 * r, crownY + 0.15 * r), 0.6 * r, 0.5 * r));
    tree.addPath(Ellipse(QPointF(cx, crownY + 0.3 * r), 0.7 * r, 0.5 * r));
    const qreal trunk = 0.16 * r;
    tree.addPath(Polygon({{cx - trunk, crownY + 0.6 * r},
                          {cx + trunk, crownY + 0.6 * r},
                          {cx + 1.5 * trunk, groundY},
                          {cx - 1.5 * trunk, groundY}}));
    return tree.simplified();
}

void DrawGrove(QPainter& p, const QStringList& lines) {
    const qreal cx = 69.5;
    p.fillPath(Tree(cx - 38, 44, 17, 71), Qt::black);
    p.fillPath(Tree(cx + 38, 44, 17, 71), Qt::black);
    // The middle tree stands in front, parted from the others by a white rim.
    const QPainterPath middle = Tree(cx, 32, 26, 68);
    p.strokePath(middle, QPen(Qt::white, 5));
    p.fillPath(middle, Qt::black);
    // The rise of ground.
    QPainterPath ground(QPointF(cx - 64, 74));
    ground.cubicTo(cx - 30, 63, cx + 30, 63, cx + 64, 74);
    ground.lineTo(cx + 64, 78);
    ground.cubicTo(cx + 30, 67, cx - 30, 67, cx - 64, 78);
    ground.closeSubpath();
    p.fillPath(ground, Qt::black);

    p.fillPath(FittedText(lines[0], Serif, QRectF(6, 84, 127, 20)), Qt::black);
    p.fillPath(FittedText(lines[1], Sans, QRectF(6, 110, 127, 11), Qt::AlignHCenter, 0.1),
               Qt::black);
}

QImage ToMono(const QImage& drawing) {
    QImage mono(drawing.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Filling whole bytes also clears the unused bits at the end of each row, which the PNG
    // writer stores too: without it the files would differ from run to run.
    mono.fill(1);
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            if (qGray(drawing.pixel(x, y)) < 128)
                mono.setPixel(x, y, 0);
    mono.setDotsPerMeterX(DotsPerMeter);
    mono.setDotsPerMeterY(DotsPerMeter);
    return mono;
}

QImage Render(const Logo& logo) {
    QImage drawing(logo.bitmap, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::white);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(logo.bitmap.width() / logo.box.width(), logo.bitmap.height() / logo.box.height());
    logo.draw(painter, logo.lines);
    painter.end();
    return ToMono(drawing);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_logos <output directory>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        err << "make_logos: no such directory: " << out.path() << "\n";
        return 1;
    }

    const Logo logos[] = {
        {"heralds.png", {336, 326}, {169, 159}, {"HERALDS OF", "ORRISVANE"}, DrawHeralds},
        {"lantern.png", {478, 105}, {259, 71}, {"LANTERN", "VESSIMAR"}, DrawLantern},
        {"tarrant.png", {441, 170}, {201, 87}, {"TARRANT", "DORNAVEL"}, DrawTarrant},
        {"books.png", {883, 155}, {271, 87}, {"OSSENBRAY", "BOOKS"}, DrawBooks},
        {"grove.png", {202, 242}, {139, 127}, {"GROVE", "MIRRAVENT"}, DrawGrove},
    };
    for (const Logo& logo : logos) {
        const QString path = out.filePath(QString::fromLatin1(logo.file));
        if (!Render(logo).save(path, "PNG")) {
            err << "make_logos: cannot write " << path << "\n";
            return 1;
        }
        err << "wrote " << path << "\n";
    }
    return 0;
}
