#include <QCommonStyle>
#include <QGroupBox>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QToolButton>

#include "Application.h"
#include "Contrast.h"
#include "ContrastRatio.h"
#include "Fonts.h"
#include "GuiTestSupport.h"
#include "Style.h"

namespace {

QImage Picture(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// A base style that notes the palette of every control it draws.
class PaletteRecorder : public QCommonStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_PushButton)
            keys << option->palette.cacheKey();
        QCommonStyle::drawControl(element, option, painter, widget);
    }
    mutable QList<qint64> keys;
};

} // namespace

class TestStyle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        quiz::InstallFontSubstitutes();
        quiz::InstallStyle(QString());
        QVERIFY(qobject_cast<quiz::TStyle*>(QApplication::style()));
    }

    // Icons handed out before anything draws them still show the base style's pictures.
    void deferredIconsDrawAsTheBaseStyle() {
        const auto* style = qobject_cast<quiz::TStyle*>(QApplication::style());
        const QStyle* base = style->baseStyle();
        for (const auto icon : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion}) {
            const QIcon deferred = style->standardIcon(icon);
            const QIcon copy = deferred; // a copy resolves on its own
            QVERIFY(!deferred.isNull());
            const QImage expected = Picture(base->standardIcon(icon));
            QVERIFY(!expected.isNull());
            QCOMPARE(Picture(copy), expected);
            QCOMPARE(Picture(deferred), expected);
            QCOMPARE(deferred.actualSize(QSize(16, 16)),
                     base->standardIcon(icon).actualSize(QSize(16, 16)));
            // One set of pictures per kind, which the toolkit's pixmap cache finds again.
            QCOMPARE(style->standardIcon(icon).pixmap(32, 32).cacheKey(),
                     deferred.pixmap(32, 32).cacheKey());
        }
    }

    void menuBarOverflowButtonKeepsItsIcon() {
        QWidget window;
        auto* bar = new QMenuBar(&window);
        for (int n = 0; n < 12; ++n)
            bar->addMenu(QStringLiteral("Menu number %1").arg(n));
        window.resize(120, 60);
        bar->setGeometry(0, 0, 120, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* overflow = bar->findChild<QToolButton*>();
        QVERIFY(overflow);
        QTRY_VERIFY(overflow->isVisible()); // the bar is far too narrow for its menus
        QCOMPARE(Picture(overflow->icon()),
                 Picture(qobject_cast<quiz::TStyle*>(QApplication::style())
                             ->baseStyle()
                             ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)));
    }

    // Qt gives each window a palette of its own; the base style, which names what it caches after
    // the palette, gets one palette for all controls in the application's colours.
    void controlsInTheApplicationsColoursShareOnePalette() {
        quiz::TStyle style;
        auto* recorder = new PaletteRecorder;
        style.setBaseStyle(recorder);
        QWidget first, second, red;
        red.setPalette(QPalette(Qt::red));
        QVERIFY(first.palette().cacheKey() != second.palette().cacheKey());
        QImage image(20, 20, QImage::Format_ARGB32);
        QPainter painter(&image);
        for (QWidget* window : {&first, &second, &red}) {
            QStyleOptionButton option;
            option.initFrom(window);
            style.drawControl(QStyle::CE_PushButton, &option, &painter, window);
            QCOMPARE(option.palette.cacheKey(), window->palette().cacheKey()); // given back
        }
        QCOMPARE(recorder->keys.at(0), recorder->keys.at(1));
        QCOMPARE(recorder->keys.at(2), red.palette().cacheKey());
    }

    // An unchecked radio button's ring stands out 3:1 against the white window behind it, all
    // the way round: from the centre out in each of eight directions it crosses a pixel that dark
    // (on a diagonal, a pixel or its neighbour across, between which the ring may pass).
    void radioRingStandsOut3To1() {
        QWidget window;
        window.setPalette(QPalette(Qt::black, Qt::white)); // white window, as the quiz's
        auto* radio = new QRadioButton(&window);
        radio->setGeometry(0, 0, 17, 17);
        const QImage picture = radio->grab().toImage();
        for (const QPoint step : {QPoint(1, 0), QPoint(1, 1), QPoint(0, 1), QPoint(-1, 1),
                                  QPoint(-1, 0), QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1)}) {
            double strongest = 1;
            for (QPoint at = picture.rect().center(); picture.rect().contains(at); at += step)
                for (const QPoint pixel : {at, at + QPoint(step.x(), 0)})
                    if (picture.valid(pixel))
                        strongest = std::max(strongest, quiz::test::ContrastRatio(
                                                            picture.pixelColor(pixel), Qt::white));
            QVERIFY2(strongest >= 3,
                     qPrintable(QStringLiteral("%1, %2").arg(step.x()).arg(step.y())));
        }
    }

    // A flat group box has a single plain line round it, its top half a text line down.
    void flatGroupBoxHasOnePlainLine() {
        QWidget window;
        window.setFont(quiz::SystemFont());
        window.resize(320, 80);
        auto* box = new QGroupBox(&window);
        box->setFlat(true);
        box->setGeometry(10, 10, 297, 49);
        const QImage picture = box->grab().toImage();
        const QRgb background = box->palette().window().color().rgb();
        const QRgb line = box->palette().window().color().darker(140).rgb();
        const int top = QFontMetrics(box->font()).height() / 2 - 1;
        const int middle = picture.height() / 2;
        QCOMPARE(picture.pixel(0, middle), line);
        QCOMPARE(picture.pixel(picture.width() - 1, middle), line);
        QCOMPARE(picture.pixel(picture.width() / 2, top), line);
        QCOMPARE(picture.pixel(picture.width() / 2, picture.height() - 1), line);
        // No second, lighter or darker edge inside, and nothing above the top line.
        QCOMPARE(picture.pixel(1, middle), background);
        QCOMPARE(picture.pixel(picture.width() / 2, top + 1), background);
        QCOMPARE(picture.pixel(picture.width() / 2, top - 1), background);
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestStyle test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_style.moc"
