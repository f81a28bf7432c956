#include <QImage>
#include <QPushButton>

#include "Application.h"
#include "GuiTestSupport.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Program.h"
#include "Question.h"
#include "Scoring.h"

using testing::child;

namespace {

bool Near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3 &&
           qAbs(qBlue(a) - qBlue(b)) <= 3;
}

// The client area drawn at the screen's scale (2x here) and drawn again at 1x.
struct TwoRenders {
    QImage fine;
    QImage plain;
};

TwoRenders Render(QWidget* client) {
    QImage fine = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage plain(client->size(), QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    plain.fill(Qt::black);
    client->render(&plain);
    return {fine, plain};
}

// Where the 1x picture is one colour over a 3 x 3 neighbourhood, the 2x picture must show that
// colour on all four device pixels of the point: the same drawing, only finer. Returns the
// number of points compared, or -1 on the first disagreement.
int CompareUniformPoints(const TwoRenders& r, const QRect& area, QString* where) {
    int compared = 0;
    for (int y = area.top() + 1; y < area.bottom(); y += 3) {
        for (int x = area.left() + 1; x < area.right(); x += 3) {
            const QRgb colour = r.plain.pixel(x, y);
            bool uniform = true;
            for (int dy = -1; dy <= 1 && uniform; ++dy)
                for (int dx = -1; dx <= 1 && uniform; ++dx)
                    uniform = Near(r.plain.pixel(x + dx, y + dy), colour);
            if (!uniform)
                continue;
            ++compared;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    if (!Near(r.fine.pixel(2 * x + dx, 2 * y + dy), colour)) {
                        *where = QStringLiteral("(%1, %2)").arg(x).arg(y);
                        return -1;
                    }
                }
            }
        }
    }
    return compared;
}

// Device pixels between the last aqua pixel outside and the first blue pixel inside the diamond
// along one row, walking right from x0: a sharp edge has at most a couple.
int EdgeWidth(const QImage& image, int y, int x0, int x1) {
    const QRgb aqua = qRgb(0, 255, 255);
    const QRgb blue = qRgb(0, 0, 255);
    int lastAqua = -1;
    for (int x = x0; x < x1; ++x) {
        const QRgb p = image.pixel(x, y);
        if (Near(p, aqua))
            lastAqua = x;
        if (Near(p, blue) && lastAqua >= 0)
            return x - lastAqua - 1;
    }
    return 1000;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        CreateWindows();
        quiz::SplashShown = true;
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void layoutStaysInLogicalPixels() {
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QCOMPARE(Form1->centralWidget()->size(), QSize(635, 442));
        QCOMPARE(child<QWidget>(Form1, "btnResults")->geometry(), QRect(257, 392, 112, 33));
        const QImage shot = Form1->centralWidget()->grab().toImage();
        QCOMPARE(shot.size(), QSize(2 * 635, 2 * 442));
        Form1->hide();
    }

    void mapChartIsTheSameDrawingOnlyFiner() {
        quiz::PersonalScore = 60;
        quiz::EconomicScore = 70;
        quiz::Philosophy = "Libertarian";
        Form3->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form3));
        QTRY_VERIFY(Form3->PaintCount() > 0);
        QCOMPARE(Form3->centralWidget()->size(), QSize(540, 440));
        // Left 255 + R(2.17 x 10) = 277, top 419 - 2.1 x 130 = 146.
        QCOMPARE(child<QWidget>(Form3, "shpRedDot")->geometry(), QRect(277, 146, 19, 16));

        const TwoRenders r = Render(Form3->centralWidget());
        QCOMPARE(r.fine.size(), QSize(1080, 880));
        QString where;
        const int compared = CompareUniformPoints(r, QRect(8, 8, 520, 390), &where);
        QVERIFY2(compared > 5000, qPrintable(QStringLiteral("differs at %1").arg(where)));

        // The diamond's edges stay sharp at 2x instead of an enlarged 1x picture's soft edge.
        for (int y : {300, 420, 500, 600}) {
            const int width = EdgeWidth(r.fine, y, 0, 540);
            QVERIFY2(width <= 2, qPrintable(QStringLiteral("row %1: %2").arg(y).arg(width)));
        }
        Form3->hide();
    }

    void smallMapsAreSharpToo() {
        quiz::ProfileIndex = 3;
        Form2->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form2));
        QTRY_VERIFY(child<QWidget>(Form2, "imgMapCent")->isVisible());
        const TwoRenders r = Render(Form2->centralWidget());
        QString where;
        const int compared = CompareUniformPoints(r, QRect(8, 144, 121, 121), &where);
        QVERIFY2(compared > 300, qPrintable(QStringLiteral("differs at %1").arg(where)));
        Form2->hide();
    }

    void cleanupTestCase() { DestroyWindows(); }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hidpi.moc"
