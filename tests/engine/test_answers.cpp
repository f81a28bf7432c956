#include <QtTest>

#include "Answers.h"

using namespace quiz;

class TestAnswers : public QObject {
    Q_OBJECT
private slots:
    void answerValuesAndAFreshSheet() {
        // Yes adds 20 points to its group, Maybe 10 and No nothing; a fresh sheet is all Maybe.
        QCOMPARE(YesValue, 20);
        QCOMPARE(MaybeValue, 10);
        QCOMPARE(NoValue, 0);
        AnswerSheet sheet;
        for (int n = 1; n <= QuestionCount; ++n)
            QCOMPARE(sheet[n], 10);
    }

    void storeTouchesOnlyItsSlot() {
        AnswerSheet sheet;
        sheet.Store(3, NoValue);
        sheet.Store(10, YesValue);
        for (int n = 1; n <= QuestionCount; ++n)
            QCOMPARE(sheet[n], n == 3 ? 0 : n == 10 ? 20 : 10);
    }

    void lastStoreWins() {
        AnswerSheet sheet;
        sheet.Store(4, YesValue);
        sheet.Store(4, NoValue);
        sheet.Store(4, MaybeValue);
        QCOMPARE(sheet[4], 10);
        sheet.Store(1, YesValue);
        sheet.Initialise();
        QCOMPARE(sheet[1], 10);
    }

    void catalogueIsNumberedAndGrouped() {
        for (int n = 1; n <= QuestionCount; ++n) {
            const Question& q = QuestionAt(n);
            QCOMPARE(q.number, n);
            QCOMPARE(q.group, n <= 5 ? Group::Personal : Group::Economic);
        }
    }

    // The menu items that show each topic are checked in the quiz window (test_question).
    void catalogueTopicsAndMenuItems() {
        const char* topics[] = {"Conscription", "Media",     "Privacy",       "Prohibition",
                                "Borders",      "Subsidies", "Protectionism", "Labor",
                                "Income Tax",   "Defense"};
        for (int n = 1; n <= QuestionCount; ++n)
            QCOMPARE(QuestionAt(n).topic, std::string_view(topics[n - 1]));
    }

    void statementsAreOneSentenceOfTheRightLength() {
        for (const Question& q : QuestionCatalogue) {
            const auto text = q.statement;
            QVERIFY2(text.size() >= 40 && text.size() <= 62, text.data());
            QVERIFY(!text.ends_with('.'));
            QVERIFY(text.find('\n') == std::string_view::npos);
            QVERIFY(text.front() >= 'A' && text.front() <= 'Z');
        }
    }
};

QTEST_APPLESS_MAIN(TestAnswers)
#include "test_answers.moc"
