#include <QtTest>

#include "Placement.h"

using namespace quiz;

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    // Centring and the top panel are checked on real desktops; here the other edges.
    void framesLeaveThePanelsStrips() {
        const LayoutRect monitor{0, 0, 1280, 1024}, quiz{-2, -1, 641, 495};
        QCOMPARE(CentredIn({1280, 30, 1001, 601}, 101, 51), (LayoutRect{1730, 305, 101, 51}));
        QCOMPARE(OutOfReservedStrips(quiz, monitor, {48, 0, 1232, 1024}),
                 (LayoutRect{48, -1, 641, 495}));
        QCOMPARE(OutOfReservedStrips({9, 700, 40, 300}, monitor, {0, 0, 1280, 980}),
                 (LayoutRect{9, 680, 40, 300}));
        // Too tall for the work area: the title bar stays below the top panel.
        QCOMPARE(OutOfReservedStrips({9, 10, 40, 1000}, monitor, {0, 30, 1280, 964}),
                 (LayoutRect{9, 30, 40, 1000}));
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "test_placement.moc"
