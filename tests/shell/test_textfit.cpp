#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TextFit.h"

// A small form laid out by fixed boxes, as the windows are: a wrapped label with a label beside
// it, a button below, a group box with a radio button, a label at the bottom.
class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void growsWhatDoesNotFit_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        const QString longer = QStringLiteral("A statement far longer than the two lines its box "
                                              "was drawn for, as a translation may run, which "
                                              "needs a third and a fourth line to be read whole");
        QTest::newRow("everything fits") << "Short"
                                         << "OK"
                                         << "Yes";
        QTest::newRow("a long statement") << longer << "OK"
                                          << "Yes";
        QTest::newRow("a long button") << "Short"
                                       << "Ergebnisse anzeigen lassen"
                                       << "Yes";
        QTest::newRow("a long answer") << "Short"
                                       << "OK"
                                       << "An answer far too long for its box";
    }
    void growsWhatDoesNotFit() {
        QFETCH(QString, statement);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QWidget form;
        form.resize(340, 190);
        const auto place = [](QWidget* control, int x, int y, int w, int h) {
            control->setGeometry(x, y, w, h);
            return control;
        };
        auto* wrapped = static_cast<QLabel*>(place(new QLabel(statement, &form), 10, 10, 200, 30));
        wrapped->setWordWrap(true);
        QWidget* beside = place(new QLabel(QStringLiteral("Beside"), &form), 220, 10, 100, 30);
        QWidget* push = place(new QPushButton(button, &form), 10, 50, 80, 24);
        QWidget* group = place(new QGroupBox(&form), 10, 90, 200, 60);
        QWidget* radio = place(new QRadioButton(answer, group), 8, 20, 150, 17);
        QWidget* bottom = place(new QLabel(QStringLiteral("End"), &form), 10, 160, 100, 16);

        const QSize growth = quiz::FitTexts(form);

        // The statement grows down, by as much as everything below moves; nothing beside moves.
        const int down = wrapped->height() - 30;
        QVERIFY(wrapped->heightForWidth(200) <= wrapped->height() && wrapped->width() == 200);
        QCOMPARE(QList<int>({push->y(), group->y(), bottom->y()}),
                 QList<int>({50 + down, 90 + down, 160 + down}));
        QCOMPARE(beside->geometry(), QRect(220, 10, 100, 30));
        // The button and the radio button grow right, the group box around its grown contents.
        QVERIFY(push->fontMetrics().horizontalAdvance(button) < push->width() && push->x() == 10);
        QVERIFY(radio->fontMetrics().horizontalAdvance(answer) < radio->width());
        QVERIFY(radio->geometry().right() < group->width());
        // The form is told exactly how much further its contents reach; nothing overlaps.
        QCOMPARE(growth, QSize(std::max({push->geometry().right(), group->geometry().right(),
                                         beside->geometry().right()}) -
                                   319,
                               bottom->geometry().bottom() - 175));
        const QList<QWidget*> controls{wrapped, beside, push, group, bottom};
        for (QWidget* a : controls)
            for (QWidget* b : controls)
                QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
