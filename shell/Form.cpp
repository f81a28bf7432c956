#include "Form.h"

#include "Accessibility.h"
#include "Contrast.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

#include <stdexcept>

#include "WindowManager.h"

namespace {

TForm* mainForm = nullptr;

// Buttons and text boxes are controls with a surface of their own: when one of them repaints
// itself (hover, focus frame, caret) Qt paints the client beneath it as well, but that is no paint
// of the window, and a paint handler that refills the window's text boxes must not run for it, or
// a click into a box would wipe the text being selected or typed. Labels and pictures are drawn on
// the window's surface.
bool PaintReachesOwnSurface(const QWidget* client, const QPaintEvent* event) {
    QRegion own = event->region();
    for (QObject* object : client->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (!control || control->isHidden())
            continue;
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QAbstractScrollArea*>(control))
            own -= control->geometry();
    }
    return !own.isEmpty();
}

} // namespace

TForm::TForm(QWidget* parent)
    : QMainWindow(parent) {
    if (!mainForm)
        mainForm = this;
    quiz::ManageWindow(this);
    quiz::GateMenus(this);
}

TForm::~TForm() {
    if (loop_)
        loop_->exit(mrCancel);
    if (mainForm == this)
        mainForm = nullptr;
}

TForm* TForm::MainForm() {
    return mainForm;
}

void TForm::Create() {
    if (QWidget* client = centralWidget())
        client->installEventFilter(this);
    FormCreate();
}

TModalResult TForm::ShowModal() {
    if (isVisible() || loop_)
        throw std::logic_error("Cannot make a visible window modal");

    QPointer<QWidget> previous = quiz::OpenerWindow();
    modalResult_ = mrNone;
    quiz::StayWithOpener(this, previous);
    // A window that was minimised when it closed opens on screen all the same.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    setWindowModality(Qt::ApplicationModal);
    show();
    quiz::PublishTransientParent(this);
    raise();
    activateWindow();
    // Where nothing took the platform's focus over when this window last hid (offscreen, with no
    // window manager to move it), the platform still has it here, asking again changes nothing,
    // and the widgets would never learn that their window is active again.
    if (QGuiApplication::focusWindow() == windowHandle())
        QApplication::setActiveWindow(this);

    QEventLoop loop;
    loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;

    hide();
    setWindowModality(Qt::NonModal);
    // Qt asks an X window manager to activate a window only while the window it takes for the
    // active one is no transient of it; otherwise it moves the X focus itself, which does nothing
    // when the focus never left the opener (this window closed before the window manager had
    // given it the focus), and Qt would go on taking this hidden window for the active one.
    quiz::StayWithOpener(this, nullptr);
    if (previous && previous->isVisible())
        previous->activateWindow();
    return modalResult_;
}

void TForm::Close() {
    close();
}

void TForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (result != mrNone && loop_)
        close();
}

void TForm::closeEvent(QCloseEvent* event) {
    if (IsMainForm() && !loop_) {
        // Closing the main window ends the program, also when it is hidden at the time.
        event->accept();
        QCoreApplication::exit(0);
        return;
    }
    // Any other window is only hidden, and refusing the close keeps its native window: Qt
    // would destroy it, and every destroyed window that had been active leaves a connection to
    // its focus signal behind in Qt, so that each later focus change in it costs more.
    event->ignore();
    if (loop_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        loop_->exit(modalResult_);
    }
    hide();
}

void TForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        quiz::CentreOnOpenerScreen(this);
    else
        quiz::KeepOutOfReservedStrips(this);
    if (firstFocus_)
        firstFocus_->setFocus(Qt::OtherFocusReason);
}

void TForm::keyPressEvent(QKeyEvent* event) {
    QWidget* focus = focusWidget();
    const bool textBoxHasFocus =
        qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus);
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && !textBoxHasFocus) {
        if (event->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
            cancelButton_->click();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            auto* focusedButton = qobject_cast<QAbstractButton*>(focus);
            QAbstractButton* target = focusedButton ? focusedButton : defaultButton_;
            if (target && target->isEnabled()) {
                target->click();
                return;
            }
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == centralWidget() &&
        PaintReachesOwnSurface(centralWidget(), static_cast<QPaintEvent*>(event))) {
        ++paintCount_;
        FormPaint();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm::SetClientSize(int width, int height, bool fixed) {
    QWidget* client = centralWidget();
    // At least the design's size: a window that the desktop makes larger (see ManageWindow)
    // shows more of its own colour around the same controls.
    client->setMinimumSize(width, height);
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    if (fixed)
        setFixedSize(width, height + menuHeight);
    else
        resize(width, height + menuHeight);
}

void TForm::SetOuterSize(int width, int height) {
    // The design gives sizeable windows by their outer size, frame, caption and menu bar
    // included; the client area is what remains inside.
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const int clientWidth = width - 2 * SizeableFrame;
    const int clientHeight = height - 2 * SizeableFrame - CaptionHeight - menuHeight;
    centralWidget()->setMinimumSize(0, 0);
    resize(clientWidth, clientHeight + menuHeight);
}

void TForm::SetFramePosition(int left, int top) {
    move(left, top);
}

void TForm::SetColor(const QColor& color) {
    QWidget* client = centralWidget();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, quiz::SurfaceColour(color));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
}
