#include <QtTest>

#include <map>

#include "Scoring.h"

using namespace quiz;

namespace {

// The classification of every score pair, personal 100 down to 0 (rows) by economic 0 to 100.
const char* const ExpectedMap[11] = {
    "LL LL LL LL LL Li Li Li Li Li Li", // 100
    "LL LL LL LL LL Li Li Li Li Li Li", // 90
    "LL LL LL LL LL Li Li Li Li Li Li", // 80
    "LL LL LL LL LL Ce Li Li Li Li Li", // 70
    "LL LL LL LL Ce Ce Ce Li Li Li Li", // 60
    "LL LL LL Ce Ce Ce Ce Ce Li Li Li", // 50
    "Au Au Au Ce Ce Ce Ce RC RC RC RC", // 40
    "Au Au Au Au Ce Ce RC RC RC RC RC", // 30
    "Au Au Au Au Au RC RC RC RC RC RC", // 20
    "Au Au Au Au Au RC RC RC RC RC RC", // 10
    "Au Au Au Au Au RC RC RC RC RC RC", // 0
};

int FromCode(const QString& code) {
    static const std::map<QString, int> codes{{"Li", Libertarian},
                                              {"LL", LeftLiberal},
                                              {"Ce", Centrist},
                                              {"RC", RightConservative},
                                              {"Au", Authoritarian}};
    return codes.at(code);
}

AnswerSheet SheetWith(int personalEach, int economicEach) {
    AnswerSheet sheet;
    for (int n = 1; n <= 5; ++n)
        sheet.Store(n, personalEach);
    for (int n = 6; n <= 10; ++n)
        sheet.Store(n, economicEach);
    return sheet;
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void everyPairIsClassifiedAsTheMapShows() {
        std::map<int, int> counts;
        for (int row = 0; row < 11; ++row) {
            const int p = 100 - 10 * row;
            const QStringList cells = QString(ExpectedMap[row]).split(' ');
            QCOMPARE(cells.size(), 11);
            for (int column = 0; column < 11; ++column) {
                const int e = 10 * column;
                QVERIFY2(Classify(p, e) == FromCode(cells[column]),
                         qPrintable(QStringLiteral("P %1, E %2").arg(p).arg(e)));
                ++counts[Classify(p, e)];
            }
        }
        QCOMPARE(counts[Libertarian], 30);
        QCOMPARE(counts[LeftLiberal], 27);
        QCOMPARE(counts[RightConservative], 27);
        QCOMPARE(counts[Authoritarian], 22);
        QCOMPARE(counts[Centrist], 15);
    }

    void swappingTheScoresMirrorsOnlyTheSideClasses() {
        for (int p = 0; p <= 100; p += 10) {
            for (int e = 0; e <= 100; e += 10) {
                const int here = Classify(p, e);
                const int mirrored = Classify(e, p);
                if (here == LeftLiberal)
                    QCOMPARE(mirrored, int(RightConservative));
                else if (here == RightConservative)
                    QCOMPARE(mirrored, int(LeftLiberal));
                else
                    QCOMPARE(mirrored, here);
            }
        }
    }

    void singlePairRulesAndThresholds_data() {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("expected");
        QTest::newRow("rule 3: 30/30") << 30 << 30 << int(Authoritarian);
        QTest::newRow("40/30") << 40 << 30 << int(Centrist);
        QTest::newRow("30/40") << 30 << 40 << int(Centrist);
        QTest::newRow("rule 6: 60/30") << 60 << 30 << int(LeftLiberal);
        QTest::newRow("rule 9: 30/60") << 30 << 60 << int(RightConservative);
        QTest::newRow("70/50") << 70 << 50 << int(Centrist);
        QTest::newRow("50/70") << 50 << 70 << int(Centrist);
        QTest::newRow("rule 13: 60/70") << 60 << 70 << int(Libertarian);
        QTest::newRow("rule 12: 70/60") << 70 << 60 << int(Libertarian);
        QTest::newRow("50 counts high: 50/20") << 50 << 20 << int(LeftLiberal);
        QTest::newRow("20/50") << 20 << 50 << int(RightConservative);
        QTest::newRow("50/80") << 50 << 80 << int(Libertarian);
        QTest::newRow("80/50") << 80 << 50 << int(Libertarian);
        QTest::newRow("40/20") << 40 << 20 << int(Authoritarian);
        QTest::newRow("20/40") << 20 << 40 << int(Authoritarian);
    }
    void singlePairRulesAndThresholds() {
        QFETCH(int, p);
        QFETCH(int, e);
        QFETCH(int, expected);
        QCOMPARE(Classify(p, e), expected);
    }

    void scoresAddTheirOwnGroupOnly() {
        AnswerSheet sheet;
        QCOMPARE(Score(sheet).personalScore, 50);
        QCOMPARE(Score(sheet).economicScore, 50);
        QCOMPARE(Score(sheet).philosophy, int(Centrist));

        sheet.Store(1, YesValue); // personal only
        sheet.Store(2, NoValue);
        sheet.Store(2, YesValue);
        sheet.Store(9, NoValue); // economic only
        const Result r = Score(sheet);
        QCOMPARE(r.personalScore, 70);
        QCOMPARE(r.economicScore, 40);
    }

    void cornerSheets() {
        QCOMPARE(Score(SheetWith(YesValue, YesValue)).philosophy, int(Libertarian));
        QCOMPARE(Score(SheetWith(NoValue, NoValue)).philosophy, int(Authoritarian));
        const Result leftLiberal = Score(SheetWith(YesValue, NoValue));
        QCOMPARE(leftLiberal.personalScore, 100);
        QCOMPARE(leftLiberal.economicScore, 0);
        QCOMPARE(leftLiberal.philosophy, int(LeftLiberal));
        QCOMPARE(Score(SheetWith(NoValue, YesValue)).philosophy, int(RightConservative));
    }

    void labelsAreExact() {
        QCOMPARE(PhilosophyLabel(1), std::string_view("Libertarian"));
        QCOMPARE(PhilosophyLabel(2), std::string_view("Left Liberal"));
        QCOMPARE(PhilosophyLabel(3), std::string_view("Centrist"));
        QCOMPARE(PhilosophyLabel(4), std::string_view("Right Conservative"));
        QCOMPARE(PhilosophyLabel(5), std::string_view("Authoritarian"));
        std::size_t longest = 0;
        for (auto label : PhilosophyLabels)
            longest = std::max(longest, label.size());
        QCOMPARE(longest, std::size_t(18));
    }

    void resultSentence() {
        QCOMPARE(ResultSentence("Centrist"),
                 std::string("According to your answers, your political philosophy is Centrist.  "
                             "The red dot on the next screen shows where you fit on the political "
                             "map."));
        std::size_t shortest = 1000, longest = 0;
        for (auto label : PhilosophyLabels) {
            const std::string text = ResultSentence(label);
            QVERIFY(text.find('\r') == std::string::npos && text.find('\n') == std::string::npos);
            shortest = std::min(shortest, text.size());
            longest = std::max(longest, text.size());
        }
        QCOMPARE(shortest, std::size_t(139));
        QCOMPARE(longest, std::size_t(149));
    }
};

QTEST_APPLESS_MAIN(TestScoring)
#include "test_scoring.moc"
