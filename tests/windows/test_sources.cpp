#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextLayout>

#include "Application.h"
#include "Catalogue.h"
#include "Cursors.h"
#include "Navigation.h"
#include "Pictures.h"
#include "Program.h"
#include "ReadingTestSupport.h"
#include "Texts.h"

#include "Address.h"
#include "Profiles.h"
#include "Quotes.h"
#include "Sources.h"
#include "Style.h"

using testing::child;
using testing::ModalAction;
using testing::WhileOpen;

namespace {

const char* const LogoNames[] = {"imgHeralds", "imgLantern", "imgTarrant", "imgBooks", "imgGrove"};

QString Details(int organisation) {
    return content::OrganisationDetails(organisation).join(u'\n');
}

// What the organisation window showed.
struct Shown {
    int selector = 0;
    QString caption, text;
    bool fits = false;
};

} // namespace

class TestSources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        InitialiseProgram();
        // Cursor number 1 differs from the arrow even if the quiz window does not register it.
        quiz::RegisterCursor(1, content::QuestionCursor());
        CreateWindows();
        address_ = child<QPlainTextEdit>(Form7, "memAddress");
    }
    void init() { quiz::ResetNavigation(); }
    void cleanup() { QVERIFY(!Form6->isVisible() && !Form7->isVisible()); }

    // Real clicks, logo 3 first and then logo 4: each opening shows only its own organisation,
    // captioned with the first line of its details.
    void eachLogoOpensItsOrganisation() {
        const int order[] = {3, 4, 1, 2, 5};
        std::vector<Shown> shown;
        WhileOpen(Form6, [&] {
            for (int o : order)
                shown.push_back(ClickLogo(LogoNames[o - 1]));
        });
        QCOMPARE(shown.size(), std::size(order));
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const int o = order[i];
            QCOMPARE(shown[i].selector, o);
            QCOMPARE(shown[i].caption, content::OrganisationName(o));
            QCOMPARE(shown[i].caption, content::OrganisationDetails(o).first());
            QCOMPARE(shown[i].text, Details(o));
            QVERIFY2(shown[i].fits, LogoNames[o - 1]); // no line lost below the box's edge
        }
    }

    void logosShowTheQuestionCursorAndPressLikeButtons() {
        for (const char* name : LogoNames) {
            const QCursor cursor = child<QWidget>(Form6, name)->cursor();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), content::QuestionCursorHotSpot());
        }
        QCOMPARE(child<QLabel>(Form6, "Label1")->cursor().shape(), Qt::ArrowCursor);

        // A screen reader's press on a logo does what a click does.
        Shown shown;
        WhileOpen(Form6, [&] {
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(child<QWidget>(Form6, "imgGrove"));
            if (!face || face->role() != QAccessible::Button || !face->actionInterface())
                return;
            ModalAction look(
                [&](QWidget* modal) {
                    Record(shown);
                    modal->close();
                },
                Form6);
            face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(look.Done());
        });
        QCOMPARE(shown.selector, 5);
        QCOMPARE(shown.text, Details(5));
    }

    // Tab runs from OK through the logos in organisation order and back to OK; the control that
    // has the focus shows the focus mark, a frame two pixels wide, and the one it left does not.
    void logosAreKeyboardStopsWithAVisibleMark() {
        QStringList order, unmarked;
        WhileOpen(Form6, [&] {
            QWidget* left = Form6->focusWidget();
            for (int i = 0; i < 6; ++i) {
                testing::PressKey(Form6, Qt::Key_Tab);
                QWidget* focus = Form6->focusWidget();
                order << focus->objectName();
                if (testing::FocusMarkPixels(focus) < 2 * (focus->width() + focus->height()) ||
                    testing::FocusMarkPixels(left) != 0)
                    unmarked << focus->objectName();
                left = focus;
            }
        });
        QCOMPARE(order, QStringList({"imgHeralds", "imgLantern", "imgTarrant", "imgBooks",
                                     "imgGrove", "btnOK"}));
        QCOMPARE(unmarked, QStringList());
    }

    void invitationWrapsIntoTwoLinesInsideItsBox() {
        auto* label = child<QLabel>(Form6, "Label1");
        QCOMPARE(label->text(),
                 QStringLiteral("Here are some of the many organizations devoted to "
                                "self-government.  Click on each logo to find out more..."));
        QTextLayout layout(label->text(), label->font());
        int lines = 0;
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->width());
            height += line.height();
            ++lines;
        }
        layout.endLayout();
        QCOMPARE(lines, 2);
        QVERIFY2(height <= label->height(), qPrintable(QString::number(height)));
    }

    void escClosesFromTheButtonsOnly() {
        bool resourcesClosed = false;
        WhileOpen(Form6, [&] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            resourcesClosed = !Form6->isVisible();
        });
        QVERIFY(resourcesClosed);

        quiz::OrganisationIndex = 1;
        QWidget* focusAtOpen = nullptr;
        bool openAfterEscInBox = false, closedFromButton = false;
        QString afterTyping;
        WhileOpen(Form7, [&] {
            focusAtOpen = QApplication::focusWidget();
            QTest::keyClicks(address_, QStringLiteral("abc"));
            QTest::keyClick(address_, Qt::Key_Backspace);
            afterTyping = address_->toPlainText();
            QTest::keyClick(address_, Qt::Key_Escape);
            openAfterEscInBox = Form7->isVisible();
            auto* ok = child<QPushButton>(Form7, "btnOK");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Escape);
            closedFromButton = !Form7->isVisible();
        });
        QCOMPARE(focusAtOpen, static_cast<QWidget*>(address_));
        QCOMPARE(afterTyping, Details(1)); // read-only
        QVERIFY(openAfterEscInBox);
        QVERIFY(closedFromButton);
    }

    void copyTheTelephoneLine() {
        quiz::OrganisationIndex = 2;
        const QStringList lines = content::OrganisationDetails(2);
        const QString phone = lines.at(lines.size() - 2);
        const int start = static_cast<int>(Details(2).indexOf(phone));
        QClipboard* clipboard = QGuiApplication::clipboard();
        QString copied, untouched;
        bool html = true;
        WhileOpen(Form7, [&] {
            QTextCursor cursor = address_->textCursor();
            cursor.setPosition(start);
            cursor.setPosition(start + static_cast<int>(phone.size()), QTextCursor::KeepAnchor);
            address_->setTextCursor(cursor);
            clipboard->setText(QStringLiteral("before"));
            QTRY_COMPARE(clipboard->text(), QStringLiteral("before"));
            child<QAction>(Form7, "mnuEditCopy")->trigger();
            copied = clipboard->text();
            html = !clipboard->mimeData() || clipboard->mimeData()->hasHtml();
            address_->moveCursor(QTextCursor::Start);
            clipboard->setText(QStringLiteral("as it was"));
            child<QAction>(Form7, "mnuEditCopy")->trigger();
            untouched = clipboard->text();
        });
        QCOMPARE(copied, phone);
        QVERIFY(!html);
        QCOMPARE(untouched, QStringLiteral("as it was"));
    }

    void outOfRangeOrganisationLeavesTheBoxEmptyAndTheCaptionAsItWas() {
        quiz::OrganisationIndex = 5;
        WhileOpen(Form7, [] {});
        for (int bad : {0, 6}) {
            quiz::OrganisationIndex = bad;
            Shown shown;
            WhileOpen(Form7, [&] { Record(shown); });
            QVERIFY(shown.text.isEmpty());
            QCOMPARE(shown.caption, content::OrganisationName(5));
        }
    }

    // Resources and the organisation window above it sit idle without a single paint.
    void idleWindowsPaintNothing() {
        quiz::OrganisationIndex = 4;
        int resourcesIdle = -1, bothIdle = -1;
        WhileOpen(Form6, [&] {
            resourcesIdle = testing::IdlePaints(Form6);
            ModalAction measure(
                [&](QWidget*) {
                    // Both settle first: the resources window repaints as it loses the activation.
                    testing::PaintCounter details(Form7), resources(Form6);
                    testing::Settle([&] { return details.Count() + resources.Count(); });
                    details.Reset();
                    resources.Reset();
                    // Waits for paints that must not come: idle windows get none in a second.
                    QTest::qWait(1000);
                    bothIdle = details.Count() + resources.Count();
                    Form7->Close();
                },
                Form6);
            Form7->ShowModal();
        });
        QCOMPARE(resourcesIdle, 0);
        QCOMPARE(bothIdle, 0);
    }

    // Every control of the four reading windows has a name for screen readers; every picture
    // says what it shows.
    void controlsAreNamedForScreenReaders() {
        for (TForm* form : std::initializer_list<TForm*>{Form5, Form2, Form6, Form7}) {
            const QWidget* client = form->centralWidget();
            for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                QVERIFY(face);
                QVERIFY2(!face->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->objectName()));
                if (face->role() == QAccessible::Graphic || face->role() == QAccessible::Button)
                    QVERIFY2(qobject_cast<QPushButton*>(control) ||
                                 !face->text(QAccessible::Description).isEmpty(),
                             qPrintable(control->objectName()));
            }
        }
    }

    void cleanupTestCase() { DestroyWindows(); }

private:
    void Record(Shown& shown) const {
        shown.selector = quiz::OrganisationIndex;
        shown.caption = Form7->windowTitle();
        shown.text = address_->toPlainText();
        shown.fits = address_->verticalScrollBar()->maximum() == 0;
    }

    // Clicks a logo of the open resources window; records the organisation window it opens and
    // closes that with its OK button.
    Shown ClickLogo(const char* name) {
        Shown shown;
        ModalAction look(
            [&](QWidget* modal) {
                if (modal != Form7) {
                    modal->close();
                    return;
                }
                Record(shown);
                child<QPushButton>(Form7, "btnOK")->click();
            },
            Form6);
        QTest::mouseClick(child<QWidget>(Form6, name), Qt::LeftButton);
        return shown;
    }

    QPlainTextEdit* address_ = nullptr;
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    TestSources test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_sources.moc"
