#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>

#include "Accessibility.h"
#include "Application.h"
#include "Form.h"
#include "GuiTestSupport.h"
#include "MapWidgets.h"
#include "ModalStack.h"
#include "ReadingWidgets.h"

using testing::ModalAction;

namespace {

// A window of the program's kind with one of each control that acts: a button, a logo, a map
// zone and a menu command, each counting its presses, and a command the window turned off.
class StackForm : public TForm {
public:
    explicit StackForm(const QString& name) {
        setObjectName(name);
        setCentralWidget(new QWidget);
        Create();
        SetClientSize(200, 100, true);
        auto* logo = new TPictureImage(centralWidget());
        auto* zone = new THotZoneImage(centralWidget());
        auto* button = new QPushButton(QStringLiteral("Press"), centralWidget());
        controls = {button, logo, zone};
        QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
        command = file->addAction(QStringLiteral("E&xit"));
        off = file->addAction(QStringLiteral("Off"));
        off->setEnabled(false);
        const auto count = [this] { ++presses; };
        connect(button, &QPushButton::clicked, this, count);
        connect(logo, &TPictureImage::Click, this, count);
        connect(zone, &THotZoneImage::Click, this, count);
        connect(command, &QAction::triggered, this, count);
    }

    // As a screen reader does it: the press action of each control, and the menu command.
    void PressEverything() {
        for (QWidget* control : controls)
            QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        command->trigger();
    }

    std::vector<QWidget*> controls;
    QAction* command = nullptr;
    QAction* off = nullptr;
    int presses = 0;
};

} // namespace

class TestModalStack : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        main_ = new StackForm(QStringLiteral("Main"));
        main_->Show();
    }

    void onlyTheTopTakesInput() {
        StackForm top(QStringLiteral("Top")), hidden(QStringLiteral("Hidden"));
        ModalAction press([&](QWidget*) {
            main_->PressEverything();
            hidden.PressEverything();
            top.PressEverything();
            QTRY_COMPARE(top.presses, 4); // by then the others' presses would have landed too
            QVERIFY(!main_->command->isEnabled());
            QVERIFY(!top.off->isEnabled());
            top.Close();
        });
        top.ShowModal();
        QVERIFY(press.Done());
        QCOMPARE(main_->presses, 0);
        QCOMPARE(hidden.presses, 0);
        QVERIFY(main_->command->isEnabled());
        QVERIFY(!main_->off->isEnabled()); // turned off by the window, it stays off
    }

    void minimisingTakesTheStackAlong() {
        StackForm top(QStringLiteral("Top"));
        bool followed = false, restored = false;
        // As the desktop does it: the window system reports the new state.
        const auto desktop = [](QWidget& window, Qt::WindowState state) {
            window.windowHandle()->setWindowState(state);
        };
        ModalAction minimise([&](QWidget*) {
            desktop(top, Qt::WindowMinimized);
            followed = QTest::qWaitFor([&] { return main_->isMinimized(); });
            desktop(*main_, Qt::WindowNoState); // restored from the bottom window
            restored = QTest::qWaitFor([&] { return !top.isMinimized() && top.isActiveWindow(); });
            desktop(top, Qt::WindowMinimized);
            QTRY_VERIFY(main_->isMinimized());
            top.Close(); // closed while minimised
        });
        top.ShowModal();
        QVERIFY(followed);
        QVERIFY(restored);
        desktop(*main_, Qt::WindowNoState);
        QTRY_VERIFY(!main_->isMinimized());
        bool minimisedOnOpening = true;
        ModalAction look([&](QWidget*) {
            minimisedOnOpening = top.isMinimized();
            top.Close();
        });
        top.ShowModal();
        QVERIFY(!minimisedOnOpening);
    }

    void transientParentsWhileOpenOnly() {
        StackForm outer(QStringLiteral("Outer")), inner(QStringLiteral("Inner"));
        QList<const QWindow*> parents;
        ModalAction openInner([&](QWidget*) {
            ModalAction look(
                [&](QWidget*) {
                    parents << outer.windowHandle()->transientParent()
                            << inner.windowHandle()->transientParent();
                    inner.Close();
                },
                &outer);
            inner.ShowModal();
            outer.Close();
        });
        outer.ShowModal();
        QCOMPARE(parents, (QList<const QWindow*>{main_->windowHandle(), outer.windowHandle()}));
        QVERIFY(!outer.windowHandle()->transientParent());
        QVERIFY(!inner.windowHandle()->transientParent());
        QVERIFY(!quiz::Stack().Top());
    }

    void cleanupTestCase() { delete main_; }

private:
    StackForm* main_ = nullptr;
};

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quiz::InstallAccessibility();
    TestModalStack test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_modalstack.moc"
