#include <QtTest>

#include "MapPlacement.h"

using namespace quiz;

class TestMapPlacement : public QObject {
    Q_OBJECT
private slots:
    void horizontalShiftTable() {
        // R(2.17 * d) for d = 0, 10, ..., 100; halves go to the even neighbour (108.5 -> 108).
        const int expected[] = {0, 22, 43, 65, 87, 108, 130, 152, 174, 195, 217};
        for (int i = 0; i <= 10; ++i) {
            const int d = 10 * i;
            // d = E - P with P = 0 and with E = 0 for the negative side.
            QCOMPARE(DotBounds(0, d).left - 255, expected[i]);
            QCOMPARE(DotBounds(d, 0).left - 255, -expected[i]);
        }
    }

    void roundHalfEven() {
        QCOMPARE(RoundHalfEven(10850, 100), 108LL);
        QCOMPARE(RoundHalfEven(-10850, 100), -108LL);
        QCOMPARE(RoundHalfEven(250, 100), 2LL);
        QCOMPARE(RoundHalfEven(350, 100), 4LL);
        QCOMPARE(RoundHalfEven(-350, 100), -4LL);
        QCOMPARE(RoundHalfEven(351, 100), 4LL);
        QCOMPARE(RoundHalfEven(-349, 100), -3LL);
        QCOMPARE(RoundHalfEven(149, 100), 1LL);
    }

    void tellingPositions_data() {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        const int rows[][4] = {{0, 0, 255, 419},    {100, 100, 255, -1}, {100, 0, 38, 209},
                               {0, 100, 472, 209},  {50, 50, 255, 209},  {30, 30, 255, 293},
                               {70, 70, 255, 125},  {0, 50, 363, 314},   {50, 0, 147, 314},
                               {100, 50, 147, 104}, {50, 100, 363, 104}, {60, 40, 212, 209},
                               {40, 60, 298, 209},  {80, 20, 125, 209},  {20, 80, 385, 209}};
        for (const auto& r : rows)
            QTest::addRow("P%d E%d", r[0], r[1]) << r[0] << r[1] << r[2] << r[3];
    }
    void tellingPositions() {
        QFETCH(int, p);
        QFETCH(int, e);
        QFETCH(int, left);
        QFETCH(int, top);
        QCOMPARE(DotBounds(p, e), (DotBox{left, top}));
    }

    void wholeDomainRangesAndDesignPositionNeverComputed() {
        // Top for s = P + E = 0, 10, ..., 200: down from 419 in steps of 21.
        const int tops[] = {419, 398, 377, 356, 335, 314, 293, 272, 251, 230, 209,
                            188, 167, 146, 125, 104, 83,  62,  41,  20,  -1};
        int minLeft = 1000, maxLeft = -1000, minTop = 1000, maxTop = -1000;
        for (int p = 0; p <= 100; p += 10) {
            for (int e = 0; e <= 100; e += 10) {
                const DotBox box = DotBounds(p, e);
                minLeft = std::min(minLeft, box.left);
                maxLeft = std::max(maxLeft, box.left);
                minTop = std::min(minTop, box.top);
                maxTop = std::max(maxTop, box.top);
                QCOMPARE(box.top, tops[(p + e) / 10]);
                if (p == e)
                    QCOMPARE(box.left, 255);
                QVERIFY(!(box == DotBox{267, 419}));
            }
        }
        QCOMPARE(minLeft, 38);
        QCOMPARE(maxLeft, 472);
        QCOMPARE(minTop, -1);
        QCOMPARE(maxTop, 419);
    }

    void scoreCaptions() {
        QCOMPARE(PersonalScoreCaption(0), std::string("Your Personal Self-Government Score Is 0"));
        QCOMPARE(EconomicScoreCaption(100),
                 std::string("Your Economic Self-Government Score Is 100"));
        QCOMPARE(PersonalScoreCaption(60),
                 std::string("Your Personal Self-Government Score Is 60"));
    }

    void scoringExplanation() {
        const std::string text = ScoringExplanation(60, 40);
        QCOMPARE(text, std::string("You get 20 for each \"Yes,\" 10 for each \"Maybe,\" and 0 for "
                                   "every \"No.\" Your score on personal issues was 60%, and your "
                                   "economic score was 40%.  The red dot on the graph shows where "
                                   "your scores meet."));
        QCOMPARE(ScoringExplanation(0, 0).size(), std::size_t(195));
        QCOMPARE(ScoringExplanation(100, 100).size(), std::size_t(199));
        const std::string lopsided = ScoringExplanation(100, 0);
        QVERIFY(lopsided.find("personal issues was 100%, and your economic score was 0%.") !=
                std::string::npos);
    }

    void zoneEdges_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("zone"); // 0 for none
        QTest::newRow("Lib bottom-right") << 320 << 144 << 1;
        QTest::newRow("right of Lib") << 321 << 144 << 0;
        QTest::newRow("below Lib") << 320 << 145 << 0;
        QTest::newRow("Lib top-left") << 200 << 40 << 1;
        QTest::newRow("above Lib") << 200 << 39 << 0;
        QTest::newRow("Left right edge") << 192 << 200 << 2;
        QTest::newRow("gap 193") << 193 << 200 << 0;
        QTest::newRow("gap 199") << 199 << 200 << 0;
        QTest::newRow("Cent left edge") << 200 << 200 << 3;
        QTest::newRow("Cent bottom") << 320 << 272 << 3;
        QTest::newRow("below Cent") << 320 << 273 << 0;
        QTest::newRow("Right left edge") << 336 << 160 << 4;
        QTest::newRow("Right bottom-right") << 472 << 280 << 4;
        QTest::newRow("beyond Right") << 473 << 280 << 0;
        QTest::newRow("gap 335") << 335 << 200 << 0;
        QTest::newRow("Auth bottom-right") << 328 << 400 << 5;
        QTest::newRow("right of Auth") << 329 << 400 << 0;
        QTest::newRow("below Auth") << 328 << 401 << 0;
        QTest::newRow("Left top-left") << 56 << 160 << 2;
        QTest::newRow("left of Left") << 55 << 160 << 0;
        QTest::newRow("score caption") << 20 << 20 << 0;
        QTest::newRow("Restart button") << 450 << 420 << 0;
    }
    void zoneEdges() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, zone);
        QCOMPARE(HotZoneAt(x, y).value_or(0), zone);
    }

    void zonesNeitherOverlapNorTouch() {
        for (std::size_t i = 0; i < HotZones.size(); ++i) {
            for (std::size_t j = i + 1; j < HotZones.size(); ++j) {
                const HotZone& a = HotZones[i];
                const HotZone& b = HotZones[j];
                const bool apartX = a.left + a.width < b.left || b.left + b.width < a.left;
                const bool apartY = a.top + a.height < b.top || b.top + b.height < a.top;
                QVERIFY2(apartX || apartY, a.controlName.data());
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestMapPlacement)
#include "test_mapplacement.moc"
