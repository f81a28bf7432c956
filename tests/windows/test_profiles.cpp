#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "Application.h"
#include "Catalogue.h"
#include "Navigation.h"
#include "Program.h"
#include "ReadingTestSupport.h"
#include "Texts.h"

#include "Profiles.h"

using testing::child;
using testing::WhileOpen;

namespace {

const char* const MapNames[] = {"imgMapLib", "imgMapLeft", "imgMapCent", "imgMapRight",
                                "imgMapAuth"};

// A point inside each zone of the 121 x 121 small map: top, left, centre, right, bottom.
const QPoint ZonePoints[] = {{60, 25}, {25, 60}, {60, 60}, {96, 60}, {60, 96}};

bool IsAqua(QColor c) {
    return c.red() < 40 && c.green() > 220 && c.blue() > 220;
}

QString FamousLines(int p) {
    return content::FamousList(p).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// What the window shows while it is open, recorded for checks after it has closed.
struct Shown {
    QString caption, essay, famous;
    int essayBlocks = 0, essayLines = 0;
    bool fits = false;
    QStringList visibleMaps;
    QList<bool> aquaZones; // as drawn in the map box
};

} // namespace

class TestProfiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        CreateWindows();
        profile_ = child<QPlainTextEdit>(Form2, "memProfile");
        famous_ = child<QPlainTextEdit>(Form2, "memFamous");
        ok_ = child<QPushButton>(Form2, "Button1");
    }
    void init() { quiz::ResetNavigation(); }
    // However it was closed, the window leaves no map showing.
    void cleanup() {
        QVERIFY(!Form2->isVisible());
        for (const char* name : MapNames)
            QVERIFY2(child<QWidget>(Form2, name)->isHidden(), name);
    }

    void eachProfileShowsItsTextsAndOnlyItsMap() {
        for (int p : {3, 1, 2, 4, 5}) {
            quiz::ProfileIndex = p;
            const Shown shown = Open();
            QCOMPARE(shown.caption, content::ProfileCaption(p));
            QCOMPARE(shown.famous, FamousLines(p)); // no empty line after the last entry
            QCOMPARE(shown.essay, content::Essay(p));
            QCOMPARE(shown.essayBlocks, 1);
            QVERIFY2(shown.essayLines > 1, "the essay wraps at word boundaries");
            QVERIFY2(shown.fits, qPrintable(QString::number(p)));
            QCOMPARE(shown.visibleMaps, QStringList{MapNames[p - 1]});
            for (int zone = 1; zone <= 5; ++zone)
                QCOMPARE(shown.aquaZones.at(zone - 1), zone == p);
        }
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Profiles: Authoritarians"));
        QVERIFY(famous_->toPlainText().startsWith(QStringLiteral("Famous Authoritarians:\n")));
    }

    void closeBoxLeavesNoMapForTheNextProfile_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("Libertarian, then Authoritarian") << 1 << 5;
        QTest::newRow("Authoritarian, then Libertarian") << 5 << 1;
    }
    void closeBoxLeavesNoMapForTheNextProfile() {
        QFETCH(int, first);
        QFETCH(int, second);
        quiz::ProfileIndex = first;
        WhileOpen(Form2, [] { Form2->close(); }); // as the title-bar close box does
        quiz::ProfileIndex = second;
        const Shown shown = Open();
        QCOMPARE(shown.visibleMaps, QStringList{MapNames[second - 1]});
        QVERIFY(shown.aquaZones.at(second - 1) && !shown.aquaZones.at(first - 1));
    }

    // Typing is accepted and survives focus changes; a paint of the window brings the texts
    // back. Esc closes from the OK button only.
    void typingEscAndRepaint() {
        quiz::ProfileIndex = 4;
        QWidget* focusAtOpen = nullptr;
        QString typedEssay, typedFamous, essayAfter, famousAfter;
        bool openAfterEscInBox = false, closedFromButton = false;
        WhileOpen(Form2, [&] {
            focusAtOpen = QApplication::focusWidget();
            profile_->setFocus();
            profile_->moveCursor(QTextCursor::End);
            QTest::keyClicks(profile_, QStringLiteral(" typed"));
            famous_->setFocus();
            famous_->moveCursor(QTextCursor::End);
            QTest::keyClick(famous_, Qt::Key_Return);
            QTest::keyClicks(famous_, QStringLiteral("  Someone"));
            QTest::keyClick(famous_, Qt::Key_Escape);
            openAfterEscInBox = Form2->isVisible();
            // The boxes' own repaints after the typing have reached the window: no refill.
            testing::PaintCounter repaints(Form2);
            QTRY_VERIFY(repaints.Count() > 0);
            typedEssay = profile_->toPlainText();
            typedFamous = famous_->toPlainText();
            Form2->centralWidget()->repaint();
            essayAfter = profile_->toPlainText();
            famousAfter = famous_->toPlainText();
            ok_->setFocus();
            QTest::keyClick(ok_, Qt::Key_Escape);
            closedFromButton = !Form2->isVisible();
        });
        QCOMPARE(focusAtOpen, static_cast<QWidget*>(ok_));
        QCOMPARE(typedEssay, content::Essay(4) + QStringLiteral(" typed"));
        QCOMPARE(typedFamous, FamousLines(4) + QStringLiteral("\n  Someone"));
        QCOMPARE(essayAfter, content::Essay(4));
        QCOMPARE(famousAfter, FamousLines(4));
        QVERIFY(openAfterEscInBox);
        QVERIFY(closedFromButton);
    }

    void outOfRangeProfileLeavesEverythingButTheEssayAsItWas() {
        quiz::ProfileIndex = 2;
        WhileOpen(Form2, [] {});
        for (int bad : {0, 6}) {
            quiz::ProfileIndex = bad;
            const Shown shown = Open();
            QVERIFY(shown.essay.isEmpty());
            QCOMPARE(shown.caption, content::ProfileCaption(2));
            QCOMPARE(shown.famous, FamousLines(2));
            QVERIFY(shown.visibleMaps.isEmpty());
        }
    }

    void idleWindowPaintsNothingAndARepaintRefillsOnce() {
        quiz::ProfileIndex = 1;
        int idle = -1, refills = -1;
        WhileOpen(Form2, [&] {
            idle = testing::IdlePaints(Form2);
            const int before = Form2->PaintCount();
            Form2->centralWidget()->update();
            QTRY_VERIFY(Form2->PaintCount() > before);
            // Waits for a second refill that must not come: a refill that changed a text would
            // paint the window again.
            QTest::qWait(400);
            refills = Form2->PaintCount() - before;
        });
        QCOMPARE(idle, 0);
        QCOMPARE(refills, 1);
    }

    void cleanupTestCase() { DestroyWindows(); }

private:
    // Opens the window for the current ProfileIndex and records what it shows.
    Shown Open() {
        Shown shown;
        WhileOpen(Form2, [&] {
            shown.caption = Form2->windowTitle();
            shown.essay = profile_->toPlainText();
            shown.famous = famous_->toPlainText();
            shown.essayBlocks = profile_->blockCount();
            shown.essayLines = profile_->document()->firstBlock().layout()->lineCount();
            shown.fits = profile_->verticalScrollBar()->maximum() == 0 &&
                         famous_->verticalScrollBar()->maximum() == 0;
            for (const char* name : MapNames)
                if (child<QWidget>(Form2, name)->isVisible())
                    shown.visibleMaps << QString::fromLatin1(name);
            const QImage map = Form2->centralWidget()->grab(QRect(8, 144, 121, 121)).toImage();
            for (QPoint point : ZonePoints)
                shown.aquaZones << IsAqua(map.pixelColor(point));
        });
        return shown;
    }

    QPlainTextEdit* profile_ = nullptr;
    QPlainTextEdit* famous_ = nullptr;
    QPushButton* ok_ = nullptr;
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestProfiles test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_profiles.moc"
