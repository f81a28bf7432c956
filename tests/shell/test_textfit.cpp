#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "TextFit.h"

// A small form laid out as the windows are, by fixed boxes:
//   a word-wrapped label (10,10 200x30) over a button (10,50 80x24),
//   a label beside the wrapped one (220,10 100x30),
//   a group box (10,90 200x60) holding a radio button (8,20 150x17),
//   a plain label at the bottom (10,160 100x16).
class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void growsWhatDoesNotFit_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("taller");
        QTest::addColumn<bool>("wider");
        QTest::addColumn<bool>("groupWider");
        const QString short_ = QStringLiteral("Short words");
        const QString longWords = QStringLiteral(
            "A statement that runs far longer than the two lines its box was drawn for, as a "
            "translation may, and needs a third and a fourth line to be read whole");
        QTest::newRow("everything fits") << short_ << "OK"
                                         << "Yes" << false << false << false;
        QTest::newRow("a long statement") << longWords << "OK"
                                          << "Yes" << true << false << false;
        QTest::newRow("a long button") << short_ << "Ergebnisse anzeigen lassen"
                                       << "Yes" << false << true << false;
        QTest::newRow("a long answer")
            << short_ << "OK"
            << "A radio button caption far too long for its box" << false << false << true;
    }
    void growsWhatDoesNotFit() {
        QFETCH(QString, statement);
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(bool, taller);
        QFETCH(bool, wider);
        QFETCH(bool, groupWider);

        QWidget form;
        form.resize(340, 190);
        auto* wrapped = new QLabel(statement, &form);
        wrapped->setWordWrap(true);
        wrapped->setGeometry(10, 10, 200, 30);
        auto* beside = new QLabel(QStringLiteral("Beside"), &form);
        beside->setGeometry(220, 10, 100, 30);
        auto* push = new QPushButton(button, &form);
        push->setGeometry(10, 50, 80, 24);
        auto* group = new QGroupBox(&form);
        group->setGeometry(10, 90, 200, 60);
        auto* radio = new QRadioButton(answer, group);
        radio->setGeometry(8, 20, 150, 17);
        auto* bottom = new QLabel(QStringLiteral("End"), &form);
        bottom->setGeometry(10, 160, 100, 16);

        const QSize growth = quiz::FitTexts(form);

        const int down = wrapped->height() - 30;
        QCOMPARE(down > 0, taller);
        QCOMPARE(wrapped->width(), 200);
        QVERIFY(wrapped->heightForWidth(200) <= wrapped->height());
        // What lies below moves down by as much; what lies beside does not move.
        QCOMPARE(push->y(), 50 + down);
        QCOMPARE(group->y(), 90 + down);
        QCOMPARE(bottom->y(), 160 + down);
        QCOMPARE(beside->geometry(), QRect(220, 10, 100, 30));

        QCOMPARE(push->width() > 80, wider);
        QVERIFY(push->fontMetrics().horizontalAdvance(button) < push->width());
        QCOMPARE(push->x(), 10);
        QCOMPARE(radio->width() > 150, groupWider);
        QCOMPARE(group->width() > 200, groupWider); // the box grows around its caption
        QVERIFY(radio->geometry().right() < group->width());

        QCOMPARE(growth.height() > 0, taller);
        if (!taller && !wider && !groupWider)
            QCOMPARE(growth, QSize(0, 0));
        // The form, grown by what it is told, holds every control with the margins it had.
        const QList<QWidget*> controls{wrapped, beside, push, group, bottom};
        const QRect grown(QPoint(0, 0), form.size() + growth.expandedTo({0, 0}));
        for (QWidget* control : controls)
            QVERIFY(grown.adjusted(0, 0, -20, -14).contains(control->geometry()));
        // Nothing overlaps after the growing.
        for (QWidget* a : controls) {
            for (QWidget* b : controls) {
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + b->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
