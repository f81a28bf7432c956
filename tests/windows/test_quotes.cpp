#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include "Application.h"
#include "Catalogue.h"
#include "Navigation.h"
#include "Program.h"
#include "ReadingTestSupport.h"
#include "Texts.h"

#include "Address.h"
#include "History.h"
#include "Profiles.h"
#include "Quotes.h"

using testing::child;
using testing::WhileOpen;

class TestQuotes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        CreateWindows();
        memo_ = child<QPlainTextEdit>(Form5, "memQuotes");
        topic_ = child<QLabel>(Form5, "lblTopic");
        ok_ = child<QPushButton>(Form5, "btnOK");
    }
    void init() { quiz::ResetNavigation(); }
    void cleanup() { QVERIFY(!Form5->isVisible()); }

    // Each opening shows its own topic only, every line inside the box; topic 9 has six
    // quotations, an empty line between two.
    void eachTopicReplacesTheLastAndFits() {
        for (int t : {1, 3, 9, 2, 4, 5, 6, 7, 8, 10}) {
            quiz::TopicIndex = t;
            QString text, caption;
            bool fits = false;
            WhileOpen(Form5, [&] {
                text = memo_->toPlainText();
                caption = topic_->text();
                fits = memo_->verticalScrollBar()->maximum() == 0;
            });
            QCOMPARE(text, content::QuotationLines(t).join(u'\n'));
            QCOMPARE(caption, content::TopicCaption(t));
            QVERIFY2(fits, qPrintable(QString::number(t)));
            if (t == 9)
                QCOMPARE(text.split(u'\n').count(QString()), 5);
        }
        QCOMPARE(Form5->windowTitle(), QStringLiteral("Topical Quotes"));
    }

    void outOfRangeTopicLeavesTheBoxEmptyAndTheCaptionAsItWas() {
        quiz::TopicIndex = 2;
        WhileOpen(Form5, [] {});
        for (int bad : {0, 11}) {
            quiz::TopicIndex = bad;
            QString text;
            WhileOpen(Form5, [&] { text = memo_->toPlainText(); });
            QVERIFY(text.isEmpty());
            QCOMPARE(topic_->text(), content::TopicCaption(2));
        }
    }

    // A mouse selection survives the repaints of the focus moving into the box and of the hover
    // on OK; Edit, Copy puts exactly it on the clipboard, as plain text, and nothing else.
    void copyTheMouseSelection() {
        quiz::TopicIndex = 8;
        QClipboard* clipboard = QGuiApplication::clipboard();
        QString selected, copied, untouched;
        bool html = true;
        int refills = -1;
        WhileOpen(Form5, [&] {
            clipboard->setText(QStringLiteral("before"));
            const int before = Form5->PaintCount();
            testing::PaintCounter repaints(Form5);
            QTest::mouseClick(memo_->viewport(), Qt::LeftButton, {}, QPoint(30, 8));
            QTest::mouseClick(memo_->viewport(), Qt::LeftButton, Qt::ShiftModifier, {200, 40});
            QTest::mouseMove(ok_);
            // The repaints of the focus, the selection and the hover have reached the window.
            QTRY_VERIFY(repaints.Count() > 0);
            refills = Form5->PaintCount() - before;
            selected = memo_->textCursor().selection().toPlainText();
            child<QAction>(Form5, "mnuEditCopy")->trigger();
            copied = clipboard->text();
            html = !clipboard->mimeData() || clipboard->mimeData()->hasHtml();

            memo_->moveCursor(QTextCursor::End);
            clipboard->setText(QStringLiteral("untouched"));
            child<QAction>(Form5, "mnuEditCopy")->trigger();
            untouched = clipboard->text();
        });
        QCOMPARE(refills, 0);
        QVERIFY(selected.contains(u'\n'));
        QVERIFY(content::QuotationLines(8).join(u'\n').contains(selected));
        QCOMPARE(copied, selected);
        QVERIFY(!html);
        QCOMPARE(untouched, QStringLiteral("untouched"));
    }

    void keysInTheReadingAreaNeitherEditNorClose() {
        quiz::TopicIndex = 6;
        QWidget* focusAtOpen = nullptr;
        bool closedFromButton = false, openAfterEscInBox = false;
        QString afterTyping;
        WhileOpen(Form5, [&] {
            focusAtOpen = QApplication::focusWidget();
            memo_->setFocus();
            QTest::keyClicks(memo_, QStringLiteral("xyz"));
            QTest::keyClick(memo_, Qt::Key_Delete);
            afterTyping = memo_->toPlainText();
            QTest::keyClick(memo_, Qt::Key_Escape);
            openAfterEscInBox = Form5->isVisible();
            ok_->setFocus();
            QTest::keyClick(ok_, Qt::Key_Escape);
            closedFromButton = !Form5->isVisible();
        });
        QCOMPARE(focusAtOpen, static_cast<QWidget*>(ok_));
        QCOMPARE(afterTyping, content::QuotationLines(6).join(u'\n'));
        QVERIFY(openAfterEscInBox);
        QVERIFY(closedFromButton);
    }

    void idleWindowPaintsNothingAndARepaintRefillsOnce() {
        quiz::TopicIndex = 7;
        int idle = -1, refills = -1, selectedAfter = -1;
        WhileOpen(Form5, [&] {
            idle = testing::IdlePaints(Form5);
            memo_->selectAll();
            const int before = Form5->PaintCount();
            Form5->centralWidget()->update(); // the whole client area must be drawn again
            QTRY_VERIFY(Form5->PaintCount() > before);
            // Waits for a second refill that must not come: a refill that changed a text would
            // paint the window again.
            QTest::qWait(400);
            refills = Form5->PaintCount() - before;
            selectedAfter = static_cast<int>(memo_->textCursor().selectedText().size());
        });
        QCOMPARE(idle, 0);
        QCOMPARE(refills, 1);
        QCOMPARE(selectedAfter, 0); // the refill put the caret back at the start
    }

    void topicCaptionFollowsTheClientWidthAndFitsOneLine() {
        quiz::TopicIndex = 1;
        QList<int> widths;
        WhileOpen(Form5, [&] {
            widths << topic_->width() << Form5->centralWidget()->width();
            Form5->resize(Form5->width() + 120, Form5->height() + 40);
            QTRY_VERIFY(Form5->centralWidget()->width() != widths.at(1));
            widths << topic_->width() << Form5->centralWidget()->width();
        });
        QCOMPARE(widths.at(0), widths.at(1));
        QCOMPARE(widths.at(2), widths.at(3));
        QCOMPARE(widths.at(3), widths.at(1) + 120);
        QCOMPARE(topic_->geometry(), QRect(0, 0, widths.at(2), 25));
        QCOMPARE(memo_->geometry(), QRect(8, 24, 585, 353));

        // The label's box holds one line: every caption must fit across the design width.
        const QFontMetrics metrics(topic_->font());
        QVERIFY(metrics.height() <= 25);
        for (int t = 1; t <= content::TopicCount; ++t)
            QVERIFY2(metrics.horizontalAdvance(content::TopicCaption(t)) <= widths.at(1),
                     qPrintable(QString::number(t)));
    }

    // Every reading box of the program, this window's among them, shows the focus mark along
    // its inner edges while it has the focus, and none once the focus has moved on to OK.
    void readingBoxesMarkTheirFocus() {
        quiz::TopicIndex = quiz::ProfileIndex = quiz::OrganisationIndex = 1;
        const std::tuple<TForm*, const char*, const char*> boxes[] = {
            {Form5, "memQuotes", "btnOK"},
            {Form2, "memProfile", "Button1"},
            {Form2, "memFamous", "Button1"},
            {Form7, "memAddress", "btnOK"},
            {Form4, "Memo1", "btnCloseHistory"}};
        for (const auto& [form, name, ok] : boxes) {
            auto* box = child<QPlainTextEdit>(form, name);
            qsizetype focused = -1, left = -1;
            WhileOpen(form, [&] {
                box->setFocus();
                if (QTest::qWaitFor([&] { return box->hasFocus(); }))
                    focused = testing::FocusMarkPixels(box);
                child<QWidget>(form, ok)->setFocus();
                if (QTest::qWaitFor([&] { return !box->hasFocus(); }))
                    left = testing::FocusMarkPixels(box);
            });
            const QSize inside = box->viewport()->size();
            QVERIFY2(focused >= 2 * (inside.width() + inside.height()), name);
            QCOMPARE(left, 0);
        }
    }

    void cleanupTestCase() { DestroyWindows(); }

private:
    QPlainTextEdit* memo_ = nullptr;
    QLabel* topic_ = nullptr;
    QPushButton* ok_ = nullptr;
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestQuotes test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_quotes.moc"
