#pragma once

#include <QMainWindow>

#include "ModalResult.h"

class QAbstractButton;

// The base of every window of the program. A window is created once, hidden, and lives until the
// program ends; the only window shown without a modal loop is the main window, and closing the
// main window ends the program even while it is hidden.
class TForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // Shows the window modally: returns once it has closed, with its modal result. Meanwhile the
    // other windows take no input but still paint; afterwards the window is hidden and the window
    // that was active before is active again. Showing a visible window modally is an error.
    // (The program's modal stack runs it.)
    TModalResult ShowModal();
    bool IsShownModally() const;

    // Shows the window without waiting and brings it to the front (the main window).
    void Show();

    // Closes the window: a modal display ends with result 2 unless a result was set; the main
    // window ends the program; any other window is only hidden.
    void Close();

    // Setting a non-zero result on a modally shown window closes it with that result.
    void SetModalResult(TModalResult result);
    TModalResult ModalResult() const { return modalResult_; }

    // The main window is the first one created.
    static TForm* MainForm();
    bool IsMainForm() const { return MainForm() == this; }

    // Runs the creation handler; the program calls it right after constructing the window.
    void Create();

    // Window design helpers: the client area below the menu bar, the frame position, background.
    void SetClientSize(int width, int height, bool fixed);
    void SetOuterSize(int width, int height);
    void SetFramePosition(int left, int top);
    // The background colour of the design, or the high-contrast one when the desktop asks for it.
    void SetColor(const QColor& color);

    // Frame sizes of the design: a sizeable frame is 4 pixels a side and the caption 19 high.
    static constexpr int SizeableFrame = 4;
    static constexpr int CaptionHeight = 19;

    // Esc clicks the cancel button and Enter the default button, except while a multi-line text
    // box has the focus, which keeps those keys; Enter on a focused button clicks that button.
    void SetCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    void SetDefaultButton(QAbstractButton* button) { defaultButton_ = button; }

    // The control that has the focus whenever the window opens (the first in the tab order).
    void SetFirstFocus(QWidget* control) { firstFocus_ = control; }
    // Centre the window each time it opens, frame included, on the work area of the monitor
    // that shows the window it is opened from.
    void SetCentredOnScreen(bool centred) { centred_ = centred; }

    // Number of paint handler runs so far (for tests and idle checks).
    int PaintCount() const { return paintCount_; }

protected:
    // Creation handler, run once after the controls exist.
    virtual void FormCreate() {}
    // Paint handler, run every time the window's own surface is about to be drawn (not for a
    // button or text box that only repaints itself), also while another window is modal above
    // this one. It runs inside the paint event: it must not open a window
    // there, and it must not change a child in a way that schedules another paint of the client.
    virtual void FormPaint() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes room in the client area for texts longer than their boxes, the window growing too.
    void FitClient();

    bool fitted_ = false;
    TModalResult modalResult_ = mrNone;
    int paintCount_ = 0;
    QAbstractButton* cancelButton_ = nullptr;
    QAbstractButton* defaultButton_ = nullptr;
    QWidget* firstFocus_ = nullptr;
    bool centred_ = false;
};

// Creates a window of type T hidden, runs its creation handler and stores it in `instance`. The
// first window created becomes the main window.
template <class T> T* CreateForm(T*& instance) {
    instance = new T;
    instance->Create();
    return instance;
}
