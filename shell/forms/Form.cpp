#include "Form.h"

#include "TextFit.h"

#include "Accessibility.h"
#include "Contrast.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>

#include "ModalStack.h"
#include "Placement.h"

#include <stdexcept>

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
    quiz::Stack().Manage(*this);
    quiz::PresentAsProgramWindow(this);
}

TForm::~TForm() {
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

void TForm::FitClient() {
    // Once, as the window first shows: a window that start-up does not show measures nothing
    // (nor loads its fonts) until it is opened.
    if (fitted_)
        return;
    fitted_ = true;
    QWidget* client = centralWidget();
    if (!client)
        return;
    const QSize growth = quiz::FitTexts(*client);
    if (growth.width() <= 0 && growth.height() <= 0)
        return;
    // The window grows with its contents; a fixed window stays fixed at its new size.
    const QSize more(std::max(growth.width(), 0), std::max(growth.height(), 0));
    client->setMinimumSize(client->minimumSize() + more);
    if (minimumSize() == maximumSize())
        setFixedSize(size() + more);
    else
        resize(size() + more);
}

TModalResult TForm::ShowModal() {
    if (isVisible())
        throw std::logic_error("Cannot make a visible window modal");
    modalResult_ = mrNone;
    FitClient(); // before the stack places it by its size
    return quiz::Stack().Run(*this, centred_ ? quiz::Placing::Centred : quiz::Placing::AsDesigned);
}

bool TForm::IsShownModally() const {
    return quiz::Stack().IsShownModally(*this);
}

void TForm::Show() {
    FitClient();
    quiz::Stack().Show(*this);
}

void TForm::Close() {
    close();
}

void TForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    if (result != mrNone && IsShownModally())
        close();
}

void TForm::closeEvent(QCloseEvent* event) {
    if (IsMainForm() && !IsShownModally()) {
        // Closing the main window ends the program, also when it is hidden at the time.
        event->accept();
        QCoreApplication::exit(0);
        return;
    }
    // Any other window is only hidden, and refusing the close keeps its native window: Qt
    // would destroy it, and every destroyed window that had been active leaves a connection to
    // its focus signal behind in Qt, so that each later focus change in it costs more.
    event->ignore();
    if (IsShownModally()) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        quiz::Stack().End(*this, modalResult_);
    }
    hide();
}

void TForm::showEvent(QShowEvent* event) {
    FitClient(); // where the window was shown other than by ShowModal or Show
    QMainWindow::showEvent(event);
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
    // At least the design's size: a window that the desktop makes larger (a Wayland compositor)
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
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal scale = screen ? screen->devicePixelRatio() : 1;
    move(quiz::DesignedCoordinate(left, scale), quiz::DesignedCoordinate(top, scale));
}

void TForm::SetColor(const QColor& color) {
    QWidget* client = centralWidget();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, quiz::SurfaceColour(color));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
}
