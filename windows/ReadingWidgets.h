#pragma once

#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QWidget>

#include "Controls.h"

#include <functional>

class QMimeData;
class QPaintEvent;
class QPainter;
class QRectF;

// A multi-line text box that shows the style's focus mark along its inner edges while it has the
// focus, as the other controls do: the caret alone is easily missed.
class TTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The multi-line text box of the reading windows. Its copy operation (Edit, Copy, and Ctrl+C in
// the box) puts the selected characters on the clipboard as plain text only.
class TReadingMemo : public TTextBox {
    Q_OBJECT
public:
    explicit TReadingMemo(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    // Select All in a read-only box leaves the caret at the start, where a screen reader's
    // reading of the rest begins, so that it reads the whole selected text.
    void keyPressEvent(QKeyEvent* event) override;
};

// A picture stretched to fill the whole control, each axis on its own: either a vector drawing or
// a bitmap. A left button pressed and released inside the control is a click; screen readers see
// a clickable picture as a button they can press. A picture that takes the focus shows the
// style's focus mark along its edges while it has it.
class TPictureImage : public TClickablePicture {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&, const QRectF&)>;

    explicit TPictureImage(QWidget* parent = nullptr);

    void SetDrawing(Drawing drawing);
    // The bitmap is asked for only when the picture is first painted, so a window that is never
    // opened never decodes it.
    void SetBitmap(std::function<QImage()> bitmap);

    // Whether anything listens to Click(); decides how the picture presents itself to assistive
    // technology, and whether Space and Enter click it.
    bool IsClickable() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Space and Enter on a clickable picture that has the focus do what a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DrawPicture(QPainter& painter);

    Drawing drawing_;
    std::function<QImage()> loadBitmap_;
    QImage bitmap_;
    QPixmap stretched_; // the bitmap resampled to the control's size, made on first paint
};
