#include "ReadingWidgets.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTextDocumentFragment>

#include "Contrast.h"
#include "Style.h"

void TTextBox::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    quiz::TStyle::DrawFocusMark(viewport()->rect(), &painter);
}

void TTextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void TTextBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

TReadingMemo::TReadingMemo(QWidget* parent)
    : TTextBox(parent) {
    setCursorWidth(2); // a caret that is easy to find
}

QMimeData* TReadingMemo::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    mime->setText(textCursor().selection().toPlainText());
    return mime;
}

void TReadingMemo::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly() && event->matches(QKeySequence::SelectAll)) {
        QTextCursor all(document());
        all.movePosition(QTextCursor::End);
        all.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
        setTextCursor(all);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

namespace {

// A grey picture in two colours of its own: black becomes `ink`, white `paper`, and each grey
// between them the mix of the two in its proportion.
QImage Recoloured(const QImage& grey, const QColor& ink, const QColor& paper) {
    QRgb mix[256];
    for (int level = 0; level < 256; ++level) {
        const auto channel = [level](int from, int to) { return from + (to - from) * level / 255; };
        mix[level] = qRgb(channel(ink.red(), paper.red()), channel(ink.green(), paper.green()),
                          channel(ink.blue(), paper.blue()));
    }
    QImage picture(grey.size(), QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            out[x] = mix[in[x]];
    }
    return picture;
}

} // namespace

TPictureImage::TPictureImage(QWidget* parent)
    : TClickablePicture(parent) {
    // Both kinds of picture cover the whole control, so nothing behind it needs repainting when
    // it is shown or repainted.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureImage::SetDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    loadBitmap_ = nullptr;
    bitmap_ = QImage();
    stretched_ = QPixmap();
    update();
}

void TPictureImage::SetBitmap(std::function<QImage()> bitmap) {
    drawing_ = nullptr;
    loadBitmap_ = std::move(bitmap);
    bitmap_ = QImage();
    stretched_ = QPixmap();
    update();
}

bool TPictureImage::IsClickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&TClickablePicture::Click));
}

void TPictureImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void TPictureImage::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsClickable() && !event->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TPictureImage::DrawPicture(QPainter& painter) {
    const QRectF box(rect());
    if (drawing_) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        drawing_(painter, box);
        painter.restore();
        return;
    }
    if (loadBitmap_) {
        bitmap_ = loadBitmap_();
        loadBitmap_ = nullptr;
    }
    if (bitmap_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    // A 1-bit logo shrunk by a factor of two to four loses thin strokes when pixels are simply
    // dropped; averaging them keeps the lettering readable.
    const qreal ratio = devicePixelRatioF();
    const QSize target = (QSizeF(size()) * ratio).toSize();
    if (stretched_.isNull() || stretched_.size() != target) {
        const QImage grey = bitmap_.convertToFormat(QImage::Format_Grayscale8)
                                .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // In high contrast a logo is drawn in the text colour on the window's background.
        stretched_ = QPixmap::fromImage(quiz::IsHighContrast()
                                            ? Recoloured(grey, quiz::ColourOf(quiz::Role::LogoInk),
                                                         quiz::ColourOf(quiz::Role::LogoPaper))
                                            : grey);
        stretched_.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(QPointF(0, 0), stretched_);
}
