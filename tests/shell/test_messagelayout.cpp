#include <QtTest>

#include "MessageLayout.h"
#include "Placement.h"

using namespace quiz;

class TestMessageLayout : public QObject {
    Q_OBJECT
private slots:
    void workedExample() {
        // w 6, h 13 and a text block of 300 x 39 with one OK button.
        const MessageLayout m = LayOutMessage(6, 13, 300, 39, 1);
        QCOMPARE(m.horizontalMargin, 12);
        QCOMPARE(m.verticalMargin, 13);
        QCOMPARE(m.horizontalSpacing, 15);
        QCOMPARE(m.verticalSpacing, 16);
        QCOMPARE(m.buttonWidth, 75);
        QCOMPARE(m.buttonHeight, 23);
        QCOMPARE(m.buttonSpacing, 6);
        QCOMPARE(m.clientWidth, 371);
        QCOMPARE(m.clientHeight, 104);
        QCOMPARE(m.icon, (LayoutRect{12, 13, 32, 32}));
        QCOMPARE(m.text, (LayoutRect{12 + 32 + 15, 13, 300, 39}));
        QCOMPARE(m.buttons.size(), std::size_t(1));
        QCOMPARE(m.buttons[0], (LayoutRect{148, 68, 75, 23}));
    }

    void unitsRoundHalvesUp() {
        QCOMPARE(HorizontalUnits(10, 7), 18); // 17.5
        QCOMPARE(HorizontalUnits(50, 5), 63); // 62.5
        QCOMPARE(VerticalUnits(14, 12), 21);  // exact
        QCOMPARE(VerticalUnits(10, 12), 15);  // exactly 15
        QCOMPARE(VerticalUnits(10, 13), 16);  // 16.25
        QCOMPARE(VerticalUnits(14, 13), 23);  // 22.75
        QCOMPARE(VerticalUnits(4, 13), 7);    // 6.5
    }

    void shortTextTakesTheIconHeightAndRowWidth() {
        // A one-word message: the block is 32 high; two buttons are wider than the block.
        // The row, 2 x 75 + 6 = 156, and the margins of 12 make the width 180; the height is
        // 32 + 23 + 16 + 2 x 13 = 97.
        const MessageLayout m = LayOutMessage(6, 13, 20, 13, 2);
        QCOMPARE(m.clientWidth, 180);
        QCOMPARE(m.clientHeight, 97);
        QCOMPARE(m.buttons.size(), std::size_t(2));
        // Yes on the left, the pair centred ((180 - 156) / 2 = 12), both on one row at 32 + 13
        // + 16 = 61.
        QCOMPARE(m.buttons[0], (LayoutRect{12, 61, 75, 23}));
        QCOMPARE(m.buttons[1], (LayoutRect{93, 61, 75, 23}));
    }

    void noButtonsNoRow() {
        const MessageLayout m = LayOutMessage(6, 13, 100, 13, 0);
        QVERIFY(m.buttons.empty());
        QCOMPARE(m.clientWidth, 100 + 32 + 15 + 24);
    }

    void centringUsesTheOuterSizeAndTruncates() {
        QCOMPARE(CentredIn({0, 0, 1024, 768}, 371, 131), (LayoutRect{327, 319, 371, 131}));
        QCOMPARE(CentredIn({0, 0, 1001, 601}, 101, 51), (LayoutRect{450, 275, 101, 51}));
        QCOMPARE(CentredIn({1280, 30, 1001, 601}, 101, 51), (LayoutRect{1730, 305, 101, 51}));
        QCOMPARE(MessageWrapWidth(1025), 512);
    }

    // The top panel is checked on real desktops; here the other edges.
    // The map's frame is put 4 pixels above the screen: at any scale no more of it lies there.
    void designedEdgesStayInDevicePixels() {
        for (const double scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            const int top = DesignedCoordinate(-4, scale);
            QVERIFY2(top * scale >= -4 && (top - 1) * scale < -4,
                     qPrintable(QString::number(scale)));
            QCOMPARE(DesignedCoordinate(43, scale), 43);
        }
        QCOMPARE(DesignedCoordinate(-4, 1.0), -4);
    }

    void framesLeaveThePanelsStrips() {
        const LayoutRect monitor{0, 0, 1280, 1024}, quiz{-2, -1, 641, 495};
        QCOMPARE(OutOfReservedStrips(quiz, monitor, {48, 0, 1232, 1024}),
                 (LayoutRect{48, -1, 641, 495}));
        QCOMPARE(OutOfReservedStrips({9, 700, 40, 300}, monitor, {0, 0, 1280, 980}),
                 (LayoutRect{9, 680, 40, 300}));
        // Too tall for the work area: the title bar stays below the top panel.
        QCOMPARE(OutOfReservedStrips({9, 10, 40, 1000}, monitor, {0, 30, 1280, 964}),
                 (LayoutRect{9, 30, 40, 1000}));
    }
};

QTEST_APPLESS_MAIN(TestMessageLayout)
#include "test_messagelayout.moc"
